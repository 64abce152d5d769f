#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds Quorvane and starts the editor on the demo theme. Without a
# display it paints the demo's preview to a PNG instead.
set -eu
cd "$(dirname "$0")/.."
sh scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec build/app/quorvane examples/demo.kmtf
fi
png="build/demo-preview.png"
build/cli/quorvane-cli render examples/demo.kmtf "$png"
echo "No display: the demo theme's preview is in $png"
