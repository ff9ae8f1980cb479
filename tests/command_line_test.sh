#!/bin/sh
# Runs the real game with each kind of command line and checks how it answers:
# --help and --version on stdout with status 0, with no display at all; an
# argument it does not know gets one line of usage on stderr and status 2.
# usage: command_line_test.sh <game> <version>
set -u
game=$1
version=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -m 700 "$scratch/runtime"
XDG_RUNTIME_DIR=$scratch/runtime XDG_CONFIG_HOME=$scratch/config
export XDG_RUNTIME_DIR XDG_CONFIG_HOME
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# run <expected status> <arguments...>: runs the game, keeps its output.
run() {
    expected=$1
    shift
    timeout 10 $display "$game" "$@" >"$scratch/out" 2>"$scratch/err"
    status=$?
    [ "$status" -eq "$expected" ] || fail "'pairon $*' ended with status $status, not $expected"
}

# No display of any kind: the answers must not need one.
display="env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM"
for help in --help -h; do
    run 0 "$help"
    grep -q -- "--no-remember" "$scratch/out" || fail "'pairon $help' does not name --no-remember"
    grep -q -- "--no-sound" "$scratch/out" || fail "'pairon $help' does not name --no-sound"
    [ -s "$scratch/err" ] && fail "'pairon $help' wrote on stderr: $(cat "$scratch/err")"
done
run 0 --version
[ "$(cat "$scratch/out")" = "Pairon $version" ] || fail "'pairon --version' printed '$(cat "$scratch/out")'"

display="env QT_QPA_PLATFORM=offscreen"
for wrong in --bogus -x stray; do
    run 2 "$wrong"
    [ "$(wc -l <"$scratch/err")" -eq 1 ] || fail "'pairon $wrong' wrote $(wc -l <"$scratch/err") lines on stderr"
    grep -q "^pairon: unknown argument '$wrong'; usage: pairon " "$scratch/err" ||
        fail "'pairon $wrong' wrote: $(cat "$scratch/err")"
    [ -s "$scratch/out" ] && fail "'pairon $wrong' wrote on stdout"
done
# --no-sound is known: the argument refused is the one after it.
run 2 --no-sound --bogus
grep -q "^pairon: unknown argument '--bogus'; usage: pairon .*\[--no-sound\]" "$scratch/err" ||
    fail "'pairon --no-sound --bogus' wrote: $(cat "$scratch/err")"
[ -e "$XDG_CONFIG_HOME" ] && fail "a refused start wrote into the profile"

# Lines of several arguments: --help wins over everything, --version over
# everything but --help, and the usage line names the first argument the
# game does not know. Each row: arguments | status | what the first line of
# the answer starts with.
display="env QT_QPA_PLATFORM=offscreen"
while IFS='|' read -r arguments expected answer; do
    # shellcheck disable=SC2086 # the arguments are split on purpose
    run "$expected" $arguments
    if [ "$expected" -eq 0 ]; then first=$(head -n 1 "$scratch/out"); else first=$(cat "$scratch/err"); fi
    case $first in
        "$answer"*) ;;
        *) fail "'pairon $arguments' answered: $first" ;;
    esac
done <<'ROWS'
--bogus --help|0|Usage: pairon
-x -h|0|Usage: pairon
--version --help|0|Usage: pairon
-v -h|0|Usage: pairon
--no-remember --help|0|Usage: pairon
-v|0|Pairon 
--bogus --version|0|Pairon 
stray -v|0|Pairon 
--bogus -x|2|pairon: unknown argument '--bogus'; usage:
--no-remember stray --bogus|2|pairon: unknown argument 'stray'; usage:
-hv|2|pairon: unknown argument '-hv'; usage:
ROWS

[ "$failures" -eq 0 ] || exit 1
echo "ok: --help, -h, --version and -v without a display; one line of usage and status 2 for --bogus, -x and stray;" \
    "--help over --version over an unknown argument, the first of which is named; --no-sound known"
