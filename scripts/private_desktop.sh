# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced, not run: start_private_desktop FOLDER starts a private X server (Xvfb), a private
# session bus, and a private system bus with a mock of logind, and exports DISPLAY and both bus
# addresses. The X server's and the mock's pids are added to the caller's array `pids`; the
# buses' pids are in FOLDER/*.buspid. The caller ends them all.
start_private_desktop() {
    local folder=$1
    # -displayfd picks a free display and prints its number.
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$folder/display" >/dev/null 2>&1 &
    pids+=($!)
    for _ in $(seq 100); do [ -s "$folder/display" ] && break; sleep 0.1; done
    DISPLAY=":$(cat "$folder/display")"
    DBUS_SESSION_BUS_ADDRESS=$(dbus-daemon --session --fork --print-address=1 --print-pid=3 \
        3>"$folder/session.buspid")
    DBUS_SYSTEM_BUS_ADDRESS=$(dbus-daemon --session --fork --print-address=1 --print-pid=3 \
        3>"$folder/system.buspid")
    export DISPLAY DBUS_SESSION_BUS_ADDRESS DBUS_SYSTEM_BUS_ADDRESS
    /usr/bin/python3 -m dbusmock --system --template logind >/dev/null 2>&1 &
    pids+=($!)
    for _ in $(seq 100); do
        dbus-send --system --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
            org.freedesktop.DBus.NameHasOwner string:org.freedesktop.login1 2>/dev/null |
            grep -q true && break
        sleep 0.1
    done
}
