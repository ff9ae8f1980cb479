#!/bin/sh
# Builds Pairon and runs every test through CTest.
set -eu
cd "$(dirname "$0")/.."
sh scripts/install-deps.sh --tests
jobs=$(nproc 2>/dev/null || echo 2)
cmake -S . -B build-tests -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build-tests -j"$jobs"
QT_QPA_PLATFORM=offscreen ctest --test-dir build-tests --output-on-failure -j"$jobs"
