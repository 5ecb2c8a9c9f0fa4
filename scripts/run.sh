#!/usr/bin/env bash
# Builds Pemba Vello, starts the local demo station server and the player pointed at it, and
# stops the server when the player quits. The player's catalog, logos and settings live in
# build/demo-home, so a person's own favourites and cached catalog are never touched.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

scripts/install-deps.sh

build=build/release
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DVELLO_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build "$build" --target pemba-vello

home=$root/build/demo-home
state=$home/server
mkdir -p "$home"
demo/demo-server.sh stop "$state" >/dev/null 2>&1 || true
demo/demo-server.sh start "$state" >/dev/null
trap 'demo/demo-server.sh stop "$state" >/dev/null 2>&1 || true' EXIT

XDG_DATA_HOME=$home/data XDG_CONFIG_HOME=$home/config XDG_CACHE_HOME=$home/cache \
  "$build/src/app/pemba-vello" --directory-server "$(cat "$state/directory-url")" "$@"
