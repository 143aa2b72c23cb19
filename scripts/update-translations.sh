#!/usr/bin/env bash
# Refreshes translations/*.ts from the texts marked in the sources. With a folder argument it
# writes refreshed copies there instead, leaving the originals alone (the test that the
# committed files are current compares them).
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-}
lupdate=/usr/lib/qt6/bin/lupdate
[[ -x $lupdate ]] || lupdate=$(command -v lupdate)

cd "$root"
for ts in translations/quelmo_*.ts; do
    target=$ts
    if [[ -n $out ]]; then
        target=$out/$(basename "$ts")
        cp "$ts" "$target"
    fi
    # Texts::Tr is Texts::tr returning UTF-8; no line numbers, so that unrelated edits
    # leave the files alone.
    "$lupdate" -silent -no-obsolete -locations none -tr-function-alias tr+=Tr \
        -I . -extensions cpp,h app power schedule tray config notify fleet_report -ts "$target"
done
