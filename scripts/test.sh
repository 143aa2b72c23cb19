#!/usr/bin/env bash
# Installs what the tests need, then builds and runs every test: the layout check, the Debian
# package and its checks, the plain build, the AddressSanitizer + UndefinedBehaviorSanitizer
# build (leak detection on for the HTTP subsystem), the threaded code under ThreadSanitizer and
# the fuzz targets for a bounded time. Run as root on Debian 12.
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

run_build() { # name, cmake options…
    local dir=$1
    shift
    stage "build $dir"
    cmake -S . -B "$dir" -G Ninja "$@" >/dev/null
    cmake --build "$dir" -j"$jobs"
}

# The Debian package (a release build of the program alone) and its checks. The plain test
# run below also starts the program unpacked from it.
stage "build the package"
package=$(bash scripts/package.sh --no-deps)
stage "package checks"
bash tests/packaging/check_package.sh "$package"

run_build build-test -DCMAKE_BUILD_TYPE=Debug
stage "tests"
QUELMO_PACKAGE=$package ctest --test-dir build-test --output-on-failure -j"$jobs"

export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
run_build build-asan -DCMAKE_BUILD_TYPE=Debug -DQUELMO_SANITIZE=ON -DQUELMO_BUILD_BENCH=OFF
stage "tests under ASan + UBSan"
ctest --test-dir build-asan --output-on-failure -j"$jobs" -LE http
# The HTTP subsystem owns threads and transfers: its tests run with leak detection on.
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
    ctest --test-dir build-asan --output-on-failure -j"$jobs" -L http

# Only the code that runs threads of its own: Qt itself is not built for ThreadSanitizer.
export TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1
stage "build build-tsan"
cmake -S . -B build-tsan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUELMO_TSAN=ON -DQUELMO_BUILD_BENCH=OFF >/dev/null
cmake --build build-tsan -j"$jobs" --target http_fetch_test winthread_test winthread_wait_test \
    winhttp_fault_test winhttp_engine_test http_resolver_test
stage "tests under TSan"
ctest --test-dir build-tsan --output-on-failure -L threaded

stage "fuzz targets"
bash tests/config/fuzz/run_fuzz.sh
