#!/usr/bin/env bash
# Cross-builds the core library and its tests for Windows with mingw-w64 and
# runs the tests under wine, so the core keeps building and working on the
# platform most chemists use, file names with any character included.
# GoogleTest is built from Debian's source package within this build.
set -euo pipefail
cd "$(dirname "$0")/.."

build=build/windows
wine=/usr/lib/wine/wine64
cmake -S . -B "$build" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
  -DCMAKE_BUILD_TYPE= \
  -DSOLVO_GTEST_SOURCE_DIR=/usr/src/googletest \
  -DSOLVO_BUILD_GUI=OFF -DSOLVO_BUILD_CLI=OFF -DSOLVO_BUILD_BENCH=OFF \
  -DSOLVO_BUILD_TESTS=ON
cmake --build "$build" --target solvo_core_tests -j "$(nproc)"

# A wine prefix of its own, made once, without the optional .NET and HTML
# engines that wine would otherwise offer to download.
export WINEPREFIX="$PWD/$build/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
"$wine" "$build/tests/core/solvo_core_tests.exe" --gtest_brief=1
