#!/bin/sh
# Installs what is missing, checks the formatting, builds with warnings as errors, and runs
# every test.
# SANITIZERS=1 then runs them once more in a build with the address and undefined-behaviour
# sanitizers (build-asan/).
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/check-format.sh
WERROR=ON scripts/build.sh
# The benchmarks are compiled, not run, so that they keep up with the code they measure.
cmake --build build --target benchmarks -j"$(nproc)"
(cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)")
if [ "${SANITIZERS:-0}" != 0 ]; then
    scripts/test-sanitizers.sh
fi
