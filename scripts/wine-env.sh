# Sourced: the environment every Wine process of the project runs in.
project_root=$(cd "$(dirname "${BASH_SOURCE:-$0}")/.." 2>/dev/null && pwd)
: "${BUILD_ROOT:=$project_root/build}"
export BUILD_ROOT
export WINEPREFIX="${WINEPREFIX:-$BUILD_ROOT/wineprefix}"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8
