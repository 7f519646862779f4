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
# read archives packed the way users' archives are.  The Windows build:
# MinGW-w64 (posix threads) cross compiles it, Wine runs its tests with the
# ja_JP.UTF-8 locale.
packages=(g++ cmake ninja-build pkg-config libgtest-dev liblhasa-dev libncurses-dev tzdata jlha-utils)
windows_packages=(g++-mingw-w64-x86-64-posix wine wine64 locales)
missing_from() {
  local p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || echo "$p"
  done
}
missing=($(missing_from "${packages[@]}"))
windows_missing=($(missing_from "${windows_packages[@]}"))
if [ ${#missing[@]} -gt 0 ] || [ ${#windows_missing[@]} -gt 0 ]; then
  if [ "$(id -u)" -ne 0 ]; then
    echo "test.sh: missing packages: ${missing[*]} ${windows_missing[*]} (run as root to install them)" >&2
    exit 1
  fi
  apt-get update
  [ ${#missing[@]} -eq 0 ] || DEBIAN_FRONTEND=noninteractive apt-get install -y "${missing[@]}"
  # Wine's recommendations (sound, fonts, Vulkan) are of no use headless.
  [ ${#windows_missing[@]} -eq 0 ] ||
    DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${windows_missing[@]}"
fi
# Code page 932 is Wine's ANSI code page under the ja_JP.UTF-8 locale.
if ! locale -a 2>/dev/null | grep -qix 'ja_JP.utf8'; then
  if [ "$(id -u)" -ne 0 ]; then
    echo "test.sh: the ja_JP.UTF-8 locale is missing (run as root to generate it)" >&2
    exit 1
  fi
  sed -i 's/^# *\(ja_JP.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' >> /etc/locale.gen
  locale-gen
fi

build=build
sanitize=OFF
if [ "${1:-}" = "--sanitize" ]; then
  build=build-asan
  sanitize=ON
fi

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DORNEL_SANITIZE=$sanitize
cmake --build "$build" -j "$(nproc)"
# windows-e2e: the Windows end-to-end run, kept out until it is reliable on a
# busy machine (ctest -L windows-e2e runs it).
ctest --test-dir "$build" --output-on-failure -j "$(nproc)" -LE windows-e2e
