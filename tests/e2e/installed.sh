#!/usr/bin/env bash
# The installed program: `cmake --install` into a temporary prefix, the
# desktop's validators on the installed menu entry and metadata, then the
# installed program started on a generated game folder (with spaces in its
# name) plays a user map. The game folder, X server, clicks and checks are
# run.sh's and scenarios.sh's; the program put into the folder is a starter
# that runs the installed one with that folder as its argument.
# Usage: installed.sh <build folder> <e2e_folder> <screenshot folder>
set -euo pipefail
build=$1 maker=$2 shots=$3
here=$(cd "$(dirname "$0")" && pwd)
readonly ID=io.github.tarvolin.Tarvolin

for tool in cmake desktop-file-validate appstreamcli od; do
  command -v "$tool" >/dev/null || {
    echo "$tool is missing: run scripts/setup.sh" >&2
    exit 1
  }
done
Fail() {
  echo "FAIL [installed]: $*" >&2
  exit 1
}

prefix=$(mktemp -d "${TMPDIR:-/tmp}/tarvolin-prefix.XXXXXX")
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

share="$prefix/share"
[ -x "$prefix/bin/Tarvolin" ] || Fail "no program in bin/"
desktop-file-validate "$share/applications/$ID.desktop" || Fail "the menu entry is not valid"
appstreamcli validate --no-net "$share/metainfo/$ID.metainfo.xml" >/dev/null || {
  appstreamcli validate --no-net "$share/metainfo/$ID.metainfo.xml" >&2 || true
  Fail "the AppStream metadata is not valid"
}
grep -q '<svg' "$share/icons/hicolor/scalable/apps/$ID.svg" || Fail "no scalable icon"
for size in 48 128; do
  png="$share/icons/hicolor/${size}x${size}/apps/$ID.png"
  # A PNG's width and height: big-endian words at bytes 16 and 20.
  read -r -a ihdr < <(od -An -v -tu1 -j16 -N8 "$png" 2>/dev/null) || Fail "no $size px icon"
  width=$(((ihdr[2] << 8) | ihdr[3])) height=$(((ihdr[6] << 8) | ihdr[7]))
  [ "$width x $height" = "$size x $size" ] || Fail "the $size px icon is $width x $height"
done

starter="$prefix/starter"
printf '#!/bin/sh\nexec "%s" "$(dirname "$0")"\n' "$prefix/bin/Tarvolin" >"$starter"
chmod 755 "$starter"
bash "$here/run.sh" user_map "$starter" "$maker" "$shots"
