#!/usr/bin/env bash
# Installs a built tree into a temporary prefix, validates its desktop files, and packages it
# with CPack, checking the package's files and dependencies. Usage: installtest.sh BUILD_DIR
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
id=org.pembavello.PembaVello
expected=(
  bin/pemba-vello
  share/applications/$id.desktop
  share/metainfo/$id.metainfo.xml
  share/icons/hicolor/scalable/apps/$id.svg
  share/icons/hicolor/48x48/apps/$id.png
  share/icons/hicolor/128x128/apps/$id.png
  share/icons/hicolor/256x256/apps/$id.png
)

cmake --install "$build" --prefix "$work/prefix" >/dev/null
for file in "${expected[@]}"; do
  [[ -s $work/prefix/$file ]] || { echo "not installed: $file"; exit 1; }
done
for size in 48 128 256; do
  # A PNG's width and height are the big-endian words at bytes 16 and 20.
  read -r width height < <(od -An -tu1 -j16 -N8 "$work/prefix/share/icons/hicolor/${size}x${size}/apps/$id.png" |
    awk '{print $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8}')
  [[ $width == "$size" && $height == "$size" ]] || { echo "the ${size} px icon is ${width}x${height}"; exit 1; }
done
desktop-file-validate "$work/prefix/share/applications/$id.desktop"
appstreamcli validate --no-net "$work/prefix/share/metainfo/$id.metainfo.xml" >/dev/null

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/package" >/dev/null
package=$(echo "$work"/package/pemba-vello_*.deb)
[[ -f $package ]] || { echo "no package made"; exit 1; }
listed=$(dpkg-deb -c "$package" | awk '{print $6}')
for file in "${expected[@]}"; do
  grep -qx "./usr/$file" <<<"$listed" || { echo "not in the package: /usr/$file"; exit 1; }
done
depends=$(dpkg-deb -f "$package" Depends)
for dependency in libqt6widgets6 libqt6dbus6 gstreamer1.0-plugins-good gstreamer1.0-libav gstreamer1.0-pulseaudio \
  fonts-noto-cjk fonts-noto-color-emoji; do
  grep -q "$dependency" <<<"$depends" || { echo "the package does not depend on $dependency"; exit 1; }
done
echo "installed, validated and packaged: $(basename "$package")"
