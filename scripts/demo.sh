#!/usr/bin/env bash
# A short demonstration on the current display: starts the phrase book from
# BUILD_DIR, double-clicks "Guten Tag!", and leaves in BUILD_DIR/demo a
# screenshot of the window and the recording that reached the sound device.
#   scripts/demo.sh BUILD_DIR     (inside plauderix_env_start)
set -euo pipefail
build="$(cd "$1" && pwd)"
demo="$build/demo"
mkdir -p "$demo"
inspect="$build/tools/plauderix_inspect.exe"
[ -f "$inspect" ] || inspect="$build/tests/plauderix_inspect.exe"
facts="$demo/facts.txt"
field() { sed -n "s/.* $1=\([^ ]*\).*/\1/p" "$facts" | head -n 1; }

export CAPTURE="$demo/capture.raw"
: >"$CAPTURE"
cd "$build"
wine plauderix.exe >"$demo/program.log" 2>&1 &
program=$!
wine "$inspect" "$facts" wait 600 >/dev/null 2>&1 || { echo "the main window did not show" >&2; exit 1; }
x=$(field x); y=$(field y); w=$(field w); h=$(field h)

# Item 3 of the list: "Guten Tag!".
wine "$inspect" "$facts" item 2 >/dev/null 2>&1
ix=$(field x); iy=$(field y)
xdotool mousemove "$ix" "$iy" click --repeat 2 --delay 120 1

# The recording is done once the captured data stops growing.
last=-1
for _ in $(seq 1 120); do
    sleep 1
    size=$(stat -c %s "$CAPTURE")
    [ "$size" -gt 0 ] && [ "$size" = "$last" ] && break
    last=$size
done
import -window root -crop "${w}x${h}+${x}+${y}" +repage "$demo/screenshot.png"
sox -t raw -r 22050 -e signed-integer -b 16 -c 1 "$CAPTURE" "$demo/recording.wav" 2>/dev/null || cp "$CAPTURE" "$demo/recording.raw"

wine "$inspect" "$facts" close >/dev/null 2>&1 || true
wait "$program" || true
echo "screenshot: $demo/screenshot.png"
echo "recording:  $demo/recording.wav ($(stat -c %s "$CAPTURE") bytes of PCM)"
