#!/usr/bin/env bash
# The translations are whole and current: lupdate run on the sources changes nothing in
# translations/ (no text without its entry, no entry without its text), and no entry there is
# unfinished, vanished or obsolete.
#   check_translations.sh LUPDATE SOURCE-ROOT
set -euo pipefail
lupdate=$1 root=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$root"/translations/*.ts "$work"/
bash "$root/translations/update.sh" "$lupdate" "$root" "$work"
status=0
for ts in "$root"/translations/*.ts; do
    if ! diff -u "$ts" "$work/${ts##*/}"; then
        echo "${ts##*/} is behind the sources: build the target tovenal_lupdate, then translate" >&2
        status=1
    fi
    if grep -nE 'type="(unfinished|vanished|obsolete)"' "$ts"; then
        echo "${ts##*/} has entries without a current translation" >&2
        status=1
    fi
done
exit $status
