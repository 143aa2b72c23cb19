#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package quelmo_<version>_<arch>.deb in build-package/ (only the programs, as
# a hardened release build) and prints its path. Run as root on Debian 12; `apt install` the
# result.
set -euo pipefail
cd "$(dirname "$0")/.."

[[ ${1:-} == --no-deps ]] || bash scripts/install-deps.sh >&2
# Debian's own hardening flags, as its packages are built with.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
export CXXFLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
export LDFLAGS="$(dpkg-buildflags --get LDFLAGS)"
cmake -S . -B build-package -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUELMO_BUILD_TESTS=OFF \
    -DQUELMO_BUILD_BENCH=OFF -DQUELMO_WEB_HOST= >&2
rm -f build-package/quelmo_*.deb
cmake --build build-package --target package -j"$(nproc)" >&2
ls "$PWD"/build-package/quelmo_*.deb
