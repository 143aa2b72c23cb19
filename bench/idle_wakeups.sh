#!/usr/bin/env bash
# Starts Quelmo on the offscreen platform against a private logind mock, lets it hide its
# window (30 s), then prints its context switches and CPU time over one minute of idling.
# Usage: bench/idle_wakeups.sh [path/to/quelmo]   (default: build-release/app/quelmo)
set -euo pipefail
cd "$(dirname "$0")/.."
program=${1:-build-release/app/quelmo}
[ -x "$program" ] || { echo "build $program first (cmake --build build-release)" >&2; exit 1; }

work=$(mktemp -d)
cleanup() {
    [ -n "${quelmo_pid:-}" ] && kill "$quelmo_pid" 2>/dev/null || true
    [ -n "${mock_pid:-}" ] && kill "$mock_pid" 2>/dev/null || true
    [ -f "$work/bus.pid" ] && kill "$(cat "$work/bus.pid")" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

address=$(dbus-daemon --session --fork --print-address=1 --print-pid=3 3>"$work/bus.pid")
export DBUS_SYSTEM_BUS_ADDRESS=$address
/usr/bin/python3 -m dbusmock --system --template logind >/dev/null 2>&1 &
mock_pid=$!
for _ in $(seq 50); do
    dbus-send --system --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner string:org.freedesktop.login1 2>/dev/null |
        grep -q true && break
    sleep 0.1
done

# A copy in its own folder, so that its settings files stay out of the build tree.
cp "$program" "$work/quelmo"
QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$work "$work/quelmo" &
quelmo_pid=$!

switches() { # voluntary + involuntary, summed over all threads
    cat /proc/"$quelmo_pid"/task/*/status 2>/dev/null |
        awk '/^(non)?voluntary_ctxt_switches/ {n += $2} END {print n + 0}'
}
cpu_ticks() { awk '{print $14 + $15}' /proc/"$quelmo_pid"/stat; }

sleep 35
kill -0 "$quelmo_pid" || { echo "quelmo ended early" >&2; exit 1; }
s0=$(switches); c0=$(cpu_ticks)
sleep 60
s1=$(switches); c1=$(cpu_ticks)
hz=$(getconf CLK_TCK)
echo "idle minute: context switches $((s1 - s0)), CPU time $(awk -v t=$((c1 - c0)) -v hz="$hz" 'BEGIN {printf "%.2f", t / hz}') s, threads $(ls /proc/"$quelmo_pid"/task | wc -l)"
