#!/bin/sh
# The page's module against the native rules: differential.sh SITE REPLAY
set -eu
. "$(dirname "$0")/site_built.sh"
if ! command -v node >/dev/null 2>&1; then
    echo "web_differential: node is missing (sh scripts/install-deps.sh --web); skipped"
    exit 77
fi
exec node "$(dirname "$0")/differential.js" "$1" "$2" 60
