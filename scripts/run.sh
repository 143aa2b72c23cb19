#!/usr/bin/env bash
# Installs what Quelmo needs, builds it and starts it. Run as root on Debian 12.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUELMO_BUILD_TESTS=OFF \
    -DQUELMO_BUILD_BENCH=OFF
cmake --build build-release --target quelmo
# The wake-up timer that brings the PC back from standby needs this capability.
setcap cap_wake_alarm+ep build-release/app/quelmo || true
exec build-release/app/quelmo
