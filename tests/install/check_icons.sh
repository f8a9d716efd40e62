#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Drelk developers
# SPDX-License-Identifier: MIT
# The menu's icon is the window's own picture: a 32 x 32 PNG of at most 256 colours with the
# very pixels of the XPM, and so is the scalable icon.
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

# The scalable icon is the same picture: rendered at 32 x 32 over mid grey it has the very
# pixels of the bitmap.
rsvg-convert -w 32 -h 32 -b '#808080' "$svg" -o "$scratch/drawn.png" ||
    fail "rsvg-convert cannot render $svg"
convert "xpm:$xpm" -background '#808080' -flatten "$scratch/bitmap.png"
differing=$(compare -metric AE "$scratch/drawn.png" "$scratch/bitmap.png" null: 2>&1) ||
    [ $? -eq 1 ] || fail "compare cannot measure $svg against $xpm: $differing"
echo "$svg at 32 x 32 differs from $xpm in $differing pixels"
[ "$differing" = 0 ] || fail "$svg is not the picture of $xpm: $differing pixels differ"
