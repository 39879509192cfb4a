#!/usr/bin/env bash
# Hides every system font (an empty folder over /usr/share/fonts in a private mount namespace),
# then exports the default picture and runs the reference scenarios of the window: the pixels must
# be those of the reviewed pictures.
#   check_fonts_hidden.sh TOVENAL WINDOW_TESTS REFERENCE_DIR
set -uo pipefail
program=$1 window_tests=$2 reference=$3
empty=$(mktemp -d) work=$(mktemp -d)
trap 'rm -rf "$empty" "$work"' EXIT
unshare --mount true 2>/dev/null || { echo "no private mount namespace here: skipped"; exit 77; }
exec unshare --mount bash -c '
    set -e
    mount --bind "$1" /usr/share/fonts
    [[ -z $(fc-list 2>/dev/null) ]] || { echo "fonts still visible"; exit 1; }
    QT_QPA_PLATFORM=offscreen "$2" --export "$4/defaults.png"
    cmp "$4/defaults.png" "$5/defaults.png"
    QT_QPA_PLATFORM=offscreen "$3" --gtest_filter="Scenarios/Reference.*" --gtest_brief=1
' hide "$empty" "$program" "$window_tests" "$work" "$reference"
