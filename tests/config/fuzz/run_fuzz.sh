#!/usr/bin/env bash
# Builds the fuzz targets (the store's, the HTTP utilities', the HTTP engine's) with clang in a
# build folder of their own and runs them side by side for a bounded time. FUZZ_SECONDS
# (default 60 for the store, half of it for each HTTP target) and FUZZ_BUILD_DIR (default
# build-fuzz) change that; with FUZZ_BUILD_ONLY set it only builds them.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
root="$(cd "$here/../../.." && pwd)"
build="${FUZZ_BUILD_DIR:-$root/build-fuzz}"
seconds="${FUZZ_SECONDS:-60}"

cxx="$(command -v clang++ || command -v clang++-14 || true)"
if [ -z "$cxx" ]; then
    echo "run_fuzz.sh: clang++ is missing (Debian: clang, libclang-rt-dev)" >&2
    exit 1
fi

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER="$cxx" -DQUELMO_FUZZ=ON -DQUELMO_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" --target config_store_fuzz http_utils_fuzz winhttp_engine_fuzz -j2

[ -z "${FUZZ_BUILD_ONLY:-}" ] || exit 0

run() { # binary, corpus folder, seconds, longest input, further options…
    # The fuzzer adds what it finds to the corpus folder: work on a copy.
    local work
    work="$(mktemp -d)"
    cp "$2"/* "$work"/
    "$1" -max_total_time="$3" -max_len="$4" -rss_limit_mb=2048 -print_final_stats=1 "${@:5}" "$work"
    rm -rf "$work"
}
# Side by side; each one's report follows the others'.
logs="$(mktemp -d)"
trap 'rm -rf "$logs"' EXIT
fuzz="$root/tests/http/fuzz"
run "$build/tests/config/fuzz/config_store_fuzz" "$here/corpus" "$seconds" 4096 >"$logs/store" 2>&1 &
store=$!
run "$build/tests/http/fuzz/http_utils_fuzz" "$fuzz/corpus" $((seconds / 2 + 1)) 256 \
    >"$logs/http" 2>&1 &
http=$!
# The engine's own threads and files must all be released: leak detection on.
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 run "$build/tests/http/fuzz/winhttp_engine_fuzz" \
    "$fuzz/engine_corpus" $((seconds / 2 + 1)) 4096 -dict="$fuzz/engine.dict" >"$logs/engine" 2>&1 &
engine=$!
status=0
wait "$store" || status=1
wait "$http" || status=1
wait "$engine" || status=1
cat "$logs/store" "$logs/http" "$logs/engine"
exit "$status"
