#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes the README's pictures of the real main window under Xvfb, one per page, each with
# something on it: three songs given on the command line fill the clip list, the first is
# opened in the editor and marked, a take is recorded from a test tone, the conversion
# boxes are filled and a config.ini beside a copy of the program gives the settings. A
# private PulseAudio daemon (a null sink and a sine source) serves the sound; xdotool
# presses the buttons and the keys. Writes docs/page-*.png and the ringtone dialog's
# docs/dialog-ringtone.png by default, then the window at 1280 x 800 with a generated song
# and its suggestions in the default light palette and again in a dark one (the desktop's
# colours as KDE's colour settings give them).
# Usage: scripts/screenshot.sh [OUT_FOLDER]
# BUILD=build/test takes the programs of that build instead of the release build.
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-docs}
if [ -z "${BUILD:-}" ]; then
    scripts/install-deps.sh
    cmake --preset default >/dev/null
    cmake --build --preset default --target tunecarver bench_analysis >/dev/null
fi
build=$PWD/${BUILD:-build/default}
built=$build/src/app/tunecarver

scratch=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$scratch"
}
trap cleanup EXIT

export HOME=$scratch/home XDG_RUNTIME_DIR=$scratch/run XDG_CONFIG_HOME=$scratch/config
mkdir -p "$HOME/Ringtones" "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME" "$scratch/songs" "$scratch/bin"
chmod 700 "$XDG_RUNTIME_DIR"
# A copy of the program with settings of its own, so the build's config.ini stays untouched.
program=$scratch/bin/tunecarver
cp "$built" "$program"
printf ' 128 \r\n%s\r\n' "$HOME/Ringtones" >"$scratch/bin/config.ini"

# Songs with names a user might have.
songs=$scratch/songs
ffmpeg -v error -f lavfi -i "aevalsrc=0.8*sin(2*PI*523*t)*(0.55+0.45*sin(2*PI*0.6*t)):d=9" \
    -ac 2 -b:a 128k "$songs/Sunrise Theme.mp3"
sox -n -r 44100 -c 2 -b 16 "$songs/Morning Bell.wav" synth 4 pluck C5 fade 0 4 3
ffmpeg -v error -f lavfi -i "sine=frequency=392:duration=6" -ac 2 "$songs/Door Chime.ogg"
# A song with drums, verses and a chorus heard three times, as the analysis tests make them.
"$build/bench/bench_analysis" song "$songs/Summer Nights.wav"

pulseaudio -n --daemonize=no --system=no --use-pid-file=no --exit-idle-time=-1 \
    --realtime=no --high-priority=no --log-target=stderr --log-level=error \
    --load="module-null-sink sink_name=speakers" \
    --load="module-sine-source source_name=microphone frequency=440" \
    --load="module-native-protocol-unix" 2>"$scratch/pulse.log" &
pids+=($!)
for _ in $(seq 50); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
pactl set-default-source microphone
pactl set-default-sink speakers

export DISPLAY=:$((90 + RANDOM % 9))
Xvfb "$DISPLAY" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
sleep 1
start() {
    "$program" "$@" >>"$scratch/program.log" 2>&1 &
    pids+=($!)
    window=$(xdotool search --sync --onlyvisible --name '^KorvaNel Tunecarver$' | head -1)
    xdotool windowfocus --sync "$window"
    sleep 4 # the songs are decoded into clips
}
start "$songs/Sunrise Theme.mp3" "$songs/Morning Bell.wav" "$songs/Door Chime.ogg" \
    "$songs/Summer Nights.wav"

mkdir -p "$out"
# No window manager runs, so the window sits at the top left, without a title bar.
shoot() {
    sleep 1
    xwd -root -silent -out "$scratch/screen.xwd"
    ffmpeg -v error -y -i "$scratch/screen.xwd" -vf crop=719:413:0:0 "$out/$1"
    echo "$out/$1"
}
click() { xdotool mousemove "$1" "$2" click "${3:-1}"; }

# "Audio Edit": the first clip opened by a double click, played and marked with the
# editor's keys (Space plays and stops, I and O set the marks).
xdotool mousemove 60 81 click --repeat 2 --delay 100 1
sleep 1
xdotool key space
sleep 2.5
xdotool key i
sleep 3
xdotool key o space
sleep 0.5
shoot page-audio-edit.png
# The dialog of "Save as Ringtone", taken by its own window: the root window's picture
# leaves a dialog black where no window manager composes it.
click 524 385 # Save as Ringtone
dialog=$(xdotool search --sync --onlyvisible --name '^Save as Ringtone$' | head -1)
sleep 1
xwd -id "$dialog" -silent -out "$scratch/dialog.xwd"
ffmpeg -v error -y -i "$scratch/dialog.xwd" "$out/dialog-ringtone.png"
echo "$out/dialog-ringtone.png"
xdotool windowfocus --sync "$dialog" key Escape
xdotool windowfocus --sync "$window"

# "Vioce Record": a take of three seconds.
xdotool key ctrl+2
sleep 1
click 308 107 # Record
sleep 3
click 308 107 # Stop
shoot page-voice-record.png

xdotool key ctrl+3
type() { xdotool mousemove "$1" "$2" click 1 type --delay 5 "$3"; }
type 300 108 "$songs/Morning Bell.wav"
type 300 172 "$HOME/Ringtones/Morning Bell.mp3"
type 292 244 "$songs/Sunrise Theme.mp3"
type 292 308 "$HOME/Ringtones/Sunrise Theme.wav"
shoot page-convert.png
xdotool key ctrl+4
shoot page-setting.png
xdotool key ctrl+5
shoot page-about.png

# The window at 1280 x 800, as a maximised window on a small laptop: the first song open,
# zoomed in twice around its playhead, then shown as a spectrogram above its waveform.
xdotool windowsize --sync "$window" 1280 800
xdotool key ctrl+1
sleep 1
xdotool mousemove 60 81 click --repeat 2 --delay 100 1
sleep 3
xdotool key ctrl+plus ctrl+plus
large() {
    sleep 1
    xwd -root -silent -out "$scratch/screen.xwd"
    ffmpeg -v error -y -i "$scratch/screen.xwd" -vf crop=1280:800:0:0 "$out/$1"
    echo "$out/$1"
}
large window-large.png
# The display choice above the waveform opens its list; "Both" is its third line.
click 1192 84
sleep 1.5
click 1160 129
sleep 3
large window-spectrogram.png

# Back to the waveform alone: the display choice's list, two lines up.
click 1192 84
sleep 1.5
xdotool key Up Up Return

# The generated song (the list's row at y), analysed, its first suggestion marked (key S)
# and the whole song shown: the bands and the grid of its bars over the waveform.
song() {
    xdotool key ctrl+1
    sleep 1
    xdotool mousemove 60 "$1" click --repeat 2 --delay 100 1
    sleep "${ANALYSIS_SECONDS:-20}" # decoded, its peaks drawn and analysed
    xdotool key s
    sleep 1
    xdotool key ctrl+0
    xdotool mousemove 1270 790 # no tooltip over the picture
    large "$2"
}
song 121 window-song.png
xdotool key ctrl+q
sleep 2

# Again in a dark palette: the desktop's colours, as KDE's colour settings give them to Qt.
cat >"$XDG_CONFIG_HOME/kdeglobals" <<'COLOURS'
[Colors:Button]
BackgroundNormal=49,54,59
ForegroundNormal=239,240,241
[Colors:Window]
BackgroundNormal=42,46,50
ForegroundNormal=239,240,241
[Colors:View]
BackgroundNormal=27,30,32
ForegroundNormal=239,240,241
[Colors:Selection]
BackgroundNormal=61,174,233
ForegroundNormal=255,255,255
COLOURS
XDG_CURRENT_DESKTOP=KDE KDE_SESSION_VERSION=5 start "$songs/Summer Nights.wav"
xdotool windowmove --sync "$window" 0 0 windowsize --sync "$window" 1280 800
song 81 window-song-dark.png
xdotool key ctrl+q
