#!/usr/bin/env bash
# Installs what the tests need, then builds and runs every test: the layout check, the release
# tree (the Debian package and its checks, the benchmarks run small), every test program under
# AddressSanitizer + UndefinedBehaviorSanitizer (leak detection on for the HTTP subsystem), the
# threaded code under ThreadSanitizer and the fuzz targets for a bounded time. Prints each
# stage's time at the end. Run as root on Debian 12.
set -euo pipefail
cd "$(dirname "$0")/.."

# Each stage's time, printed at the end of the run, also when a stage fails.
stage_names=()
stage_seconds=()
current_stage=
current_start=$SECONDS
stage() { # name: ends the stage running and begins the next
    local now=$SECONDS
    if [ -n "$current_stage" ]; then
        stage_names+=("$current_stage")
        stage_seconds+=($((now - current_start)))
    fi
    current_stage=$1
    current_start=$now
    [ -n "$1" ] && echo "== $1"
    return 0
}
print_times() {
    local status=$? i
    local failed=$current_stage
    stage ""
    echo
    printf '%-40s %8s\n' "Stage" "Time"
    for i in "${!stage_names[@]}"; do
        printf '%-40s %5d:%02d%s\n' "${stage_names[$i]}" $((stage_seconds[i] / 60)) \
            $((stage_seconds[i] % 60)) "$([ $status -ne 0 ] && [ "${stage_names[$i]}" = "$failed" ] && echo '  FAILED')"
    done
    printf '%-40s %5d:%02d\n' "Total" $((SECONDS / 60)) $((SECONDS % 60))
}
trap print_times EXIT

stage "install what the tests need"
bash scripts/install-deps.sh
# First, and cheap: every tracked C++ file as clang-format lays it out.
stage "layout check"
bash scripts/check-format.sh
export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)

# One release tree serves the Debian package, the package test and the benchmarks. The
# package's checks, and the benchmarks that CI runs small, run from it.
stage "release tree: package, benchmarks"
package=$(bash scripts/package.sh --no-deps)
cmake --build build-release -j"$jobs" --target quelmo_benchmarks
stage "package checks, benchmarks run small"
bash tests/packaging/check_package.sh "$package"
ctest --test-dir build-release --output-on-failure -R '_bench$'

# Every test program runs under AddressSanitizer and UndefinedBehaviorSanitizer, the package
# test against the package above. Line tables are all a sanitizer's report needs. The sanitizer
# trees are built with clang, which reads only what a file uses of the precompiled headers where
# GCC loads all of them: a third of the build time. GCC builds the package.
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1
clangxx=$(command -v clang++-14 || command -v clang++)
stage "build build-asan"
cmake -S . -B build-asan -G Ninja -DCMAKE_CXX_COMPILER="$clangxx" -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_CXX_FLAGS_DEBUG=-g1 -DQUELMO_SANITIZE=ON -DQUELMO_BUILD_BENCH=OFF >/dev/null
cmake --build build-asan -j"$jobs"

# While the tests mostly wait on timers and servers, the ThreadSanitizer programs (only the
# code that runs threads of its own: Qt itself is not built for it) and the fuzz targets build
# at the lowest priority.
stage "tests under ASan + UBSan"
tsan_targets=(http_fetch_test winthread_test winthread_wait_test winhttp_fault_test
    winhttp_engine_test http_resolver_test curl_loading_test)
(
    cmake -S . -B build-tsan -G Ninja -DCMAKE_CXX_COMPILER="$clangxx" -DCMAKE_BUILD_TYPE=Debug \
        -DCMAKE_CXX_FLAGS_DEBUG=-g1 -DQUELMO_TSAN=ON -DQUELMO_BUILD_BENCH=OFF >/dev/null
    nice -n 19 cmake --build build-tsan -j"$jobs" --target "${tsan_targets[@]}"
    FUZZ_BUILD_ONLY=1 nice -n 19 bash tests/config/fuzz/run_fuzz.sh
) >build-background.log 2>&1 &
background=$!
QUELMO_PACKAGE=$package ctest --test-dir build-asan --output-on-failure -j"$jobs" -LE http
# The HTTP subsystem owns threads and transfers: its tests run with leak detection on.
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
    ctest --test-dir build-asan --output-on-failure -j"$jobs" -L http
stage "build-tsan, fuzz targets (rest)"
if ! wait "$background"; then
    cat build-background.log
    exit 1
fi

stage "tests under TSan"
ctest --test-dir build-tsan --output-on-failure -L threaded

stage "fuzz targets"
bash tests/config/fuzz/run_fuzz.sh
