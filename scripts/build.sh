#!/bin/sh
# Configures and builds Verdimo into build/ (programs and template database in build/stage/).
# BUILD_DIR, BUILD_TYPE and CMAKE_ARGS (more -D settings) change the defaults; arguments are
# passed to the configure step as they stand, for settings whose values hold spaces. Warnings
# fail the build (WERROR=OFF lets them pass, as a release build does).
# The configure step runs only when the build folder is new or its settings changed: ninja
# configures again by itself when a CMakeLists.txt changes.
set -eu
cd "$(dirname "$0")/.."
BUILD_DIR="${BUILD_DIR:-build}"

# shellcheck disable=SC2086
set -- -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}" \
       -DVERDIMO_SUBSYSTEMS="base;db;cards;registries;reports;chart;exchange;online;app;cli" \
       -DVERDIMO_WERROR="${WERROR:-ON}" ${CMAKE_ARGS:-} "$@"
settings=$(printf '%s\n' "$@" | sha256sum | cut -d' ' -f1)
stamp="$BUILD_DIR/.configure-settings"
if [ ! -f "$BUILD_DIR/build.ninja" ] || [ "$(cat "$stamp" 2>/dev/null)" != "$settings" ]; then
    cmake -S . -B "$BUILD_DIR" -G Ninja "$@" >/dev/null
    echo "$settings" > "$stamp"
fi
cmake --build "$BUILD_DIR" -j"$(nproc)"
