#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the polkit action of the RTC alarm's helper: valid against polkit's DTD, granted to
# the active local session alone, and bound to the helper's path.
# Usage: check_polkit_action.sh POLICY-FILE HELPER-PATH
set -euo pipefail
policy=$1
helper=$2
dtd=/usr/share/polkit-1/policyconfig-1.dtd
if ! command -v xmllint >/dev/null || [[ ! -f $dtd ]]; then
    echo "xmllint (libxml2-utils) or polkit's DTD (polkitd) is missing" >&2
    exit 77
fi
xmllint --nonet --noout --dtdvalid "$dtd" "$policy"

action='//action[@id="io.github.quelmo.Quelmo.set-wake-alarm"]'
value() { xmllint --xpath "string($action/$1)" "$policy"; }
failed=0
expect() { # name wanted got
    if [[ $3 != "$2" ]]; then
        echo "$1: '$3', wanted '$2'" >&2
        failed=1
    fi
}
expect "actions" 1 "$(xmllint --xpath 'count(//action)' "$policy")"
expect "allow_any" no "$(value defaults/allow_any)"
expect "allow_inactive" no "$(value defaults/allow_inactive)"
expect "allow_active" yes "$(value defaults/allow_active)"
expect "exec.path" "$helper" \
    "$(value 'annotate[@key="org.freedesktop.policykit.exec.path"]')"
expect "annotations" 1 "$(xmllint --xpath "count($action/annotate)" "$policy")"
exit $failed
