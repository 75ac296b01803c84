# Who makes the game and the engine, and where to reach them: the one place
# the packages' Maintainer and Homepage fields, the software-centre metadata
# and the Debian copyright file take them from. The README gives the same.
# Plain variables, not cache entries: an older build folder's cached values
# must not outlive a change here.
set(ZEPHRA_AUTHORS "The Pouncer and Zephra authors")
set(ZEPHRA_CONTACT "pouncer@zephra.dev")
# The game's page; its screenshot is published as screenshots/play.png there.
set(POUNCER_HOMEPAGE "https://zephra.dev/pouncer")
