#!/usr/bin/env bash
# Brings the translations in FOLDER up to date with the program's sources: new texts are added
# unfinished, texts gone from the sources are dropped. The build's target tovenal_lupdate runs it
# on translations/; the test of the translations runs it on a copy.
#   update.sh LUPDATE SOURCE-ROOT FOLDER
set -euo pipefail
lupdate=$1 folder=$3
cd "$2"
sources=(app plot output toolkit)
options=(-silent -locations none -no-obsolete -extensions cpp,h -source-language ru)
# English, whole; Russian, the texts' own language, needs only the forms of its plurals.
"$lupdate" "${options[@]}" -target-language en "${sources[@]}" -ts "$folder/tovenal_en.ts"
"$lupdate" "${options[@]}" -target-language ru -pluralonly "${sources[@]}" \
    -ts "$folder/tovenal_ru.ts"
