#!/bin/sh
# Installs the Debian 12 packages Pairon needs to build, run and test, and
# only those that are missing. Runs as root, or through sudo otherwise.
set -eu

packages="cmake make g++ pkg-config qt6-base-dev qt6-l10n-tools qt6-translations-l10n libgl-dev libfontconfig-dev
          libgtest-dev fonts-liberation2 desktop-file-utils appstream dpkg-dev file valgrind"

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
