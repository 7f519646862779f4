#!/usr/bin/env bash
# Runs Ornel in the terminal: `./ornel.sh` shows the program on the demo
# home; `./ornel.sh run --speed 60` and every other `ornel` command line
# work as well (see README.md).
#
# On a fresh Debian machine, run as root: the packages the project needs are
# installed first when they are missing, and the program is built (in
# build/, the build ./test.sh uses) when its sources have changed.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"

source "$here/tools/install-packages.sh"
install_missing_packages ornel.sh

if [ ! -f "$here/build/build.ninja" ]; then
  cmake -S "$here" -B "$here/build" -G Ninja -DCMAKE_BUILD_TYPE=Debug > /dev/null
fi
set +e
cmake --build "$here/build" --target ornel | grep -v -e "^ninja: no work to do" -e "Re-checking globbed directories"
status=${PIPESTATUS[0]}
set -e
if [ "$status" -ne 0 ]; then
  echo "ornel.sh: the build failed" >&2
  exit 1
fi
exec "$here/build/ornel" "$@"
