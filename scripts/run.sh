#!/bin/sh
# Installs what is missing, builds, and starts Verdimo on the user's working database.
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
exec build/stage/verdimo "$@"
