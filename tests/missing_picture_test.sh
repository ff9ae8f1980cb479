#!/bin/sh
# Runs the real game from a copy of its folder with one picture file removed,
# and checks that it ends cleanly: a one-line message naming the file's full
# path on stderr, a non-zero exit status, and no crash or hang.
# usage: missing_picture_test.sh <game executable> <picture file name>
set -u
game=$1
name=$2
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
cp "$(dirname "$game")"/*.bmp "$(dirname "$game")"/*.jpg "$game" "$folder"/
rm -f "$folder/$name"

mkdir -m 700 "$folder/runtime"
XDG_RUNTIME_DIR="$folder/runtime" QT_QPA_PLATFORM=offscreen timeout 30 "$folder/$(basename "$game")" >"$folder/out.txt" 2>"$folder/err.txt"
status=$?
if [ "$status" -eq 0 ]; then echo "FAIL: the game exited with status 0"; exit 1; fi
if [ "$status" -eq 124 ]; then echo "FAIL: the game hung"; exit 1; fi
if [ "$status" -gt 128 ]; then echo "FAIL: the game died with signal $((status - 128))"; exit 1; fi
lines=$(grep -c . "$folder/err.txt")
if ! grep -qF "$folder/$name could not be loaded" "$folder/err.txt"; then
    echo "FAIL: stderr does not name $folder/$name:"; cat "$folder/err.txt"; exit 1
fi
if [ "$lines" -ne 1 ]; then echo "FAIL: expected one line on stderr, got:"; cat "$folder/err.txt"; exit 1; fi
echo "ok: exit status $status, message: $(cat "$folder/err.txt")"
