#!/bin/sh
# Builds the browser edition into a folder of static files that any web
# server can serve:
#   sh scripts/build-web.sh [OUTPUT_FOLDER]      (build-web by default)
# The rules are the game's own C++, compiled with emscripten; the pictures
# are those the native build draws, converted for the web, each with a copy
# for sharp screens; the catalogues are converted from translations/.
# PAIRON_NATIVE_BUILD names the native build folder to draw the pictures in
# (build-tests by default; it is configured if need be).
set -eu
cd "$(dirname "$0")/.."
root=$(pwd)
output=${1:-build-web}
case "$output" in /*) ;; *) output="$root/$output" ;; esac
native=${PAIRON_NATIVE_BUILD:-build-tests}
wasm=${PAIRON_WASM_BUILD:-build-web-wasm}
jobs=$(nproc 2>/dev/null || echo 2)

for tool in emcmake em++ node convert python3; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "build-web: $tool is missing; sh scripts/install-deps.sh --web installs it" >&2
        exit 2
    fi
done
# Debian's emscripten runs its optimiser with node and the Debian acorn.
export NODE_PATH="${NODE_PATH:+$NODE_PATH:}/usr/share/nodejs"
# The shipped cache is read-only and complete; a cache of one's own is kept
# in the build folder.
if [ ! -w /usr/share/emscripten/cache ] && [ -z "${EM_CACHE:-}" ]; then
    export EM_CACHE="$root/$wasm/emscripten-cache"
fi

# The pictures, drawn by the native build.
if [ ! -f "$native/CMakeCache.txt" ]; then
    cmake -S . -B "$native" -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build "$native" --target pairon_picture_files -j"$jobs"

# The module: the plain C++ folders and the binding.
if [ ! -f "$wasm/CMakeCache.txt" ]; then
    emcmake cmake -S . -B "$wasm" -DCMAKE_BUILD_TYPE=Release -DPAIRON_BUILD_GUI=OFF -DPAIRON_BUILD_TESTS=OFF
fi
cmake --build "$wasm" --target pairon -j"$jobs"

rm -rf "$output"
mkdir -p "$output/pictures" "$output/lang"
cp web/index.html web/page.js web/pairon.css web/manifest.webmanifest "$output/"
cp "$wasm/bin/pairon.js" "$wasm/bin/pairon.wasm" "$output/"
python3 web/tools/catalogues.py translations "$output/lang"
python3 web/tools/pictures.py "$native" "$output/pictures"
python3 web/tools/offline.py "$output"
echo "The browser edition is in $output: serve it, e.g. python3 -m http.server -d $output 8000"
