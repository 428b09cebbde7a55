#!/bin/sh
# Runs a test program on a private X server under a window manager, so that
# windows get real frames. Exits with 77, which the test run counts as
# skipped, when either program is missing or the server does not start.
for program in Xvfb openbox xprop; do command -v $program >/dev/null || exit 77; done
folder=$(mktemp -d) || exit 77
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$folder/display" 2>/dev/null &
server=$!
for _ in $(seq 50); do [ -s "$folder/display" ] && break; sleep 0.1; done
display=$(cat "$folder/display")
if [ -z "$display" ]; then
    kill "$server" 2>/dev/null
    rm -rf "$folder"
    exit 77
fi
export DISPLAY=":$display" QT_QPA_PLATFORM=xcb VEL_WINDOW_MANAGER=openbox
openbox --sm-disable >/dev/null 2>&1 &
manager=$!
# Windows shown before the manager runs would get their frames late.
for _ in $(seq 50); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
    sleep 0.1
done
"$@"
status=$?
kill "$manager" "$server" 2>/dev/null
wait "$manager" "$server" 2>/dev/null
rm -rf "$folder"
exit $status
