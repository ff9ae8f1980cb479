#!/bin/sh
# Runs the real game from a copy of its folder with one picture file damaged,
# and checks how it ends.
#   stops (the default): the game needs the file at start-up, so it must end
#     cleanly: one line on stderr naming the file's full path, a non-zero exit
#     status below 128 (no signal), no hang, and no more than 1 GB of memory
#     even when the file's header claims a 30000 x 30000 picture.
#   runs: the game does not need the file at start-up, so it must still be
#     running after a few seconds, with nothing on stderr.
# usage: picture_fault_exe_test.sh <game> <picture> <missing|empty|half|random|folder|huge> [stops|runs]
set -u
game=$1
name=$2
damage=$3
expect=${4:-stops}
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
cp "$(dirname "$game")"/*.bmp "$(dirname "$game")"/*.jpg "$game" "$folder"/
picture="$folder/$name"
size=$(wc -c <"$picture")
rm -f "$picture"

# A valid header of a 30000 x 30000 picture (30000 is 0x7530), and a short body.
huge_bitmap() {
    printf 'BM\142\001\000\000\000\000\000\000\066\000\000\000'
    printf '\050\000\000\000\060\165\000\000\060\165\000\000\001\000\030\000'
    printf '\000\000\000\000\000\000\000\000\000\000\000\000\000\000\000\000\000\000\000\000\000\000\000\000'
    head -c 300 /dev/zero
}
huge_jpeg() {
    printf '\377\330\377\340\000\020JFIF\000\001\001\000\000\001\000\001\000\000'
    printf '\377\333\000\103\000'
    head -c 64 /dev/zero | tr '\000' '\001'
    printf '\377\300\000\013\010\165\060\165\060\001\001\021\000'
    printf '\377\304\000\046\000\001'
    head -c 16 /dev/zero
    printf '\020\001'
    head -c 16 /dev/zero
    printf '\377\332\000\010\001\001\000\000\077\000'
    head -c 64 /dev/zero
    printf '\377\331'
}

case $damage in
    missing) ;;
    empty) : >"$picture" ;;
    half) head -c $((size / 2)) "$(dirname "$game")/$name" >"$picture" ;;
    random)
        head -c "$size" /dev/urandom >"$picture"
        # Neither a bitmap's nor a JPEG's first byte, whatever was drawn.
        printf 'x' | dd of="$picture" bs=1 count=1 conv=notrunc 2>/dev/null ;;
    folder) mkdir "$picture" ;;
    huge) case $name in *.jpg) huge_jpeg >"$picture" ;; *) huge_bitmap >"$picture" ;; esac ;;
    *) echo "unknown damage $damage"; exit 2 ;;
esac

# Memory is bounded by the address space the game may take. A sanitizer build
# reserves terabytes of address space for its own books, so it runs unbounded.
limit=""
if ! grep -q libasan "$game" 2>/dev/null; then limit="ulimit -v 1048576;"; fi

mkdir -m 700 "$folder/runtime"
seconds=30
if [ "$expect" = runs ]; then seconds=3; fi
# A profile of its own: no remembered choices of the developer's count here.
XDG_RUNTIME_DIR="$folder/runtime" XDG_CONFIG_HOME="$folder/config" QT_QPA_PLATFORM=offscreen \
    sh -c "$limit exec timeout $seconds \"\$0\"" "$folder/$(basename "$game")" >"$folder/out.txt" 2>"$folder/err.txt"
status=$?

if [ "$expect" = runs ]; then
    if [ "$status" -ne 124 ]; then echo "FAIL: the game ended (status $status) though $name is not needed yet:"; cat "$folder/err.txt"; exit 1; fi
    if [ -s "$folder/err.txt" ]; then echo "FAIL: the game wrote on stderr:"; cat "$folder/err.txt"; exit 1; fi
    echo "ok: $name ($damage) is not read before the game needs it"
    exit 0
fi

if [ "$status" -eq 0 ]; then echo "FAIL: the game exited with status 0"; exit 1; fi
if [ "$status" -eq 124 ]; then echo "FAIL: the game hung"; exit 1; fi
if [ "$status" -ge 128 ]; then echo "FAIL: the game died with signal $((status - 128))"; cat "$folder/err.txt"; exit 1; fi
if ! grep -qxF "Pairon: the picture file $picture could not be loaded." "$folder/err.txt"; then
    echo "FAIL: stderr does not name $picture:"; cat "$folder/err.txt"; exit 1
fi
lines=$(grep -c . "$folder/err.txt")
if [ "$lines" -ne 1 ]; then echo "FAIL: expected one line on stderr, got:"; cat "$folder/err.txt"; exit 1; fi
echo "ok: $name ($damage): exit status $status, message: $(cat "$folder/err.txt")"
