#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Renews docs/quelmo.png, the README's picture: Quelmo's window with its details panel open, in
# English, as a fresh installation with some energy counted shows it on a Wednesday morning.
# The wall clock is held at 2025-03-05 09:47:13 UTC (faketime), so that the countdown and the
# schedule's time marker come out the same on every run. The program runs on a private X server
# (Xvfb) with a private session bus, and a private system bus with a mock of logind, in a home
# of its own; the details panel is opened by clicking its button and unlocked by typing the
# default password into the Login field, as a person would.
# Usage: scripts/screenshot.sh [path/to/quelmo]
#        (default build-release/app/quelmo, built first as scripts/package.sh builds it)
set -euo pipefail
unset QT_QPA_PLATFORM # the program needs the X server
cd "$(dirname "$0")/.."
root=$PWD
output=$root/docs/quelmo.png

for tool in Xvfb dbus-daemon xdotool xwininfo xwd xwdtopnm pnmtopng; do
    command -v "$tool" >/dev/null ||
        { echo "screenshot: $tool is missing (scripts/install-deps.sh)" >&2; exit 1; }
done
faketime=$(ls /usr/lib/*/faketime/libfaketime.so.1 2>/dev/null | head -1)
[ -n "$faketime" ] || { echo "screenshot: libfaketime is missing (scripts/install-deps.sh)" >&2; exit 1; }
if [ $# -ge 1 ]; then
    program=$(realpath "$1")
else
    bash scripts/configure-release.sh build-release
    cmake --build build-release --target quelmo -j"$(nproc)" >&2
    program=$root/build-release/app/quelmo
fi

work=$(mktemp -d)
chmod 700 "$work"
pids=()
quelmo=
cleanup() {
    local pid
    # The program first: it saves its settings as it ends, while its X server and buses stand.
    if [ -n "$quelmo" ]; then
        kill "$quelmo" 2>/dev/null || true
        wait "$quelmo" 2>/dev/null || true
    fi
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    for pid in "$work"/*.buspid; do [ -f "$pid" ] && kill "$(cat "$pid")" 2>/dev/null || true; done
    wait
    rm -rf "$work"
}
trap cleanup EXIT

source scripts/private_desktop.sh
start_private_desktop "$work"

# The default week, and counters that show a few digits.
home=$work/home
mkdir -p "$home/config/quelmo" "$home/runtime"
chmod 700 "$home/runtime"
printf 'WhUsed=123456\r\nWhSaved=45678\r\n' >"$home/config/quelmo/Quelmo.ini"
(cd "$home" && HOME=$home XDG_CONFIG_HOME=$home/config XDG_RUNTIME_DIR=$home/runtime \
    TZ=UTC LANG=C.UTF-8 LANGUAGE=en LD_PRELOAD=$faketime FAKETIME="2025-03-05 09:47:13" \
    FAKETIME_DONT_FAKE_MONOTONIC=1 exec "$program" >"$work/log" 2>&1) &
quelmo=$!

# The main window by its caption ("Quelmo! V1.14"), not a notice box (captioned "Quelmo!").
window=$(timeout 60 xdotool search --sync --onlyvisible --name '^Quelmo! V' | head -1) || true
if [ -z "$window" ]; then
    echo "screenshot: no window came up; the program said:" >&2
    tail -5 "$work/log" >&2
    exit 1
fi
# Its first ticks fill the status line and the counters.
sleep 3
# A notice of the start-up (this machine may have no clock chip to wake it, say) is answered as
# a person would, with Enter, so that its box is not in the picture.
for box in $(xdotool search --onlyvisible --pid "$quelmo" 2>/dev/null); do
    [ "$box" = "$window" ] && continue
    xdotool windowfocus --sync "$box" key Return 2>/dev/null || true
done
sleep 1
grab() { xwd -silent -id "$window" | xwdtopnm 2>/dev/null | pnmtopng >"$1"; }
grab "$work/before.png"
# The "Show Details" button (app/form1_controls.cpp places it at 446, 62, 140 × 28).
xdotool mousemove --window "$window" 516 76 click 1
sleep 2
grab "$work/after.png"
if cmp -s "$work/before.png" "$work/after.png"; then
    echo "screenshot: the click changed nothing: is Show Details still at 446, 62?" >&2
    exit 1
fi
# Logged in with the default password, so that the panel's controls are enabled and legible.
xdotool mousemove --window "$window" 79 141 click 1
xdotool type --delay 50 wren
# The keyboard away from the window, so that no text cursor blinks in the picture.
xdotool windowfocus "$(xwininfo -root | awk '/Window id:/ {print $4}')"
sleep 2
grab "$work/unlocked.png"
if cmp -s "$work/after.png" "$work/unlocked.png"; then
    echo "screenshot: the login changed nothing: is the Login field still at 24, 128?" >&2
    exit 1
fi
cp "$work/unlocked.png" "$output"
echo "$output"
