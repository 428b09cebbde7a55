#!/usr/bin/env bash
# Installs what the game needs from Debian, builds it, then plays or tests.
#   ./setup.sh play   build and start the game
#   ./setup.sh test   build and run every test, headless
# Quiet and quick when everything is already in place.
set -euo pipefail
cd "$(dirname "$0")"

packages=(cmake make g++ qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins qt6-multimedia-dev
          libgl-dev fonts-liberation2)
# The tests also render the printed page, validate the desktop files, record
# the sounds on a private sound server and frame the windows under a window
# manager on a private X server.
[[ "${1:-play}" == test ]] && packages+=(poppler-utils desktop-file-utils appstream pulseaudio pulseaudio-utils
                                         xvfb openbox x11-utils)
missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed" || missing+=("$package")
done
if ((${#missing[@]})); then
    echo "Installing ${missing[*]}..."
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

build=${VEL_BUILD_DIR:-build}
log=$(mktemp)
trap 'rm -f "$log"' EXIT
if ! { cmake -S . -B "$build" ${VEL_CMAKE_ARGS:-} && cmake --build "$build" -j"$(nproc)"; } >"$log" 2>&1; then
    cat "$log"
    exit 1
fi

case "${1:-play}" in
play) exec "$build/velpoker" ;;
test) exec ctest --test-dir "$build" --output-on-failure -j"$(nproc)" ;;
*) echo "usage: $0 play|test" >&2; exit 2 ;;
esac
