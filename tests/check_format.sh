#!/usr/bin/env bash
# Fails, naming the files, when a C++ file of the repository is not laid out as .clang-format says.
#   check_format.sh CLANG_FORMAT SOURCE_DIR
# The layout is one that Debian 12's clang-format 14 and Debian 13's clang-format 19 agree on; CI
# checks it with both.
set -euo pipefail
clang_format=$1
cd "$2"
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    mapfile -t files < <(git ls-files -co --exclude-standard -- '*.cpp' '*.h')
else
    mapfile -t files < <(find . -path './build*' -prune -o \( -name '*.cpp' -o -name '*.h' \) -print)
fi
unformatted=()
for file in "${files[@]}"; do
    [[ -f $file ]] || continue
    "$clang_format" --dry-run --Werror "$file" >/dev/null 2>&1 || unformatted+=("$file")
done
if [[ ${#unformatted[@]} -gt 0 ]]; then
    printf 'not formatted (clang-format -i FILE): %s\n' "${unformatted[@]}"
    version=$("$clang_format" --version)
    echo "Checked with ${version#Debian }. Where clang-format 14 and 19 lay a line out differently"
    echo "(a lambda among a call's arguments, say), write it so that both agree: name the lambda."
    exit 1
fi
echo "${#files[@]} files formatted"
