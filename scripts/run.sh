#!/bin/sh
# Installs what is missing, builds, and starts Verdimo on the user's working database; the
# arguments go to the program (for example a farm file to open).
# A second run starts at once: the package check runs only when the package list or the
# system's installed packages changed since the last good check, and the build is configured
# only when its settings changed (ninja configures again by itself for a changed CMakeLists).
# A warning does not stop the build here: it is the program to use, not the one to test.
set -eu
cd "$(dirname "$0")/.."
BUILD_DIR="${BUILD_DIR:-build}"
mkdir -p "$BUILD_DIR"

stamp="$BUILD_DIR/.packages-checked"
state="$(sha256sum scripts/install-deps.sh | cut -d' ' -f1) $(stat -c %Y /var/lib/dpkg/status)"
if [ "$(cat "$stamp" 2>/dev/null)" != "$state" ]; then
    scripts/install-deps.sh
    # Installing changed the dpkg status: take it after the installation.
    echo "$(sha256sum scripts/install-deps.sh | cut -d' ' -f1) $(stat -c %Y /var/lib/dpkg/status)" > "$stamp"
fi
WERROR=OFF BUILD_DIR="$BUILD_DIR" scripts/build.sh
exec "$BUILD_DIR/stage/verdimo" "$@"
