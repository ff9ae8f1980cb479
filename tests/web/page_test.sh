#!/bin/sh
# The page in headless Chromium: page_test.sh SITE DESKTOP_PLACES
set -eu
. "$(dirname "$0")/site_built.sh"
for tool in chromium chromedriver; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "web_page: $tool is missing (sh scripts/install-deps.sh --web); skipped"
        exit 77
    fi
done
# Debian's Selenium, whichever python3 comes first on the path.
exec /usr/bin/python3 "$(dirname "$0")/page_test.py" "$1" "$2"
