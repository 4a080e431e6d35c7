#!/bin/sh
# Installs a built package on a minimal Debian 12 made with debootstrap and uses it as a new
# user would: the dependencies come from Debian alone, `verdimo-cli demo` and the manual page's
# examples write non-empty results, the window starts under Xvfb on a farm given as its
# argument, the desktop knows the farm and archive types, and a purge leaves nothing behind.
# Run as root on a machine that reaches Debian's mirror:
#   scripts/check-install.sh build-package/verdimo_*.deb [ROOT]
# ROOT (default /var/tmp/verdimo-check-root) is made once and reused; it is never the host.
set -eu
deb=$(readlink -f "$1")
root="${2:-/var/tmp/verdimo-check-root}"
manual="$(dirname "$0")/../resources/verdimo-cli.1"

if [ ! -x "$root/usr/bin/apt-get" ]; then
    debootstrap --variant=minbase bookworm "$root" http://deb.debian.org/debian
fi
cp /etc/resolv.conf "$root/etc/resolv.conf"
mountpoint -q "$root/proc" || mount -t proc proc "$root/proc"
trap 'umount "$root/proc" 2>/dev/null || true' EXIT
in_root() { chroot "$root" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin "$@"; }

cp "$deb" "$root/tmp/verdimo.deb"
in_root apt-get update -q
in_root apt-get install -y -q /tmp/verdimo.deb xvfb xauth xdg-utils
in_root sh -c 'id farmer >/dev/null 2>&1 || useradd -m farmer'

# The manual's examples, unescaped from roff, run in order in a fresh folder of the new user.
sed -n '/^\.SH EXAMPLES/,/^\.SH /p' "$manual" | sed -n '/^\.EX/,/^\.EE/p' | sed '/^\.E[XE]/d; s/\\-/-/g' \
    > "$root/tmp/examples.sh"
in_root su - farmer -c 'set -e; rm -rf try && mkdir try && cd try && sh -ex /tmp/examples.sh
    for f in *; do test -s "$f" || { echo "empty result: $f"; exit 1; }; done; ls -l'

# The window on a farm passed as the argument, in Italian, then the desktop's types.
in_root su - farmer -c 'cd try && LANGUAGE=it timeout 20 xvfb-run -a verdimo farm.mdb; test $? -eq 124'
types=$(in_root su - farmer -c 'xdg-mime query filetype try/farm.mdb; xdg-mime query filetype try/cards.czp')
echo "$types"
test "$(echo "$types" | grep -c x-verdimo)" -eq 2 || { echo "the desktop does not know the farm's types"; exit 1; }

in_root apt-get purge -y -q verdimo
left=$(in_root dpkg -L verdimo 2>/dev/null || true)
for path in /usr/share/verdimo /etc/xdg/Brivex /usr/bin/verdimo /usr/bin/verdimo-cli; do
    test ! -e "$root$path" || { echo "left after purge: $path"; exit 1; }
done
test -z "$left" || { echo "dpkg still lists files of verdimo"; exit 1; }
echo "install, use and purge on Debian 12: passed"
