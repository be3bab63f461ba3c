#!/bin/sh
# Builds the template reader's fuzz target with clang and libFuzzer:
#   fuzz/template/build.sh            builds build-fuzz/fuzz-template/fuzz_vorlage
#   fuzz/template/build.sh run [secs] builds and fuzzes (default 600 s)
# Crashes are written to build-fuzz/fuzz-template/funde/.
set -eu
hier=$(cd "$(dirname "$0")" && pwd)
wurzel=$(cd "$hier/../.." && pwd)
bau=${SORVO_FUZZ_BUILD:-$wurzel/build-fuzz}
CC=clang CXX=clang++ cmake -S "$hier/.." -B "$bau" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$bau" -j "$(nproc)" --target fuzz_vorlage
if [ "${1:-}" = run ]; then
  mkdir -p "$bau/fuzz-template/korpus" "$bau/fuzz-template/funde"
  cp -n "$hier"/korpus/* "$bau/fuzz-template/korpus/" 2>/dev/null || true
  QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 \
    "$bau/fuzz-template/fuzz_vorlage" -max_total_time="${2:-600}" -max_len=65536 -timeout=10 \
    -dict="$hier/vorlage.dict" -artifact_prefix="$bau/fuzz-template/funde/" "$bau/fuzz-template/korpus"
fi
