#!/bin/sh
# Installs what is missing, builds a release in build-package/ and makes the Debian package
# from the install rules: build-package/verdimo_VERSION_ARCH.deb, installed with
# `apt-get install ./build-package/verdimo_*.deb`.
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh
BUILD_DIR=build-package BUILD_TYPE=Release CMAKE_ARGS="-DVERDIMO_BENCHMARKS=OFF" scripts/build.sh
cd build-package
rm -f verdimo_*.deb
cpack -G DEB
ls "$PWD"/verdimo_*.deb
