#!/usr/bin/env bash
# Installs a built tree into a temporary prefix, validates its desktop files, and packages it
# with CPack, checking the package's files and dependencies. Usage: installtest.sh BUILD_DIR
set -euo pipefail
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
id=org.pembavello.PembaVello
icons=share/icons/hicolor
expected=(bin/pemba-vello bin/pemba-vello-catalog share/applications/$id.desktop share/metainfo/$id.metainfo.xml
  $icons/scalable/apps/$id.svg $icons/{48x48,128x128,256x256}/apps/$id.png
  share/doc/pemba-vello/deploy/pemba-vello-catalog.service share/doc/pemba-vello/copyright)
fail() { echo "$*"; exit 1; }

cmake --install "$1" --prefix "$work/prefix" >/dev/null
for file in "${expected[@]}"; do [[ -s $work/prefix/$file ]] || fail "not installed: $file"; done
for size in 48 128 256; do
  # A PNG's width and height are the big-endian words at bytes 16 and 20.
  dims=$(od -An -tu4 --endian=big -j16 -N8 "$work/prefix/$icons/${size}x$size/apps/$id.png" | xargs)
  [[ $dims == "$size $size" ]] || fail "the $size px icon is $dims"
done
desktop-file-validate "$work/prefix/share/applications/$id.desktop"
appstreamcli validate --no-net "$work/prefix/share/metainfo/$id.metainfo.xml" >/dev/null

cpack -G DEB --config "$1/CPackConfig.cmake" -B "$work/package" >/dev/null
package=$(echo "$work"/package/pemba-vello_*.deb)
listed=$(dpkg-deb -c "$package" | awk '{print $6}')
for file in "${expected[@]}"; do grep -qx "./usr/$file" <<<"$listed" || fail "not in the package: /usr/$file"; done
depends=$(dpkg-deb -f "$package" Depends)
for dependency in libqt6widgets6 libqt6dbus6 gstreamer1.0-plugins-good gstreamer1.0-libav gstreamer1.0-pulseaudio libgupnp-1.6-0 \
  fonts-noto-cjk fonts-noto-color-emoji; do
  grep -q "$dependency" <<<"$depends" || fail "the package does not depend on $dependency"
done
