#!/bin/sh
# Runs a Windows program under the project's Wine prefix with a time limit;
# the cross build's tests use it as their emulator.
here=$(cd "$(dirname "$0")" && pwd)
. "$here/wine-env.sh"
exec timeout -k 5 "${WINE_TIMEOUT:-300}" wine "$@"
