#!/usr/bin/env bash
# Draws Tavo's application icon, src/app/tavo.ico, with ImageMagick: a teal rounded
# square holding a keyboard with a mouse pointer on it. Every size is drawn from the same
# shapes (given on a 256-unit grid) at its own scale rather than shrunk from the big
# one; the three small sizes leave out the separate keys, which would only blur.
#
#   scripts/make-icon.sh [OUT.ico]     (default: src/app/tavo.ico)
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
out="${1:-$root/src/app/tavo.ico}"
command -v convert >/dev/null || { echo "make-icon.sh: ImageMagick's convert is missing (scripts/install-deps.sh)" >&2; exit 1; }

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

teal_top='#22B8A6'
teal_bottom='#0B6E63'
key='#0E7F72'
outline='#0A3F39'

# Key caps of the big drawing, on the 256-unit grid: two rows of six and a space bar.
caps_256() {
    local y x
    for y in 154 176; do
        for x in 48 76 104 132 160 188; do
            echo "roundrectangle $x,$y $((x + 20)),$((y + 14)) 3,3"
        done
    done
    echo "roundrectangle 76,196 180,206 3,3"
}

# Key caps of the 48-pixel drawing in whole pixels, so that each key stays sharp: two
# rows of four and a space bar.
caps_48() {
    local y x
    for y in 28 32; do
        for x in 9 17 25 33; do
            echo "rectangle $x,$y $((x + 5)),$((y + 2))"
        done
    done
    echo "rectangle 14,36 33,37"
}

# One image of SIZE pixels. The small sizes show the keyboard as a slab with a space bar.
draw() {
    local size=$1 png=$2 scale stroke caps
    scale=$(awk -v s="$size" 'BEGIN { printf "%.6f", s / 256 }')
    # The pointer's outline in grid units (the scale applies to it too), at least a
    # pixel and a bit wide, or it fades out at the small sizes.
    stroke=$(awk -v s="$scale" 'BEGIN { w = 8 * s; if (w < 1.3) w = 1.3; printf "%.3f", w / s }')
    local tile="roundrectangle 8,8 247,247 52,52"
    local board="roundrectangle 32,140 224,218 14,14"
    # A classic arrow pointer resting on the keyboard's top edge; a quarter bigger at
    # the small sizes, where it is the part that must still read.
    local pointer="polygon 104,22 104,131 131,107 152,151 167,144 148,102 182,102"
    [ "$size" -le 32 ] && pointer="polygon 92,14 92,150 126,120 152,175 171,166 147,114 189,114"

    # The tile's shape as a mask over a top-to-bottom gradient.
    convert -size "${size}x${size}" "gradient:${teal_top}-${teal_bottom}" \
        \( -size "${size}x${size}" xc:black -fill white -draw "scale $scale,$scale $tile" \) \
        -alpha off -compose CopyOpacity -composite "$work/tile.png"
    convert "$work/tile.png" -fill white -stroke none -draw "scale $scale,$scale $board" "$work/board.png"
    case $size in
        256) caps=(-fill "$key" -draw "scale $scale,$scale $(caps_256)") ;;
        48) caps=(+antialias -fill "$key" -draw "$(caps_48)" -antialias) ;;
        *) caps=(-fill "$key" -draw "scale $scale,$scale roundrectangle 60,188 196,204 4,4") ;;
    esac
    convert "$work/board.png" "${caps[@]}" \
        -fill white -stroke "$outline" -strokewidth "$stroke" \
        -draw "scale $scale,$scale stroke-linejoin round $pointer" \
        "PNG32:$png"
}

draw 16 "$work/16.png"
draw 24 "$work/24.png"
draw 32 "$work/32.png"
draw 48 "$work/48.png"
draw 256 "$work/256.png"

# No date chunks in the 256-pixel PNG: the same drawing gives the same bytes.
convert "$work/16.png" "$work/24.png" "$work/32.png" "$work/48.png" "$work/256.png" \
    -define png:exclude-chunks=date,time +set date:create +set date:modify "$out"
echo "wrote $out"
