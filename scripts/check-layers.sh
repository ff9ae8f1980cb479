#!/bin/sh
# Checks the line between the folders: a plain C++ folder includes no Qt and
# no front end, and a folder includes only itself and the folders below it,
# so no two folders ever include each other. Every source file of a folder is
# listed in that folder's CMakeLists.txt.
#
#   usage: sh scripts/check-layers.sh [TOP]     (TOP: the project's folder)
#
# Exits 1 and names each include that runs against the order.
set -eu
top=${1:-$(dirname "$0")/..}
cd "$top"

# From the bottom up; the same order as src/CMakeLists.txt builds them in.
order="pictures sounds game board opponent window files decks art desktop/widgets desktop/translation
       desktop/accessibility desktop/zoom desktop/help_window desktop/decks desktop/main_window desktop/speech
       desktop/sound app"
plain="pictures sounds game board opponent window"

# Every include of src/, art/, tools/, the browser edition and the core tests,
# as file:line:text; tools/, web/ and the core tests are plain C++ too and may
# include every plain folder.
files=$(find src art tools web tests/core -type f \( -name '*.cpp' -o -name '*.h' \) 2>/dev/null | sort)
faults=$(grep -n -H -E '^[[:space:]]*#[[:space:]]*include[[:space:]]*["<]' $files |
    awk -v order="$order" -v plain="$plain" '
    function folder_of(path,    parts, n) {
        n = split(path, parts, "/")
        if (n < 2) return ""
        if (parts[1] == "desktop" && n >= 3) return parts[1] "/" parts[2]
        return parts[1]
    }
    BEGIN {
        n = split(order, names, /[[:space:]]+/)
        k = 0
        for (i = 1; i <= n; i++) if (names[i] != "") rank[names[i]] = k++
        n = split(plain, names, /[[:space:]]+/)
        for (i = 1; i <= n; i++) if (names[i] != "") isplain[names[i]] = 1
    }
    {
        file = $0; sub(/:.*/, "", file)
        rest = substr($0, length(file) + 2)
        line = rest; sub(/:.*/, "", line)
        text = substr(rest, length(line) + 2)
        if (file ~ /^src\//) here = folder_of(substr(file, 5))
        else if (file ~ /^art\//) here = "art"
        else here = "window"
        if (!(here in rank)) {
            print "check-layers: " file ": the folder " here " is not in the order of the folders"; next
        }
        match(text, /["<][^">]*[">]/)
        what = substr(text, RSTART, RLENGTH)
        if (what ~ /^<(Q|qt)/) {
            if (here in isplain) { print "check-layers: " file ":" line ": plain C++ includes Qt: " what }
            next
        }
        if (what !~ /^"/) next
        path = substr(what, 2, length(what) - 2)
        there = folder_of(path)
        if (!(there in rank)) next
        if ((here in isplain) && !(there in isplain)) {
            print "check-layers: " file ":" line ": plain C++ includes the Qt folder " there ": " path
        } else if (rank[there] > rank[here]) {
            print "check-layers: " file ":" line ": " here " includes " there ", which lies above it: " path
        }
    }')
[ -n "$faults" ] && echo "$faults" >&2
count=$(printf '%s' "$faults" | grep -c . || true)

# Each folder lists its own sources: nothing is picked up by a pattern.
for dir in $(find src web -name CMakeLists.txt -exec dirname {} \; | sort); do
    for source in $(find "$dir" -maxdepth 1 -name '*.cpp' | sort); do
        name=$(basename "$source")
        if ! grep -q -E "(^|[[:space:]/])$name([[:space:]]|\$|\))" "$dir/CMakeLists.txt"; then
            echo "check-layers: $source is not listed in $dir/CMakeLists.txt" >&2
            count=$((count + 1))
        fi
    done
done

if [ "$count" -gt 0 ]; then
    echo "check-layers: $count include(s) or source(s) out of place" >&2
    exit 1
fi
echo "check-layers: every include follows the order of the folders"
