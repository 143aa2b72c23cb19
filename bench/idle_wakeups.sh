#!/usr/bin/env bash
# Idle cost of Quelmo hidden in a real notification area, side by side with KShutdown when it is
# installed: both run on one private X server (Xvfb) with an XEmbed tray (trayer), a private
# session bus and a private system bus with a mock of logind. After they have settled, one minute
# of idling is measured for both at the same time, so that the load of the machine weighs on
# both alike. Prints one line per program:
#   idle <name> cpu_ms=<CPU per idle minute> vcsw_s=<voluntary context switches/s, all threads>
#        threads=<n> dirty_kb=<private dirty> pss_kb=<PSS>
# CPU time is the scheduler's own account (/proc/PID/task/*/schedstat, nanoseconds), not the
# 10 ms clock ticks of /proc/PID/stat, which charge a whole tick or nothing to a short wake-up.
# A third program, the floor (bench/idle_floor.cpp: a Qt Widgets program in the tray whose
# one-second timer does nothing), shows what a wake-up a second costs on this machine at least.
# Quelmo's next switch-off lies about two hours ahead, so that it sleeps until its next moment
# rather than ticking every second. After the measurement `quelmo --status` asks it, asleep, for
# its status, which must be the present second's:
#   status quelmo seconds_left_error=<s> kwh_used_error=<kWh>
# (the seconds left as the last tick counted them, in the middle of a second, against the clock
# when the answer came: within two seconds; the kWh to the hundredth).
# Usage: bench/idle_wakeups.sh [path/to/quelmo [path/to/idle_floor]]
#        (defaults: build-release/app/quelmo, build-release/bench/idle_floor)
# Environment: IDLE_SETTLE (s, default 65), IDLE_SECONDS (s, default 60). The settling time
# lets Quelmo hide into the tray (30 s); asleep, it saves every ten minutes.
set -euo pipefail
unset QT_QPA_PLATFORM # the programs need the X server
cd "$(dirname "$0")/.."
program=${1:-build-release/app/quelmo}
floor=${2:-build-release/bench/idle_floor}
# Each program starts in a folder of its own.
[ -x "$floor" ] && floor=$(realpath "$floor")
settle=${IDLE_SETTLE:-65}
seconds=${IDLE_SECONDS:-60}
[ -x "$program" ] || { echo "build $program first (cmake --build build-release)" >&2; exit 1; }
for tool in Xvfb trayer dbus-daemon; do
    command -v "$tool" >/dev/null || { echo "idle: $tool is missing (scripts/install-deps.sh)" >&2; exit 1; }
done

work=$(mktemp -d)
chmod 700 "$work"
pids=()
cleanup() {
    local pid
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    for pid in "$work"/*.buspid; do [ -f "$pid" ] && kill "$(cat "$pid")" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT

source scripts/private_desktop.sh
start_private_desktop "$work"
trayer --edge bottom --expand false >/dev/null 2>&1 &
pids+=($!)
sleep 1

# Each program gets a home of its own, so that its settings stay out of the user's.
start() { # name, command…
    local name=$1
    shift
    mkdir -p "$work/$name/config" "$work/$name/runtime"
    chmod 700 "$work/$name/runtime"
    (cd "$work/$name" && HOME=$work/$name XDG_CONFIG_HOME=$work/$name/config \
        XDG_RUNTIME_DIR=$work/$name/runtime exec "$@" >"$work/$name/log" 2>&1) &
    pids+=($!)
    eval "pid_$name=$!"
}

# A copy in its own folder, so that its files stay out of the build tree. Its files: 999 W
# (a hundredth of a kWh every 36 s, so that a status out of date shows) and a week that switches
# off in about two hours, and nowhere else.
mkdir -p "$work/quelmo/config/quelmo"
cp "$program" "$work/quelmo/quelmo"
printf 'WhUsed=12345\r\nOnPower=999\r\n' >"$work/quelmo/config/quelmo/Quelmo.ini"
off_at=$(( ($(date +%s) + 2 * 3600) / 600 * 600 ))
/usr/bin/python3 - "$off_at" >"$work/quelmo/config/quelmo/Default.db" <<'PY'
import sys, time
t = time.localtime(int(sys.argv[1]))
week = [["1"] * 144 for _ in range(7)]
week[t.tm_wday][(t.tm_hour * 60 + t.tm_min) // 10] = "0"
for key, day in zip(["Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"], week):
    sys.stdout.write(f"{key}={''.join(day)}\r\n")
PY
started_at=$(date +%s.%N)
start quelmo ./quelmo
names=(quelmo)
if command -v kshutdown >/dev/null; then
    # --init: start hidden in the tray.
    start kshutdown kshutdown --init
    names+=(kshutdown)
else
    echo "idle: kshutdown is not installed, Quelmo is measured without it" >&2
fi
if [ -x "$floor" ]; then
    start floor "$floor"
    names+=(floor)
fi

cpu_ns() { cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{n += $1} END {printf "%d", n}'; }
vcsw() {
    cat /proc/"$1"/task/*/status 2>/dev/null | awk '/^voluntary_ctxt_switches/ {n += $2} END {print n + 0}'
}

sleep "$settle"
declare -A c0 s0
alive=()
for name in "${names[@]}"; do
    pid_var=pid_$name
    if kill -0 "${!pid_var}" 2>/dev/null; then
        alive+=("$name")
        c0[$name]=$(cpu_ns "${!pid_var}")
        s0[$name]=$(vcsw "${!pid_var}")
    else
        echo "idle: $name ended early:" >&2
        tail -3 "$work/$name/log" >&2
        [ "$name" = quelmo ] && exit 1
    fi
done
sleep "$seconds"
for name in "${alive[@]}"; do
    pid_var=pid_$name
    pid=${!pid_var}
    kill -0 "$pid" 2>/dev/null || { echo "idle: $name ended during the measurement" >&2; continue; }
    c1=$(cpu_ns "$pid")
    s1=$(vcsw "$pid")
    threads=$(ls /proc/"$pid"/task | wc -l)
    dirty=$(awk '/^Private_Dirty:/ {print $2}' /proc/"$pid"/smaps_rollup)
    pss=$(awk '/^Pss:/ {print $2}' /proc/"$pid"/smaps_rollup)
    awk -v n="$name" -v c=$((c1 - c0[$name])) -v s=$((s1 - s0[$name])) -v t="$seconds" \
        -v th="$threads" -v d="$dirty" -v p="$pss" 'BEGIN {
            printf "idle %s cpu_ms=%.2f vcsw_s=%.3f threads=%d dirty_kb=%d pss_kb=%d\n",
                n, c / 1e6 * 60 / t, s / t, th, d, p }'
done

# Asleep, Quelmo's status all the same: the seconds to the switch-off and the energy used as a
# tick every second would have them.
status=$(cd "$work/quelmo" && HOME=$work/quelmo XDG_CONFIG_HOME=$work/quelmo/config \
    XDG_RUNTIME_DIR=$work/quelmo/runtime ./quelmo --status)
asked_at=$(date +%s.%N)
left=$(sed -n 's/^SecondsLeft: //p' <<<"$status")
kwh=$(sed -n 's/^KwhUsed: //p' <<<"$status")
awk -v left="$left" -v kwh="$kwh" -v off="$off_at" -v asked="$asked_at" -v began="$started_at" '
    function abs(x) { return x < 0 ? -x : x }
    BEGIN {
        expected_kwh = int((12345 + 999 / 3600 * (asked - began)) / 10) / 100
        printf "status quelmo seconds_left_error=%.1f kwh_used_error=%.2f\n",
            abs(left - (off - asked)), abs(kwh - expected_kwh) }'

