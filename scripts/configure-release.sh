#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Configures the one release tree that the Debian package, `scripts/run.sh` and the benchmarks
# share: Debian's own hardening flags, no report host (as the package ships), and the tests and
# benchmarks built only when a target names them. Prints nothing on stdout.
# Usage: scripts/configure-release.sh [build folder]   (default build-release)
set -euo pipefail
cd "$(dirname "$0")/.."
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
# Without -g: the package's files are stripped, and no debug package is made.
flags=" $(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS) "
ldflags=$(dpkg-buildflags --get LDFLAGS)
# Given on every run, so that a tree configured otherwise before is brought in line.
cmake -S . -B "${1:-build-release}" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUELMO_WEB_HOST= \
    -DQUELMO_TESTS_IN_ALL=OFF -DQUELMO_BUILD_TESTS=ON -DQUELMO_BUILD_BENCH=ON \
    -DCMAKE_CXX_FLAGS="${flags// -g / }" -DCMAKE_EXE_LINKER_FLAGS="$ldflags" \
    -DCMAKE_SHARED_LINKER_FLAGS="$ldflags" >&2
