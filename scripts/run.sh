#!/bin/sh
# Installs what is missing, builds Quorvane and shows the demo theme.
set -eu
cd "$(dirname "$0")/.."
sh scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build
build/cli/quorvane-cli dump examples/demo.kmtf
