#!/bin/bash
# Installs what building, running and testing need, once: Debian's packages
# (with the :i386 libraries Wine's ClipCursor needs), the zh_CN.UTF-8 locale
# that makes Wine's ANSI code page 936, minizip's sources from Debian's zlib
# source package, and a private Wine prefix under build/. Quiet when all of
# it is present already.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build"
deps="$build/deps"

packages=(
  g++-mingw-w64-i686 mingw-w64-i686-dev libz-mingw-w64-dev
  wine wine32:i386 wine64 xvfb xauth xdotool x11-utils imagemagick openbox
  libxi6:i386 libxrandr2:i386 libxinerama1:i386 libxcursor1:i386 libxcomposite1:i386
  libxfixes3:i386 libxrender1:i386 libxxf86vm1:i386
  cmake g++ make googletest locales fonts-wqy-microhei python3
  clang libclang-rt-14-dev zlib1g-dev
  nginx
  curl unzip
)

as_root() { if [ "$(id -u)" = 0 ]; then "$@"; else sudo "$@"; fi; }

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}\n' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  dpkg --print-foreign-architectures | grep -qx i386 || as_root dpkg --add-architecture i386
  as_root apt-get update -qq
  DEBIAN_FRONTEND=noninteractive as_root apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
  # nginx is only for the update road tests, which start their own on a
  # loopback port: the system service the package may have started goes.
  if [[ " ${missing[*]} " == *" nginx "* ]]; then
    if [ -d /run/systemd/system ]; then
      as_root systemctl disable --now nginx >/dev/null 2>&1 || true
    elif [ -x /etc/init.d/nginx ]; then
      as_root /etc/init.d/nginx stop >/dev/null 2>&1 || true
      as_root update-rc.d nginx disable >/dev/null 2>&1 || true
    fi
  fi
fi

if ! locale -a 2>/dev/null | grep -qix 'zh_CN.utf8'; then
  echo "setup: generating the zh_CN.UTF-8 locale"
  as_root sed -i 's/^# *zh_CN.UTF-8 UTF-8/zh_CN.UTF-8 UTF-8/' /etc/locale.gen
  grep -q '^zh_CN.UTF-8 UTF-8' /etc/locale.gen || echo 'zh_CN.UTF-8 UTF-8' | as_root tee -a /etc/locale.gen >/dev/null
  as_root locale-gen >/dev/null
fi

# minizip, from Debian's zlib source package, fetched without touching /etc/apt.
if [ ! -f "$deps/minizip/unzip.c" ]; then
  echo "setup: fetching minizip from Debian's zlib source package"
  work="$deps/apt"
  mkdir -p "$work/lists/partial" "$work/cache/archives/partial" "$work/empty" "$work/src"
  uri=$(sed -n 's/^URIs: *//p' /etc/apt/sources.list.d/debian.sources 2>/dev/null | head -n 1)
  [ -n "$uri" ] || uri=$(awk '$1 == "deb" { print $2; exit }' /etc/apt/sources.list)
  suite=$(. /etc/os-release && echo "$VERSION_CODENAME")
  echo "deb-src $uri $suite main" > "$work/sources.list"
  opts=(-o Dir::Etc::SourceList="$work/sources.list" -o Dir::Etc::SourceParts="$work/empty"
        -o Dir::State::Lists="$work/lists" -o Dir::Cache="$work/cache")
  apt-get "${opts[@]}" -qq update
  (cd "$work/src" && apt-get "${opts[@]}" -qq source --download-only zlib >/dev/null 2>&1)
  tarball=$(ls "$work"/src/zlib_*.orig.tar.* | head -n 1)
  rm -rf "$work/unpacked" && mkdir -p "$work/unpacked"
  tar xf "$tarball" -C "$work/unpacked"
  rm -rf "$deps/minizip"
  cp -r "$work"/unpacked/*/contrib/minizip "$deps/minizip"
fi

# The Wine prefix, created once and reused.
. "$root/scripts/wine-env.sh"
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "setup: creating the Wine prefix in $WINEPREFIX"
  mkdir -p "$WINEPREFIX"
  DISPLAY= timeout 300 wineboot -u </dev/null >/dev/null 2>&1 || true
  timeout 120 wineserver -w || true
fi
fonts="$WINEPREFIX/drive_c/windows/Fonts"
if [ ! -f "$fonts/wqy-microhei.ttc" ]; then
  mkdir -p "$fonts"
  cp /usr/share/fonts/truetype/wqy/wqy-microhei.ttc "$fonts/"
fi
# The note's default face 宋体, served by WenQuanYi Micro Hei: the font dialog
# lists it, and does not rewrite a record that names it.
if ! grep -qF '"WenQuanYi Micro Hei"' "$WINEPREFIX/user.reg" 2>/dev/null; then
  DISPLAY= timeout 120 wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v '宋体' /t REG_SZ \
    /d 'WenQuanYi Micro Hei' /f </dev/null >/dev/null 2>&1 || true
  timeout 120 wineserver -w || true
fi
