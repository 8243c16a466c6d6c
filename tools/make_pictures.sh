#!/bin/sh
# Draws the sample payload's guide pictures (menu bar, control menu, desktop, tray icon,
# toolbar, welcome screen) with ImageMagick into payload/pictures/. Shapes and gradients
# only, so no font is needed. The output is committed; rerun this after changing it:
#     sh tools/make_pictures.sh [OUTPUT_DIR]
set -e
CONVERT=/usr/bin/convert            # ImageMagick itself, not another program of that name
[ -x "$CONVERT" ] || { echo "make_pictures: $CONVERT (Debian imagemagick) is missing" >&2; exit 1; }
OUT=${1:-$(dirname "$0")/../payload/pictures}
mkdir -p "$OUT"
# No time stamps or profiles, so a rerun gives the same bytes.
COMMON="-strip -define png:exclude-chunks=date,time"
JPEG="-sampling-factor 2x2 -quality 88"

# Menu bar with the "File" menu dropped down.
"$CONVERT" -size 400x240 gradient:'#3a6ea5-#1d4f86' \
    -fill '#ece9d8' -draw 'rectangle 0,0 399,22' \
    -fill '#ffffff' -draw 'rectangle 0,23 399,239' \
    -fill '#316ac5' -draw 'rectangle 4,3 42,19' \
    -fill '#a0a0a0' -draw 'rectangle 52,8 84,13' -draw 'rectangle 96,8 138,13' \
    -draw 'rectangle 150,8 190,13' -draw 'rectangle 202,8 228,13' \
    -fill '#f5f4ee' -stroke '#808080' -draw 'rectangle 4,22 150,178' -stroke none \
    -fill '#316ac5' -draw 'rectangle 6,48 148,68' \
    -fill '#606060' -draw 'rectangle 14,31 90,36' -draw 'rectangle 14,80 100,85' \
    -draw 'rectangle 14,100 80,105' -draw 'rectangle 14,140 70,145' -draw 'rectangle 14,160 60,165' \
    -fill '#ffffff' -draw 'rectangle 14,55 110,60' \
    -stroke '#c0c0c0' -draw 'line 8,122 146,122' \
    $COMMON $JPEG "$OUT/barmenu.JPG"

# Control menu opened from the window icon: 320 x 193.
"$CONVERT" -size 320x193 xc:'#d4d0c8' \
    \( -size 320x24 gradient:'#0a246a-#a6caf0' -rotate -90 -resize 320x24! \) -geometry +0+0 -composite \
    -fill '#ffcc33' -draw 'roundrectangle 4,4 19,19 3,3' \
    -fill '#ffffff' -draw 'rectangle 40,9 150,14' \
    -fill '#d4d0c8' -draw 'rectangle 256,5 271,18' -draw 'rectangle 274,5 289,18' -draw 'rectangle 296,5 311,18' \
    -fill '#ffffff' -draw 'rectangle 6,40 313,186' \
    -fill '#f0f0f0' -stroke '#808080' -draw 'rectangle 4,24 134,176' -stroke none \
    -fill '#0a246a' -draw 'rectangle 6,134 132,152' \
    -fill '#606060' -draw 'rectangle 22,32 70,37' -draw 'rectangle 22,52 60,57' -draw 'rectangle 22,72 62,77' \
    -draw 'rectangle 22,92 72,97' -draw 'rectangle 22,112 74,117' -draw 'rectangle 22,160 52,165' \
    -fill '#ffffff' -draw 'rectangle 22,141 58,146' \
    -stroke '#a0a0a0' -draw 'line 8,126 130,126' \
    $COMMON "PNG24:$OUT/ctrlmenu.PNG"

# Desktop with the MirelQuorth icon and a task bar.
"$CONVERT" -size 480x320 gradient:'#5a9fd4-#13528c' \
    -fill '#ffcc33' -stroke '#805500' -draw 'roundrectangle 24,24 56,56 6,6' \
    -fill '#1d4f86' -stroke none -draw 'circle 40,40 40,30' \
    -fill '#e0e0e0' -draw 'rectangle 22,62 58,67' \
    -fill '#c0c0c0' -draw 'roundrectangle 24,96 56,128 4,4' -draw 'roundrectangle 24,168 56,200 4,4' \
    -fill '#e0e0e0' -draw 'rectangle 22,134 58,139' -draw 'rectangle 22,206 58,211' \
    \( -size 480x28 gradient:'#3168d5-#1941a5' \) -geometry +0+292 -composite \
    -fill '#3c9a3c' -draw 'roundrectangle 0,292 70,319 8,8' \
    -fill '#0f8bd8' -draw 'rectangle 400,292 479,319' \
    $COMMON $JPEG "$OUT/Desktop.JPG"

# Notification area of the task bar with the MirelQuorth tray icon highlighted.
"$CONVERT" -size 360x120 gradient:'#3168d5-#1941a5' \
    -fill '#0f8bd8' -draw 'rectangle 180,70 359,119' \
    -stroke '#0a5aa0' -draw 'line 180,70 180,119' -stroke none \
    -fill '#ffcc33' -stroke '#ffffff' -draw 'roundrectangle 196,82 220,106 4,4' -stroke none \
    -fill '#1d4f86' -draw 'circle 208,94 208,87' \
    -fill '#c0d8f0' -draw 'rectangle 232,86 248,102' -draw 'rectangle 258,86 274,102' \
    -fill '#ffffff' -draw 'rectangle 296,90 346,97' \
    -fill '#ffffe1' -stroke '#000000' -draw 'rectangle 120,12 300,56' -stroke none \
    -fill '#606060' -draw 'rectangle 130,24 260,29' -draw 'rectangle 130,38 220,43' \
    -fill '#ffffe1' -draw 'polygon 196,56 212,56 208,72' \
    $COMMON $JPEG "$OUT/taskicon.JPG"

# Toolbar: play, pause, stop, speed and volume buttons over a noisy window background.
"$CONVERT" -seed 7 -size 560x240 plasma:'#e8e8f0-#b8c8e0' -blur 0x2 \
    -fill '#ece9d8' -draw 'rectangle 0,0 559,44' \
    -fill '#f8f8f8' -stroke '#a0a0a0' \
    -draw 'roundrectangle 6,6 40,38 4,4' -draw 'roundrectangle 46,6 80,38 4,4' \
    -draw 'roundrectangle 86,6 120,38 4,4' -draw 'roundrectangle 136,6 170,38 4,4' \
    -draw 'roundrectangle 176,6 210,38 4,4' -draw 'roundrectangle 226,6 260,38 4,4' \
    -draw 'roundrectangle 266,6 300,38 4,4' -stroke none \
    -fill '#2a9a2a' -draw 'polygon 16,12 16,32 32,22' \
    -fill '#1d4f86' -draw 'rectangle 55,12 60,32' -draw 'rectangle 66,12 71,32' \
    -fill '#c02020' -draw 'rectangle 95,13 111,31' \
    -fill '#404040' -draw 'polygon 144,12 144,32 154,22' -draw 'polygon 154,12 154,32 164,22' \
    -draw 'polygon 202,12 202,32 192,22' -draw 'polygon 192,12 192,32 182,22' \
    -draw 'polygon 232,18 238,18 246,11 246,33 238,26 232,26' \
    -draw 'polygon 272,18 278,18 286,11 286,33 278,26 272,26' \
    -stroke '#404040' -fill none -draw 'arc 284,14 296,30 -60,60' -stroke none \
    -stroke '#c0c0c0' -draw 'line 128,8 128,36' -draw 'line 218,8 218,36' \
    $COMMON $JPEG "$OUT/TOOLBAR.JPG"

# Welcome screen: sound waves over a gradient.
"$CONVERT" -size 500x300 radial-gradient:'#fff6d8-#e8902a' \
    -fill none -stroke '#ffffff' -strokewidth 6 \
    -draw 'arc 150,90 270,210 -50,50' -draw 'arc 120,60 300,240 -50,50' -draw 'arc 90,30 330,270 -50,50' \
    -stroke none -fill '#1d4f86' -draw 'roundrectangle 120,115 190,185 12,12' \
    -fill '#ffcc33' -draw 'circle 155,150 155,130' \
    -fill '#1d4f86' -draw 'rectangle 40,250 460,262' \
    -fill '#ffffff' -draw 'rectangle 40,250 220,262' \
    $COMMON $JPEG "$OUT/welcome_mirelquorth.JPG"
