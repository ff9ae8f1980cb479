#!/bin/sh
# The line between the folders holds on the tree as it is, and the check
# catches an include that crosses it: the rules reaching for the window, plain
# C++ reaching for Qt, a folder reaching up to one above it, the browser
# edition reaching for the desktop's folders, and a source file no folder
# lists.
#   usage: layers_test.sh <project folder>
set -eu
top=$1
check="$top/scripts/check-layers.sh"

sh "$check" "$top"

copy=$(mktemp -d)
trap 'rm -rf "$copy"' EXIT
cp -R "$top/src" "$top/art" "$top/tools" "$top/web" "$copy/"
mkdir -p "$copy/tests" && cp -R "$top/tests/core" "$copy/tests/"
plant() { printf '#include %s\n' "$2" | cat - "$copy/$1" > "$copy/planted" && mv "$copy/planted" "$copy/$1"; }
plant src/game/dealing.cpp '"desktop/main_window/main_window_view.h"'
plant src/board/reveal.cpp '<QString>'
plant src/desktop/main_window/main_window_view.cpp '"desktop/speech/play_by_ear.h"'
plant tools/simulation.cpp '"files/choices_file.h"'
plant web/binding.cpp '"desktop/help_window/help_window.h"'
plant web/web_game.cpp '<QtGlobal>'
: > "$copy/web/unlisted.cpp"
: > "$copy/src/window/unlisted.cpp"

if sh "$check" "$copy" 2> "$copy/said"; then
    echo "the check passed a tree with includes across the line" >&2
    exit 1
fi
for expected in "src/game/dealing.cpp:1: plain C++ includes the Qt folder desktop/main_window" \
                "src/board/reveal.cpp:1: plain C++ includes Qt: <QString>" \
                "src/desktop/main_window/main_window_view.cpp:1: desktop/main_window includes desktop/speech" \
                "tools/simulation.cpp:1: plain C++ includes the Qt folder files" \
                "web/binding.cpp:1: plain C++ includes the Qt folder desktop/help_window" \
                "web/web_game.cpp:1: plain C++ includes Qt: <QtGlobal>" \
                "web/unlisted.cpp is not listed in web/CMakeLists.txt" \
                "src/window/unlisted.cpp is not listed in src/window/CMakeLists.txt"; do
    if ! grep -q -F "$expected" "$copy/said"; then
        echo "the check did not say: $expected" >&2
        cat "$copy/said" >&2
        exit 1
    fi
done
echo "the check caught every planted include"
