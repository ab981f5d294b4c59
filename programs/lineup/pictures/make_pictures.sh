#!/usr/bin/env bash
# Draws the line-up's two pictures with ImageMagick: the coach (a baseline
# JPEG, 150 x 265, portrait) and the club's players (a progressive JPEG,
# 324 x 190, landscape). The JPEG files are committed; run this only to
# redraw them (needs imagemagick and the DejaVu fonts).
set -euo pipefail
cd "$(dirname "$0")"
font=DejaVu-Sans-Bold

# The coach: a figure in a tracksuit before the stands, a whistle and a cap.
convert -size 150x265 gradient:'#5b8fd6-#2f6b2f' \
  -fill '#3d7f3d' -draw 'rectangle 0,200 150,265' \
  -fill '#ffffff' -draw 'line 0,232 150,232' \
  -fill '#c7c7c7' -draw 'rectangle 0,40 150,44' -draw 'rectangle 0,60 150,64' \
  -fill '#1d3f8f' -draw 'roundrectangle 35,120 115,230 18,18' \
  -fill '#ffffff' -draw 'rectangle 72,122 78,228' \
  -fill '#1d3f8f' -draw 'polygon 36,130 14,200 26,204 46,150' -draw 'polygon 114,130 136,200 124,204 104,150' \
  -fill '#f1c27d' -draw 'circle 75,92 75,66' \
  -fill '#f1c27d' -draw 'circle 20,204 20,196' -draw 'circle 130,204 130,196' \
  -fill '#b01e1e' -draw 'path "M 48,80 Q 75,52 102,80 L 112,84 L 48,84 Z"' \
  -fill '#222222' -draw 'circle 66,94 66,91' -draw 'circle 84,94 84,91' \
  -stroke '#7a3b1a' -strokewidth 2 -fill none -draw 'arc 64,98 86,110 20,160' -stroke none \
  -fill '#d9d9d9' -draw 'circle 95,140 95,134' -stroke '#d9d9d9' -draw 'line 95,134 82,118' -stroke none \
  -fill '#ffffff' -font "$font" -pointsize 16 -gravity south -annotate +0+8 'MÍSTER' \
  -type TrueColor -colorspace sRGB -sampling-factor 2x2 -interlace none -quality 88 \
  -strip quendal.jpg

# The club's players: a row of figures in the club's shirts on the pitch.
args=(-size 324x190 gradient:'#87b5e8-#d6e8f7'
  -fill '#2e7d32' -draw 'rectangle 0,120 324,190'
  -fill '#ffffff' -draw 'rectangle 0,150 324,152'
  -fill '#ffffff' -draw 'circle 300,30 300,18')
for i in 0 1 2 3 4 5 6; do
  x=$((26 + i * 45))
  shirt=$([[ $((i % 2)) -eq 0 ]] && echo '#c62828' || echo '#f9a825')
  args+=(-fill '#f1c27d' -draw "circle $x,62 $x,50"
    -fill "$shirt" -draw "roundrectangle $((x - 16)),76 $((x + 16)),122 6,6"
    -fill '#ffffff' -draw "rectangle $((x - 14)),122 $((x + 14)),138"
    -fill '#263238' -draw "rectangle $((x - 12)),138 $((x - 4)),162 rectangle $((x + 4)),138 $((x + 12)),162"
    -fill '#ffffff' -font "$font" -pointsize 13 -gravity northwest -annotate "+$((x - 6))+90" "$((i + 2))")
done
args+=(-fill '#ffffff' -font "$font" -pointsize 18 -gravity south -annotate +0+6 'BRAVOS C.F.'
  -type TrueColor -colorspace sRGB -sampling-factor 2x2 -interlace JPEG -quality 85
  -strip bravos.jpg)
convert "${args[@]}"
