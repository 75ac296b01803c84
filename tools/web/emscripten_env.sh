# Sourced by the browser build's scripts. The Node.js of some machines does
# not look where Debian keeps emscripten's JavaScript modules (acorn and the
# like), and an optimised link then fails to find them.
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}
