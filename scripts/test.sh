#!/usr/bin/env bash
# Installs what the tests need, then builds and runs every test: the layout check, the Debian
# package and its checks, the plain build, the AddressSanitizer + UndefinedBehaviorSanitizer
# build (leak detection on for the HTTP subsystem), the threaded code under ThreadSanitizer and
# the fuzz targets for a bounded time. Run as root on Debian 12.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
# First, and cheap: every tracked C++ file as clang-format lays it out.
bash scripts/check-format.sh
export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)

run_build() { # name, cmake options…
    local dir=$1
    shift
    echo "== $dir"
    cmake -S . -B "$dir" -G Ninja "$@" >/dev/null
    cmake --build "$dir" -j"$jobs"
}

# The Debian package (a release build of the program alone) and its checks. The plain test
# run below also starts the program unpacked from it.
echo "== build-package"
package=$(bash scripts/package.sh --no-deps)
bash tests/packaging/check_package.sh "$package"

run_build build-test -DCMAKE_BUILD_TYPE=Debug
QUELMO_PACKAGE=$package ctest --test-dir build-test --output-on-failure -j"$jobs"

export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
run_build build-asan -DCMAKE_BUILD_TYPE=Debug -DQUELMO_SANITIZE=ON -DQUELMO_BUILD_BENCH=OFF
ctest --test-dir build-asan --output-on-failure -j"$jobs" -LE http
# The HTTP subsystem owns threads and transfers: its tests run with leak detection on.
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
    ctest --test-dir build-asan --output-on-failure -j"$jobs" -L http

# Only the code that runs threads of its own: Qt itself is not built for ThreadSanitizer.
export TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1
echo "== build-tsan"
cmake -S . -B build-tsan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUELMO_TSAN=ON -DQUELMO_BUILD_BENCH=OFF >/dev/null
cmake --build build-tsan -j"$jobs" --target http_fetch_test winthread_test winthread_wait_test \
    winhttp_fault_test winhttp_engine_test
ctest --test-dir build-tsan --output-on-failure -L threaded

bash tests/config/fuzz/run_fuzz.sh
