#!/usr/bin/env bash
# Builds the benchmarks in Release and prints their figures.
set -euo pipefail
cd "$(dirname "$0")/.."
# The HTTP benchmark serves its files from an nginx it starts itself and compares with curl.
if ! command -v nginx >/dev/null || ! command -v curl >/dev/null; then
    export DEBIAN_FRONTEND=noninteractive
    apt-get -o DPkg::Lock::Timeout=600 install -y -qq --no-install-recommends nginx-light curl
fi
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build-release -j"$(nproc)" --target schedule_bench tick_bench winthread_bench winhttp_bench fleet_refresh_bench quelmo
build-release/bench/schedule_bench
build-release/bench/tick_bench
build-release/bench/winthread_bench
build-release/bench/winhttp_bench
build-release/bench/fleet_refresh_bench
bash bench/idle_wakeups.sh build-release/app/quelmo
