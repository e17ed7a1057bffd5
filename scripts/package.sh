#!/usr/bin/env bash
# Builds the Debian package of the committed tree (HEAD), as a distribution
# would: from a clean export of the sources, with the packager's compiler and
# linker flags from dpkg-buildflags, warnings not made errors, and the tests
# that need no X session run unless DEB_BUILD_OPTIONS holds "nocheck". Then
# lintian checks the package and fails on any error.
# Usage: scripts/package.sh [output folder, default dist/]
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(realpath -m "${1:-dist}")
./scripts/setup.sh package

work=build-package
rm -rf "$work"
mkdir -p "$work/source" "$out"
git archive --format=tar HEAD | tar -x -C "$work/source"

# The About box shows the day of the build: for a package, the commit's, so
# that two builds of one commit give the same package.
SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct HEAD)}
export SOURCE_DATE_EPOCH

CXXFLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
LDFLAGS="$(dpkg-buildflags --get LDFLAGS)"
export CXXFLAGS LDFLAGS
check=ON
[[ " ${DEB_BUILD_OPTIONS:-} " == *" nocheck "* ]] && check=OFF

cmake -S "$work/source" -B "$work/build" -G Ninja -DCMAKE_BUILD_TYPE=None \
  -DBUILD_TESTING=$check -DPAYSMITH_X_TESTS=OFF -DPAYSMITH_BENCH=OFF >/dev/null
cmake --build "$work/build"
if [ "$check" = ON ]; then
  ctest --test-dir "$work/build" --output-on-failure -j "$(nproc)"
fi
(cd "$work/build" && cpack -G DEB -B "$out" >/dev/null)
rm -rf "$out/_CPack_Packages"

deb=$(ls -t "$out"/paysmith_*.deb | head -n 1)
lintian --fail-on error --tag-display-limit 0 "$deb"
echo "$deb"
