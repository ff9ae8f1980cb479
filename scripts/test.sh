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
    CCACHE_BASEDIR=$(pwd)
    export CCACHE_BASEDIR
fi
# shellcheck disable=SC2086
cmake -S . -B build-tests -DCMAKE_BUILD_TYPE=RelWithDebInfo $launcher
cmake --build build-tests -j"$jobs"
QT_QPA_PLATFORM=offscreen ctest --test-dir build-tests --output-on-failure -j"$jobs"
