#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a test beside a stand-in for the user's own Orca: a process of the same
# user named orca, which the test must neither see (Orca would refuse to
# start) nor stop, and which still runs when the test ends.
#   beside.sh TEST [ARG...]
set -uo pipefail
dir=$(mktemp -d)
ln -s "$(command -v sleep)" "$dir/orca"
"$dir/orca" infinity &
user=$!
trap 'kill "$user"; rm -rf "$dir"' EXIT
"$@" || exit
kill -0 "$user" 2>/dev/null || { echo "the user's Orca is gone"; exit 1; }
