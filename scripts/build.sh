#!/bin/sh
# Configures and builds Verdimo into build/ (programs and template database in build/stage/).
set -eu
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}" \
      -DVERDIMO_SUBSYSTEMS="base;db;cards;registries;reports;chart;exchange;online;app;cli" >/dev/null
cmake --build build -j"$(nproc)"
