#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages Quorvane needs to build, test and run, skipping those already present.
set -eu
packages="cmake ninja-build g++ libgtest-dev libbenchmark-dev qt6-base-dev qt6-base-dev-tools libgl-dev
fontconfig fonts-dejavu-core xvfb xauth xdotool x11-apps imagemagick libxml2-utils clang-format
appstream dpkg-dev groff-base libpng-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
libosmium2-dev libprotozero-dev libboost-dev zlib1g-dev libbz2-dev libexpat1-dev liblz4-dev"
missing=""
for p in $packages; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing="$missing $p"
  fi
done
if [ -n "$missing" ]; then
  echo "Installing:$missing"
  sudo_cmd=""
  [ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"
  $sudo_cmd apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -q --no-install-recommends $missing
fi
