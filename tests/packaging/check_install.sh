#!/usr/bin/env bash
# Installs the build into a scratch prefix, validates the desktop entry, the AppStream metadata,
# the MIME type and the manual page, and builds the Debian package and checks what it holds.
#   check_install.sh SOURCE_DIR BUILD_DIR
set -euo pipefail
build_dir=$2
for tool in desktop-file-validate appstreamcli dpkg-deb cpack update-mime-database; do
    command -v "$tool" >/dev/null || { echo "SKIPPED: $tool is not installed (scripts/setup installs it)"; exit 77; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cmake --install "$build_dir" --prefix "$work/usr" >/dev/null
desktop=$work/usr/share/applications/org.tovenal.Tovenal.desktop
installed=(share/metainfo/org.tovenal.Tovenal.metainfo.xml share/icons/hicolor/32x32/apps/org.tovenal.Tovenal.png
           share/icons/hicolor/scalable/apps/org.tovenal.Tovenal.svg
           share/mime/packages/org.tovenal.Tovenal.xml share/man/man1/tovenal.1)
for file in "${installed[@]}"; do
    [[ -e "$work/usr/$file" ]] || { echo "not installed: $file"; exit 1; }
done
[[ -x "$work/usr/bin/tovenal" ]] || { echo "bin/tovenal is not installed as a program"; exit 1; }
# The sound module where the installed program looks for it.
sound_module=$(cd "$work/usr" && find lib* -path '*/tovenal/tovenal_sound.so' | head -n1)
[[ -n $sound_module ]] || { echo "the sound module is not installed"; exit 1; }
for line in 'Name=Tovenal импульсов' 'Categories=Education;Science;Physics;' 'Exec=tovenal %f' \
            'MimeType=application/x-tovenal;'; do
    grep -qx "$line" "$desktop" || { echo "the desktop entry lacks $line"; exit 1; }
done
desktop-file-validate "$desktop"
appstreamcli validate --no-net "$work/usr/share/metainfo/org.tovenal.Tovenal.metainfo.xml"

# update-mime-database skips a package it cannot parse, so the glob appears only if the XML is sound.
update-mime-database "$work/usr/share/mime" >/dev/null 2>&1
grep -qx '[0-9]*:application/x-tovenal:\*\.tovenal' "$work/usr/share/mime/globs2" ||
    { echo "the MIME package does not register *.tovenal"; exit 1; }
# The manual page, checked by groff when it is there (man-db needs it anyway).
if command -v groff >/dev/null; then
    warnings=$(groff -man -Tutf8 -ww -z "$work/usr/share/man/man1/tovenal.1" 2>&1)
    [[ -z "$warnings" ]] || { echo "tovenal.1: $warnings"; exit 1; }
fi

# The Debian package: contents and dependencies.
(cd "$work" && cpack -G DEB --config "$build_dir/CPackConfig.cmake" -B "$work/package" >/dev/null)
package=$(ls "$work"/package/*.deb)
contents=$(dpkg-deb -c "$package")
for file in usr/bin/tovenal usr/share/applications/org.tovenal.Tovenal.desktop "${installed[@]/#/usr/}"; do
    grep -q " \./$file\$" <<<"$contents" || { echo "not in the package: $file"; exit 1; }
done
grep -q " \./usr/$sound_module\$" <<<"$contents" || { echo "not in the package: $sound_module"; exit 1; }
dpkg-deb -f "$package" Depends | grep -q libqt6multimedia6
echo "installed, validated and packaged: $(basename "$package")"
