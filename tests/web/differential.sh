#!/bin/sh
# The page's module against the native rules: differential.sh SITE REPLAY
set -eu
if [ ! -f "$1/pairon.wasm" ]; then
    if ! command -v emcmake >/dev/null 2>&1; then
        echo "no browser edition was built: emscripten is missing; skipped"
        exit 77
    fi
    echo "no browser edition in $1: the web_build test builds it" >&2
    exit 1
fi
if ! command -v node >/dev/null 2>&1; then
    echo "web_differential: node is missing (sh scripts/install-deps.sh --web); skipped"
    exit 77
fi
exec node "$(dirname "$0")/differential.js" "$1" "$2" 60
