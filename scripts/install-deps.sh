#!/usr/bin/env bash
# Installs every Debian package the build and the tests need. Idempotent and quiet
# when everything is already present.
set -euo pipefail

native_packages=(
  cmake ninja-build g++ pkg-config clang libclang-rt-dev
  g++-mingw-w64-i686-posix binutils-mingw-w64-i686 libz-mingw-w64-dev
  libpng-dev zlib1g-dev googletest libgtest-dev libx11-dev libxtst-dev
  dpkg-dev
  xvfb xcompmgr xdotool x11-utils imagemagick e2fsprogs
  xserver-xorg-core xserver-xorg-video-dummy
  fonts-wqy-microhei fonts-dejavu-core fonts-wine
  # Wine's default face for the Chinese character set becomes Droid Sans Fallback, which has no
  # Latin letters or digits: the console must still show its captions.
  fonts-droid-fallback
  wine wine64
)
# libxinerama1:i386 lets 32-bit Wine see each monitor of a multi-monitor X display.
i386_packages=(wine32:i386 libxinerama1:i386)

missing=()
for p in "${native_packages[@]}" "${i386_packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
echo "Installing: ${missing[*]}"
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  $SUDO dpkg --add-architecture i386
fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
