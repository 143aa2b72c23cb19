#!/usr/bin/env bash
# The format check that scripts/test.sh runs first: it fails on a file clang-format would
# change, and passes once the file is formatted.
set -euo pipefail
source_dir=$1
command -v clang-format-14 >/dev/null || { echo "clang-format-14 is not installed"; exit 77; }

repo=$(mktemp -d)
trap 'rm -rf "$repo"' EXIT
cp "$source_dir/.clang-format" "$repo/"
git -C "$repo" init -q
printf 'int  f( int x ){return x;}\n' >"$repo/bad.cpp"
git -C "$repo" add .clang-format bad.cpp

if bash "$source_dir/scripts/check-format.sh" "$repo" 2>/dev/null; then
    echo "FAIL: a file clang-format would change passed the check"
    exit 1
fi
clang-format-14 -i "$repo/bad.cpp"
bash "$source_dir/scripts/check-format.sh" "$repo"
echo "the check fails on an unformatted file and passes on a formatted one"
