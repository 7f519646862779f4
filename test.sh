#!/usr/bin/env bash
# Builds Ornel and runs every test through CTest.
#
#   ./test.sh              normal build in build/
#   ./test.sh --sanitize   AddressSanitizer + UndefinedBehaviorSanitizer build in build-asan/
#
# On a fresh Debian machine, run as root: the packages the project needs are
# installed first when they are missing.
set -euo pipefail
cd "$(dirname "$0")"

source tools/install-packages.sh
install_missing_packages test.sh
install_missing_windows_packages test.sh

build=build
sanitize=OFF
if [ "${1:-}" = "--sanitize" ]; then
  build=build-asan
  sanitize=ON
fi

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DORNEL_SANITIZE=$sanitize
cmake --build "$build" -j "$(nproc)"
ctest --test-dir "$build" --output-on-failure -j "$(nproc)"
