#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks a built package: its contents against package_contents.txt, lintian, the desktop
# entry and metadata validators, the control fields and the postinst.
set -euo pipefail
deb=$(realpath "$1")
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

echo "== contents of $(basename "$deb")"
dpkg-deb -c "$deb" | tee "$work/listing"
# Modes, owners and names; sizes and times change with every build.
awk '{print $1, $2, $6}' "$work/listing" | sort -k3 >"$work/contents"
diff -u "$here/package_contents.txt" "$work/contents"

echo "== control fields"
dpkg-deb -f "$deb" Package Version Section Priority Depends Recommends | tee "$work/fields"
grep -qx 'Package: quelmo' "$work/fields"
grep -qx 'Section: utils' "$work/fields"
grep -qx 'Priority: optional' "$work/fields"
# Libraries found by dpkg-shlibdeps, and the display plugins and libcurl it cannot see.
grep -q '^Depends: .*libqt6widgets6' "$work/fields"
grep -q '^Depends: .*qt6-qpa-plugins' "$work/fields"
grep -q '^Depends: .*libcurl4 (>= 7.87.0)' "$work/fields"
grep -q '^Depends: .*pkexec' "$work/fields"
[[ $(dpkg-deb -f "$deb" Description | wc -l) -gt 5 ]]

echo "== lintian"
lintian --fail-on error,warning --display-info --show-overrides "$deb"

echo "== desktop entry and metadata"
dpkg-deb -x "$deb" "$work/root"
desktop-file-validate "$work/root/usr/share/applications/io.github.quelmo.Quelmo.desktop"
appstreamcli validate --no-net "$work/root/usr/share/metainfo/io.github.quelmo.Quelmo.metainfo.xml"

echo "== the RTC alarm's helper and its polkit action"
bash "$here/check_polkit_action.sh" \
    "$work/root/usr/share/polkit-1/actions/io.github.quelmo.Quelmo.policy" \
    /usr/libexec/quelmo/quelmo-wakealarm
# pkexec gives it root; it is no set-user-ID program of its own.
[[ -x $work/root/usr/libexec/quelmo/quelmo-wakealarm && ! -u $work/root/usr/libexec/quelmo/quelmo-wakealarm ]]

echo "== libraries"
# libcurl is opened on the first HTTP exchange, not loaded with the program.
if readelf -d "$work/root/usr/bin/quelmo" | grep -i 'NEEDED.*libcurl'; then
    echo "quelmo links libcurl" >&2
    exit 1
fi

echo "== postinst"
dpkg-deb -e "$deb" "$work/control"
# Granting the capability must not stop the installation where it cannot be granted.
sed "s|/usr/bin/quelmo|$work/missing/quelmo|" "$work/control/postinst" >"$work/postinst-missing"
sh "$work/postinst-missing" configure 2>"$work/said"
grep -q 'could not grant cap_wake_alarm' "$work/said"
cp "$work/root/usr/bin/quelmo" "$work/quelmo"
sed "s|/usr/bin/quelmo|$work/quelmo|" "$work/control/postinst" >"$work/postinst-copy"
sh "$work/postinst-copy" configure
if getcap "$work/quelmo" | grep -q cap_wake_alarm; then
    echo "postinst granted cap_wake_alarm"
else
    echo "postinst: this file system holds no capabilities"
fi
echo "package checks passed"
