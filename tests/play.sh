#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The README's play command as a newcomer runs it: in a fresh clone of the
# repository, on an X server of its own. Passes once the game's window is
# mapped; then closes the game. Whatever happens, it leaves no process and
# no clone behind.
set -euo pipefail
source=$1
scratch=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill -- "-$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$scratch"
}
trap cleanup EXIT

git clone -q "$source" "$scratch/lautari"

# -noreset: the window searches below come and go, and a server that resets
# as the last of them leaves would refuse a game connecting just then.
setsid Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$scratch/display" \
    2>"$scratch/xvfb.log" &
pids+=($!)
for _ in $(seq 100); do [[ -s $scratch/display ]] && break; sleep 0.1; done
export DISPLAY=:$(cat "$scratch/display")

(cd "$scratch/lautari" && QT_QPA_PLATFORM=xcb exec setsid tools/run-game) >"$scratch/play.log" 2>&1 &
game=$!
pids+=("$game")

deadline=$((SECONDS + 600))
until xdotool search --onlyvisible --name '^Lautari -98 $' >/dev/null 2>&1; do
    kill -0 "$game" 2>/dev/null && ((SECONDS < deadline)) ||
        { echo "no game window came; the play command said:"; cat "$scratch/play.log"; exit 1; }
    sleep 0.5
done
echo "the game's window is mapped after ${SECONDS} s" # cleanup() closes it
