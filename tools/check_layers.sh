#!/usr/bin/env bash
# Reports every symbol that a layer's library uses but only a higher layer
# defines: a call against the layer order core <- font_data <- device <- text
# <- utilities <- graph2d <- graph3d <- contour <- figures <- business <- maps <- widgets <- session <- quickplot. Exits 1
# if there is one.
#   tools/check_layers.sh BUILD_DIR
set -euo pipefail
build="${1:-build}"
layers=(core font_data device text utilities graph2d graph3d contour figures business maps widgets session quickplot)
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
for i in "${!layers[@]}"; do
    lib="$build/libvantix_${layers[$i]}.a"
    nm -C --defined-only "$lib" 2>/dev/null | awk 'NF >= 3 && $2 !~ /^[Uwv]$/ { $1 = ""; $2 = ""; sub(/^  /, ""); print }' |
        sort -u >"$tmp/def.$i"
    nm -C --undefined-only "$lib" 2>/dev/null | awk '{ $1 = ""; sub(/^ /, ""); print }' | sort -u >"$tmp/undef.$i"
done
status=0
for i in "${!layers[@]}"; do
    for ((j = i + 1; j < ${#layers[@]}; ++j)); do
        # Symbols the lower layer defines itself (inline functions, templates) are not calls upward.
        comm -12 "$tmp/undef.$i" "$tmp/def.$j" | comm -23 - "$tmp/def.$i" >"$tmp/up" || true
        if [ -s "$tmp/up" ]; then
            status=1
            sed "s/^/${layers[$i]} -> ${layers[$j]}: /" "$tmp/up"
        fi
    done
done
[ "$status" = 0 ] && echo "layers: no call from a lower layer into a higher one"
exit "$status"
