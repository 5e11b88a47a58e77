#!/usr/bin/env bash
# Makes the GIF corpus that the decoder is compared and timed on, with ImageMagick and gifsicle
# from built-in images (so it comes out the same on every machine). File names start with their
# class: small-, photo- (large frames) or anim- (several frames).
# Usage: tools/gif-corpus/make-corpus.sh OUTDIR
set -euo pipefail
out=${1:?usage: make-corpus.sh OUTDIR}
mkdir -p "$out"
cd "$out"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
im() { convert "$@"; }

# Small pictures: 1x1 up to a few hundred pixels, 2 to 256 colours, odd widths.
im -size 1x1 xc:red small-1x1.gif
im -size 17x5 pattern:checkerboard -colors 2 small-2col-17x5.gif
im -size 33x31 gradient:navy-gold -colors 7 small-7col-33x31.gif
im rose: -colors 256 small-rose-256col.gif
im rose: -colors 64 -interlace GIF small-rose-interlaced.gif
im logo: -resize 101x77! -colors 32 -transparent white small-logo-transparent.gif
im granite: -colors 16 small-granite-16col.gif
im -size 3x200 gradient:black-white -colors 256 small-3x200.gif

# Large frames with photo-like content (dithered to a palette).
im wizard: -resize 2000x2000! -colors 256 photo-wizard-2000x2000.gif
im rose: -resize 1023x767! -colors 200 photo-rose-1023x767.gif
im logo: -colors 128 -interlace GIF photo-logo-interlaced.gif
im granite: -write mpr:g +delete -size 1201x901 tile:mpr:g -colors 4 photo-granite-4col.gif
im rose: -resize 800x600! -colors 64 -fuzz 8% -transparent '#e0e0e0' photo-rose-transparent.gif

# Animations: several frames, local colour tables, transparency, offsets, disposal.
for i in 0 1 2 3 4 5; do
    im rose: -resize 160x120! -roll +$((i * 25))+0 -colors $((16 + i * 40)) "$tmp/f$i.gif"
done
gifsicle --no-warnings --loopcount=0 --delay 8 "$tmp"/f?.gif > anim-rose-local-tables.gif
gifsicle --no-warnings -O2 --loopcount=3 --delay 5 "$tmp"/f?.gif > anim-rose-optimized.gif
im -delay 10 -dispose Background -size 64x48 xc:white \
    \( -size 20x20 xc:red -repage +5+5 \) \( -size 20x20 xc:blue -repage +30+20 \) \
    -loop 0 anim-dispose-background.gif
im -delay 20 -dispose Previous wizard: -resize 300x300! \( logo: -resize 120x90! -repage +40+60 \) \
    -colors 128 -interlace GIF anim-wizard-interlaced.gif
for i in 0 1 2 3 4 5 6 7; do
    im granite: -resize 400x400! -roll +$((i * 17))+$((i * 9)) -colors 256 "$tmp/g$i.gif"
done
gifsicle --no-warnings --careful --delay 4 --loopcount=0 "$tmp"/g?.gif > anim-granite-400.gif

touch .complete
