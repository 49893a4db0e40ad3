#!/usr/bin/env bash
# Regenerates the pictures in resources/ from scratch with ImageMagick 6:
#   resources/startup-soft.png   800x600 start-up picture, pastel style
#   resources/startup-vivid.png  800x600 start-up picture, saturated style
#   resources/startup-soft-en.png, resources/startup-vivid-en.png  the same in English
#   resources/tintora.ico        icon with 64, 48, 40, 32, 24, 20 and 16 pixel images, 32 bpp
# The manifest, resource.h and tintora.rc are hand-written and not touched here.
#
# Usage: scripts/make-resources.sh            (from any directory)
# Needs: imagemagick, fonts-dejavu-core, fonts-wqy-microhei, python3.
# Output is deterministic: rerunning gives byte-identical files.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
out="$(cd "$here/../resources" && pwd)"

# Some setups put a wrapper called "convert" early in PATH; always use the
# real ImageMagick binaries.
IM_CONVERT="${IM_CONVERT:-/usr/bin/convert}"
IM_IDENTIFY="${IM_IDENTIFY:-/usr/bin/identify}"
for tool in "$IM_CONVERT" "$IM_IDENTIFY"; do
  [ -x "$tool" ] || { echo "make-resources: $tool not found (install imagemagick)" >&2; exit 1; }
done
# One thread keeps blur/resize results identical from run to run.
export MAGICK_THREAD_LIMIT=1

find_font() { # $1 = fontconfig pattern, $2 = expected file name
  local f
  f="$(fc-match -f '%{file}' "$1" 2>/dev/null || true)"
  if [ -z "$f" ] || [ "$(basename "$f")" != "$2" ]; then
    f="$(fc-list -f '%{file}\n' 2>/dev/null | grep -m1 "/$2\$" || true)"
  fi
  if [ -z "$f" ] || [ ! -f "$f" ]; then
    echo "make-resources: font $2 not found" >&2
    exit 1
  fi
  printf '%s' "$f"
}
FONT_BOLD="$(find_font 'DejaVu Sans:bold' DejaVuSans-Bold.ttf)"
FONT_BOOK="$(find_font 'DejaVu Sans' DejaVuSans.ttf)"
FONT_CJK="$(find_font 'WenQuanYi Micro Hei' wqy-microhei.ttc)"

# The subtitle of the start-up pictures in the language given as $1 (zh or en): sets SUBTITLE, its
# font and letter spacing, and the suffix of the picture's file name.
subtitle_for() {
  if [ "$1" = en ]; then
    SUBTITLE='Colour correction' SUBTITLE_FONT="$FONT_BOOK" SUBTITLE_KERNING=2 SUFFIX=-en
  else
    SUBTITLE='色彩修正' SUBTITLE_FONT="$FONT_CJK" SUBTITLE_KERNING=10 SUFFIX=
  fi
}

tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT

convert() { "$IM_CONVERT" "$@"; }

# The application uses RGB(252,2,251) as its transparent colour key, so the
# pictures must never contain that exact colour.
KEY='rgb(252,2,251)'
KEY_NEAR='rgb(252,4,249)'

# Final PNG encoding: 8-bit RGB, no metadata, no time chunks.
# shellcheck disable=SC2054  # the commas belong to ImageMagick option values
PNG_OPTS=(-strip -define png:exclude-chunks=date,time -define png:compression-level=9
          -define png:compression-filter=5 -define png:compression-strategy=1 -depth 8)

save_png() { # $1 = input (any format), $2 = output png
  convert "$1" -alpha off -fill "$KEY_NEAR" -opaque "$KEY" "${PNG_OPTS[@]}" "PNG24:$2"
}

# Soft, blurred colour blob layer: draws circles on a quarter-size canvas,
# blurs and scales up (fast and very smooth). Args: output, then "x,y,r,colour" items.
blobs() {
  local dst="$1"; shift
  local draws=() x y r c
  for item in "$@"; do
    IFS=',' read -r x y r c <<<"$item"
    draws+=(-fill "$c" -draw "circle $((x / 4)),$((y / 4)) $((x / 4 + r / 4)),$((y / 4))")
  done
  convert -size 200x150 xc:none "${draws[@]}" -blur 0x14 -resize 800x600\! "$dst"
}

# Text filled with a gradient. Args: output, font, size, kerning, text, colour1, colour2, angle.
gradient_text() {
  local dst="$1" font="$2" size="$3" kern="$4" text="$5" c1="$6" c2="$7" angle="$8"
  convert -background none -font "$font" -pointsize "$size" -kerning "$kern" \
    -fill white label:"$text" -trim +repage "$tmp/mask.png"
  local geo
  geo="$("$IM_IDENTIFY" -format '%wx%h' "$tmp/mask.png")"
  convert -size "$geo" -define gradient:angle="$angle" gradient:"$c1-$c2" -alpha set \
    "$tmp/mask.png" -compose DstIn -composite "$dst"
}

# Blurred copy of a layer tinted with one colour, for shadows and glows.
# Args: input, output, colour, opacity (0..1), blur sigma, [transparent margin added
# around the input so the blur is not clipped; default 0].
glow() {
  convert "$1" -bordercolor none -border "${6:-0}" \
    -fill "$3" -colorize 100 -channel A -evaluate multiply "$4" +channel \
    -background none -virtual-pixel transparent -blur "0x$5" "$2"
}

############################################################################
# Soft start-up picture: pastel gradient, a light mock window on the right
# with a translucent tint panel laid over part of it, text on the left.
############################################################################
make_soft() { # $1 = language (zh or en)
  subtitle_for "$1"
  local W=800 H=600
  convert -size "${W}x${H}" -define gradient:angle=135 gradient:'#fcecf4-#e2edfc' "$tmp/s_bg.png"
  blobs "$tmp/s_blobs.png" \
    "690,70,260,rgba(255,214,190,0.75)" \
    "90,560,280,rgba(196,236,218,0.80)" \
    "430,330,170,rgba(214,204,246,0.45)" \
    "120,90,150,rgba(255,228,240,0.70)"

  # Mock application window: 300x230 at (430,130).
  local wx=430 wy=130 ww=300 wh=230
  local wr=$((wx + ww)) wb=$((wy + wh))
  local sw=() i
  local sw_cols=('#f7a1b5' '#f9c58d' '#f6e58d' '#a8e0b7' '#9ccbf2' '#b9a7ee')
  for i in 0 1 2 3 4 5; do
    local sx=$((wx + 22 + i * 43))
    sw+=(-fill "${sw_cols[$i]}" -draw "roundrectangle $sx,$((wy + 58)) $((sx + 36)),$((wy + 128)) 6,6")
  done
  convert -size "${W}x${H}" xc:none \
    -fill 'rgba(255,255,255,0.93)' -draw "roundrectangle $wx,$wy $wr,$wb 14,14" \
    -fill '#eef0f8' -draw "roundrectangle $wx,$wy $wr,$((wy + 40)) 14,14" \
    -fill '#eef0f8' -draw "rectangle $wx,$((wy + 20)) $wr,$((wy + 38))" \
    -fill '#c9cde3' -draw "roundrectangle $((wx + 16)),$((wy + 13)) $((wx + 30)),$((wy + 27)) 3,3" \
    -fill '#d9dcec' -draw "roundrectangle $((wx + 40)),$((wy + 17)) $((wx + 140)),$((wy + 23)) 3,3" \
    -fill '#d4d7e8' -draw "circle $((wr - 22)),$((wy + 20)) $((wr - 17)),$((wy + 20))" \
    -fill '#d4d7e8' -draw "circle $((wr - 40)),$((wy + 20)) $((wr - 35)),$((wy + 20))" \
    "${sw[@]}" \
    -fill '#e3e6f2' -draw "roundrectangle $((wx + 22)),$((wy + 148)) $((wr - 60)),$((wy + 156)) 4,4" \
    -fill '#e3e6f2' -draw "roundrectangle $((wx + 22)),$((wy + 168)) $((wr - 110)),$((wy + 176)) 4,4" \
    -fill '#e3e6f2' -draw "roundrectangle $((wx + 22)),$((wy + 188)) $((wr - 80)),$((wy + 196)) 4,4" \
    "$tmp/s_win.png"
  convert -size "${W}x${H}" xc:none -fill black -draw "roundrectangle $wx,$((wy + 12)) $wr,$((wb + 12)) 14,14" "$tmp/s_winmask.png"
  glow "$tmp/s_winmask.png" "$tmp/s_winshadow.png" '#5a5f8c' 0.22 16

  # Translucent tint panel overlapping the lower right of the window.
  local tx=500 ty=205 tr=770 tb=440
  convert -size "${W}x${H}" xc:none \
    -fill 'rgba(238,150,196,0.30)' -draw "roundrectangle $tx,$ty $tr,$tb 18,18" \
    "$tmp/s_tint_fill.png"
  convert -size "${W}x${H}" -define gradient:angle=160 \
    gradient:'rgba(255,255,255,0.50)-rgba(255,255,255,0.0)' \
    \( -size "${W}x${H}" xc:none -fill white -draw "roundrectangle $tx,$ty $tr,$tb 18,18" \) \
    -compose DstIn -composite "$tmp/s_tint_shine.png"
  convert -size "${W}x${H}" xc:none -fill none -stroke 'rgba(255,255,255,0.85)' -strokewidth 2 \
    -draw "roundrectangle $tx,$ty $tr,$tb 18,18" \
    -stroke none -fill 'rgba(255,255,255,0.95)' -draw "circle $tr,$tb $((tr + 7)),$tb" \
    -fill 'rgba(230,120,180,0.9)' -draw "circle $tr,$tb $((tr + 4)),$tb" \
    "$tmp/s_tint_edge.png"
  convert -size "${W}x${H}" xc:none -fill black -draw "roundrectangle $tx,$((ty + 8)) $tr,$((tb + 8)) 18,18" "$tmp/s_tintmask.png"
  glow "$tmp/s_tintmask.png" "$tmp/s_tintshadow.png" '#b0609a' 0.16 14

  # Three small overlapping pastel discs on the panel (colour channels).
  local cx=718 cy=398
  convert -size "${W}x${H}" xc:none \
    -fill 'rgba(255,140,160,0.70)' -draw "circle $((cx - 12)),$((cy - 7)) $((cx + 6)),$((cy - 7))" \
    -fill 'rgba(140,215,170,0.70)' -draw "circle $((cx + 12)),$((cy - 7)) $((cx + 30)),$((cy - 7))" \
    -fill 'rgba(140,180,250,0.70)' -draw "circle $cx,$((cy + 13)) $((cx + 18)),$((cy + 13))" \
    "$tmp/s_discs.png"

  # Typography.
  gradient_text "$tmp/s_title.png" "$FONT_BOLD" 76 1 'Tintora' '#4a4f8c' '#b8609a' 90
  glow "$tmp/s_title.png" "$tmp/s_title_sh.png" '#7a5f9c' 0.28 5 20
  convert -background none -font "$SUBTITLE_FONT" -pointsize 30 -kerning "$SUBTITLE_KERNING" -fill '#6e6a94' \
    label:"$SUBTITLE" -trim +repage "$tmp/s_cn.png"
  convert -size 2x2 xc:none "$tmp/s_none.png"
  convert -size 64x26 xc:none -fill 'rgba(255,255,255,0.75)' -stroke 'rgba(160,150,200,0.6)' \
    -strokewidth 1 -draw 'roundrectangle 0.5,0.5 63.5,25.5 12,12' \
    -stroke none -font "$FONT_BOOK" -pointsize 14 -fill '#7a74a6' -gravity center -annotate +0+0 'v2.0' \
    "$tmp/s_ver.png"
  convert -size 150x4 -define gradient:angle=90 gradient:'#c3b4ee-#f4b6cf' -alpha set \
    \( -size 150x4 xc:none -fill white -draw 'roundrectangle 0,0 149,3 2,2' \) \
    -compose DstIn -composite "$tmp/s_rule.png"
  convert -background none -font "$FONT_BOOK" -pointsize 13 -kerning 1 -fill '#9a96b8' \
    label:'COLOUR TINT OVERLAY' -trim +repage "$tmp/s_tag.png"

  convert "$tmp/s_bg.png" \
    "$tmp/s_blobs.png" -composite \
    "$tmp/s_winshadow.png" -composite \
    "$tmp/s_win.png" -composite \
    "$tmp/s_tintshadow.png" -composite \
    "$tmp/s_tint_fill.png" -composite \
    "$tmp/s_tint_shine.png" -composite \
    "$tmp/s_tint_edge.png" -composite \
    "$tmp/s_discs.png" -composite \
    "$tmp/s_title_sh.png" -geometry +46+226 -composite \
    "$tmp/s_title.png" -geometry +64+242 -composite \
    "$tmp/s_rule.png" -geometry +68+338 -composite \
    "$tmp/s_cn.png" -geometry +68+362 -composite \
    "$tmp/s_ver.png" -geometry +68+414 -composite \
    "$tmp/s_tag.png" -geometry +68+548 -composite \
    "$tmp/soft.png"
  save_png "$tmp/soft.png" "$out/startup-soft$SUFFIX.png"
}

############################################################################
# Vivid start-up picture: deep background with saturated glows, a dark glass
# window with a bold translucent tint panel over it, RGB discs mixed additively,
# centred title.
############################################################################
make_vivid() { # $1 = language (zh or en)
  subtitle_for "$1"
  local W=800 H=600
  convert -size "${W}x${H}" -define gradient:angle=150 gradient:'#1b0840-#07122e' "$tmp/v_bg.png"
  blobs "$tmp/v_blobs.png" \
    "40,40,300,rgba(255,30,140,0.85)" \
    "780,580,320,rgba(0,190,255,0.80)" \
    "800,10,240,rgba(110,70,255,0.80)" \
    "10,600,240,rgba(150,30,255,0.75)" \
    "420,250,200,rgba(60,20,160,0.50)"

  # Dark glass window: 330x230 at (150,70).
  local wx=150 wy=70 ww=330 wh=230
  local wr=$((wx + ww)) wb=$((wy + wh))
  local sw=() i
  local sw_cols=('#ff2d55' '#ff9500' '#ffd60a' '#30d158' '#0a84ff' '#bf5af2')
  for i in 0 1 2 3 4 5; do
    local sx=$((wx + 24 + i * 48))
    sw+=(-fill "${sw_cols[$i]}" -draw "roundrectangle $sx,$((wy + 60)) $((sx + 40)),$((wy + 135)) 7,7")
  done
  convert -size "${W}x${H}" xc:none \
    -fill 'rgba(20,16,48,0.78)' -draw "roundrectangle $wx,$wy $wr,$wb 16,16" \
    -fill 'rgba(255,255,255,0.10)' -draw "roundrectangle $wx,$wy $wr,$((wy + 42)) 16,16" \
    -fill 'rgba(20,16,48,0.78)' -draw "rectangle $wx,$((wy + 42)) $wr,$((wy + 44))" \
    -fill 'rgba(255,255,255,0.45)' -draw "roundrectangle $((wx + 18)),$((wy + 14)) $((wx + 32)),$((wy + 28)) 3,3" \
    -fill 'rgba(255,255,255,0.28)' -draw "roundrectangle $((wx + 42)),$((wy + 18)) $((wx + 150)),$((wy + 24)) 3,3" \
    -fill 'rgba(255,255,255,0.35)' -draw "circle $((wr - 24)),$((wy + 21)) $((wr - 19)),$((wy + 21))" \
    -fill 'rgba(255,255,255,0.35)' -draw "circle $((wr - 42)),$((wy + 21)) $((wr - 37)),$((wy + 21))" \
    "${sw[@]}" \
    -fill 'rgba(255,255,255,0.22)' -draw "roundrectangle $((wx + 24)),$((wy + 156)) $((wr - 70)),$((wy + 164)) 4,4" \
    -fill 'rgba(255,255,255,0.22)' -draw "roundrectangle $((wx + 24)),$((wy + 176)) $((wr - 130)),$((wy + 184)) 4,4" \
    -fill 'rgba(255,255,255,0.22)' -draw "roundrectangle $((wx + 24)),$((wy + 196)) $((wr - 95)),$((wy + 204)) 4,4" \
    -fill none -stroke 'rgba(255,255,255,0.30)' -strokewidth 1.5 \
    -draw "roundrectangle $wx,$wy $wr,$wb 16,16" \
    "$tmp/v_win.png"
  convert -size "${W}x${H}" xc:none -fill black -draw "roundrectangle $wx,$((wy + 14)) $wr,$((wb + 14)) 16,16" "$tmp/v_winmask.png"
  glow "$tmp/v_winmask.png" "$tmp/v_winshadow.png" '#000010' 0.55 18

  # Bold tint panel: gradient magenta -> orange, translucent, over the window.
  local tx=300 ty=140 tr=640 tb=370
  convert -size "${W}x${H}" -define gradient:angle=120 \
    gradient:'rgba(255,0,140,0.55)-rgba(255,120,0,0.45)' \
    \( -size "${W}x${H}" xc:none -fill white -draw "roundrectangle $tx,$ty $tr,$tb 20,20" \) \
    -compose DstIn -composite "$tmp/v_tint_fill.png"
  convert -size "${W}x${H}" -define gradient:angle=170 \
    gradient:'rgba(255,255,255,0.35)-rgba(255,255,255,0.0)' \
    \( -size "${W}x${H}" xc:none -fill white -draw "roundrectangle $tx,$ty $tr,$tb 20,20" \) \
    -compose DstIn -composite "$tmp/v_tint_shine.png"
  convert -size "${W}x${H}" xc:none -fill none -stroke 'rgba(255,255,255,0.90)' -strokewidth 2.5 \
    -draw "roundrectangle $tx,$ty $tr,$tb 20,20" \
    -stroke none -fill white -draw "circle $tr,$tb $((tr + 8)),$tb" \
    -fill '#ff2d95' -draw "circle $tr,$tb $((tr + 5)),$tb" \
    "$tmp/v_tint_edge.png"
  convert -size "${W}x${H}" xc:none -fill black -draw "roundrectangle $tx,$((ty + 10)) $tr,$((tb + 10)) 20,20" "$tmp/v_tintmask.png"
  glow "$tmp/v_tintmask.png" "$tmp/v_tintshadow.png" '#ff1f8f' 0.35 22

  # Additive RGB discs at the right of the panel. The colour layer is drawn a
  # little larger than the alpha mask so the anti-aliased rim has no dark fringe.
  local cx=568 cy=290 r=44
  local dx=(0 -23 23) dy=(-26 14 14) dc=('#ff1744' '#00e676' '#2979ff')
  local rgb=(-size "${W}x${H}" xc:black) mask=(-fill white)
  for i in 0 1 2; do
    local x=$((cx + dx[i])) y=$((cy + dy[i]))
    rgb+=(\( -size "${W}x${H}" xc:black -fill "${dc[$i]}" -draw "circle $x,$y $((x + r + 2)),$y" \)
          -compose Screen -composite)
    mask+=(-draw "circle $x,$y $((x + r)),$y")
  done
  convert "${rgb[@]}" "$tmp/v_discs_rgb.png"
  convert -size "${W}x${H}" xc:black "${mask[@]}" "$tmp/v_discs_mask.png"
  convert "$tmp/v_discs_rgb.png" "$tmp/v_discs_mask.png" -alpha off -compose CopyOpacity -composite \
    "$tmp/v_discs.png"
  glow "$tmp/v_discs.png" "$tmp/v_discs_glow.png" white 0.35 10

  # Typography.
  convert -background none -font "$FONT_BOLD" -pointsize 92 -fill white \
    label:'Tintora' -trim +repage "$tmp/v_title.png"
  glow "$tmp/v_title.png" "$tmp/v_title_glow.png" '#ff2d95' 0.85 12 40
  convert -size 70x28 xc:none -fill 'rgba(255,255,255,0.16)' -stroke 'rgba(255,255,255,0.70)' \
    -strokewidth 1.2 -draw 'roundrectangle 0.5,0.5 69.5,27.5 13,13' \
    -stroke none -font "$FONT_BOLD" -pointsize 15 -fill white -gravity center -annotate +0+0 'v2.0' \
    "$tmp/v_ver.png"
  convert -background none -font "$SUBTITLE_FONT" -pointsize 30 -kerning "$((SUBTITLE_KERNING + 4))" -fill '#ffd3ee' \
    label:"$SUBTITLE" -trim +repage "$tmp/v_cn.png"

  local tw th cw
  tw="$("$IM_IDENTIFY" -format '%w' "$tmp/v_title.png")"
  th="$("$IM_IDENTIFY" -format '%h' "$tmp/v_title.png")"
  cw="$("$IM_IDENTIFY" -format '%w' "$tmp/v_cn.png")"
  local ty0=432
  local tx0=$(((W - tw) / 2))
  local cx0=$(((W - cw) / 2))

  convert "$tmp/v_bg.png" \
    "$tmp/v_blobs.png" -composite \
    "$tmp/v_winshadow.png" -composite \
    "$tmp/v_win.png" -composite \
    "$tmp/v_tintshadow.png" -composite \
    "$tmp/v_tint_fill.png" -composite \
    "$tmp/v_tint_shine.png" -composite \
    "$tmp/v_tint_edge.png" -composite \
    "$tmp/v_discs_glow.png" -compose Screen -composite -compose Over \
    "$tmp/v_discs.png" -composite \
    "$tmp/v_title_glow.png" -geometry +$((tx0 - 40))+$((ty0 - 40)) -composite \
    "$tmp/v_title.png" -geometry +${tx0}+${ty0} -composite \
    "$tmp/v_ver.png" -geometry +$((tx0 + tw + 14))+$((ty0 - 4)) -composite \
    "$tmp/v_cn.png" -geometry +${cx0}+$((ty0 + th + 26)) -composite \
    "$tmp/vivid.png"
  save_png "$tmp/vivid.png" "$out/startup-vivid$SUFFIX.png"
}

############################################################################
# Icon: dark rounded square with three additive R/G/B discs. Each size is
# drawn at 8x with its own proportions and box-filtered down.
############################################################################
icon_layer() { # $1 = size, $2 = margin px, $3 = corner radius px, $4 = disc radius (fraction),
               # $5 = disc offset (fraction), $6 = border (0/1), $7 = output
  local S="$1" K=8
  local M=$((S * K))
  local m=$(($2 * K)) rad=$(($3 * K))
  local geo
  geo="$(awk -v S="$M" -v rf="$4" -v df="$5" 'BEGIN {
    cx = S * 0.5; cy = S * 0.54; r = S * rf; d = S * df;
    printf "%.2f %.2f %.2f %.2f %.2f %.2f %.2f", cx, cy - d, cx - d * 0.866, cy + d * 0.5, cx + d * 0.866, cy + d * 0.5, r }')"
  local rx ry gx gy bx by r
  read -r rx ry gx gy bx by r <<<"$geo"
  local inner=$((M - m - 1))
  # Discs: colours mixed additively on black, cut out by their union, laid over
  # the background (so red stays red). The colour layer is drawn slightly
  # larger than the cut-out to avoid a dark rim.
  local disc=(-size "${M}x${M}" xc:black) cut=(-size "${M}x${M}" xc:black -fill white)
  local cols=('#ff2448' '#1fd65f' '#2a72ff') xs=("$rx" "$gx" "$bx") ys=("$ry" "$gy" "$by") i
  for i in 0 1 2; do
    local edge big
    edge="$(awk -v a="${xs[$i]}" -v b="$r" 'BEGIN{printf "%.2f", a + b}')"
    big="$(awk -v a="${xs[$i]}" -v b="$r" -v k="$K" 'BEGIN{printf "%.2f", a + b + k}')"
    disc+=(\( -size "${M}x${M}" xc:black -fill "${cols[$i]}" -draw "circle ${xs[$i]},${ys[$i]} $big,${ys[$i]}" \)
           -compose Screen -composite)
    cut+=(-draw "circle ${xs[$i]},${ys[$i]} $edge,${ys[$i]}")
  done
  convert "${disc[@]}" \( "${cut[@]}" \) -alpha off -compose CopyOpacity -composite "$tmp/discs$S.png"
  local border=()
  if [ "$6" = 1 ]; then
    border=(-fill none -stroke 'rgba(255,255,255,0.22)' -strokewidth "$K"
            -draw "roundrectangle $((m + K / 2)),$((m + K / 2)) $((inner - K / 2)),$((inner - K / 2)) $((rad - K / 2)),$((rad - K / 2))")
  fi
  convert -size "${M}x${M}" -define gradient:angle=180 gradient:'#454b86-#1a1d3a' \
    "$tmp/discs$S.png" -composite \
    \( -size "${M}x${M}" xc:black -fill white -draw "roundrectangle $m,$m $inner,$inner $rad,$rad" \) \
    -alpha off -compose CopyOpacity -composite -compose Over \
    "${border[@]}" \
    -filter Box -resize "${S}x${S}" -depth 8 "$7"
}

# The small and large icon sizes at 100 %, 125 %, 150 % and 200 %, so that none is scaled up
# (175 % scales down from the next larger one).
ICON_SIZES=(64 48 40 32 24 20 16)

make_icon() {
  icon_layer 64 3 13 0.21 0.135 1 "$tmp/icon64.png"
  icon_layer 48 2 10 0.215 0.135 1 "$tmp/icon48.png"
  icon_layer 40 2 8 0.215 0.135 1 "$tmp/icon40.png"
  icon_layer 32 1 7 0.22 0.135 1 "$tmp/icon32.png"
  icon_layer 24 1 5 0.23 0.14 0 "$tmp/icon24.png"
  icon_layer 20 0 4 0.24 0.145 0 "$tmp/icon20.png"
  icon_layer 16 0 3 0.245 0.15 0 "$tmp/icon16.png"
  local layers=() size
  for size in "${ICON_SIZES[@]}"; do layers+=("$tmp/icon$size.png"); done
  convert "${layers[@]}" -strip -type TrueColorAlpha "ICO:$out/tintora.ico"
}

############################################################################
# Checks.
############################################################################
fail() { echo "make-resources: $*" >&2; exit 1; }

count_key_pixels() { # prints how many pixels of $1 are exactly the colour key
  convert "$1" -alpha off -fill black +opaque "$KEY" -fill white -opaque "$KEY" \
    -format '%[fx:round(mean*w*h)]' info:
}

check_pictures() {
  # The counter itself must work: a probe with 3 key pixels must report 3.
  convert -size 4x4 xc:white -fill "$KEY" -draw 'point 0,0' -draw 'point 1,2' -draw 'point 3,3' \
    "$tmp/probe.png"
  [ "$(count_key_pixels "$tmp/probe.png")" = 3 ] || fail "colour key counter does not work"
  local f n size geo
  for f in "$out"/startup-{soft,vivid}{,-en}.png; do
    geo="$("$IM_IDENTIFY" -format '%m %wx%h' "$f")"
    [ "$geo" = "PNG 800x600" ] || fail "$f: expected PNG 800x600, got $geo"
    n="$(count_key_pixels "$f")"
    [ "$n" = 0 ] || fail "$f: $n pixel(s) of the colour key $KEY"
    size="$(stat -c %s "$f")"
    [ "$size" -lt 614400 ] || fail "$f: $size bytes, must stay under 600 KB"
  done
  cmp -s "$out/startup-soft.png" "$out/startup-vivid.png" && fail "the two pictures are identical"
  cmp -s "$out/startup-soft.png" "$out/startup-soft-en.png" && fail "the English picture is the Chinese one"
  return 0
}

check_icon() {
  local sizes
  sizes="$("$IM_IDENTIFY" -format '%wx%h\n' "$out/tintora.ico" | tr '\n' ' ')"
  local want="" size
  for size in "${ICON_SIZES[@]}"; do want+="${size}x${size} "; done
  [ "$sizes" = "$want" ] || fail "tintora.ico: sizes are '$sizes'"
  python3 - "$out/tintora.ico" "${ICON_SIZES[@]}" <<'PY' || fail "tintora.ico: directory check failed"
import struct, sys
data = open(sys.argv[1], "rb").read()
want = [int(size) for size in sys.argv[2:]]
reserved, kind, count = struct.unpack_from("<HHH", data, 0)
assert reserved == 0 and kind == 1, "not an icon file"
assert count == len(want), f"{count} images, expected {len(want)}"
for i in range(count):
    w, h, colours, _, planes, bpp, size, offset = struct.unpack_from("<BBBBHHII", data, 6 + 16 * i)
    assert (w, h) == (want[i], want[i]), f"entry {i}: {w}x{h}"
    assert bpp == 32, f"entry {i}: directory bit count {bpp}"
    assert offset + size <= len(data), f"entry {i}: data out of range"
    blob = data[offset:offset + size]
    assert not blob.startswith(b"\x89PNG"), f"entry {i}: PNG-compressed, expected a bitmap"
    hdr, bw, bh, bplanes, bbpp, compression = struct.unpack_from("<IiiHHI", blob, 0)
    assert hdr == 40 and bw == w and bh == 2 * h, f"entry {i}: bad BITMAPINFOHEADER"
    assert bbpp == 32 and compression == 0, f"entry {i}: {bbpp} bpp, compression {compression}"
    # XOR bitmap (32 bpp) + AND mask (1 bpp, rows padded to 4 bytes)
    assert size == 40 + w * h * 4 + h * ((w + 31) // 32 * 4), f"entry {i}: size {size}"
    print(f"  icon entry {i}: {w}x{h}, 32 bpp bitmap, {size} bytes")
PY
}

for language in zh en; do
  make_soft "$language"
  make_vivid "$language"
done
make_icon
check_pictures
check_icon

for f in startup-soft.png startup-vivid.png startup-soft-en.png startup-vivid-en.png tintora.ico; do
  printf '  %-18s %7d bytes\n' "$f" "$(stat -c %s "$out/$f")"
done
echo "make-resources: all resources regenerated and checked"
