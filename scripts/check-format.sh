#!/usr/bin/env bash
# Fails, naming the places, when clang-format 14 with the repository's .clang-format would
# change any tracked C++ file. Optional argument: the repository (default: this one).
set -euo pipefail
cd "${1:-$(dirname "$0")/..}"

if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    mapfile -d '' files < <(git ls-files -z -- '*.cpp' '*.h')
else
    mapfile -d '' files < <(find . -path './build*' -prune -o \( -name '*.cpp' -o -name '*.h' \) -print0)
fi
((${#files[@]})) || exit 0
clang-format-14 --dry-run --Werror "${files[@]}"
