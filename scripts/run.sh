#!/usr/bin/env bash
# Installs what Quelmo needs, builds it and starts it. Run as root on Debian 12.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
bash scripts/configure-release.sh build-release
cmake --build build-release --target quelmo
# The wake-up timer that brings the PC back from standby needs this capability.
setcap cap_wake_alarm+ep build-release/app/quelmo || true
exec build-release/app/quelmo
