#!/usr/bin/env bash
# Makes ready what drives the page in a browser: Debian's chromium and npm's
# playwright-core at the version package-lock.json names (no browser
# download: Debian's is used).
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
"$here/../deps.sh" webtest
# npm ci starts afresh; skipped when the installed tree matches the lock.
if ! cmp -s "$here/package-lock.json" "$here/node_modules/.package-lock.json.zephra" 2>/dev/null; then
  (cd "$here" && PLAYWRIGHT_SKIP_BROWSER_DOWNLOAD=1 npm ci --no-audit --no-fund --loglevel=error)
  cp "$here/package-lock.json" "$here/node_modules/.package-lock.json.zephra"
fi
