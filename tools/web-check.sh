#!/usr/bin/env bash
# The web page's checks, on the page tools/build-web.sh put in dist/web/:
#   - the module under node against trelvo-batch on every example and corpus deck;
#   - the page in Debian's Chromium, headless, opened from its folder (file://).
#   bash tools/web-check.sh [TRELVO_BATCH]
# TRELVO_WEB_SCREENSHOT names a PNG file to take of the page after Run.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/lib/common.sh

batch=${1:-build/test/app/batch/trelvo-batch}
[ -f dist/web/index.html ] || fail "dist/web/ is missing: run tools/build-web.sh first"
if [ ! -x "$batch" ]; then
    step "trelvo-batch for the comparison"
    cmake --preset test >/dev/null || fail "configuring the test preset"
    cmake --build build/test --target trelvo-batch || fail "building trelvo-batch"
fi

if [ ! -d tests/web/node_modules/playwright-core ]; then
    step "the browser driver (npm, pinned; the browser is Debian's)"
    (cd tests/web && PLAYWRIGHT_SKIP_BROWSER_DOWNLOAD=1 npm ci --no-audit --no-fund) ||
        fail "installing the browser driver"
fi

step "the module against trelvo-batch, under node"
node tests/web/batch_equality.js dist/web/trelvo-web.js "$batch" . ||
    failed "the module's results differ from trelvo-batch's"

step "the page in headless Chromium"
node tests/web/page_test.js dist/web "$batch" . ${TRELVO_WEB_SCREENSHOT:+"$TRELVO_WEB_SCREENSHOT"} ||
    failed "the page in Chromium"
finish
