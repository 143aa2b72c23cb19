#!/usr/bin/env bash
# Builds the store's fuzz target with clang in a build folder of its own and runs it for a
# bounded time. FUZZ_SECONDS (default 60) and FUZZ_BUILD_DIR (default build-fuzz) change that.
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
cmake --build "$build" --target config_store_fuzz -j2

# The fuzzer adds what it finds to the corpus folder: work on a copy.
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cp "$here"/corpus/* "$work"/
"$build/tests/config/fuzz/config_store_fuzz" -max_total_time="$seconds" -max_len=4096 \
    -rss_limit_mb=2048 -print_final_stats=1 "$work"
