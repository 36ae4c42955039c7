#!/usr/bin/env bash
# The window on a real X server, started as the README's run command starts
# it: connect through the File menu by keyboard, wait for the whole read,
# check the trace and keep a screenshot with both lists filled.
# Usage: desk-under-xvfb.sh BIN_DIR ARTIFACT_DIR
set -euo pipefail
bin=$1
artifacts=$2
mkdir -p "$artifacts"
work=$(mktemp -d)
export XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/run
mkdir -p "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
trace=$artifacts/desk-trace.txt
rm -f "$trace"

cleanup() {
    [ -n "${desk:-}" ] && kill "$desk" 2>/dev/null || true
    pkill -f "$XDG_RUNTIME_DIR/parlix-sim.sock" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    import -window root "$artifacts/desk-failure.png" 2>/dev/null || true
    [ -f "$trace" ] && tail -n 20 "$trace" >&2
    exit 1
}

"$bin/parlix-desk" --simulate --trace "$trace" >"$work/desk.log" 2>&1 &
desk=$!
window=
for _ in $(seq 100); do
    window=$(xdotool search --name "^Parlix Desk - v" 2>/dev/null | head -n 1) && [ -n "$window" ] && break
    sleep 0.1
done
[ -n "$window" ] || fail "no main window appeared"

# No window manager runs: give the window the keyboard, then File > Connect.
xdotool windowfocus --sync "$window"
xdotool key --clearmodifiers alt+f
sleep 0.5
xdotool key c

for _ in $(seq 200); do
    grep -q "STATUS Connected to " "$trace" 2>/dev/null && break
    sleep 0.1
done
grep -q "STATUS Connected to " "$trace" || fail "the trace never said Connected to"

# The whole read is done when the line stays quiet.
last=-1
for _ in $(seq 240); do
    size=$(stat -c %s "$trace")
    [ "$size" = "$last" ] && break
    last=$size
    sleep 1
done
import -window root "$artifacts/desk-connected.png" || fail "no screenshot"
grep -q "^Parlix Desk .*; Qt " "$trace" || fail "the first line does not name the versions"
grep -c " RX " "$trace" >/dev/null || fail "no bytes received"

# Alt+F then X: File > Exit closes the window and ends the program.
xdotool windowfocus --sync "$window"
xdotool key --clearmodifiers alt+f
sleep 0.3
xdotool key x
for _ in $(seq 100); do
    kill -0 "$desk" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$desk" 2>/dev/null; then fail "the program did not end on File > Exit"; fi
wait "$desk" || fail "the program ended with status $?"
desk=
grep -q "STATUS Disconnected" "$trace" || fail "closing did not disconnect"
echo "ok: $(grep -c ' RX ' "$trace") received lines, screenshot in $artifacts/desk-connected.png"
