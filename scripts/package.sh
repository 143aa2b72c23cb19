#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package quelmo_<version>_<arch>.deb in build-release/ (the programs, as a
# hardened release build; the tree also serves scripts/run.sh and the benchmarks) and prints
# its path. Run as root on Debian 12; `apt install` the
# result.
set -euo pipefail
cd "$(dirname "$0")/.."

[[ ${1:-} == --no-deps ]] || bash scripts/install-deps.sh >&2
bash scripts/configure-release.sh build-release
rm -f build-release/quelmo_*.deb
cmake --build build-release --target package -j"$(nproc)" >&2
ls "$PWD"/build-release/quelmo_*.deb
