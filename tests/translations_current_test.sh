#!/usr/bin/env bash
# The committed translations hold exactly the texts marked in the sources, each translated and
# keeping the source's placeholders and line breaks: lupdate, run into a copy, leaves every
# translations/*.ts as it is. After changing a text, run scripts/update-translations.sh and
# translate what it adds in every language.
set -euo pipefail
source_dir=$1
[[ -x /usr/lib/qt6/bin/lupdate ]] || command -v lupdate >/dev/null ||
    { echo "lupdate is not installed"; exit 77; }

out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
bash "$source_dir/scripts/update-translations.sh" "$out" 2>/dev/null
status=0
for ts in "$source_dir"/translations/quelmo_*.ts; do
    diff -u "$ts" "$out/$(basename "$ts")" || { echo "not current: $ts"; status=1; }
    if grep -q 'type="unfinished"' "$ts"; then
        echo "untranslated texts in $ts"
        status=1
    fi
done
# The desktop entry and the AppStream metadata speak every language the program does.
desktop=$source_dir/packaging/io.github.quelmo.Quelmo.desktop
metainfo=$source_dir/packaging/io.github.quelmo.Quelmo.metainfo.xml
items=$(grep -c '<li>' "$metainfo")
for ts in "$source_dir"/translations/quelmo_*.ts; do
    lang=$(basename "$ts" .ts)
    lang=${lang#quelmo_}
    for key in GenericName Comment Keywords; do
        grep -q "^$key\[$lang\]=" "$desktop" || { echo "$desktop: no $key[$lang]"; status=1; }
    done
    for element in summary p; do
        grep -q "<$element xml:lang=\"$lang\">" "$metainfo" ||
            { echo "$metainfo: no <$element xml:lang=\"$lang\">"; status=1; }
    done
    [[ $(grep -c "<li xml:lang=\"$lang\">" "$metainfo") == "$items" ]] ||
        { echo "$metainfo: not every <li> has xml:lang=\"$lang\""; status=1; }
done
# Placeholders, line breaks and joining spaces as in the source texts.
/usr/bin/python3 "$source_dir/tests/translations_form_check.py" "$source_dir"/translations/quelmo_*.ts ||
    status=1
exit $status
