#!/usr/bin/env bash
# Installs the build into a scratch prefix, validates the desktop entry and the AppStream metadata,
# and builds the Debian package and checks what it holds.
#   check_install.sh SOURCE_DIR BUILD_DIR
set -euo pipefail
source_dir=$1
build_dir=$2
skip=77
for tool in desktop-file-validate appstreamcli dpkg-deb cpack update-mime-database; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIPPED: $tool is not installed (scripts/setup installs it)"
        exit $skip
    fi
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cmake --install "$build_dir" --prefix "$work/usr" >/dev/null
for file in bin/tovenal \
            share/applications/org.tovenal.Tovenal.desktop \
            share/metainfo/org.tovenal.Tovenal.metainfo.xml \
            share/icons/hicolor/32x32/apps/org.tovenal.Tovenal.png \
            share/icons/hicolor/scalable/apps/org.tovenal.Tovenal.svg \
            share/mime/packages/org.tovenal.Tovenal.xml \
            share/man/man1/tovenal.1; do
    [[ -e "$work/usr/$file" ]] || { echo "not installed: $file"; exit 1; }
done
[[ -x "$work/usr/bin/tovenal" ]] || { echo "bin/tovenal is not executable"; exit 1; }
grep -qx 'Name=Tovenal импульсов' "$work/usr/share/applications/org.tovenal.Tovenal.desktop"
grep -qx 'Categories=Education;Science;Physics;' "$work/usr/share/applications/org.tovenal.Tovenal.desktop"

desktop-file-validate "$work/usr/share/applications/org.tovenal.Tovenal.desktop"
appstreamcli validate --no-net "$work/usr/share/metainfo/org.tovenal.Tovenal.metainfo.xml"

# Set-up files: a double-click opens them in the program. update-mime-database skips a package
# it cannot parse, so the glob appears only if the XML is sound.
grep -qx 'Exec=tovenal %f' "$work/usr/share/applications/org.tovenal.Tovenal.desktop"
grep -qx 'MimeType=application/x-tovenal;' "$work/usr/share/applications/org.tovenal.Tovenal.desktop"
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
for file in ./usr/bin/tovenal ./usr/share/applications/org.tovenal.Tovenal.desktop \
            ./usr/share/icons/hicolor/32x32/apps/org.tovenal.Tovenal.png \
            ./usr/share/mime/packages/org.tovenal.Tovenal.xml ./usr/share/man/man1/tovenal.1; do
    grep -q " $file\$" <<<"$contents" || { echo "not in the package: $file"; exit 1; }
done
dpkg-deb -f "$package" Depends | grep -q libqt6widgets6
echo "installed, validated and packaged: $(basename "$package")"
