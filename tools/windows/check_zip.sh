#!/usr/bin/env bash
# Looks into the zip a player downloads: one Pouncer folder with both
# programs, every asset of data/, the README, our licence (the tree's LICENSE
# with Windows line ends) and the libraries' licences.
#
#   check_zip.sh BUILD_DIR/pouncer-windows.zip
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
zip=${1:?usage: check_zip.sh ZIP}

/usr/bin/python3 - "$zip" "$root" <<'PY'
import os
import sys
import zipfile

zip_path, root = sys.argv[1], sys.argv[2]
names = set(zipfile.ZipFile(zip_path).namelist())
wanted = ['Pouncer/pouncer.exe', 'Pouncer/pouncer_windowed.exe', 'Pouncer/README.txt',
          'Pouncer/LICENSE.txt', 'Pouncer/licenses/SDL2.txt', 'Pouncer/licenses/carlito-font.txt']
wanted += ['Pouncer/data/' + name for name in sorted(os.listdir(os.path.join(root, 'data')))
           if os.path.isfile(os.path.join(root, 'data', name)) and name != 'CMakeLists.txt']
missing = [name for name in wanted if name not in names]
with open(os.path.join(root, 'LICENSE'), 'rb') as f:
    ours = f.read().replace(b'\n', b'\r\n')
shipped = zipfile.ZipFile(zip_path).read('Pouncer/LICENSE.txt') if 'Pouncer/LICENSE.txt' in names else b''
problems = ['missing: ' + name for name in missing]
if shipped and shipped != ours:
    problems.append('Pouncer/LICENSE.txt is not the tree\'s LICENSE')
if problems:
    sys.exit('check_zip.sh: %s:\n  %s' % (zip_path, '\n  '.join(problems)))
print('check_zip.sh: %s holds both programs, %d assets, README.txt, LICENSE.txt (%d bytes) '
      'and the libraries\' licences' % (os.path.basename(zip_path), len(wanted) - 6, len(shipped)))
PY
