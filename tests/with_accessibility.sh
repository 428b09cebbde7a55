#!/bin/sh
# Runs a test program under a window manager with a private session bus and
# the accessibility bus, so that Qt's bridge raises real events. Exits with
# 77, counted as skipped, when a piece is missing.
command -v dbus-run-session >/dev/null && [ -x /usr/libexec/at-spi-bus-launcher ] || exit 77
here=$(dirname "$0")
exec dbus-run-session -- sh -c '/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 & sleep 0.5; QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$0" "$@"' \
    "$here/under_window_manager.sh" "$@"
