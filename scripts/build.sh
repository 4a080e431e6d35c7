#!/bin/sh
# Configures and builds Verdimo into build/ (programs and template database in build/stage/).
# BUILD_DIR, BUILD_TYPE and CMAKE_ARGS (more -D settings) change the defaults; arguments are
# passed to the configure step as they stand, for settings whose values hold spaces.
set -eu
cd "$(dirname "$0")/.."
BUILD_DIR="${BUILD_DIR:-build}"
# shellcheck disable=SC2086
cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}" \
      -DVERDIMO_SUBSYSTEMS="base;db;cards;registries;reports;chart;exchange;online;app;cli" \
      ${CMAKE_ARGS:-} "$@" >/dev/null
cmake --build "$BUILD_DIR" -j"$(nproc)"
