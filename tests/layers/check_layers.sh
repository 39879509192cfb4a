#!/usr/bin/env bash
# Keeps the layers apart: spectrum (no Qt) <- plot <- app, and toolkit <- plot, app; no unit (a .cpp
# with its .h) reaches itself again through the units it includes.
#   check_layers.sh SOURCE_DIR
set -uo pipefail
cd "$1" || exit 2
failures=0
fail() { echo "$*"; failures=$((failures + 1)); }

# Project headers a file includes, by unit name.
includes() { sed -n 's/^#include "\([A-Za-z_]*\)\.h".*/\1/p' "$@" 2>/dev/null | sort -u; }

for file in spectrum/*; do
    grep -q '^#include <Q' "$file" && fail "$file includes Qt"
done
for file in spectrum/* plot/*; do
    grep -qw 'Form1\|Tovenal_unit' "$file" && fail "$file knows the window"
done
declare -A folder path
for file in $(find spectrum toolkit plot app -name '*.h' -o -name '*.cpp'); do
    unit=$(basename "${file%.*}")
    folder[$unit]=${file%%/*}
    path[$unit]=${file%.*}
done
declare -A allowed=([spectrum]="spectrum" [toolkit]="toolkit" [plot]="plot spectrum toolkit"
         [app]="app plot spectrum toolkit")
declare -A edges
for unit in "${!folder[@]}"; do
    dir=${folder[$unit]}
    edges[$unit]=$(includes "${path[$unit]}.h" "${path[$unit]}.cpp")
    for used in ${edges[$unit]}; do
        [[ -n ${folder[$used]:-} ]] || continue
        [[ " ${allowed[$dir]} " == *" ${folder[$used]} "* ]] ||
            fail "${path[$unit]} includes $used.h from ${folder[$used]}/"
    done
done

# Depth-first search for a circle of includes between units.
declare -A state # 1: on the current path, 2: done
visit() {
    local unit=$1 used
    state[$unit]=1
    for used in ${edges[$unit]:-}; do
        [[ -n ${folder[$used]:-} && $used != "$unit" ]] || continue
        if [[ ${state[$used]:-0} == 1 ]]; then
            fail "include circle through $unit and $used"
        elif [[ ${state[$used]:-0} == 0 ]]; then
            visit "$used"
        fi
    done
    state[$unit]=2
}
for unit in "${!folder[@]}"; do
    [[ ${state[$unit]:-0} == 0 ]] && visit "$unit"
done
((failures == 0)) && echo "layers kept: ${#folder[@]} units"
exit $((failures > 0))
