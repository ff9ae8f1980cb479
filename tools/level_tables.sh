#!/bin/sh
# Prints, as Markdown, the tables of docs/simulator.md: what each computer
# level achieves alone on every board, and against every other level.
#
#   tools/level_tables.sh PATH/TO/pairon-sim [GAMES] [SEED]
#
# Every figure comes from one run of
#   pairon-sim --width W --height H --seats LEVELS --games GAMES --seed SEED
# with the options each table names.
set -eu

sim=${1:?usage: level_tables.sh PATH/TO/pairon-sim [GAMES] [SEED]}
games=${2:-2000}
seed=${3:-7}
levels="Excellent Good Average Poor Shocking"

run() {
    "$sim" --games "$games" --seed "$seed" "$@"
}

# Mean turns without a pair, from a report.
mean_turns() {
    awk '/^Turns without a pair/ { gsub(",", ""); print $6 }'
}

echo "### Mean turns without a pair, one seat"
echo
echo "\`pairon-sim --width W --height H --seats LEVEL --games $games --seed $seed\`"
echo
echo "| Board | Pairs | Excellent | Good | Average | Poor | Shocking |"
echo "|---|---:|---:|---:|---:|---:|---:|"
for height in 2 3 4 5; do
    for width in 4 6 8 10; do
        row="| $width x $height | $((width * height / 2)) |"
        for level in $levels; do
            row="$row $(run --width "$width" --height "$height" --seats "$level" | mean_turns) |"
        done
        echo "$row"
    done
done
echo

for board in "4 2" "6 3" "10 5"; do
    set -- $board
    echo "### One seat on the $1 x $2 board"
    echo
    echo "\`pairon-sim --width $1 --height $2 --seats LEVEL --games $games --seed $seed\`"
    echo
    echo "| Level | Mean turns | Standard deviation | 1st percentile | 99th percentile | Mean game length (s) |"
    echo "|---|---:|---:|---:|---:|---:|"
    for level in $levels; do
        run --width "$1" --height "$2" --seats "$level" | awk -v level="$level" '
            /^Turns without a pair/ { gsub(",", ""); mean = $6; sd = $9; p1 = $12; p99 = $15 }
            /^Mean game length/ { length_s = $4 }
            END { printf "| %s | %s | %s | %s | %s | %s |\n", level, mean, sd, p1, p99, length_s }'
    done
    echo
done

for board in "6 3" "8 4" "10 5"; do
    set -- $board
    pairs=$(($1 * $2 / 2))
    if [ $((pairs % 2)) -eq 1 ]; then
        what="seat 1 wins, in % of games (with $pairs pairs there is no draw)"
        cell_of='$1 == "1" { gsub("%", ""); print $5 }'
    else
        what="seat 1 wins / draws, in % of games"
        cell_of='$1 == "1" { gsub("%", ""); print $5 " / " $7 }'
    fi
    echo "### Duels on the $1 x $2 board: $what"
    echo
    echo "\`pairon-sim --width $1 --height $2 --seats FIRST,SECOND --games $games --seed $seed\`"
    echo
    echo "| Seat 1 (plays first) | Excellent | Good | Average | Poor | Shocking |"
    echo "|---|---:|---:|---:|---:|---:|"
    for first in $levels; do
        row="| $first |"
        for second in $levels; do
            row="$row $(run --width "$1" --height "$2" --seats "$first,$second" | awk "$cell_of") |"
        done
        echo "$row"
    done
    echo
done

echo "### Four seats on the 10 x 5 board"
echo
for seats in Excellent,Good,Average,Poor Poor,Average,Good,Excellent Excellent,Excellent,Excellent,Excellent; do
    echo "\`pairon-sim --width 10 --height 5 --seats $seats --games $games --seed $seed\`"
    echo
    echo '```'
    run --width 10 --height 5 --seats "$seats" | sed -n '4,11p'
    echo '```'
    echo
done

echo "### Multiple Pairs, one seat on the 10 x 5 board"
echo
echo "\`pairon-sim --width 10 --height 5 --seats LEVEL --games $games --seed $seed [--multiple]\`"
echo
echo "| Level | Mean turns, one face per pair | Mean turns, Multiple Pairs |"
echo "|---|---:|---:|"
for level in $levels; do
    single=$(run --width 10 --height 5 --seats "$level" | mean_turns)
    multiple=$(run --width 10 --height 5 --seats "$level" --multiple | mean_turns)
    echo "| $level | $single | $multiple |"
done
