#!/usr/bin/env bash
# Keeps the layers apart. Each folder includes only the layers and uses only the Qt modules named
# for it below; under the window no folder includes a toolkit unit that needs widgets (the canvas
# does not); and no unit (a .cpp with its .h) reaches itself again through the units it includes.
#   check_layers.sh SOURCE_DIR [QT_INCLUDE_DIR]
set -uo pipefail
cd "$1" || exit 2
qt_include=${2:-$(ls -d /usr/include/*/qt6 2>/dev/null | head -n1)}
[[ -f $qt_include/QtCore/QObject ]] || { echo "no Qt headers in \"$qt_include\""; exit 2; }
failures=0
fail() { echo "$*"; failures=$((failures + 1)); }

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
    local found=("$qt_include"/Qt*/"$1")
    [[ -e ${found[0]} ]] && basename "${found[0]%/*}"
}

declare -A folder path edges widgets=()
for file in $(find spectrum toolkit plot setup output app -name '*.h' -o -name '*.cpp'); do
    unit=$(basename "${file%.*}")
    folder[$unit]=${file%%/*}
    path[$unit]=${file%.*}
done

for unit in "${!folder[@]}"; do
    dir=${folder[$unit]}
    files=("${path[$unit]}.h" "${path[$unit]}.cpp")
    edges[$unit]=$(includes "${files[@]}")
    for class in $(qt_includes "${files[@]}"); do
        module=$(module_of "$class") || continue
        [[ $dir == toolkit && $module == QtWidgets ]] && widgets[$unit]=1
        [[ " ${qt_modules[$dir]} " == *" $module "* ]] ||
            fail "${path[$unit]} includes <$class> of $module, which $dir/ does not use"
    done
    grep -qw 'Form1\|Tovenal_unit' "${files[@]}" 2>/dev/null && [[ $dir != app ]] &&
        fail "${path[$unit]} knows the window"
done

# A toolkit unit that includes one needing widgets needs them too; repeat until nothing is added.
marked=-1
while ((marked != ${#widgets[@]})); do
    marked=${#widgets[@]}
    for unit in "${!folder[@]}"; do
        [[ ${folder[$unit]} == toolkit ]] || continue
        for used in ${edges[$unit]}; do
            [[ -n ${widgets[$used]:-} ]] && widgets[$unit]=1
        done
    done
done

# Each unit includes units of the layers it may use and, below the window, none needing widgets.
for unit in "${!folder[@]}"; do
    dir=${folder[$unit]}
    for used in ${edges[$unit]}; do
        [[ -z ${folder[$used]:-} || " ${allowed[$dir]} " == *" ${folder[$used]} "* ]] ||
            fail "${path[$unit]} includes $used.h from ${folder[$used]}/"
        [[ -n ${widgets[$used]:-} && $dir != app && $dir != toolkit ]] &&
            fail "${path[$unit]} includes $used.h, which needs widgets"
    done
done

# Depth first through the includes: a unit reached again while still on the path closes a circle.
declare -A state # 1: on the current path, 2: done
visit() {
    local unit=$1 used
    [[ -z ${state[$unit]:-} ]] || return 0
    state[$unit]=1
    for used in ${edges[$unit]:-}; do
        [[ -n ${folder[$used]:-} && $used != "$unit" ]] || continue
        [[ ${state[$used]:-} == 1 ]] && fail "include circle through $unit and $used"
        visit "$used"
    done
    state[$unit]=2
}
for unit in "${!folder[@]}"; do visit "$unit"; done
((failures == 0)) && echo "layers kept: ${#folder[@]} units, ${#widgets[@]} of them need widgets"
exit $((failures > 0))
