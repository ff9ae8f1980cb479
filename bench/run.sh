#!/bin/sh
# Builds the game and its bench programs (Release, into build-bench) and runs
# the benchmarks of the game's budgets.
#
#   sh bench/run.sh [build|startup|memory|response|idle|engine|profile|scale|speech|zoom|sound|decks|all]
#
#   startup   start-up time and peak memory, game against an empty window (Xvfb)
#   memory    the same peak memory, then resident memory over 200 games
#   response  New Game and card clicks in the real window (offscreen)
#   idle      processor time of the waiting game, at the setup and in a human's turn
#   engine    the simulator's throughput on one core
#   profile   where the simulator's instructions go (callgrind)
#   scale     New Game, card click and computer pick for every board size
#   speech    an event to its sentence queued for the screen reader (offscreen)
#   zoom      a zoom step and a resize re-laid out, the pictures redrawn, peak
#             memory maximised (also on a screen scaled to 200 percent)
#   sound     a click's hand-over to the sound, click to sound at a null sink,
#             start-up and memory with sound and with --no-sound (a PulseAudio
#             server of the bench's own; needs pulseaudio and pulseaudio-utils)
#   decks     a deck made of 100 photos of 12 megapixels and a PNG of 100
#             megapixels (time per photo, peak memory), 30 of those photos
#             behind the progress bar (paints, Cancel), then start-up with
#             that deck chosen (Xvfb)
#   all       every one of the above, in that order
#
# Environment: RUNS (start-up runs of each program, default 15), BUILD (the
# build folder, default build-bench), SKIP_BUILD=1 (use the programs as built).
set -eu
cd "$(dirname "$0")/.."
build=${BUILD:-build-bench}
bin=$build/bin
jobs=$(nproc 2>/dev/null || echo 2)
# Qt wants a private runtime folder; without one it warns at every start.
runtime_dir=""
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
    runtime_dir=$(mktemp -d)
    XDG_RUNTIME_DIR=$runtime_dir
    export XDG_RUNTIME_DIR
fi
# A profile of the bench's own, so a developer's remembered choices never
# change a figure. It remembers a family's setup, which every start-up reads
# and applies: 8 x 4, two players, the second a "Good" computer.
profile_dir=$(mktemp -d)
XDG_CONFIG_HOME=$profile_dir
export XDG_CONFIG_HOME
mkdir "$profile_dir/pairon"
cat >"$profile_dir/pairon/pairon.conf" <<'EOF'
[Board]
Height=4
Width=8

[Options]
BackgroundPicture=1
HighlightSelected=0
MultiplePairs=0
Players=2
Speed=5

[Seat1]
Level=Average
Name=Ann
Type=Human

[Seat2]
Level=Good
Name=Player 2
Type=Computer

[Seat3]
Level=Average
Name=Player 3
Type=Human

[Seat4]
Level=Average
Name=Player 4
Type=Human
EOF
cleanup() {
    stop_xvfb
    stop_pulse
    [ -n "$runtime_dir" ] && rm -rf "$runtime_dir"
    runtime_dir=""
    rm -rf "$profile_dir"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

build() {
    [ "${SKIP_BUILD:-0}" = 1 ] && return 0
    cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DPAIRON_BUILD_TESTS=OFF -DCMAKE_CXX_FLAGS=-g >/dev/null
    cmake --build "$build" -j"$jobs" --target pairon pairon-sim bench-startup-floor bench-startup-game \
        bench-startup-runner bench-response bench-scale bench-memory bench-speech bench-zoom bench-sound bench-deck-import
}

machine() {
    echo "machine: $(nproc) processors, $(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -n 1)," \
        "load average $(cut -d' ' -f1-3 /proc/loadavg)"
}

# An X server of our own on a display nobody uses; stopped when we leave.
xvfb_pid=""
start_xvfb() {
    n=95
    while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    DISPLAY=":$n"
    export DISPLAY
    tries=0
    until xdpyinfo >/dev/null 2>&1; do
        tries=$((tries + 1))
        [ $tries -gt 100 ] && { echo "Xvfb did not start" >&2; exit 1; }
        sleep 0.1
    done
}
stop_xvfb() {
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    xvfb_pid=""
}

startup() {
    echo "== Start-up and peak memory: the game against an empty 792 x 573 window, under Xvfb"
    machine
    start_xvfb
    # The floor and the game, then two references: the empty window with one
    # line of text, and with one of each kind of widget the game shows.
    "$bin/bench-startup-runner" --runs "${RUNS:-15}" "$bin/bench-startup-floor" "$bin/bench-startup-game" \
        "$bin/bench-startup-floor --text" "$bin/bench-startup-floor --widgets"
    stop_xvfb
}

memory() {
    echo "== Memory: see the peak memory lines of 'startup'; resident memory over 200 games:"
    "$bin/bench-memory" --games 200
}

response() {
    echo "== Response"
    machine
    "$bin/bench-response" --games 60
}

speech() {
    echo "== Speech"
    machine
    "$bin/bench-speech" --games 40 --width 4 --height 2
    "$bin/bench-speech" --games 10
}

# Processor time all threads of a process have used, in nanoseconds.
cpu_ns() { cat /proc/"$1"/task/*/schedstat | awk '{ s += $1 } END { printf "%d", s }'; }
# utime + stime in clock ticks (1/100 s), all threads.
cpu_ticks() { awk '{ print $14 + $15 }' /proc/"$1"/stat; }
switches() { cat /proc/"$1"/task/*/status | awk '/ctxt_switches/ { s += $2 } END { print s }'; }

# Watches a waiting process for 10 s.
watch_idle() {
    pid=$1 what=$2
    ns0=$(cpu_ns "$pid") t0=$(cpu_ticks "$pid") s0=$(switches "$pid")
    sleep 10
    ns1=$(cpu_ns "$pid") t1=$(cpu_ticks "$pid") s1=$(switches "$pid")
    awk -v w="$what" -v ns=$((ns1 - ns0)) -v t=$((t1 - t0)) -v s=$((s1 - s0)) 'BEGIN {
        printf "  %-44s %7.3f ms of processor time in 10 s (utime+stime %d ticks), %d context switches  %s\n",
               w, ns / 1e6, t, s, (ns / 1e6 <= 10 ? "within budget" : "OVER the 10 ms budget") }'
}

idle() {
    echo "== Idle: processor time of the waiting game over 10 s, under Xvfb (budget 10 ms)"
    machine
    start_xvfb
    # The game itself, driven with the mouse through xdotool.
    "$bin/pairon" &
    pid=$!
    window=$(timeout 30 xdotool search --sync --onlyvisible --name "Pairon Game" | head -n 1)
    [ -n "$window" ] || { echo "the game's window did not appear" >&2; exit 1; }
    sleep 2
    watch_idle "$pid" "pairon, at the setup"
    # New Game (56, 372), then Done (424, 220): window coordinates of the buttons' centres.
    xdotool mousemove --window "$window" 56 372 click 1
    sleep 0.5
    xdotool mousemove --window "$window" 424 220 click 1
    sleep 2
    import -window "$window" "$build/idle-human-turn.png" 2>/dev/null || true
    watch_idle "$pid" "pairon, a human's turn"
    kill "$pid"
    wait "$pid" 2>/dev/null || true

    # The bench build of the same start-up, which also reports any timer event.
    for state in setup turn; do
        rm -f "$build/idle-$state.out" "$build/idle-$state.err"
        "$bin/bench-startup-game" --idle "$state" >"$build/idle-$state.out" 2>"$build/idle-$state.err" &
        pid=$!
        until grep -q watching "$build/idle-$state.out" 2>/dev/null; do sleep 0.1; done
        watch_idle "$pid" "bench-startup-game --idle $state"
        kill "$pid"
        wait "$pid" 2>/dev/null || true
        sed -n 's/^idle/    state:/p' "$build/idle-$state.out"
        echo "    timer or paint events while waiting: $(grep -c '^idle:' "$build/idle-$state.err" || true)"
        grep '^idle:' "$build/idle-$state.err" | sort | uniq -c | sort -rn | head -n 5 | sed 's/^/      /'
    done
    stop_xvfb
}

sim_args="--width 10 --height 5 --seats Excellent,Excellent,Excellent,Excellent --seed 7 --no-checks"

engine() {
    echo "== Engine: pairon-sim, four Excellent computers on 10 x 5, pinned to processor 0 (budget 5000 games/s)"
    machine
    for run in 1 2 3 4 5; do
        # shellcheck disable=SC2086
        /usr/bin/time -f "  processor time %U s user + %S s system" taskset -c 0 "$bin/pairon-sim" $sim_args \
            --games 10000 2>&1 | sed -n 's/^Throughput/  run '"$run"': Throughput/p; s/^  processor/  &/p'
    done
}

profile() {
    echo "== Engine profile: callgrind, 2000 games"
    out=$build/callgrind.sim.out
    # shellcheck disable=SC2086
    valgrind --tool=callgrind --callgrind-out-file="$out" "$bin/pairon-sim" $sim_args --games 2000 >/dev/null 2>&1
    total=$(callgrind_annotate "$out" 2>/dev/null | awk '/PROGRAM TOTALS/ { gsub(",", "", $1); print $1 }')
    echo "  instructions: $total in total, $((total / 2000)) a game"
    echo "  self cost:"
    callgrind_annotate --threshold=95 "$out" 2>/dev/null | sed -n '/file:function/,$p' | grep '^ *[0-9]' |
        head -n 18 | cut -c1-150
    echo "  inclusive cost:"
    callgrind_annotate --inclusive=yes --threshold=99 "$out" 2>/dev/null | sed -n '/file:function/,$p' |
        grep '^ *[0-9]' | grep -v -e '(below main)' -e 'ld-linux' -e 'libc-start' | head -n 22 | cut -c1-150
}

scale() {
    echo "== Scale"
    machine
    "$bin/bench-scale" --games 20
}

zoom() {
    echo "== Zoom"
    machine
    "$bin/bench-zoom" --games 20
    echo
    echo "-- the same on a screen scaled to 200 percent (QT_SCALE_FACTOR=2)"
    QT_SCALE_FACTOR=2 "$bin/bench-zoom" --games 10
    echo
    echo "-- peak memory of the game maximised, each in a process of its own (100 and 200 percent screens)"
    "$bin/bench-zoom" --peak | tail -n 1
    QT_SCALE_FACTOR=2 "$bin/bench-zoom" --peak | tail -n 1
}

# A PulseAudio server of our own with a null sink, in a runtime folder of its
# own; stopped by its process id when we leave.
pulse_pid=""
start_pulse() {
    pulse_dir=$(mktemp -d)
    mkdir -m 700 "$pulse_dir/pulse" "$pulse_dir/home"
    PULSE_RUNTIME_PATH=$pulse_dir/pulse PULSE_STATE_PATH=$pulse_dir/home PULSE_SERVER=unix:$pulse_dir/pulse/native
    export PULSE_RUNTIME_PATH PULSE_STATE_PATH PULSE_SERVER
    HOME=$pulse_dir/home pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no \
        --log-target=file:"$pulse_dir/server.log" \
        -L "module-null-sink sink_name=pairon_bench rate=44100 channels=1" \
        -L "module-native-protocol-unix auth-anonymous=1 socket=$pulse_dir/pulse/native" &
    pulse_pid=$!
    tries=0
    until pactl info >/dev/null 2>&1; do
        tries=$((tries + 1))
        [ $tries -gt 100 ] && { echo "the sound server did not start" >&2; exit 1; }
        sleep 0.1
    done
}
stop_pulse() {
    [ -n "$pulse_pid" ] && kill "$pulse_pid" 2>/dev/null && wait "$pulse_pid" 2>/dev/null
    pulse_pid=""
    [ -n "${pulse_dir:-}" ] && rm -rf "$pulse_dir"
    pulse_dir=""
}

sound() {
    echo "== Sound: a click's hand-over, click to sound at a null sink, memory (offscreen)"
    machine
    start_pulse
    PAIRON_BENCH_MONITOR=pairon_bench.monitor "$bin/bench-sound" --games 20
    echo "== Start-up and peak memory with sound on and with --no-sound, a sound server running (Xvfb)"
    start_xvfb
    "$bin/bench-startup-runner" --runs "${RUNS:-15}" "$bin/bench-startup-floor" "$bin/bench-startup-game" \
        "$bin/bench-startup-game --no-sound"
    stop_xvfb
    stop_pulse
}

decks() {
    echo "== Decks: a deck made of 100 phone photos of 4000 x 3000 pixels (targets: under 60 ms a photo, 150 MB)"
    machine
    photos=$build/deck-photos
    [ -f "$photos/PANORAMA.png" ] || "$bin/bench-deck-import" --make "$photos" --photos 100
    du -sh "$photos" | sed 's/^/  photos: /'
    data_dir=$(mktemp -d)
    "$bin/bench-deck-import" "$photos" "$data_dir/pairon/decks"
    echo "== Decks: 30 of those photos imported behind the progress bar (targets: a paint at least every 100 ms, Cancel within 200 ms)"
    thirty=$(mktemp -d)
    for photo in $(ls "$photos"/IMG_*.jpg | head -30); do ln -s "$photo" "$thirty/"; done
    "$bin/bench-deck-import" --window "$thirty" "$data_dir/window-decks"
    rm -rf "$thirty" "$data_dir/window-decks"
    echo "== Start-up with that deck of 100 pictures chosen, against the standard cards and the empty window (Xvfb)"
    conf=$profile_dir/pairon/pairon.conf
    sed 's/^\[Options\]$/[Options]\nCards=Bench/' "$conf" >"$profile_dir/pairon/pairon-deck.conf"
    start_xvfb
    XDG_DATA_HOME=$data_dir "$bin/bench-startup-runner" --runs "${RUNS:-15}" "$bin/bench-startup-floor" \
        "$bin/bench-startup-game" "$bin/bench-startup-game --with-deck"
    stop_xvfb
    rm -rf "$data_dir"
}

what=${1:-all}
case $what in
    build) build ;;
    startup) build && startup ;;
    memory) build && startup && memory ;;
    response) build && response ;;
    idle) build && idle ;;
    engine) build && engine ;;
    profile) build && profile ;;
    scale) build && scale ;;
    speech) build && speech ;;
    zoom) build && zoom ;;
    sound) build && sound ;;
    decks) build && decks ;;
    all) build && startup && memory && response && idle && engine && profile && scale && speech && zoom && sound && decks ;;
    *) echo "usage: sh bench/run.sh [build|startup|memory|response|idle|engine|profile|scale|speech|zoom|sound|decks|all]" >&2; exit 2 ;;
esac
