#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The command line as a terminal without any display meets it: the status,
# and all that the program says (a glob); an error is one line.
#   cli.sh GAME VERSION
set -uo pipefail
game=$1
bare=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$game")
answers() {
    local status=0 out
    out=$(timeout 60 "${bare[@]}" "${@:3}" 2>&1) || status=$?
    # shellcheck disable=SC2053 # the expected text is a glob
    [[ $status == "$1" && $out == $2 && ($1 != [12] || $out != *$'\n'*) ]] ||
        { echo "lautari ${*:3}: status $status, said: $out"; exit 1; }
}
answers 0 "Lautari -98 $2" --version
answers 0 $'Käyttö: lautari ?valinnat?\nRistinollaa *\n\nValinnat:\n  -h, --help  *\n  -v, --version  *
  -platform <nimi>  *\n  -style <tyyli>  *\n  -qwindowgeometry <paikka>  *\n\nMyös Qt-*' -h
answers 2 "lautari: tuntematon valinta '--kaikki'. Katso 'lautari --help'." -reverse --kaikki=kyllä -sync
answers 2 "lautari: virheellinen valinta '-platform'. Katso 'lautari --help'." -platform
answers 2 "lautari: ylimääräinen argumentti ''. Katso 'lautari --help'." -style fusion ""
answers 1 "lautari: tarvitaan graafinen työpöytä, mutta X11- tai Wayland-näyttöä ei löytynyt"
# Qt's own options pass: the game starts, and shows what Qt said while it started.
exec 3< <(exec "${bare[@]}" -platform offscreen -style ei-tyyli 2>&1)
trap 'kill $!' EXIT
timeout 60 grep -q "invalid style override 'ei-tyyli'" <&3 ||
    { echo "lautari -platform offscreen -style ei-tyyli: Qt's words not shown"; exit 1; }
