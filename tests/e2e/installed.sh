#!/usr/bin/env bash
# The installed program: installed into a temporary prefix, its menu entry, metadata and icons validated, then
# the user-map scenario run through it. Usage: installed.sh <build folder> <e2e_folder> <screenshot folder>
set -euo pipefail
build=$1 maker=$2 shots=$3
readonly ID=io.github.tarvolin.Tarvolin
Fail() { echo "FAIL [installed]: $*" >&2 && exit 1; }
for t in cmake desktop-file-validate appstreamcli od; do command -v "$t" >/dev/null || Fail "$t is missing: run scripts/setup.sh"; done
prefix=$(mktemp -d "${TMPDIR:-/tmp}/tarvolin-prefix.XXXXXX")
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
share="$prefix/share"
[ -x "$prefix/bin/Tarvolin" ] || Fail "no program in bin/"
desktop-file-validate "$share/applications/$ID.desktop" || Fail "the menu entry is not valid"
appstreamcli validate --no-net "$share/metainfo/$ID.metainfo.xml" >&2 || Fail "the AppStream metadata is not valid"
grep -q '<svg' "$share/icons/hicolor/scalable/apps/$ID.svg" || Fail "no scalable icon"
for size in 48 128; do  # a PNG's width and height: big-endian words at bytes 16 and 20
  read -r -a ihdr < <(od -An -v -tu1 -j16 -N8 "$share/icons/hicolor/${size}x${size}/apps/$ID.png" 2>/dev/null) ||
    Fail "no $size px icon"
  [ "$(((ihdr[2] << 8) | ihdr[3])) $(((ihdr[6] << 8) | ihdr[7]))" = "$size $size" ] || Fail "the $size px icon's size"
done
printf '#!/bin/sh\nexec "%s" "$(dirname "$0")"\n' "$prefix/bin/Tarvolin" >"$prefix/starter" && chmod 755 "$prefix/starter"
bash "$(dirname "$0")/e2e.sh" user_map "$prefix/starter" "$maker" "$shots"
