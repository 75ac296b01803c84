#!/usr/bin/env bash
# Writes the small seed files of the image fuzz target into seeds/image/:
# one of each PNG layout the decoder takes or rejects, and baseline,
# progressive, greyscale and CMYK JPEGs. Needs ImageMagick.
set -euo pipefail
cd "$(dirname "$0")/image"
src="gradient:red-blue"
convert -size 7x5 "$src" -strip PNG24:rgb.png
convert -size 7x5 "$src" -alpha set -channel A -evaluate set 60% +channel -strip PNG32:rgba.png
convert -size 7x5 "$src" -depth 16 -strip PNG64:rgba16.png
convert -size 6x4 "$src" -colors 4 -strip PNG8:palette.png
convert -size 6x4 "$src" -colors 4 -transparent blue -strip PNG8:palette_trns.png
convert -size 9x3 gradient: -depth 2 -define png:color-type=0 -define png:bit-depth=2 -strip grey2.png
convert -size 9x3 gradient: -define png:color-type=0 -define png:bit-depth=8 -strip grey8.png
convert -size 9x9 "$src" -interlace PNG -strip PNG24:interlaced.png
convert -size 16x16 "$src" -quality 80 -sampling-factor 2x2 -strip baseline.jpg
convert -size 16x16 "$src" -quality 80 -interlace JPEG -strip progressive.jpg
convert -size 16x16 gradient: -colorspace Gray -quality 80 -strip grey.jpg
convert -size 8x8 "$src" -colorspace CMYK -quality 80 -strip cmyk.jpg
