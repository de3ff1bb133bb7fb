#!/usr/bin/env bash
# Plays the bundled sample races and checks what was worked out by hand:
#  - GS1: the run-1 start list (the fifteen best by points drawn into starts
#    1-15, the rest by points, those without last);
#  - SX1: the final ranking after the ladder result (finalists by their
#    place in the final, then the small final; quarter-final thirds before
#    fourths, each by seed);
#  - LG1: the team totals (BADGERS 135, HAWKS 135; OWLS 85, BISONS 81,
#    PUMAS 140 from the 50-45-40-36 table, men and women apart).
set -euo pipefail
build=$1
data=$(cd "$(dirname "$0")" && pwd)
out=$SKITALLY_SAMPLE_DIR
events="$out/Skitally/Events"

bash "$data/../../../scripts/play-sample" "$build" > "$out.log"
cmp "$events/GS1.RN1" "$data/GS1.RN1"
"$build/cli/skitally-cli" --data-dir "$out" list "$events/SX1" Position,Bib |
  awk 'NR > 1 && $2 > 0 { print $2, $3 }' | sort -n | diff - "$data/SX1-ranking.txt"
grep -Eq $'^GRAND TOTALS: +135 +135\r$' "$events/LG1.RGR"
grep -Eq $'^GRAND TOTALS: +85 +81 +140\r$' "$events/LG1.RGR"
test -s "$events/SX1-LDRRPT.pdf"
echo "sample races checked"
