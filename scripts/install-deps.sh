#!/bin/sh
# Installs the Debian 12 packages Pairon needs, and only those that are
# missing: to build and play the game, or with --tests also to run every test
# (the screen reader tests read and play the real window on a display of
# their own, one of them with the screen reader itself speaking), or
# with --fuzz also to build and run the picture loader's fuzzer, or with --web
# also to build the browser edition and test it in headless Chromium (--tests
# includes --web).
# Runs as root, or through sudo otherwise.
set -eu

game="cmake make g++ pkg-config qt6-base-dev qt6-multimedia-dev libpulse-dev qt6-l10n-tools qt6-translations-l10n libgl-dev
      libfontconfig-dev fonts-liberation2"
tests="libgtest-dev desktop-file-utils appstream dpkg-dev file valgrind
       xvfb xdotool dbus-daemon at-spi2-core python3-pyatspi
       orca speech-dispatcher speech-dispatcher-espeak-ng espeak-ng openbox procps pulseaudio pulseaudio-utils"
fuzz="clang-14 libclang-rt-14-dev libfuzzer-14-dev"
web="emscripten node-acorn nodejs imagemagick python3 chromium chromium-driver python3-selenium"

case "${1:-}" in
    "") packages=$game ;;
    --tests) packages="$game $tests $web" ;;
    --web) packages="$game $web" ;;
    --fuzz) packages="$game $fuzz" ;;
    *) echo "usage: sh scripts/install-deps.sh [--tests | --fuzz | --web]" >&2; exit 2 ;;
esac

missing=""
for p in $packages; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $p"
    fi
done
[ -z "$missing" ] && exit 0

if [ "$(id -u)" -eq 0 ]; then as_root=""; else as_root="sudo"; fi
echo "Installing:$missing"
$as_root apt-get update -qq
# shellcheck disable=SC2086
DEBIAN_FRONTEND=noninteractive $as_root apt-get install -y -qq --no-install-recommends $missing
