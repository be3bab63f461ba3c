#!/bin/sh
# Builds the template reader's fuzz target with clang and libFuzzer:
#   fuzz/template/build.sh            builds build-fuzz/fuzz_vorlage
#   fuzz/template/build.sh run [secs] builds and fuzzes (default 600 s)
# Crashes are written to build-fuzz/funde/.
set -eu
hier=$(cd "$(dirname "$0")" && pwd)
wurzel=$(cd "$hier/../.." && pwd)
bau=${SORVO_FUZZ_BUILD:-$wurzel/build-fuzz}
CC=clang CXX=clang++ cmake -S "$hier" -B "$bau" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$bau" -j "$(nproc)"
if [ "${1:-}" = run ]; then
  mkdir -p "$bau/korpus" "$bau/funde"
  cp -n "$hier"/korpus/* "$bau/korpus/" 2>/dev/null || true
  QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 \
    "$bau/fuzz_vorlage" -max_total_time="${2:-600}" -max_len=65536 -timeout=10 \
    -dict="$hier/vorlage.dict" -artifact_prefix="$bau/funde/" "$bau/korpus"
fi
