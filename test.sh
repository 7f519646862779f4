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

# tzdata: the tests set TZ=Asia/Tokyo, which without the zone files would
# silently be UTC.  jlha-utils: an LHA archiver ("lha"), so the tests can
# read archives packed the way users' archives are.
packages=(g++ cmake ninja-build pkg-config libgtest-dev liblhasa-dev libncurses-dev tzdata jlha-utils)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  if [ "$(id -u)" -ne 0 ]; then
    echo "test.sh: missing packages: ${missing[*]} (run as root to install them)" >&2
    exit 1
  fi
  apt-get update
  DEBIAN_FRONTEND=noninteractive apt-get install -y "${missing[@]}"
fi

build=build
sanitize=OFF
if [ "${1:-}" = "--sanitize" ]; then
  build=build-asan
  sanitize=ON
fi

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DORNEL_SANITIZE=$sanitize
cmake --build "$build" -j "$(nproc)"
ctest --test-dir "$build" --output-on-failure -j "$(nproc)"
