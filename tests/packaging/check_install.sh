#!/usr/bin/env bash
# Installs the build into a scratch prefix, builds the Debian package, checks that both hold every
# file, and validates the desktop entry, the AppStream metadata, the MIME type and the manual page.
#   check_install.sh SOURCE_DIR BUILD_DIR
set -euo pipefail
build_dir=$2
fail() { echo "$*"; exit 1; }
for tool in desktop-file-validate appstreamcli dpkg-deb cpack update-mime-database; do
    command -v "$tool" >/dev/null ||
        { echo "SKIPPED: $tool is not installed (scripts/setup installs it)"; exit 77; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cmake --install "$build_dir" --prefix "$work/usr" >/dev/null
(cd "$work" && cpack -G DEB --config "$build_dir/CPackConfig.cmake" -B "$work/package" >/dev/null)
package=$(ls "$work"/package/*.deb)
contents=$(dpkg-deb -c "$package")
dpkg-deb -f "$package" Depends | grep -q libqt6multimedia6 || fail "no libqt6multimedia6 in Depends"
cd "$work/usr"
id=org.tovenal.Tovenal
desktop=share/applications/$id.desktop
sound_module=$(find lib* -path '*/tovenal/tovenal_sound.so' | head -n1) # where the program finds it
[[ -n $sound_module ]] || fail "the sound module is not installed"
for file in bin/tovenal "$desktop" share/metainfo/$id.metainfo.xml share/mime/packages/$id.xml \
            share/icons/hicolor/{32x32/apps/$id.png,scalable/apps/$id.svg} \
            share/man/man1/tovenal.1 "$sound_module"; do
    [[ -e $file ]] || fail "not installed: $file"
    grep -q " \./usr/$file\$" <<<"$contents" || fail "not in the package: usr/$file"
done
[[ -x bin/tovenal ]] || fail "bin/tovenal is not installed as a program"

for line in 'Name=Tovenal импульсов' 'Categories=Education;Science;Physics;' 'Exec=tovenal %f' \
            'MimeType=application/x-tovenal;'; do
    grep -qx "$line" "$desktop" || fail "the desktop entry lacks $line"
done
desktop-file-validate "$desktop"
appstreamcli validate --no-net share/metainfo/$id.metainfo.xml
# update-mime-database skips a package it cannot parse: the glob appears only if the XML is sound.
update-mime-database share/mime >/dev/null 2>&1
grep -qx '[0-9]*:application/x-tovenal:\*\.tovenal' share/mime/globs2 ||
    fail "the MIME package does not register *.tovenal"
# The manual page, checked by groff when it is there (man-db needs it anyway).
if command -v groff >/dev/null; then
    warnings=$(groff -man -Tutf8 -ww -z share/man/man1/tovenal.1 2>&1)
    [[ -z $warnings ]] || fail "tovenal.1: $warnings"
fi
echo "installed, validated and packaged: $(basename "$package")"
