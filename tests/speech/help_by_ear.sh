#!/bin/sh
# Reads the help window by ear, as a blind player would: opens it from the
# keyboard, goes through the topics with the arrows, reads a page with Tab
# and leaves with Escape, checking each time what the screen reader spoke.
# Run it through with_orca.sh, which starts the screen reader and tells
# where its log is.
# Usage: with_orca.sh sh help_by_ear.sh PAIRON_EXECUTABLE
# Exits 77 (skipped) when the screen reader could not start.
set -u
game=$1
[ -n "${ORCA_LOG:-}" ] || { echo "run it through with_orca.sh"; exit 2; }

"$game" >/dev/null 2>&1 &
player=$!
trap 'kill "$player" 2>/dev/null' EXIT INT TERM
timeout 60 xdotool search --sync --name "^Pairon Game$" windowactivate --sync >/dev/null 2>&1 ||
    { echo "FAILED: the window did not open"; exit 1; }

# What the screen reader spoke from line $1 of its log on, one utterance a
# line, however many lines of the log it took.
spoken_since() {
    tail -n +"$1" "$ORCA_LOG" 2>/dev/null | awk '
        /^[0-9][0-9]:[0-9][0-9]:[0-9][0-9]\.[0-9]+ - / {
            if (said != "") print said
            said = ""
            at = index($0, "SPEECH OUTPUT: ")
            if (at) said = substr($0, at + 15)
            next
        }
        said != "" { sub(/^ +/, ""); said = said " " $0 }
        END { if (said != "") print said }'
}

# hear KEY PATTERN WHAT: presses KEY and waits for an utterance after it
# that matches PATTERN (an extended regular expression), then prints the key
# and that utterance. With no key, it looks on from the last key. It waits
# on what the screen reader says, as long as a busy machine may need.
from=1
hear() {
    if [ -n "$1" ]; then
        from=$(($(wc -l < "$ORCA_LOG") + 1))
        xdotool key --clearmodifiers "$1"
    fi
    for _ in $(seq 900); do
        said=$(spoken_since "$from" | grep -E "$2" | head -n 1)
        if [ -n "$said" ]; then
            echo "[${1:-start}] $(echo "$said" | sed "s/{'established'.*//" | cut -c1-150)"
            return 0
        fi
        sleep 0.05
    done
    echo "FAILED: after [${1:-start}] never heard $3; heard: $(spoken_since "$from" | tail -n 4 | tr '\n' ' ')"
    exit 1
}

# The screen reader runs once for each user: it does not start beside
# another one of the same user's, even on another desktop. Then there is
# nothing to listen to, as where it is not installed.
if grep -q "Another screen reader process is already running" "$ORCA_LOG" 2>/dev/null; then
    echo "skipped: the screen reader did not start, another one of this user's runs"
    exit 77
fi
hear "" "^'New Game push button" "the window's first control"
# Help is the last stop of the focus order, just before New Game.
hear shift+Tab "^'Help push button" "Help"
hear space "^'Introduction page tab\." "the first topic as the window opens"
hear Right "^'Aim of the Game page tab\." "the second topic"
# Each topic tells its place among the six, and that it is the chosen one.
hear "" "^'2 of 6, selected\." "the place of the second topic"
hear End "^'About Pairon page tab\." "the last topic"
hear Left "^'Playing the Game page tab\." "the fifth topic"
hear Tab "F2 reads all of that out at any time" "the text of the Playing page"
if spoken_since "$from" | grep -q -E "Welcome to Pairon|The aim of the game|Made with"; then
    echo "FAILED: the text of another page was read with the Playing page"
    exit 1
fi
hear Tab "^'End Help push button" "End Help"
hear shift+Tab "F2 reads all of that out at any time" "the text of the Playing page again"
hear shift+Tab "^'Playing the Game page tab\." "the fifth topic again"
hear Escape "^'Help push button" "the main window's Help again, after Escape"
hear space "^'Playing the Game page tab\." "the same topic when help opens again"
hear Escape "^'Help push button" "the main window's Help again"
echo "the help window was read by ear"
