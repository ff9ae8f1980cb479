#!/bin/sh
# Builds Pairon and runs every test through CTest.
set -eu
cd "$(dirname "$0")/.."
sh scripts/install-deps.sh --tests
jobs=$(nproc 2>/dev/null || echo 2)
launcher=""
# A compiler cache, where there is one, makes a second checkout's build quick.
if command -v ccache >/dev/null 2>&1; then
    launcher="-DCMAKE_CXX_COMPILER_LAUNCHER=ccache"
    # Paths are kept relative to the checkout, and the build folder's own path
    # (which only the debug information names) is left out of the match.
    CCACHE_BASEDIR=$(pwd)
    CCACHE_NOHASHDIR=1
    export CCACHE_BASEDIR CCACHE_NOHASHDIR
fi
# shellcheck disable=SC2086
cmake -S . -B build-tests -DCMAKE_BUILD_TYPE=RelWithDebInfo $launcher
cmake --build build-tests -j"$jobs"
QT_QPA_PLATFORM=offscreen ctest --test-dir build-tests --output-on-failure -j"$jobs"
