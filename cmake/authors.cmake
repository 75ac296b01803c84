# Who makes the game and the engine, and where to reach them: the one place
# the packages' Maintainer and Homepage fields, the software-centre metadata
# and the Debian copyright file take them from. The README gives the same.
set(ZEPHRA_AUTHORS "The Pouncer and Zephra authors")
set(ZEPHRA_CONTACT "pouncer@zephra.dev" CACHE STRING
  "Mail address of the game's maintainers, for the packages")
set(POUNCER_HOMEPAGE "https://zephra.dev/pouncer" CACHE STRING
  "The game's web page; its screenshot is published as screenshots/play.png there")
