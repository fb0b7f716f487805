#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Writes the game's three sound effects to assets/sounds/<id>.wav:
#   1  a soft thud when a piece settles        PCM 8-bit mono 11025 Hz, 2299 frames
#   2  a short click and swish for a turn      MS ADPCM stereo 22050 Hz, 3987 frames
#   3  a bright chime when rows are removed    PCM 16-bit mono 22050 Hz, 1862 frames
# Sounds 2 and 3 also carry a LIST (INFO) chunk of texts and a DISP chunk with
# the 32 x 32 icon as a picture, which players skip. Their texts are worded so
# that the files come to 6420 and 5708 bytes (1 is 2344); wave_chunks.py checks.
#
# Needs sox and python3. The output is committed; run this only to change the
# sounds, then check them with `sox <file> -n stat` and a spectrogram.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
out=${1:-$here/../../assets/sounds}
icon=$here/../../assets/pictures/icon.png
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# -R seeds the noise and the dither generators, so every run writes the same bytes.
sox() { command sox -R "$@"; }

# A "fade l" falls by a fixed number of dB per second, the decay of a struck
# object; fading over a longer stretch than is kept gives a gentler slope.

# 1: a low sine that drops in pitch, an overtone that dies first, and a short
# burst of dark noise for the contact.
r=11025
sox -r $r -n -c 1 -b 16 "$work/body.wav" \
    synth 3300s sine 190/60 fade l 0.004 3300s 3256s trim 0 2299s
sox -r $r -n -c 1 -b 16 "$work/over.wav" \
    synth 1200s sine 390/200 fade l 0.002 1200s 1170s pad 0 1099s
sox -r $r -n -c 1 -b 16 "$work/knock.wav" \
    synth 500s brownnoise lowpass 1200 highpass 80 fade l 0.001 500s 480s pad 0 1799s
sox -m -v 0.8 "$work/body.wav" -v 0.3 "$work/over.wav" -v 0.45 "$work/knock.wav" \
    -b 16 "$work/thud.wav" fade t 0 2299s 400s gain -n -3
# No dither: at 8 bits it would hiss through the silent tail.
sox "$work/thud.wav" -D -b 8 -e unsigned "$out/1.wav"

# 2: narrow-band noise whose band sweeps down from 3.8 to 1.3 kHz (noise
# below 350 Hz, amplitude-modulated by a falling sine), the right channel a
# little later than the left, with a short square click at the start.
r=22050
sox -r $r -n -c 1 -b 16 "$work/swish.wav" \
    synth 3987s whitenoise lowpass 350 lowpass 350 synth 3987s sine amod 3800/1300 \
    highpass 700 highpass 700 fade h 0.045 3987s 0.125
sox "$work/swish.wav" "$work/swish2.wav" remix 1 1 delay 0 0.009 trim 0 3987s
sox -r $r -n -c 2 -b 16 "$work/click.wav" \
    synth 110s square 1900 gain -6 lowpass 5000 fade l 0 110s 108s pad 0 3877s
sox -m -v 0.9 "$work/swish2.wav" -v 0.9 "$work/click.wav" -b 16 "$work/turn.wav" gain -n -4
# sox writes 1024-byte blocks of 1012 frames at this rate, the seven standard
# coefficient pairs and a "fact" chunk with the true frame count.
sox "$work/turn.wav" -e ms-adpcm "$work/turn-adpcm.wav"
python3 "$here/wave_chunks.py" "$work/turn-adpcm.wav" "$out/2.wav" --place before-data \
    --info "INAM=Turn" \
    --info "ICMT=A short click and swish when a piece turns." \
    --info "ISBJ=Stackfall: the sound of a piece turning by a quarter." \
    --info "IKEY=click; swish; turn; rotate; piece" \
    --info "IGNR=Sound effect" \
    --info "ISFT=SoX, Stackfall's tools/sounds/make_sounds.sh" \
    --info "ISRC=Synthesised: narrow-band noise whose band sweeps down from 3.8 to 1.3 kHz, made by amplitude-modulating noise below 350 Hz with a falling sine; the right channel starting 9 ms after the left; a 1900 Hz square click of 110 samples at the start; normalised to peak at 4 dB below full scale." \
    --info "ITCH=Mixed at 16 bits, then coded as Microsoft ADPCM in blocks of 1024 bytes (1012 frames), the seven standard coefficient pairs." \
    --disp "$icon" --size 6420

# 3: three partials, E6, B6 and E7, the higher ones dying sooner.
sox -r $r -n -c 1 -b 16 "$work/p1.wav" synth 5500s sine E6 fade l 0.002 5500s 5456s trim 0 1862s
sox -r $r -n -c 1 -b 16 "$work/p2.wav" synth 4000s sine B6 fade l 0.002 4000s 3956s trim 0 1862s
sox -r $r -n -c 1 -b 16 "$work/p3.wav" synth 2600s sine E7 fade l 0.001 2600s 2578s trim 0 1862s
sox -m -v 0.55 "$work/p1.wav" -v 0.3 "$work/p2.wav" -v 0.22 "$work/p3.wav" \
    -b 16 "$work/chime.wav" fade h 0 1862s 300s gain -n -3
python3 "$here/wave_chunks.py" "$work/chime.wav" "$out/3.wav" --place after-data \
    --info "INAM=Rows removed" \
    --info "ICMT=A bright chime when full rows are removed." \
    --info "ISBJ=Stackfall: the sound of full rows leaving the playfield." \
    --info "IKEY=chime; bell; rows; removed; score" \
    --info "IGNR=Sound effect" \
    --info "ISRC=Synthesised: sines at E6, B6 and E7, the higher ones dying sooner." \
    --info "ITCH=Mixed at 16 bits and normalised to peak at 3 dB below full scale; a 300-sample fade at the end." \
    --disp "$icon" --size 5708
