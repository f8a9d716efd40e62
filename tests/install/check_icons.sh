#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Drelk developers
# SPDX-License-Identifier: MIT
# The menu's icon is the window's own picture: a 32 x 32 PNG of at most 256 colours with the
# very pixels of the XPM. The scalable icon is a drawing of the bee in the XPM's colours.
# Usage: check_icons.sh STAGE APP_ID ICON_XPM
source "$(dirname "$0")/common.sh"
stage=$1 id=$2 xpm=$3
icons=$stage/usr/share/icons/hicolor
png=$icons/32x32/apps/$id.png
svg=$icons/scalable/apps/$id.svg
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

read -r format width height colours < <(identify -format '%m %w %h %k\n' "$png") ||
    fail "identify cannot read $png"
echo "$png: $format, $width x $height, $colours colours"
[ "$format" = PNG ] || fail "$png is $format, not PNG"
[ "$width x $height" = "32 x 32" ] || fail "$png is $width x $height, not 32 x 32"
[ "$colours" -le 256 ] || fail "$png has $colours colours, more than 256"

# compare prints the number of differing pixels; exit status 2 is an error, 1 a difference.
differing=$(compare -metric AE "xpm:$xpm" "png:$png" null: 2>&1) || [ $? -eq 1 ] ||
    fail "compare cannot read the icons: $differing"
[ "$differing" = 0 ] || fail "$png differs from $xpm in $differing pixels"

# The drawing, rendered at 256 x 256: square, on a transparent background (its corners are
# clear) that it neither fills nor leaves nearly empty, each of the XPM's colours painting
# some of it, and those colours painting most of it, the rest being the edges' blends.
size=$(rsvg-convert "$svg" | identify -format '%w x %h' -) || fail "rsvg-convert cannot render $svg"
[ "${size% x *}" = "${size#* x }" ] || fail "$svg is $size, not square"
drawn=$scratch/drawn.png
rsvg-convert -w 256 -h 256 "$svg" -o "$drawn" || fail "rsvg-convert cannot render $svg"
corners=$(convert "$drawn" -format '%[fx:p{0,0}.a+p{255,0}.a+p{0,255}.a+p{255,255}.a]' info:)
[ "$corners" = 0 ] || fail "$svg paints the corners of its square: no transparent background"
palette=$(sed -n 's/^"[^"] c \(#[0-9A-Fa-f]\{6\}\)".*/\1FF/p' "$xpm" | tr a-f A-F)
# The histogram has a line per colour: "COUNT: (R,G,B,A) #RRGGBBAA NAME".
convert "$drawn" -depth 8 -format %c histogram:info:- | awk -v palette="$palette" '
    BEGIN { n = split(palette, wanted, "\n"); for (i = 1; i <= n; i++) ours[wanted[i]] = 0 }
    { count = $1 + 0; total += count; for (i = 2; i <= NF; i++) if ($i ~ /^#/) colour = $i }
    colour ~ /00$/ { clear += count }
    colour in ours { ours[colour] = count; painted += count }
    END {
        drawn = total - clear
        printf "drawn over %.0f%% of the square, %.0f%% of that in the XPM colours\n",
               100 * drawn / total, 100 * painted / drawn
        if (drawn < total / 5 || drawn > total * 4 / 5) {
            print "the drawing covers too little or too much of its square"; exit 1 }
        for (c in ours) if (ours[c] < total / 1000) {
            print "the drawing hardly uses the colour " c; exit 1 }
        if (painted < drawn * 3 / 4) { print "the drawing is not in the XPM colours"; exit 1 }
    }' || fail "$svg is not the bee of $xpm in its colours"
