#!/usr/bin/env bash
# Installs every Debian package that the build, the tests and the demo need;
# clang, its sanitizer and libFuzzer runtimes and llvm's symbolizer are for
# the sanitized build and the fuzz targets; Wine and MinGW for the test that
# starts a Windows program through Wine.
# Safe to run again: apt-get skips what is already there.
set -euo pipefail
packages=(
  cmake g++ make pkg-config
  qt6-base-dev libcanberra-dev libjpeg-dev zlib1g-dev libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth xdotool imagemagick fonts-dejavu-core fonts-liberation
  desktop-file-utils appstream
  libxcb1-dev
  clang libclang-rt-14-dev llvm-14
  wine wine64 gcc-mingw-w64-x86-64
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo_cmd=""
  [ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $sudo_cmd apt-get -o DPkg::Lock::Timeout=300 update -qq
  $sudo_cmd apt-get -o DPkg::Lock::Timeout=300 install -y --no-install-recommends "${missing[@]}"
fi
