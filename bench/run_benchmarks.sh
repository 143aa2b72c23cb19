#!/usr/bin/env bash
# Builds the benchmarks in the release tree that the package comes from
# (scripts/configure-release.sh), runs them and the idle measurement (Quelmo and KShutdown side
# by side in one tray), and prints every figure in one table with its target and ratio.
# BENCH_BUILD_DIR (default build-release) names the build folder; a tree that scripts/test.sh
# has built already is reused.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BENCH_BUILD_DIR:-build-release}
# The HTTP benchmark serves its files from an nginx it starts itself and compares with curl;
# the idle measurement needs a tray on a private X server and KShutdown as its peer; the fleet
# report's peer is mawk.
need=()
for pair in nginx:nginx-light curl:curl Xvfb:xvfb trayer:trayer kshutdown:kshutdown mawk:mawk; do
    command -v "${pair%%:*}" >/dev/null || need+=("${pair#*:}")
done
if [ ${#need[@]} -gt 0 ]; then
    export DEBIAN_FRONTEND=noninteractive
    apt-get -o DPkg::Lock::Timeout=600 install -y -qq --no-install-recommends "${need[@]}" ||
        echo "bench: could not install ${need[*]}; their figures are left out" >&2
fi
# No report host, as the package is built: an idle PC then makes no HTTP exchange, and the
# program has not opened libcurl.
bash scripts/configure-release.sh "$build"
cmake --build "$build" -j"$(nproc)" --target quelmo_benchmarks quelmo

out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
export QT_QPA_PLATFORM=offscreen
for bench in schedule_bench tick_bench winthread_bench winhttp_bench fleet_refresh_bench \
    fleet_report_bench; do
    "$build/bench/$bench" --benchmark_out="$out/$bench.json" --benchmark_out_format=json
done
(unset QT_QPA_PLATFORM && bash bench/idle_wakeups.sh "$build/app/quelmo" "$build/bench/idle_floor") | tee "$out/idle.txt"
echo
/usr/bin/python3 bench/benchmark_table.py "$out"
