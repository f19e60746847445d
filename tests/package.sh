#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package, unpacks it into a scratch root, validates the
# desktop entry and the metainfo it carries and starts the installed program
# headless: it must still be running two seconds later.
set -euo pipefail
build=$1
id=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

cpack -G DEB -B "$scratch/out" --config "$build/CPackConfig.cmake" >/dev/null
deb=$(echo "$scratch"/out/*.deb)
dpkg-deb -f "$deb" Depends | grep -q 'libqt6widgets6' || { echo "no Qt in Depends"; exit 1; }
dpkg-deb -x "$deb" "$scratch/root"

share=$scratch/root/usr/share
for f in applications/$id.desktop metainfo/$id.metainfo.xml doc/lautari/readme.txt \
         icons/hicolor/32x32/apps/$id.png icons/hicolor/256x256/apps/$id.png \
         icons/hicolor/scalable/apps/$id.svg; do
    [[ -f $share/$f ]] || { echo "missing: $f"; exit 1; }
done
desktop-file-validate "$share/applications/$id.desktop"
appstreamcli validate --no-net "$share/metainfo/$id.metainfo.xml"

QT_QPA_PLATFORM=offscreen "$scratch/root/usr/bin/lautari" &
pid=$!
sleep 2
kill -0 "$pid" || { echo "the installed program did not keep running"; exit 1; }
kill "$pid"
wait "$pid" 2>/dev/null || true
echo "package ok: $(basename "$deb")"
