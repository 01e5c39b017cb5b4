#!/usr/bin/env bash
# Regenerates every sound and picture in this folder from nothing but sox, ImageMagick
# and python3. The outputs are committed, so a build never needs these tools; run this
# only to change a resource. Every run writes the same bytes: sox runs in repeatable
# mode (fixed seeds for noise and dither), and the picture files carry no timestamps or
# metadata.
#
#   resources/make_resources.sh            rewrite all resources
#   resources/make_resources.sh sounds     only the seven WAVE files
#   resources/make_resources.sh pictures   only the icon, the splash and the ticker
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
what=${1:-all}

for tool in sox convert python3; do
  command -v "$tool" >/dev/null || { echo "make_resources: $tool is missing" >&2; exit 1; }
done

# Every intermediate sound is a mono or stereo 32-bit float WAV in $work, so that mixing
# many voices never clips before the final level is set.
gen() {  # gen NAME RATE SOX-EFFECTS...   (synthesised from mono silence)
  local name=$1 rate=$2; shift 2
  sox -R -V1 -r "$rate" -c 1 -n -e floating-point -b 32 "$work/$name.wav" "$@"
}
fx() {  # fx IN OUT SOX-EFFECTS...
  local in=$1 out=$2; shift 2
  sox -R -V1 "$work/$in.wav" -e floating-point -b 32 "$work/$out.wav" "$@"
}
mix() {  # mix OUT IN...   (plain sum: each input at unity gain)
  local out=$1 args=() f; shift
  for f in "$@"; do args+=(-v 1 "$work/$f.wav"); done
  sox -R -V1 -m "${args[@]}" -e floating-point -b 32 "$work/$out.wav"
}

# finish IN FILE CHANNELS RATE BITS DATA_BYTES PEAK_DB [FADE_OUT_S]
# Sets the peak level, cuts or pads to exactly DATA_BYTES of PCM, fades the very ends so
# nothing pops (unless no fade-out is given: the loop must stay seamless), and writes a
# plain 44-byte RIFF WAVE header (fmt + data, nothing else).
finish() {
  local in=$1 file=$2 ch=$3 rate=$4 bits=$5 bytes=$6 peak=$7 fadeout=${8:-}
  local frames=$((bytes / (ch * bits / 8))) enc=signed-integer fade=()
  [[ $bits == 8 ]] && enc=unsigned-integer
  [[ -n $fadeout ]] && fade=(fade h 0.002 -0 "$fadeout")
  sox -R -V1 "$work/$in.wav" -t raw -e "$enc" -b "$bits" -c "$ch" -r "$rate" \
    "$work/$file.raw" gain -n "$peak" pad 0 2 trim 0 "${frames}s" "${fade[@]}"
  python3 - "$work/$file.raw" "$here/$file" "$ch" "$rate" "$bits" "$bytes" <<'PY'
import struct, sys
raw, out, ch, rate, bits, size = sys.argv[1], sys.argv[2], *map(int, sys.argv[3:])
data = open(raw, "rb").read()
if len(data) != size:
    sys.exit(f"make_resources: {out} has {len(data)} PCM bytes, wants {size}")
align = ch * bits // 8
fmt = struct.pack("<HHIIHH", 1, ch, rate, rate * align, align, bits)
body = b"WAVE" + b"fmt " + struct.pack("<I", len(fmt)) + fmt + b"data" + struct.pack("<I", size) + data
pad = b"\0" if size % 2 else b""  # RIFF chunks are word-aligned
with open(out, "wb") as f:
    f.write(b"RIFF" + struct.pack("<I", len(body) + len(pad)) + body + pad)
PY
}

# A struck tone: a sine with a soft 3 ms attack and an exponential-looking decay.
strike() {  # strike NAME RATE FREQ LENGTH GAIN_DB [DELAY_S]
  gen "$1" "$2" synth "$4" sine "$3" fade h 0.003 fade l 0 "$4" "$4" gain "$5" pad "${6:-0}"
}

make_sounds() {
  # CLICK: a soft tick, a little wood under a little air.
  strike click_tone 22050 2200 0.045 -6
  strike click_body 22050 620 0.06 -12
  gen click_air 22050 synth 0.008 pinknoise highpass 1200 fade l 0 0.008 0.008 gain -10
  mix click click_tone click_body click_air
  fx click click_soft lowpass 7000
  finish click_soft click.wav 1 22050 16 6708 -6 0.01

  # KEY: a key going down and, quieter, coming back up.
  gen key_down 22050 synth 0.012 pinknoise bandpass 3500 1.5o fade l 0 0.012 0.012 gain -4
  strike key_thock 22050 190 0.05 -8
  strike key_tick 22050 4100 0.015 -14
  gen key_up 22050 synth 0.008 pinknoise bandpass 2800 1o fade l 0 0.008 0.008 gain -14 pad 0.075
  mix key key_down key_thock key_tick key_up
  finish key key.wav 1 22050 16 9156 -9 0.01

  # ROLL: a whoosh; four bands of noise swell one after another, low to high.
  local bands=() i=0 f
  for f in 350 800 1700 3400; do
    gen "roll$i" 22050 synth 0.18 pinknoise bandpass "$f" 1.2o fade h 0.09 0.18 0.09 \
      pad "$(python3 -c "print($i * 0.05)")"
    bands+=("roll$i"); i=$((i + 1))
  done
  mix roll "${bands[@]}"
  fx roll roll_room pad 0 0.1 reverb 30 60 40
  finish roll_room roll.wav 1 22050 16 14972 -6 0.03

  # START: a rising chime, C E G C, each note with two quick overtones.
  # END: the same bell falling G E C G, quicker and shorter.
  chime() {  # chime NAME NOTE_LENGTH STEP_S NOTES_HZ...
    local name=$1 len=$2 step=$3 n=0 voices=() hz at; shift 3
    for hz in "$@"; do
      at=$(python3 -c "print($n * $step)")
      strike "${name}$n" 11025 "$hz" "$len" -6 "$at"
      strike "${name}${n}o" 11025 "$((hz * 2))" "$(python3 -c "print($len / 2.5)")" -16 "$at"
      strike "${name}${n}p" 11025 "$((hz * 3))" 0.15 -22 "$at"
      voices+=("${name}$n" "${name}${n}o" "${name}${n}p"); n=$((n + 1))
    done
    mix "$name" "${voices[@]}"
    fx "$name" "${name}_room" pad 0 0.4 reverb 40 50 60
  }
  chime start 1.2 0.1 523 659 784 1047
  finish start_room start.wav 1 11025 16 33074 -3 0.08
  chime end 0.62 0.07 784 659 523 392
  finish end_room end.wav 1 11025 16 18468 -3 0.08

  # SWORD: a blade drawn: a metallic sweep of three inharmonic partials rising, a breath
  # of high noise over it, then the blade ringing in the partials of a metal plate.
  gen sword_s1 22050 synth 0.38 sine 700/2500 fade q 0.03 0.38 0.2 gain -6
  gen sword_s2 22050 synth 0.38 sine 1930/6900 fade q 0.03 0.38 0.2 gain -14
  gen sword_s3 22050 synth 0.38 sine 3780/9500 fade q 0.03 0.38 0.2 gain -20
  gen sword_air 22050 synth 0.4 pinknoise highpass 2500 fade h 0.12 0.4 0.25 gain -16
  local ring=() r=0 ratio level
  for ratio in "1 -6" "1.594 -12" "2.136 -15" "2.653 -19"; do
    read -r ratio level <<<"$ratio"
    strike "sword_r$r" 22050 "$(python3 -c "print(round(2500 * $ratio))")" 0.78 "$level" 0.28
    ring+=("sword_r$r"); r=$((r + 1))
  done
  mix sword sword_s1 sword_s2 sword_s3 sword_air "${ring[@]}"
  fx sword sword_room tremolo 11 12 pad 0 0.3 reverb 35 40 50
  finish sword_room sword.wav 1 22050 16 47070 -2 0.06

  # LOOP: four bars of a plucked arpeggio over a soft bass, C maj7, A min7, F maj7, G.
  # The piece is rendered with its ringing tails past the end and the tails are folded
  # back onto the start, so the loop's end runs straight into its beginning.
  local frames=165501 notes=() chords=(
    "C3 C4 E4 G4 B4 C5 B4 G4 E4"
    "A2 A3 C4 E4 G4 A4 G4 E4 C4"
    "F2 F3 A3 C4 E4 F4 E4 C4 A3"
    "G2 G3 B3 D4 G4 B4 G4 D4 B3")
  local c=0 chord bass k note at pan
  for chord in "${chords[@]}"; do
    read -r bass chord <<<"$chord"
    at=$(python3 -c "print(round($c * $frames / 4))")
    gen "bass$c" 22050 synth 2.2 sine "$bass" \
      fade h 0.05 2.2 0.6 gain -14 remix 1v0.8 1v0.8 pad "${at}s"
    notes+=("bass$c")
    k=0
    for note in $chord; do
      at=$(python3 -c "print(round(($c * 8 + $k) * $frames / 32))")
      pan="1v0.95 1v0.55"; ((k % 2)) && pan="1v0.55 1v0.95"
      # The pluck voice exists only at 44.1 kHz and up.
      gen "arp$c$k" 44100 synth 1.1 pluck "$note" fade h 0.002 1.1 0.4 gain -12 \
        lowpass 5000 rate 22050 remix $pan pad "${at}s"
      notes+=("arp$c$k"); k=$((k + 1))
    done
    c=$((c + 1))
  done
  mix loop_dry "${notes[@]}"
  fx loop_dry loop_long pad 0 2 reverb 45 60 70 60
  fx loop_long loop_head trim 0 "${frames}s"
  fx loop_long loop_tail trim "${frames}s"
  mix loop loop_head loop_tail
  finish loop loop.wav 2 22050 8 331002 -3
}


# The window icon: a speech bubble with a yellow "B" on a red shadow, drawn pixel by
# pixel for 16 and 32 pixels (scaled art blurs at these sizes). Both images are 4-bit
# BMP-style entries over the standard 16-color palette, with a mask that makes the
# outside of the bubble transparent.
make_icon() {
  python3 - "$here/brindlewick.ico" <<'PY'
import struct, sys

PALETTE = [0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
           0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF]
INK = {".": None, "K": 0, "r": 1, "g": 2, "R": 9, "G": 10, "Y": 11}

BUBBLE16 = """
..GGGGGGGGGGGG..
.GKKKKKKKKKKKKG.
GKKKKKKKKKKKKKKG
GKKKKKKKKKKKKKKG
GKKKKKKKKKKKKKKG
GKKKKKKKKKKKKKKG
GKKKKKKKKKKKKKKG
GKKKKKKKKKKKKKKG
GKKKKKKKKKKKKKKG
GKKKKKKKKKKKKKKG
.GKKKKKKKKKKKKG.
..GGGKKGGGGGGG..
....GKG.........
...GKG..........
..GG............
................"""
B16 = """
YYYYY.
YY..YY
YY..YY
YYYYY.
YY..YY
YY..YY
YYYYY."""

B32 = """
YYYYYYYYY...
YYYYYYYYYY..
YYY....YYYY.
YYY.....YYY.
YYY.....YYY.
YYY....YYYY.
YYYYYYYYYY..
YYYYYYYYYYY.
YYY.....YYYY
YYY......YYY
YYY......YYY
YYY......YYY
YYY.....YYYY
YYYYYYYYYYY.
YYYYYYYYYY.."""

def rows(art):
    return [list(line) for line in art.strip("\n").splitlines()]

def bubble32():
    # A rounded box with a tail to the lower left; a bright rim over a dark-green one.
    def inside(x, y):
        cx, cy = x + 0.5, y + 0.5
        if 1 <= cx <= 31 and 1 <= cy <= 24:
            r, nx, ny = 6, min(max(cx, 7), 25), min(max(cy, 7), 18)
            if (cx - nx) ** 2 + (cy - ny) ** 2 <= r * r:
                return True
        # tail: the triangle (7,22) (17,22) (2,31)
        if 22 <= cy <= 31:
            t = (cy - 22) / 9
            return 7 - 5 * t <= cx <= 17 - 15 * t
        return False
    grid = [["." if not inside(x, y) else "K" for x in range(32)] for y in range(32)]
    def ring(depth):
        for y in range(32):
            for x in range(32):
                if grid[y][x] != "K":
                    continue
                near = [(x + dx, y + dy) for dx in (-1, 0, 1) for dy in (-1, 0, 1)]
                if any(not (0 <= u < 32 and 0 <= v < 32) or grid[v][u] == depth[0]
                       for u, v in near):
                    grid[y][x] = depth[1]
    ring((".", "G"))
    ring(("G", "g"))
    return grid

def stamp(grid, glyph, left, top, shadow):
    for ink, dx in ((shadow, 1), ("Y", 0)):
        for y, line in enumerate(glyph):
            for x, c in enumerate(line):
                if c == "Y":
                    grid[top + y + dx][left + x + dx] = ink
    return grid

images = [stamp(rows(BUBBLE16), rows(B16), 5, 2, "R"),
          stamp(bubble32(), rows(B32), 10, 5, "R")]

def entry(grid):
    size = len(grid)
    stride4, stride1 = (size * 4 + 31) // 32 * 4, (size + 31) // 32 * 4
    xor, mask = b"", b""
    for line in reversed(grid):  # bitmaps are stored bottom-up
        idx = [INK[c] or 0 for c in line]
        xor += bytes((idx[i] << 4) | idx[i + 1] for i in range(0, size, 2)).ljust(stride4, b"\0")
        bits = "".join("1" if INK[c] is None else "0" for c in line)
        mask += int(bits, 2).to_bytes(size // 8, "big").ljust(stride1, b"\0")
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 4, 0, len(xor) + len(mask),
                         0, 0, 16, 0)
    pal = b"".join(struct.pack("<BBBB", c & 255, (c >> 8) & 255, c >> 16, 0) for c in PALETTE)
    return header + pal + xor + mask

blobs = [entry(g) for g in images]
out = struct.pack("<HHH", 0, 1, len(blobs))
offset = 6 + 16 * len(blobs)
for g, blob in zip(images, blobs):
    out += struct.pack("<BBBBHHII", len(g), len(g), 16, 0, 1, 4, len(blob), offset)
    offset += len(blob)
open(sys.argv[1], "wb").write(out + b"".join(blobs))

PY
}

# The emblem of the splash and the ticker: the icon's speech bubble drawn as vector art,
# four times larger than wanted and scaled down, so its edges are smooth.
emblem() {  # emblem OUT SIZE
  local s=$(($2 * 4))
  local p=$((s / 100))  # one percent of the side, in pixels
  convert -size "${s}x${s}" xc:none -stroke '#00ff00' -strokewidth $((5 * p)) -fill black \
    -draw "polygon $((20 * p)),$((60 * p)) $((44 * p)),$((60 * p)) $((8 * p)),$((95 * p))" \
    -draw "roundrectangle $((5 * p)),$((5 * p)) $((95 * p)),$((72 * p)) $((18 * p)),$((18 * p))" \
    -stroke none \
    -draw "polygon $((22 * p)),$((60 * p)) $((41 * p)),$((60 * p)) $((12 * p)),$((88 * p))" \
    -font DejaVu-Sans-Bold -pointsize $((55 * p)) -gravity center \
    -fill '#ff0000' -annotate +$((3 * p))+$((-8 * p)) B \
    -fill '#ffff00' -annotate +0+$((-11 * p)) B \
    -filter box -resize "$2x$2" "$work/$1"
}

# Keeps a GIF's header, palette and image data and drops every extension block, so the
# file carries no metadata; insists on one frame and a full 256-entry global palette.
clean_gif() {  # clean_gif IN OUT
  python3 - "$1" "$2" <<'PY'
import sys
d = open(sys.argv[1], "rb").read()
if d[:6] != b"GIF89a" or not d[10] & 0x80 or d[10] & 7 != 7:
    sys.exit("make_resources: the splash needs a GIF89a with a 256-entry global palette")
out, p, frames = bytearray(d[:13 + 768]), 13 + 768, 0
while d[p] != 0x3B:
    start = p
    if d[p] == 0x21:  # extension: label, then sub-blocks
        p += 2
    elif d[p] == 0x2C:  # image: descriptor, optional local palette, code size, sub-blocks
        flags = d[p + 9]
        p += 10 + (3 << ((flags & 7) + 1) if flags & 0x80 else 0) + 1
        frames += 1
    else:
        sys.exit(f"make_resources: unexpected GIF block {d[p]:#x}")
    while d[p]:
        p += d[p] + 1
    p += 1
    if d[start] == 0x2C:
        out += d[start:p]
if frames != 1:
    sys.exit(f"make_resources: the splash has {frames} frames")
open(sys.argv[2], "wb").write(out + b"\x3b")
PY
}

# The splash: the name large over a dark green glow, the emblem, the subtitle and the
# author. The rectangle at 200,152 (177 x 25) is left empty for the loading bar.
make_splash() {
  local title=(-font DejaVu-Sans-Bold -pointsize 54 -gravity north -annotate +0+10 Brindlewick)
  emblem splash_emblem.png 112
  convert -size 400x200 radial-gradient:'#0d2a14'-'#000000' \
    \( -size 400x200 xc:none -fill '#00ff00' "${title[@]}" -blur 0x5 \) -composite \
    \( -size 400x200 xc:none -fill '#7a0000' "${title[@]/+0+10/+2+12}" \) -composite \
    \( -size 400x200 gradient:'#ffff60'-'#ff9900' \
       \( -size 400x200 xc:black -fill white "${title[@]}" \) \
       -alpha off -compose copyopacity -composite \) -compose over -composite \
    \( -size 1x170 gradient:none-'#00c000' -rotate -90 \( +clone -flop \) +append \) \
    -gravity north -geometry +0+76 -composite \
    -gravity northwest "$work/splash_emblem.png" -geometry +40+80 -composite \
    -gravity north -font DejaVu-Sans-Bold -pointsize 24 -fill '#00ff00' \
    -annotate +88+88 'for AOL 4.0' \
    -font DejaVu-Sans-Oblique -pointsize 15 -fill '#ff5050' -annotate +88+122 'by ZornaVelde' \
    -alpha off -depth 8 "$work/splash.png"
  convert "$work/splash.png" -strip -colors 256 "$work/splash_raw.gif"
  clean_gif "$work/splash_raw.gif" "$here/splash.gif"
}

# The ticker picture: the emblem and the name, yellow on black, 140 x 29.
make_ticker() {
  emblem ticker_emblem.png 28
  convert \( -size 30x29 xc:black "$work/ticker_emblem.png" -geometry +1+1 -composite \) \
    \( -size 110x29 xc:black -font DejaVu-Sans-Condensed-Bold -pointsize 18 -fill '#ffff00' \
       -gravity center -annotate +0+0 Brindlewick \) \
    +append +repage -alpha off -depth 8 -strip -type TrueColor "BMP3:$here/ticker.bmp"
}

case $what in
  all) make_sounds; make_icon; make_splash; make_ticker ;;
  sounds) make_sounds ;;
  pictures) make_icon; make_splash; make_ticker ;;
  *) echo "usage: $0 [all|sounds|pictures]" >&2; exit 2 ;;
esac
