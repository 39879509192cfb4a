#!/usr/bin/env bash
# Installs the build into a scratch prefix, validates the desktop entry and the AppStream metadata,
# and builds the Debian package and checks what it holds.
#   check_install.sh SOURCE_DIR BUILD_DIR
set -euo pipefail
build_dir=$2
for tool in desktop-file-validate appstreamcli dpkg-deb cpack; do
    command -v "$tool" >/dev/null || { echo "SKIPPED: $tool is not installed (scripts/setup installs it)"; exit 77; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cmake --install "$build_dir" --prefix "$work/usr" >/dev/null
desktop=$work/usr/share/applications/org.tovenal.Tovenal.desktop
for file in share/metainfo/org.tovenal.Tovenal.metainfo.xml share/icons/hicolor/32x32/apps/org.tovenal.Tovenal.png \
            share/icons/hicolor/scalable/apps/org.tovenal.Tovenal.svg; do
    [[ -e "$work/usr/$file" ]] || { echo "not installed: $file"; exit 1; }
done
[[ -x "$work/usr/bin/tovenal" ]] || { echo "bin/tovenal is not installed as a program"; exit 1; }
grep -qx 'Name=Tovenal импульсов' "$desktop"
grep -qx 'Categories=Education;Science;Physics;' "$desktop"
desktop-file-validate "$desktop"
appstreamcli validate --no-net "$work/usr/share/metainfo/org.tovenal.Tovenal.metainfo.xml"

# The Debian package: contents and dependencies.
(cd "$work" && cpack -G DEB --config "$build_dir/CPackConfig.cmake" -B "$work/package" >/dev/null)
package=$(ls "$work"/package/*.deb)
contents=$(dpkg-deb -c "$package")
for file in ./usr/bin/tovenal ./usr/share/applications/org.tovenal.Tovenal.desktop \
            ./usr/share/icons/hicolor/32x32/apps/org.tovenal.Tovenal.png; do
    grep -q " $file\$" <<<"$contents" || { echo "not in the package: $file"; exit 1; }
done
dpkg-deb -f "$package" Depends | grep -q libqt6widgets6
echo "installed, validated and packaged: $(basename "$package")"
