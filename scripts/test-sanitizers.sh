#!/bin/sh
# Builds Verdimo with AddressSanitizer and UndefinedBehaviorSanitizer into build-asan/ and runs
# every test there. Any finding fails its test.
# The build is lean so that CI stays fast on two cold cores: -O1 (what the sanitizers' own
# authors advise for speed with usable reports), line tables only for the stack traces, assertions
# on, no benchmarks.
set -eu
cd "$(dirname "$0")/.."
root=$(pwd)

# Set before the build: the template is made by an instrumented tool during the build.
export ASAN_OPTIONS="detect_leaks=1:check_initialization_order=1"
export LSAN_OPTIONS="suppressions=$root/.ci/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"

BUILD_DIR=build-asan BUILD_TYPE=Sanitize WERROR=ON \
CMAKE_ARGS="-DVERDIMO_SANITIZERS=address,undefined -DVERDIMO_BENCHMARKS=OFF" \
    scripts/build.sh -DCMAKE_CXX_FLAGS_SANITIZE="-O1 -g1"
cd build-asan
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
