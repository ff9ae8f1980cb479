#!/bin/sh
# Starts the game on a display of its own with the accessibility bus on, and
# reads and plays it as a screen reader user would (read_window.py).
# Usage: screen_reader_test.sh PAIRON_EXECUTABLE
# Exits 77 (skipped) where the display server or the screen reader's library
# is not installed; scripts/install-deps.sh --tests installs both.
set -u
game=$1
here=$(cd "$(dirname "$0")" && pwd)

for tool in Xvfb xdotool dbus-run-session; do
    command -v "$tool" >/dev/null 2>&1 || { echo "skipped: $tool is not installed"; exit 77; }
done
/usr/bin/python3 -c "import pyatspi" 2>/dev/null || { echo "skipped: python3-pyatspi is not installed"; exit 77; }

if [ "${PAIRON_SCREEN_READER_SESSION:-}" != 1 ]; then
    PAIRON_SCREEN_READER_SESSION=1 exec dbus-run-session -- sh "$0" "$@"
fi

# A display number nobody uses.
display=""
for n in $(seq 90 140); do
    if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then display=":$n"; break; fi
done
[ -n "$display" ] || { echo "no free display"; exit 1; }
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
server=$!
export DISPLAY="$display"
unset QT_QPA_PLATFORM
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
export XDG_RUNTIME_DIR="${TMPDIR:-/tmp}/pairon-screen-reader-$$"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
# A profile of its own: the game starts from its built-in setup.
export XDG_CONFIG_HOME="$XDG_RUNTIME_DIR/config"
# The reader expects the game's English texts, whatever the desktop's language.
export LANGUAGE=en

cleanup() {
    [ -n "${player:-}" ] && kill "$player" 2>/dev/null
    kill "$server" 2>/dev/null
    rm -rf "$XDG_RUNTIME_DIR"
}
trap cleanup EXIT INT TERM

# The display is waited for until it answers, however busy the machine.
answered=""
for _ in $(seq 1200); do xdotool getmouselocation >/dev/null 2>&1 && { answered=1; break; }; sleep 0.05; done
[ -n "$answered" ] || { echo "the display did not start"; exit 1; }

"$game" &
player=$!
# Keys go to the game's window: there is no window manager to give it the focus.
timeout 60 xdotool search --sync --name "^Pairon Game$" windowfocus --sync >/dev/null || { echo "the window did not open"; exit 1; }

timeout 240 /usr/bin/python3 "$here/read_window.py"
status=$?
kill -0 "$player" 2>/dev/null || { echo "the game ended early"; status=1; }
exit $status
