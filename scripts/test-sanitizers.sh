#!/bin/sh
# Builds Verdimo with AddressSanitizer and UndefinedBehaviorSanitizer into build-asan/ (a debug
# build without the benchmarks) and runs every test there. Any finding fails its test.
set -eu
cd "$(dirname "$0")/.."
root=$(pwd)

# Set before the build: the template is made by an instrumented tool during the build.
export ASAN_OPTIONS="detect_leaks=1:check_initialization_order=1"
export LSAN_OPTIONS="suppressions=$root/.ci/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"

BUILD_DIR=build-asan BUILD_TYPE=Debug \
CMAKE_ARGS="-DVERDIMO_SANITIZERS=address,undefined -DVERDIMO_BENCHMARKS=OFF" \
    scripts/build.sh
cd build-asan
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
