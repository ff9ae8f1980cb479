#!/bin/sh
# Builds the browser edition for the tests: build_site.sh NATIVE_BUILD SITE
set -eu
for tool in emcmake em++ node convert; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "web_build: $tool is missing (sh scripts/install-deps.sh --web); skipped"
        exit 77
    fi
done
native=$1
PAIRON_NATIVE_BUILD="$native" PAIRON_WASM_BUILD="$native/web-wasm" \
    sh "$(dirname "$0")/../../scripts/build-web.sh" "$2"
