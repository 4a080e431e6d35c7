#!/bin/sh
# Renders the main window on a fresh demo farm under Xvfb into PNG_FILE, as the software
# centres show it (resources/screenshots/main-window.png is made with it):
#   scripts/take-screenshot.sh [PNG_FILE] [LANGUAGE]
# Needs a build in BUILD_DIR (default build/), xvfb, x11-apps (xwd) and imagemagick.
set -eu
cd "$(dirname "$0")/.."
out="${1:-resources/screenshots/main-window.png}"
mkdir -p "$(dirname "$out")"
out=$(readlink -f "$out")
language="${2:-en}"
stage="$(readlink -f "${BUILD_DIR:-build}")/stage"
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT

# A region that counts in euro, as the farms that use the program do.
case "$language" in it*) region=it_IT.UTF-8 ;; *) region=en_IE.UTF-8 ;; esac
export HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_RUNTIME_DIR="$home/run" \
    LANGUAGE="$language" LANG="$region" LC_ALL="$region"
mkdir -p -m 700 "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME/Brivex"
"$stage/verdimo-cli" demo "$home/farm.mdb" --years 1 >/dev/null
today=$(date +%d/%m/%Y)
cat > "$XDG_CONFIG_HOME/Brivex/Tellan.conf" <<EOF
[Settings]
Database=$home/farm.mdb
DataInit=01/01/$(date +%Y)
DataEnd=31/12/$(date +%Y)
ActualDate=$today
DtUpdShow=$today
Left=0
Top=0
Right=1280
Bottom=760
searchStyle=0
SearchStyle=0
DittaRagSoc=Cascina Verde
DittaNome=Società agricola
DittaCodFisc=01234560155
EOF
# The main window is the program's top-level window 1280 pixels wide.
xvfb-run -a -s "-screen 0 1366x768x24" sh -c "
    '$stage/verdimo' & program=\$!
    sleep 10
    window=\$(xwininfo -root -tree | grep '(\"verdimo\"' | grep ' 1280x' | awk '{print \$1}' | head -n1)
    xwd -id \$window -silent > '$home/window.xwd'
    kill \$program"
convert "$home/window.xwd" "$out.tmp.png"
mv "$out.tmp.png" "$out"
echo "$out"
