#!/usr/bin/env bash
# Keeps the layers apart. Each folder is a layer that includes only the layers below it and only
# the Qt modules it links:
#   spectrum  the maths, no Qt
#   toolkit   the form toolkit over Qt; its canvas units need no widgets
#   plot      spectrum, the toolkit's canvas; Qt Gui
#   setup     spectrum; Qt Core
#   output    setup, plot, spectrum, the toolkit's canvas; Qt Gui and Svg, never a widget
#   app       everything
# and no unit (a .cpp with its .h) reaches itself again through the units it includes.
#   check_layers.sh SOURCE_DIR [QT_INCLUDE_DIR]
set -uo pipefail
cd "$1" || exit 2
qt_include=${2:-$(ls -d /usr/include/*/qt6 2>/dev/null | head -n1)}
failures=0
fail() { echo "$*"; failures=$((failures + 1)); }

layers=(spectrum toolkit plot setup output app)
declare -A allowed=([spectrum]="spectrum" [toolkit]="toolkit" [plot]="plot spectrum toolkit"
    [setup]="setup spectrum" [output]="output setup plot spectrum toolkit"
    [app]="app output setup plot spectrum toolkit")
declare -A qt_modules=([spectrum]="" [toolkit]="QtCore QtGui QtWidgets"
    [plot]="QtCore QtGui" [setup]="QtCore" [output]="QtCore QtGui QtSvg"
    [app]="QtCore QtGui QtWidgets QtPrintSupport QtSvg QtMultimedia")

# Project headers a file includes, by unit name; Qt headers by class name.
includes() { sed -n 's/^#include "\([A-Za-z_]*\)\.h".*/\1/p' "$@" 2>/dev/null | sort -u; }
qt_includes() { sed -n 's/^#include <\(Q[A-Za-z]*\)>.*/\1/p' "$@" 2>/dev/null | sort -u; }
# The Qt module that holds a class's header ("QWidget" is in QtWidgets).
module_of() {
    local found
    found=$(ls -d "$qt_include"/Qt*/"$1" 2>/dev/null | head -n1)
    [[ -n $found ]] && basename "$(dirname "$found")"
}

declare -A folder path
for file in $(find "${layers[@]}" -name '*.h' -o -name '*.cpp'); do
    unit=$(basename "${file%.*}")
    folder[$unit]=${file%%/*}
    path[$unit]=${file%.*}
done

declare -A edges
for unit in "${!folder[@]}"; do
    dir=${folder[$unit]}
    files=("${path[$unit]}.h" "${path[$unit]}.cpp")
    edges[$unit]=$(includes "${files[@]}")
    for used in ${edges[$unit]}; do
        [[ -n ${folder[$used]:-} ]] || continue
        [[ " ${allowed[$dir]} " == *" ${folder[$used]} "* ]] ||
            fail "${path[$unit]} includes $used.h from ${folder[$used]}/"
    done
    for class in $(qt_includes "${files[@]}"); do
        module=$(module_of "$class") || continue
        [[ " ${qt_modules[$dir]} " == *" $module "* ]] ||
            fail "${path[$unit]} includes <$class> of $module, which $dir/ does not use"
    done
    grep -qw 'Form1\|Tovenal_unit' "${files[@]}" 2>/dev/null && [[ $dir != app ]] &&
        fail "${path[$unit]} knows the window"
done

# The toolkit's units that need widgets, directly or through another: no layer below the window
# may include them.
declare -A widgets
changed=1
while ((changed)); do
    changed=0
    for unit in "${!folder[@]}"; do
        [[ ${folder[$unit]} == toolkit && -z ${widgets[$unit]:-} ]] || continue
        needs=0
        for class in $(qt_includes "${path[$unit]}.h" "${path[$unit]}.cpp"); do
            [[ $(module_of "$class") == QtWidgets ]] && needs=1
        done
        for used in ${edges[$unit]}; do
            [[ -n ${widgets[$used]:-} ]] && needs=1
        done
        ((needs)) && widgets[$unit]=1 && changed=1
    done
done
for unit in "${!folder[@]}"; do
    [[ ${folder[$unit]} == app || ${folder[$unit]} == toolkit ]] && continue
    for used in ${edges[$unit]}; do
        [[ -n ${widgets[$used]:-} ]] && fail "${path[$unit]} includes $used.h, which needs widgets"
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
((failures == 0)) && echo "layers kept: ${#folder[@]} units, ${#widgets[@]} of them need widgets"
exit $((failures > 0))
