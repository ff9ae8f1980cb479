# Sourced by the browser edition's tests, with the site's folder as $1: goes
# on when the page is built, skips (77) when emscripten is not there to build
# it, and fails when it should have been built and was not.
if [ ! -f "$1/pairon.wasm" ]; then
    if ! command -v emcmake >/dev/null 2>&1; then
        echo "no browser edition was built: emscripten is missing; skipped"
        exit 77
    fi
    echo "no browser edition in $1: the web_build test builds it" >&2
    exit 1
fi
