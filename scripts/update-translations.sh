#!/usr/bin/env bash
# Refreshes translations/*.ts from the texts marked in the sources.
#   scripts/update-translations.sh              refresh every translations/quelmo_*.ts
#   scripts/update-translations.sh --add LANG   first start translations/quelmo_LANG.ts (LANG as
#                                               in LANGUAGE: fr, pt_BR), then refresh them all
#   scripts/update-translations.sh FOLDER       write refreshed copies to FOLDER instead, leaving
#                                               the originals alone (the test that the committed
#                                               files are current compares them)
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
out=
add=
case ${1:-} in
--add)
    add=${2:?"--add needs a language, e.g. fr or pt_BR"}
    [[ $add =~ ^[a-z]{2,3}(_[A-Z]{2})?$ ]] || { echo "not a language: $add" >&2; exit 1; }
    ;;
?*) out=$1 ;;
esac
lupdate=/usr/lib/qt6/bin/lupdate
[[ -x $lupdate ]] || lupdate=$(command -v lupdate)

cd "$root"
# Texts::Tr is Texts::tr returning UTF-8; no line numbers, so that unrelated edits leave the
# files alone.
update() { # ts file, lupdate options…
    local ts=$1
    shift
    "$lupdate" -silent -no-obsolete -locations none -tr-function-alias tr+=Tr "$@" \
        -I . -extensions cpp,h app model power schedule tray config notify fleet_report -ts "$ts"
}
if [[ -n $add && ! -e translations/quelmo_$add.ts ]]; then
    update "translations/quelmo_$add.ts" -target-language "$add"
fi
for ts in translations/quelmo_*.ts; do
    target=$ts
    if [[ -n $out ]]; then
        target=$out/$(basename "$ts")
        cp "$ts" "$target"
    fi
    update "$target"
done
