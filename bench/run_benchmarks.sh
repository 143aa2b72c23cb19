#!/usr/bin/env bash
# Builds the benchmarks in Release and prints their figures.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build-release -j"$(nproc)" --target schedule_bench tick_bench winthread_bench quelmo
build-release/bench/schedule_bench
build-release/bench/tick_bench
build-release/bench/winthread_bench
bash bench/idle_wakeups.sh build-release/app/quelmo
