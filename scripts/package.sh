#!/bin/sh
# Installs what is missing, builds a release in build-package/ (or BUILD_DIR) with Debian's
# hardening flags and makes the Debian package from the install rules:
# BUILD_DIR/verdimo_VERSION-1_ARCH.deb, installed with `apt-get install ./build-package/verdimo_*.deb`.
# When lintian is installed it checks the package.
set -eu
cd "$(dirname "$0")/.."
BUILD_DIR="${BUILD_DIR:-build-package}"
scripts/install-deps.sh

# The flags Debian builds its own packages with: stack protector, fortify, relro, bindnow.
# CMake does not read CPPFLAGS, so they join the compiler's flags.
export DEB_BUILD_MAINT_OPTIONS="hardening=+all"
cxxflags="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
ldflags="$(dpkg-buildflags --get LDFLAGS)"
BUILD_DIR="$BUILD_DIR" BUILD_TYPE=Release WERROR=OFF CMAKE_ARGS="-DVERDIMO_BENCHMARKS=OFF" \
    scripts/build.sh "-DCMAKE_CXX_FLAGS=$cxxflags" "-DCMAKE_EXE_LINKER_FLAGS=$ldflags"
cd "$BUILD_DIR"
rm -f verdimo_*.deb
cpack -G DEB
if command -v lintian >/dev/null 2>&1; then
    lintian --pedantic --info verdimo_*.deb || true
fi
ls "$PWD"/verdimo_*.deb
