#!/bin/sh
# Feeds the picture loader, then the import of a deck's photos, with mutated
# picture files for SECONDS seconds in all (60 unless given; half each) under
# libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer. Fails, keeping the input that did it in
# build-fuzz/findings/, on a crash, a leak, a sanitizer report, or an input
# that takes more than a second or more than 256 MB.
set -eu
cd "$(dirname "$0")/.."
seconds=${1:-60}
build=build-fuzz
sh scripts/install-deps.sh --fuzz

if [ ! -f "$build/CMakeCache.txt" ]; then
    launcher=""
    if command -v ccache >/dev/null 2>&1; then launcher="-DCMAKE_CXX_COMPILER_LAUNCHER=ccache"; fi
    # shellcheck disable=SC2086
    CC=clang-14 CXX=clang++-14 cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DPAIRON_FUZZ=ON -DPAIRON_BUILD_TESTS=OFF -DPAIRON_BUILD_GUI=OFF $launcher
fi
jobs=$(nproc 2>/dev/null || echo 2)
cmake --build "$build" --target pairon_picture_fuzz pairon_deck_fuzz pairon_fuzz_pictures -j"$jobs"

# New inputs go to the first folder; the checked-in seeds, the inputs of past
# findings and the pictures the build drew start it.
mkdir -p "$build/corpus" "$build/deck-corpus" "$build/findings"
export QT_QPA_PLATFORM=offscreen
# A small quarantine of freed memory keeps the 256 MB limit for the inputs.
export ASAN_OPTIONS=detect_leaks=1:quarantine_size_mb=16
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
loader=$(( (seconds + 1) / 2 ))
deck=$(( seconds - loader ))
"$build/bin/pairon_picture_fuzz" -max_total_time="$loader" -timeout=1 -rss_limit_mb=256 -max_len=65536 \
    -dict=fuzz/picture.dict -artifact_prefix="$build/findings/" -print_final_stats=1 \
    "$build/corpus" fuzz/seeds fuzz/regressions "$build/fuzz-pictures"
# The deck's photos start from a few of each kind, the loader's findings and
# the game's own pictures.
"$build/bin/pairon_deck_fuzz" -max_total_time="$deck" -timeout=1 -rss_limit_mb=256 -max_len=65536 \
    -dict=fuzz/deck.dict -artifact_prefix="$build/findings/deck-" -print_final_stats=1 \
    "$build/deck-corpus" fuzz/deck-seeds fuzz/deck-regressions fuzz/regressions "$build/fuzz-pictures"
