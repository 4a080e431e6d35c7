#!/bin/sh
# Installs the Debian packages Verdimo needs to build, run and test; skips what is present.
# --check only tells whether something is missing (status 1) and installs nothing.
# Installing needs root: as root it runs apt-get, as a member of the group sudo it asks sudo,
# and any other user is told which packages to ask the administrator for.
set -eu

PACKAGES="cmake ninja-build g++ ccache pkg-config
qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite qt6-svg-dev libqt6svg6
qt6-translations-l10n zlib1g-dev libcurl4-openssl-dev fonts-liberation clang-format
xvfb xauth unzip zip p7zip-full python3 poppler-utils
libsodium-dev python3-pyftpdlib python3-jsonschema libsqlite3-dev qt6-l10n-tools qt6-tools-dev
dpkg-dev desktop-file-utils appstream file shared-mime-info libglib2.0-bin lintian"

# One dpkg-query for the whole list: a package it does not know is missing too.
# shellcheck disable=SC2086
installed=$(dpkg-query -W -f='${Package} ${db:Status-Status}\n' $PACKAGES 2>/dev/null |
    awk '$2 == "installed" { print $1 }')
missing=""
for package in $PACKAGES; do
    case " $(echo $installed) " in
        *" $package "*) ;;
        *) missing="$missing $package" ;;
    esac
done

[ -z "$missing" ] && exit 0
[ "${1:-}" = "--check" ] && exit 1

if [ "$(id -u)" -eq 0 ]; then
    SUDO=""
elif command -v sudo >/dev/null 2>&1 && { sudo -n true 2>/dev/null || id -nG | grep -qwE 'sudo|admin'; }; then
    SUDO="sudo"
else
    echo "These Debian packages are missing:$missing" >&2
    echo "You cannot install them yourself. Ask the administrator to run, as root:" >&2
    echo "    apt-get install$missing" >&2
    echo "then run this command again." >&2
    exit 1
fi
echo "Installing:$missing"
$SUDO apt-get update -qq
# shellcheck disable=SC2086
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends $missing
