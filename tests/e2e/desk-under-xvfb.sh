#!/usr/bin/env bash
# The window on a real X server, started as the README's run command starts
# it: connect through the File menu by keyboard, wait for the whole read,
# check the trace and keep a screenshot with both lists filled. Then, on a
# port where nothing answers, the window keeps serving while it connects: a
# menu opens, and File > Cancel ends the connect at once and quietly.
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

# Starts the program with the simulated devices and finds its window.
start_desk() {
    rm -f "$trace"
    "$bin/parlix-desk" --simulate --trace "$trace" >"$work/desk.log" 2>&1 &
    desk=$!
    window=
    for _ in $(seq 100); do
        window=$(xdotool search --name "^Parlix Desk - v" 2>/dev/null | head -n 1) && [ -n "$window" ] && break
        sleep 0.1
    done
    [ -n "$window" ] || fail "no main window appeared"
}

# No window manager runs: give the window the keyboard, then File and a key.
file_menu() {
    xdotool windowfocus --sync "$window"
    xdotool key --clearmodifiers alt+f
    sleep 0.5
    xdotool key "$1"
}

# Waits until the trace has a line matching $1, for at most $2 tenths of a second.
await_trace() {
    for _ in $(seq "$2"); do
        grep -q "$1" "$trace" 2>/dev/null && return 0
        sleep 0.1
    done
    return 1
}

# File > Exit closes the window and ends the program.
exit_desk() {
    file_menu x
    for _ in $(seq 100); do
        kill -0 "$desk" 2>/dev/null || break
        sleep 0.1
    done
    if kill -0 "$desk" 2>/dev/null; then fail "the program did not end on File > Exit"; fi
    wait "$desk" || fail "the program ended with status $?"
    desk=
}

start_desk
file_menu c
await_trace "STATUS Connected to " 200 || fail "the trace never said Connected to"

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
exit_desk
grep -q "STATUS Disconnected" "$trace" || fail "closing did not disconnect"
received=$(grep -c ' RX ' "$trace")

# Again, with the silent simulated port chosen.
settings="$XDG_CONFIG_HOME/Kanta/Parlix Desk/Settings.ini"
if grep -q '^ComPort *=' "$settings" 2>/dev/null; then
    sed -i 's|^ComPort *=.*|ComPort=sim:silent|' "$settings"
elif grep -q '^\[Settings\]' "$settings" 2>/dev/null; then
    sed -i 's|^\[Settings\]|[Settings]\nComPort=sim:silent|' "$settings"
else
    printf '[Settings]\nComPort=sim:silent\n' >>"$settings"
fi
grep -q "^ComPort=sim:silent" "$settings" || fail "the port was not stored"
start_desk
file_menu c
await_trace "STATUS Detecting the device on sim:silent" 100 || fail "the connect did not start"
# While detection runs (many seconds on a silent line), a menu opens and is painted.
windows_before=$(xdotool search --onlyvisible --pid "$desk" 2>/dev/null | wc -l)
xdotool key --clearmodifiers alt+h
menu_open=
for _ in $(seq 20); do
    [ "$(xdotool search --onlyvisible --pid "$desk" 2>/dev/null | wc -l)" -gt "$windows_before" ] && menu_open=1 && break
    sleep 0.1
done
import -window root "$artifacts/desk-connecting-menu.png" || fail "no screenshot while connecting"
[ -n "$menu_open" ] || fail "the Help menu did not open while connecting"
xdotool key Escape
sleep 0.3
# File > Cancel, the first entry of the menu while connecting.
file_menu c
await_trace "STATUS Connection cancelled" 30 || fail "Cancel did not end the connect"
if grep -q " BOX " "$trace"; then fail "a cancelled connect showed a message"; fi
exit_desk
echo "ok: $received received lines, screenshot in $artifacts/desk-connected.png; cancel while connecting works"
