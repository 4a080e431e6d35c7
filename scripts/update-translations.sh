#!/bin/sh
# Extracts the interface texts of src/ into the translation files, keeping the
# translations already made and dropping those whose text is gone from the sources.
# New texts arrive marked unfinished: translate them (Qt Linguist or an editor) and
# clear the mark, or the translations test fails.
set -eu
cd "$(dirname "$0")/.."

LUPDATE="${LUPDATE:-}"
if [ -z "$LUPDATE" ]; then
    for candidate in /usr/lib/qt6/bin/lupdate "$(command -v lupdate6 || true)" "$(command -v lupdate || true)"; do
        if [ -n "$candidate" ] && [ -x "$candidate" ]; then
            LUPDATE="$candidate"
            break
        fi
    done
fi
if [ -z "$LUPDATE" ]; then
    echo "update-translations: Qt 6 lupdate not found (install qt6-l10n-tools or set LUPDATE)" >&2
    exit 1
fi

for ts in resources/translations/verdimo_*.ts; do
    language=$(basename "$ts" .ts)
    language=${language#verdimo_}
    "$LUPDATE" -locations relative -no-obsolete -source-language en -target-language "$language" \
        src -ts "$ts"
done
