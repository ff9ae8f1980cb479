#!/bin/sh
# Installs a built Pairon into a scratch folder, as a package would, and checks
# that the result is a complete desktop application: the game with its picture
# files beside it, the launcher on the PATH, a valid menu entry, the icons, valid
# software-centre data in every language the game speaks, the manual page, and
# that the menu entry starts the game.
# usage: install_test.sh <build folder> [<version the release notes must name>]
# Exits 77 (skipped) when a validator is not installed.
set -u
build=$1
version=${2:-}
id=io.github.pairon.Pairon

for tool in desktop-file-validate appstreamcli; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "SKIP: $tool is not installed (scripts/install-deps.sh installs it)"
        exit 77
    fi
done

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
if ! DESTDIR="$stage" cmake --install "$build" --prefix /usr >"$stage/install.log" 2>&1; then
    echo "FAIL: cmake --install failed:"; cat "$stage/install.log"; exit 1
fi
root=$stage/usr
failures=0
command=""
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# The game and the picture files it loads from its own folder.
game=$root/libexec/pairon/pairon
[ -f "$game" ] && [ -x "$game" ] || fail "the game is not installed as $game"
pictures="CardBack1.bmp CardBack2.bmp Winner.bmp Depressed.bmp Frustrated.bmp Trophy.bmp Mouse.jpg Pig.jpg"
face=1
while [ "$face" -le 26 ]; do pictures="$pictures Card$face.bmp"; face=$((face + 1)); done
count=0
for picture in $pictures; do
    if [ -s "$(dirname "$game")/$picture" ]; then count=$((count + 1)); else fail "$picture is not beside the game"; fi
done
# And the sound cues, and the module that plays them.
[ -s "$(dirname "$game")/pairon-sound.so" ] || fail "pairon-sound.so is not beside the game"
# The cues are those of the game's table of cues.
cues=$(sed -n 's/.*"\([A-Za-z0-9]*\.wav\)".*/\1/p' "$(dirname "$0")/../src/sounds/sound_cues.h")
[ -n "$cues" ] || fail "no sound cue is named in src/sounds/sound_cues.h"
for cue in $cues; do
    [ -s "$(dirname "$game")/$cue" ] || fail "$cue is not beside the game"
done

launcher=$root/bin/pairon
[ -x "$launcher" ] || fail "no launcher at $launcher"

# Every language the game speaks has its texts in the menu entry and the
# software-centre data too.
languages=$(for catalogue in "$(dirname "$0")"/../translations/pairon_*.ts; do
    basename "$catalogue" .ts | sed 's/^pairon_//'
done)

desktop=$root/share/applications/$id.desktop
if [ -f "$desktop" ]; then
    desktop-file-validate "$desktop" || fail "desktop-file-validate rejects $desktop"
    grep -qx "Icon=$id" "$desktop" || fail "the menu entry does not name the icon $id"
    grep -qx "Categories=Game;CardGame;" "$desktop" || fail "the menu entry is not in Game;CardGame;"
    for language in $languages; do
        for key in GenericName Comment Keywords; do
            grep -q "^$key\[$language\]=." "$desktop" || fail "the menu entry has no $key[$language]"
        done
    done
else
    fail "no menu entry at $desktop"
fi

# An icon of every size, each a PNG picture of that size.
for size in 16 32 48 64 128 256; do
    icon=$root/share/icons/hicolor/${size}x${size}/apps/$id.png
    if [ ! -f "$icon" ]; then fail "no ${size}x${size} icon"; continue; fi
    # The PNG header: the signature, then the width and height as 32-bit numbers.
    set -- $(od -An -tu1 -j16 -N8 "$icon")
    width=$(($1 * 16777216 + $2 * 65536 + $3 * 256 + $4))
    height=$(($5 * 16777216 + $6 * 65536 + $7 * 256 + $8))
    [ "$width" -eq "$size" ] && [ "$height" -eq "$size" ] || fail "the ${size}x${size} icon is ${width}x${height}"
done

metainfo=$root/share/metainfo/$id.metainfo.xml
if [ -f "$metainfo" ]; then
    appstreamcli validate --no-net "$metainfo" || fail "appstreamcli rejects $metainfo"
    grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
        fail "the metainfo does not launch $id.desktop"
    for language in $languages; do
        for tag in summary p li; do
            grep -q "<$tag xml:lang=\"$language\">" "$metainfo" || fail "the metainfo has no <$tag> in $language"
        done
    done
    if [ -n "$version" ]; then
        newest=$(sed -n 's/.*<release version="\([^"]*\)".*/\1/p' "$metainfo" | head -n 1)
        [ "$newest" = "$version" ] || fail "the newest release in the metainfo is '$newest', the project is $version"
    fi
else
    fail "no metainfo at $metainfo"
fi

[ -s "$root/share/man/man6/pairon.6.gz" ] || fail "no manual page"
[ -s "$root/share/doc/pairon/copyright" ] || fail "no copyright file"

# Start the game the way the menu does: the entry's command, found on the PATH.
# It runs until it is stopped, so being stopped by the timeout means it ran.
if [ -f "$desktop" ] && [ -x "$launcher" ]; then
    command=$(sed -n 's/^Exec=//p' "$desktop" | sed 's/ *%[fFuUick]//g')
    mkdir -m 700 "$stage/runtime"
    PATH="$root/bin:$PATH" XDG_RUNTIME_DIR="$stage/runtime" XDG_CONFIG_HOME="$stage/config" QT_QPA_PLATFORM=offscreen \
        timeout 3 sh -c "exec $command" >"$stage/out.txt" 2>"$stage/err.txt"
    status=$?
    if [ "$status" -ne 124 ]; then
        fail "'$command' ended within 3 seconds with status $status:"; cat "$stage/err.txt"
    fi
fi

if [ "$failures" -ne 0 ]; then
    echo "$failures problem(s) with the installed tree:"
    (cd "$stage" && find . -path ./runtime -prune -o -print | sort)
    exit 1
fi
echo "ok: the game, $count pictures, launcher, menu entry, icons, metainfo and manual page; '$command' ran"
