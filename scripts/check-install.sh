#!/bin/sh
# Builds Pairon, installs it into a scratch folder and checks the installed
# desktop application (tests/install_test.sh says what is checked).
# usage: scripts/check-install.sh [<build folder>]
# Without a build folder, builds a Release build in build-install/.
set -eu
cd "$(dirname "$0")/.."
build=${1:-build-install}
if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release
fi
cmake --build "$build" -j"$(nproc 2>/dev/null || echo 2)"
version=$(sed -n 's/^project(Pairon VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
exec sh tests/install_test.sh "$build" "$version"
