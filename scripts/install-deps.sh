#!/bin/sh
# Installs the Debian packages Verdimo needs to build, run and test; skips what is present.
set -eu

PACKAGES="cmake ninja-build g++ ccache pkg-config
qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite qt6-qpa-plugins qt6-svg-dev libqt6svg6
qt6-translations-l10n zlib1g-dev libcurl4-openssl-dev fonts-liberation clang-format
xvfb xauth unzip zip p7zip-full python3 poppler-utils
libsodium-dev python3-pyftpdlib libsqlite3-dev qt6-l10n-tools qt6-tools-dev
dpkg-dev desktop-file-utils appstream file"

missing=""
for package in $PACKAGES; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $package"
    fi
done

if [ -n "$missing" ]; then
    echo "Installing:$missing"
    SUDO=""
    if [ "$(id -u)" -ne 0 ]; then
        SUDO="sudo"
    fi
    $SUDO apt-get update -qq
    # shellcheck disable=SC2086
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends $missing
fi
