#!/usr/bin/env bash
# Builds the .deb from a configured and built tree and checks it as Debian
# would: lintian, the AppStream metainfo, the desktop entry and the
# hardening of the programs.
# Usage: scripts/package.sh [build-dir]   (build/release by default)
set -euo pipefail
cd "$(dirname "$0")/.."

build="${1:-build/release}"
if [ ! -f "$build/CPackConfig.cmake" ]; then
  bash scripts/setup.sh
  cmake --preset release
  cmake --build --preset release
  build=build/release
fi

rm -f "$build"/solvo_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls "$build"/solvo_*.deb)
echo "package: $deb"

# Every error and warning fails the check; informational notes are shown.
lintian --fail-on error,warning --display-info "$deb"

contents=$(mktemp -d)
trap 'rm -rf "$contents"' EXIT
dpkg-deb -x "$deb" "$contents"
appstreamcli validate --no-net "$contents"/usr/share/metainfo/*.metainfo.xml
desktop-file-validate "$contents"/usr/share/applications/solvo.desktop
# Only an optimised build is hardened (fortified functions need the
# optimiser); the package of a sanitizer or debug build is checked for the
# rest, and the test command checks the release programs' hardening itself.
build_type=$(sed -n 's/^CMAKE_BUILD_TYPE:STRING=//p' "$build/CMakeCache.txt")
case "$build_type" in
  Release | RelWithDebInfo | MinSizeRel)
    bash scripts/check-hardening.sh "$contents"/usr/bin/solvo "$contents"/usr/bin/solvo-cli ;;
  *)
    echo "package: a $build_type build is not hardened; hardening-check is left to release builds" ;;
esac
echo "package: lintian, appstreamcli and desktop-file-validate passed"
