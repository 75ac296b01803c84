# The game's copyright file in Debian's machine-readable format, written
# from LICENSE at configure time into POUNCER_COPYRIGHT_FILE: everything is
# ours under the zlib licence except the font, which is Carlito under the
# SIL Open Font License.
file(READ ${PROJECT_SOURCE_DIR}/LICENSE license)
# The licence text as a field's continuation lines: each line indented by
# one space, an empty line as " .".
string(REGEX REPLACE "\n+$" "" license "${license}")
string(REPLACE "\n" "\n " license " ${license}")
string(REPLACE "\n \n" "\n .\n" license "${license}")
string(REPLACE "\n \n" "\n .\n" license "${license}")
set(POUNCER_COPYRIGHT_FILE ${PROJECT_BINARY_DIR}/install/copyright)
file(WRITE ${POUNCER_COPYRIGHT_FILE}
"Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/
Upstream-Name: pouncer
Upstream-Contact: ${ZEPHRA_AUTHORS} <${ZEPHRA_CONTACT}>
Source: ${POUNCER_HOMEPAGE}

Files: *
Copyright: ${ZEPHRA_AUTHORS}
License: Zlib

Files: usr/share/pouncer/data/calibri.ttf
Copyright: The Carlito authors (see font-license-OFL-1.1.txt beside this file)
License: OFL-1.1
 The font's copyright and the full text of its licence are in
 /usr/share/doc/pouncer/font-license-OFL-1.1.txt, from Debian's
 fonts-crosextra-carlito package.

License: Zlib
${license}
")
