#!/bin/sh
# Runs a test program on a Wayland desktop: a headless weston with XWayland,
# both WAYLAND_DISPLAY and DISPLAY set and no platform chosen, as a player's
# session has them. Exits with 77, which the test run counts as skipped,
# when weston, XWayland or Qt's Wayland plugin is missing or weston does not
# start.
command -v weston >/dev/null && command -v Xwayland >/dev/null || exit 77
plugins=$(qtpaths6 --query QT_INSTALL_PLUGINS 2>/dev/null) || exit 77
ls "$plugins"/platforms/libqwayland-*.so >/dev/null 2>&1 || exit 77
# XWayland's sockets go where every X server's go.
mkdir -p -m 1777 /tmp/.X11-unix 2>/dev/null
runtime=$(mktemp -d) || exit 77
chmod 700 "$runtime"
export XDG_RUNTIME_DIR="$runtime"
weston --backend=headless-backend.so --socket=wayland-test --xwayland --idle-time=0 \
       --width=1280 --height=1024 --log="$runtime/weston.log" >/dev/null 2>&1 &
compositor=$!
for _ in $(seq 50); do
    display=$(sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$runtime/weston.log" 2>/dev/null)
    [ -n "$display" ] && break
    sleep 0.1
done
if [ -z "$display" ]; then
    kill "$compositor" 2>/dev/null
    wait "$compositor" 2>/dev/null
    rm -rf "$runtime"
    exit 77
fi
unset QT_QPA_PLATFORM
export WAYLAND_DISPLAY=wayland-test DISPLAY="$display" XDG_SESSION_TYPE=wayland VEL_COMPOSITOR=weston
"$@"
status=$?
kill "$compositor" 2>/dev/null
wait "$compositor" 2>/dev/null
rm -rf "$runtime"
exit $status
