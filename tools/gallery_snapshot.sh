#!/usr/bin/env bash
# Renders the demo, the galleries and the text showcase into DIR with a fixed
# clock, so that two trees can be compared byte for byte:
#   tools/gallery_snapshot.sh /tmp/before            # on the old tree
#   tools/gallery_snapshot.sh /tmp/after && diff -r /tmp/before /tmp/after
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
dir="$(mkdir -p "$1" && cd "$1" && pwd)"
build="${BUILD:-$root/build}"
export SOURCE_DATE_EPOCH=1700000000 PYTHONPATH="$build/python"
cd "$dir"
for script in demo.py gallery_2d.py gallery_charts.py text_showcase.py; do
    /usr/bin/python3 "$root/examples/$script" >"$dir/${script%.py}.log"
done
