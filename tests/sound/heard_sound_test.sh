#!/bin/sh
# The game as heard: starts a sound server of its own (PulseAudio with a null
# sink, in a runtime folder of its own, so that it never meets another
# server), lets the view tests record its sink's monitor while the real
# window plays, and add a second sink, then ends the server mid-game, and
# stops it by its process id.
#   usage: heard_sound_test.sh <pairon_view_tests>
# Exits 77 (skipped) where PulseAudio is not installed.
set -eu
tests=$1
command -v pulseaudio >/dev/null 2>&1 && command -v parec >/dev/null 2>&1 && command -v pactl >/dev/null 2>&1 || {
    echo "pulseaudio and pulseaudio-utils are not installed; skipped"
    exit 77
}

scratch=$(mktemp -d)
server_pid=""
stop_server() {
    if [ -n "$server_pid" ]; then
        kill "$server_pid" 2>/dev/null || true
        wait "$server_pid" 2>/dev/null || true
    fi
    server_pid=""
}
cleanup() {
    stop_server
    rm -rf "$scratch"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

mkdir -m 700 "$scratch/run" "$scratch/home"
XDG_RUNTIME_DIR=$scratch/run
PULSE_RUNTIME_PATH=$scratch/run/pulse
PULSE_STATE_PATH=$scratch/home/pulse
PULSE_SERVER=unix:$scratch/run/pulse/native
HOME=$scratch/home
XDG_CONFIG_HOME=$scratch/home/config
export XDG_RUNTIME_DIR PULSE_RUNTIME_PATH PULSE_STATE_PATH PULSE_SERVER HOME XDG_CONFIG_HOME
unset DBUS_SESSION_BUS_ADDRESS || true
mkdir -m 700 "$PULSE_RUNTIME_PATH"

start_server() {
    # No configuration but ours: one mono null sink, the local socket.
    pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no --log-target=file:"$scratch/server.log" \
        -L "module-null-sink sink_name=pairon_heard rate=44100 channels=1" \
        -L "module-native-protocol-unix auth-anonymous=1 socket=$scratch/run/pulse/native" &
    server_pid=$!
    tries=0
    until pactl info >/dev/null 2>&1; do
        tries=$((tries + 1))
        if [ $tries -gt 100 ] || ! kill -0 "$server_pid" 2>/dev/null; then
            echo "the sound server did not start:" >&2
            cat "$scratch/server.log" >&2 || true
            exit 1
        fi
        sleep 0.1
    done
}

status=0
start_server
QT_QPA_PLATFORM=offscreen PAIRON_SOUND_TEST_MONITOR=pairon_heard.monitor \
    timeout 120 "$tests" --gtest_filter='HeardSound.EachCue*' || status=1

# Headphones plugged in: the test adds a second output and makes it the default.
QT_QPA_PLATFORM=offscreen PAIRON_SOUND_TEST_MONITOR=pairon_heard.monitor \
    timeout 120 "$tests" --gtest_filter='HeardSound.TheCuesFollow*' || status=1

# The server goes away in the middle of a game: the test ends it by this id.
PAIRON_SOUND_TEST_SERVER_PID=$server_pid QT_QPA_PLATFORM=offscreen \
    timeout 120 "$tests" --gtest_filter='HeardSound.AGamePlaysOn*' || status=1
stop_server
exit $status
