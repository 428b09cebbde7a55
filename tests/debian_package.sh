#!/usr/bin/env bash
# Builds the Debian package as `dpkg-buildpackage -us -uc -b` does, from a
# copy of the source folder and without the package's own test run (this
# suite is that run), then checks it: lintian finds no error and no warning,
# the version is the project's, and the package holds what it promises.
# Exits with 77, which the test run counts as skipped, where the Debian
# packaging tools are missing.
#   debian_package.sh <source folder> <scratch folder> <project version> <jobs>
set -euo pipefail
source=$1 scratch=$2 version=$3 jobs=$4
for tool in dpkg-buildpackage dh lintian; do command -v $tool >/dev/null || exit 77; done

# The copy leaves out version control and every build folder, this one too.
rm -rf "$scratch"
mkdir -p "$scratch/velpoker"
tar -C "$source" --exclude-vcs --exclude-tag-all=CMakeCache.txt -cf - . | tar -C "$scratch/velpoker" -xf -
if ! (cd "$scratch/velpoker" && DEB_BUILD_OPTIONS="nocheck parallel=$jobs" dpkg-buildpackage -us -uc -b) \
        >"$scratch/build.log" 2>&1; then
    tail -n 60 "$scratch/build.log"
    exit 1
fi

status=0
package=$(ls "$scratch"/velpoker_*.deb)
packaged=$(dpkg-deb -f "$package" Version)
if [[ $packaged != "$version" ]]; then
    echo "debian/changelog says version $packaged, CMakeLists.txt $version: keep them the same"
    status=1
fi
contents=$(dpkg-deb -c "$package" | awk '{print $NF}')
for promised in usr/games/velpoker usr/games/velstrategy usr/share/man/man6/velpoker.6.gz \
                usr/share/man/man6/velstrategy.6.gz usr/share/applications/velpoker.desktop \
                usr/share/metainfo/org.velzezuv.velpoker.metainfo.xml \
                usr/share/icons/hicolor/scalable/apps/velpoker.svg usr/share/icons/hicolor/48x48/apps/velpoker.png \
                usr/share/velpoker/media/tada.wav usr/share/velpoker/media/chimes.wav; do
    grep -qx "\./$promised" <<<"$contents" || { echo "not in the package: /$promised"; status=1; }
done
lintian --fail-on error,warning --display-info "$scratch"/velpoker_*.changes || status=1
exit $status
