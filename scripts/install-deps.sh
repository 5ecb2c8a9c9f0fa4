#!/usr/bin/env bash
# Installs every Debian 12 package that building, running and testing Pemba Vello needs.
# Quick when everything is already there: apt is only asked for what is missing.
set -euo pipefail

packages=(
  # build
  cmake ninja-build g++ pkg-config clang-format clang-tidy
  # libraries
  libsimdjson-dev libicu-dev zlib1g-dev qt6-base-dev qt6-svg-dev qt6-image-formats-plugins
  libgstreamer1.0-dev libgstreamer-plugins-base1.0-dev
  # casting to UPnP renderers
  libgupnp-1.6-dev libgupnp-av-1.0-dev
  # translations: lupdate and lrelease, their CMake functions, and Qt's own catalogues
  qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
  # playback
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-plugins-bad
  gstreamer1.0-plugins-ugly gstreamer1.0-libav gstreamer1.0-pulseaudio gstreamer1.0-tools
  # tests and benchmarks
  libgtest-dev libgmock-dev libbenchmark-dev python3
  # ffprobe, which reads the recorder's files as any player would
  ffmpeg
  # real servers and a real desktop for the tests and the demo
  icecast2 xvfb xauth pulseaudio pulseaudio-utils xdotool
  # a real UPnP renderer, and SSDP's own tools, for the casting test
  gmediarender gupnp-tools iproute2
  # a DNS server on loopback for the resolver's tests
  dnsmasq-base
  # a private session bus for the media-controls tests; checkers of the installed desktop files
  dbus dbus-daemon desktop-file-utils appstream
  # locale sources, so a test can run under a Latin-1 locale
  locales
  # a font with every glyph the interface draws
  fonts-dejavu-core fonts-noto-core
  # station names in Chinese, Japanese and Korean, and with emoji
  fonts-noto-cjk fonts-noto-color-emoji
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done

if ((${#missing[@]})); then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
