#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The documents against what they describe: each test they name is one that
# CTest knows; README.md's table of the levels gives the figures of
# docs/strength.md, which the strength test computes anew from the game; the
# man page names every key of docs/accessibility.md.
#   docs.sh SOURCE-TREE FILE-OF-TEST-NAMES
set -uo pipefail
cd "$1" || exit 1
known=$(cat "$2")
status=0
while IFS=: read -r file line name; do
    name=${name//\`/}
    grep -qxF -- "$name" <<<"$known" ||
        { echo "$file:$line: names the test $name, which CTest does not know"; status=1; }
done < <(grep -onE '`(test_[a-z_]+(@[a-z0-9.]+)?|orca[a-z_]*(@fi)?|(themes|style)@[A-Za-z:-]+|package[a-z_]*|hardening|memcheck|strength|cli|docs|bells)`' \
    README.md CONTRIBUTING.md BENCHMARKS.md docs/*.md debian/README.source)
# Best play's wins and random play's losses, for the person opening the game.
while IFS='|' read -r _ level starter best _ _ _ _ loss _; do
    [[ $starter == " Pelaaja " ]] || continue
    level=${level// /} best=${best%% (*} best=${best# }
    percent=$(awk -v x="${loss#*(}" 'BEGIN { printf "%d", x * 100 + 0.5 }')
    grep -qE "^\| $level \|.*\| ${best%/*} (games )?in ${best#*/} \| $percent %" README.md || {
        echo "README.md: the row of $level does not give docs/strength.md's ${best%/*} in" \
            "${best#*/} and $percent %"
        status=1
    }
done < <(grep -E '^\| (Helppo|Keskitaso|Vaikea) \|' docs/strength.md)
# The keys, whose table is docs/accessibility.md's: the man page names each.
man=$(sed -n '/^\.SH KEYS/,/^\.SH [^K]/p' assets/lautari.6.in)
for key in $(sed -n '/^## The keys/,/^## /s/^| \([A-Z][^|]*\) |.*/\1/p' docs/accessibility.md |
    sed 's/Arrow keys/arrow/; s/,/ /g; s/ or / /g'); do
    grep -qiF -- "$key" <<<"$man" ||
        { echo "assets/lautari.6.in: its KEYS leave out $key of docs/accessibility.md"; status=1; }
done
exit $status
