#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Quorvane and its tests with AddressSanitizer and UBSan in build-sanitize/ and runs every
# test there. Any sanitizer report fails the test that caused it. Leak checking is off: Qt and
# fontconfig keep caches until exit that it would report.
set -eu
cd "$(dirname "$0")/.."
sh scripts/setup.sh
flags="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUORVANE_WERROR=ON \
  -DQUORVANE_BUILD_BENCHMARKS=OFF -DCMAKE_CXX_FLAGS="$flags" \
  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined"
cmake --build build-sanitize
ASAN_OPTIONS=detect_leaks=0:abort_on_error=1:strict_string_checks=1 \
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-sanitize --output-on-failure --no-tests=error
