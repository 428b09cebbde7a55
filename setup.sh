#!/usr/bin/env bash
# Installs what the game needs from Debian, builds it, then plays or tests.
#   ./setup.sh play   build the game (the program and its sounds) and start it
#   ./setup.sh test   build everything and run every test, headless
# Run it as yourself: missing packages are installed through sudo, and the
# game builds and plays as you, so its settings land in your own folder.
# VEL_BUILD_ONLY=1 stops after the build. Quiet and quick when everything is
# already in place.
set -euo pipefail
cd "$(dirname "$0")"

mode=${1:-play}
case $mode in
play) targets=(--target velpoker sounds) ;;
test) targets=() ;;
*) echo "usage: $0 play|test" >&2; exit 2 ;;
esac

# The translations are compiled with Qt's Linguist tools; Qt's own translations
# put the player's language on the standard buttons; Qt Charts draws the
# advisor's graph of the game (its CMake files need Qt's OpenGL ones, which
# Debian's qt6-charts-dev does not pull in).
packages=(cmake make g++ qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins qt6-multimedia-dev
          qt6-charts-dev libqt6opengl6-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n libgl-dev fonts-liberation2)
# The tests also render the printed page, validate the desktop files, record
# the sounds on a private sound server, frame the windows under a window
# manager on a private X server (with the accessibility bus for the screen
# reader's events) and on a private Wayland desktop with XWayland, and build
# the Debian package and check it with lintian.
[[ $mode == test ]] && packages+=(poppler-utils desktop-file-utils appstream pulseaudio pulseaudio-utils
                                  xvfb openbox x11-utils dbus at-spi2-core weston xwayland qt6-wayland
                                  debhelper lintian)
missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed" || missing+=("$package")
done
if ((${#missing[@]})); then
    as_root=()
    if ((EUID != 0)); then
        if ! command -v sudo >/dev/null; then
            echo "Missing ${missing[*]}: install them as root, or install sudo." >&2
            exit 1
        fi
        as_root=(sudo)
    fi
    echo "Installing ${missing[*]}..."
    "${as_root[@]}" apt-get update -qq
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
        apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

build=${VEL_BUILD_DIR:-build}
# A build folder left by a run as root cannot be reused by anyone else.
if [[ -e $build && ! -w $build ]]; then
    echo "$build belongs to $(stat -c %U "$build"); remove it (sudo rm -rf $build) and run again." >&2
    exit 1
fi
log=$(mktemp)
trap 'rm -f "$log"' EXIT
if ! { cmake -S . -B "$build" ${VEL_CMAKE_ARGS:-} && cmake --build "$build" "${targets[@]}" -j"$(nproc)"; } >"$log" 2>&1; then
    cat "$log"
    exit 1
fi
rm -f "$log"
[[ -n ${VEL_BUILD_ONLY:-} ]] && exit 0

case $mode in
play) exec "$build/velpoker" ;;
test) exec ctest --test-dir "$build" --output-on-failure -j"$(nproc)" ;;
esac
