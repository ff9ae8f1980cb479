#!/bin/sh
# Runs a command on a desktop of its own with the screen reader listening:
# a display, a window manager, the accessibility bus, the speech server
# (speaking to no sound card) and Orca, whose debug log records every line it
# speaks. The command finds the log in $ORCA_LOG and the display in $DISPLAY.
# Everything started here is stopped again by its process id.
# Usage: with_orca.sh COMMAND [ARGUMENT ...]
# Exits 77 (skipped) where a part of that desktop is not installed;
# scripts/install-deps.sh --tests installs them all.
set -u

for tool in Xvfb xdotool dbus-run-session openbox speech-dispatcher orca; do
    command -v "$tool" >/dev/null 2>&1 || { echo "skipped: $tool is not installed"; exit 77; }
done
[ -x /usr/lib/speech-dispatcher-modules/sd_espeak-ng ] || { echo "skipped: speech-dispatcher-espeak-ng is not installed"; exit 77; }

# Orca will not start while another Orca of the same user runs: wait for it.
running_orca() {
    for pid in $(pgrep -u "$(id -u)" -x orca); do
        case $(ps -o stat= -p "$pid" 2>/dev/null) in Z*|"") ;; *) return 0 ;; esac
    done
    return 1
}
# One session at a time on this machine: the lock is held until it ends.
if [ "${PAIRON_ORCA_LOCKED:-}" != 1 ] && command -v flock >/dev/null 2>&1; then
    PAIRON_ORCA_LOCKED=1 exec flock -w 900 "${TMPDIR:-/tmp}/pairon-orca.lock" sh "$0" "$@"
fi
if [ "${PAIRON_ORCA_SESSION:-}" != 1 ]; then
    waited=0
    while running_orca; do
        [ "$waited" -ge 600 ] && { echo "another screen reader has been running for ten minutes"; exit 1; }
        [ "$waited" -eq 0 ] && echo "waiting for another screen reader to end"
        sleep 1
        waited=$((waited + 1))
    done
    PAIRON_ORCA_SESSION=1 exec dbus-run-session -- sh "$0" "$@"
fi

display=""
for n in $(seq 141 189); do
    if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then display=":$n"; break; fi
done
[ -n "$display" ] || { echo "no free display"; exit 1; }

home="${TMPDIR:-/tmp}/pairon-orca-$$"
mkdir -p "$home/run" "$home/speech" "$home/orca" "$home/config" && chmod 700 "$home/run"
export XDG_RUNTIME_DIR="$home/run"
export XDG_CONFIG_HOME="$home/config"
export ORCA_LOG="$home/orca.log"
export DISPLAY="$display"
unset QT_QPA_PLATFORM
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
export GTK_MODULES=gail:atk-bridge NO_AT_BRIDGE=0
# Orca speaks the game's English texts, whatever the desktop's language.
export LANGUAGE=en LANG=C.UTF-8 LC_ALL=C.UTF-8

pids=""
cleanup() {
    # Orca itself, the child of the terminal, goes first, and is waited for.
    if [ -n "${terminal:-}" ]; then
        pkill -P "$terminal" 2>/dev/null
        for _ in $(seq 30); do pgrep -P "$terminal" >/dev/null 2>&1 || break; sleep 0.1; done
    fi
    for pid in $pids; do kill "$pid" 2>/dev/null; done
    # What has not ended a while after being asked to is made to.
    for pid in $pids; do
        for _ in $(seq 40); do kill -0 "$pid" 2>/dev/null || break; sleep 0.05; done
        kill -9 "$pid" 2>/dev/null
    done
    [ -n "${PAIRON_KEEP_ORCA_LOG:-}" ] && cp "$ORCA_LOG" "$PAIRON_KEEP_ORCA_LOG" 2>/dev/null
    rm -rf "$home"
}
trap cleanup EXIT INT TERM

# Each part is waited for until it answers, however busy the machine.
ready() {
    for _ in $(seq 1200); do "$@" && return 0; sleep 0.05; done
    return 1
}

Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
pids="$! $pids"
ready xdotool getmouselocation >/dev/null 2>&1 || { echo "the display did not start"; exit 1; }
openbox >/dev/null 2>&1 &
pids="$! $pids"

# The speech server first, with espeak-ng speaking to ALSA's null device:
# Orca started without one spawns its own with the system's settings.
cat > "$home/speech/speechd.conf" <<CONF
LogLevel 1
DefaultModule espeak-ng
AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"
AudioOutputMethod "alsa"
AudioALSADevice "null"
DefaultRate 100
CONF
mkdir -p "$home/speech/modules"
cp /etc/speech-dispatcher/modules/espeak-ng.conf "$home/speech/modules/" 2>/dev/null
speech-dispatcher -s -t 0 -C "$home/speech" -L "$home/speech" >/dev/null 2>&1 &
pids="$! $pids"
ready test -S "$XDG_RUNTIME_DIR/speech-dispatcher/speechd.sock" || { echo "the speech server did not start"; exit 1; }

# Orca writes its debug log through a buffer that fills before it is
# written; on a terminal it writes every line at once. So it runs on the
# pseudo-terminal of `script`, which copies each line to the log as it comes.
script -qfec "orca -u '$home/orca' --debug-file /dev/stdout" "$ORCA_LOG" </dev/null >/dev/null 2>&1 &
terminal=$!
pids="$terminal $pids"
# Orca is ready once it has said so; on a busy machine that takes a while.
orca_ready() {
    grep -q "SPEECH OUTPUT" "$ORCA_LOG" 2>/dev/null && return 0
    # One that will not start beside another of this user's says so.
    grep -q "Another screen reader process is already running" "$ORCA_LOG" 2>/dev/null && return 0
    return 1
}
ready orca_ready || { echo "the screen reader did not start"; exit 1; }

"$@"
