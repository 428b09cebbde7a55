#!/usr/bin/env bash
# `./setup.sh play` builds the game alone: the program and its sounds, plus
# soundgen that makes them, and no test, tool or benchmark.
#   setup_play.sh <source folder> <scratch build folder>
# The scratch folder is emptied first, so each run checks a build from scratch;
# it is built without optimisation to keep the check cheap.
set -euo pipefail
source=$1
build=$2

rm -rf "$build"
VEL_BUILD_ONLY=1 VEL_BUILD_DIR="$build" VEL_CMAKE_ARGS=-DCMAKE_BUILD_TYPE=None "$source/setup.sh" play

status=0
for wanted in velpoker media/tada.wav media/chimes.wav; do
    [[ -s $build/$wanted ]] || { echo "not built: $wanted"; status=1; }
done
# Every program in the folder except CMake's own probes.
built=$(cd "$build" && find . -name CMakeFiles -prune -o -type f -perm -u+x -print | sort)
expected=$(printf '%s\n' ./tools/soundgen/soundgen ./velpoker)
if [[ $built != "$expected" ]]; then
    echo "built programs:"
    echo "$built"
    echo "expected only:"
    echo "$expected"
    status=1
fi
exit $status
