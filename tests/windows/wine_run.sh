#!/usr/bin/env bash
# Runs the Windows test programs under Wine, headless, for CTest:
#
#   wine_run.sh start PREFIX            makes the prefix once (Wine's null
#                                       graphics driver) and starts the one
#                                       wineserver kept for the whole run
#   wine_run.sh run PREFIX PROGRAM...   runs a test program
#   wine_run.sh stop PREFIX             ends that wineserver and whatever
#                                       the tests left running in the prefix
#
# The programs see code page 932 as the ANSI code page (LC_ALL=ja_JP.UTF-8)
# and a local time in the middle of the morning whatever the time of day
# here: the time zone is chosen so that the betting centre's races are all
# still on sale.
set -euo pipefail

command=$1
export WINEPREFIX=$2
shift 2
# WINEDEBUG may be set to trace a run; quiet otherwise.
export WINEARCH=win64 WINEDEBUG=${WINEDEBUG:--all} LC_ALL=ja_JP.UTF-8
# No Mono or Gecko: nothing here needs them, and Wine would offer to fetch them.
export WINEDLLOVERRIDES="mscoree,mshtml="

# A fixed-offset zone (Etc/GMT-N is N hours east) whose local hour is 10, or
# 11 where no such zone exists.
morning_zone() {
    local hour offset
    hour=$((10#$(date -u +%H)))
    offset=$((10 - hour))
    [ "$offset" -lt -12 ] && offset=$((offset + 24))
    if [ "$offset" -gt 0 ]; then echo "Etc/GMT-$offset"
    elif [ "$offset" -lt 0 ]; then echo "Etc/GMT+$((-offset))"
    else echo "Etc/GMT"
    fi
}

case "$command" in
start)
    if ! locale -a | grep -qix 'ja_JP.utf8'; then
        echo "wine_run.sh: the ja_JP.UTF-8 locale is missing (./test.sh generates it)" >&2
        exit 1
    fi
    # Wine's own processes (the server, the services wineboot starts) stay
    # behind: none of them may hold CTest's output pipes open.
    if [ ! -f "$WINEPREFIX/.ornel-ready" ]; then
        rm -rf "$WINEPREFIX"
        wineboot --init </dev/null >/dev/null 2>&1
        wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f </dev/null >/dev/null 2>&1
        wineserver --kill
        wineserver --wait
        touch "$WINEPREFIX/.ornel-ready"
    fi
    wineserver --persistent </dev/null >/dev/null 2>&1
    # Starts the prefix's services and desktop now, detached from the tests.
    wineboot </dev/null >/dev/null 2>&1
    ;;
run)
    cd "$(dirname "$1")"
    TZ=$(morning_zone) exec wine "$@"
    ;;
stop)
    wineserver --kill || true
    ;;
*)
    echo "usage: wine_run.sh start|run|stop PREFIX [PROGRAM...]" >&2
    exit 2
    ;;
esac
