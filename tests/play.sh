#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The README's play command as a newcomer runs it: in a fresh clone of the
# repository, on the X server of the test's own world (tests/support/world.py),
# which ends the game with it. Passes once the game's window is mapped.
set -euo pipefail
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
# Whoever owns the checkout: root may test a user's, which git would refuse to
# clone.
printf '[safe]\n\tdirectory = *\n' >"$scratch/trust"
GIT_CONFIG_GLOBAL="$scratch/trust" git clone -q "$1" "$scratch/lautari"
(cd "$scratch/lautari" && QT_QPA_PLATFORM=xcb exec tools/run-game) >"$scratch/play.log" 2>&1 &
timeout 600 xdotool search --sync --onlyvisible --name '^Lautari -98 $' >/dev/null ||
    { echo "no game window came; the play command said:"; cat "$scratch/play.log"; exit 1; }
