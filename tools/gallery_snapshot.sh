#!/usr/bin/env bash
# Renders every example gallery and a set of benchmark-like pictures into DIR
# with a fixed clock, so that two trees can be compared byte for byte (speed
# work must not change a single output byte):
#   tools/gallery_snapshot.sh /tmp/before            # on the old tree
#   tools/gallery_snapshot.sh /tmp/after && diff -r /tmp/before /tmp/after
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
dir="$(mkdir -p "$1" && cd "$1" && pwd)"
build="${BUILD:-$root/build}"
export SOURCE_DATE_EPOCH=1700000000 PYTHONPATH="$build/python"
cd "$dir"
for script in demo.py gallery_2d.py gallery_charts.py gallery_colour.py gallery_business.py gallery_maps.py \
              gallery_3d.py gallery_pages.py quick_plots.py quick_module.py text_showcase.py; do
    /usr/bin/python3 "$root/examples/$script" >"$dir/${script%.py}.log" 2>&1
done
/usr/bin/python3 "$root/tools/speed_pictures.py" >"$dir/speed_pictures.log" 2>&1
