#!/bin/sh
# Fails when a C++ source in src/, tests/ or bench/ is not formatted as .clang-format says,
# naming each such file. Format one with: clang-format -i FILE
set -eu
cd "$(dirname "$0")/.."
CLANG_FORMAT="${CLANG_FORMAT:-$(command -v clang-format-14 || command -v clang-format || true)}"
if [ -z "$CLANG_FORMAT" ]; then
    echo "check-format: clang-format is not installed (scripts/install-deps.sh installs it)" >&2
    exit 1
fi

# clang-format goes on past a file that is not formatted and names each place it would change
# as FILE:LINE:COLUMN: error: ...
report=$(find src tests bench -type f \( -name '*.cpp' -o -name '*.h' \) -print0 |
    xargs -0 "$CLANG_FORMAT" --dry-run --Werror 2>&1) && status=0 || status=$?
unformatted=$(printf '%s\n' "$report" | sed -n 's/^\(.*\):[0-9]*:[0-9]*: error: .*/\1/p' |
    sort -u)

if [ "$status" -ne 0 ] || [ -n "$unformatted" ]; then
    if [ -n "$unformatted" ]; then
        echo "check-format: these files are not formatted with .clang-format:" >&2
        printf '%s\n' "$unformatted" | sed 's/^/  /' >&2
        echo "check-format: run clang-format -i on them" >&2
    else
        printf '%s\n' "$report" >&2
    fi
    exit 1
fi
echo "check-format: all sources are formatted"
