#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package and checks it as Debian would: lintian without
# an error or a warning, a man page that renders cleanly, a valid desktop
# entry and metainfo. Then unpacks it into a scratch root and tries the
# installed program headless (with Qt's own options): it must still be
# running two seconds later.
set -euo pipefail
build=$1
id=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

cpack -G DEB -B "$scratch/out" --config "$build/CPackConfig.cmake" >/dev/null
deb=$(echo "$scratch"/out/*.deb)
dpkg-deb -f "$deb" Depends | grep -q 'libqt6widgets6' || { echo "no Qt in Depends"; exit 1; }
tags=$(lintian --fail-on error,warning "$deb" 2>&1) || { echo "lintian: $tags"; exit 1; }
dpkg-deb -x "$deb" "$scratch/root"

share=$scratch/root/usr/share
for f in applications/$id.desktop metainfo/$id.metainfo.xml games/lautari/readme.txt \
         doc/lautari/{readme.txt,copyright,changelog.gz} man/man6/lautari.6.gz \
         icons/hicolor/{32x32,256x256}/apps/$id.png icons/hicolor/scalable/apps/$id.svg; do
    [[ -f $share/$f ]] || { echo "missing: $f"; exit 1; }
done
desktop-file-validate "$share/applications/$id.desktop"
appstreamcli validate --no-net "$share/metainfo/$id.metainfo.xml"
warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$share/man/man6/lautari.6.gz" 2>&1 >/dev/null)
[[ -z $warnings ]] || { echo "man page: $warnings"; exit 1; }

status=0
timeout 2 "$scratch/root/usr/games/lautari" -platform offscreen -style fusion || status=$?
[[ $status == 124 ]] || { echo "the installed program did not keep running"; exit 1; }
echo "package ok: $(basename "$deb")"
