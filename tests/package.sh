#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian source and binary packages, built as a maintainer builds them:
# from a clone of the committed tree in a folder whose path has a space and
# non-ASCII letters, with dpkg-buildpackage, which runs the headless tests.
# Checked as Debian checks them: lintian on the .changes without an
# error or a warning (its warnings include man's about the man page), a
# valid desktop entry and metainfo. Then the package's own command
# line test runs on the program unpacked into a scratch root. Last, the
# upstream tarball alone, without debian/ or git, unpacked into a folder
# without a version, is built with its default options and passes its quick
# tests (the system tests run from the checkout, on the same files).
#   package.sh SOURCE APP-ID
set -euo pipefail
id=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
tree="$scratch/pää puu/lautari"
git clone -q "$1" "$tree"
cd "$tree"
tools/orig-tarball
DEB_BUILD_OPTIONS="parallel=$(nproc)" dpkg-buildpackage -us -uc >../build.log 2>&1 ||
    { tail -30 ../build.log; exit 1; }
cd ..
# (Debian 12's lintian knows policy up to 4.6.2 and warns of the packaging's
# newer one, which Debian 13's checks.)
tags=$(lintian --fail-on error,warning --suppress-tags newer-standards-version ./*.changes 2>&1) ||
    { echo "lintian: $tags"; exit 1; }
deb=$(echo lautari_*_"$(dpkg-architecture -qDEB_HOST_ARCH)".deb)
dpkg-deb -x "$deb" root

share=root/usr/share
(cd $share && ls applications/$id.desktop metainfo/$id.metainfo.xml games/lautari/readme.txt \
    doc/lautari/{readme.txt,copyright,changelog.Debian.gz} man/man6/lautari.6.gz \
    icons/hicolor/{32x32,256x256}/apps/$id.png icons/hicolor/scalable/apps/$id.svg >/dev/null)
desktop-file-validate "$share/applications/$id.desktop"
# (Not even a pedantic note or an info.)
said=$(appstreamcli validate --pedantic --no-net "$share/metainfo/$id.metainfo.xml") &&
    [[ $said == *"Validation was successful." ]] || { echo "$said"; exit 1; }
"$tree/tests/cli.sh" root/usr/games/lautari "$(cd "$tree" && dpkg-parsechangelog -SVersion | cut -d- -f1)"
echo "package ok: $deb"

mkdir "$scratch/tar ball"
tar -xzf lautari_*.orig.tar.gz -C "$scratch/tar ball" --strip-components=1
cd "$scratch/tar ball"
{ cmake -S . -B "build dir" && cmake --build "build dir" -j"$(nproc)" &&
    ctest --test-dir "build dir" -L quick --output-on-failure; } >build.log 2>&1 ||
    { tail -30 build.log; tools/failed-tests "build dir"; exit 1; }
