#!/bin/sh
# Builds the database reader's fuzz target with clang and libFuzzer:
#   fuzz/jet/build.sh             builds build-fuzz-jet/fuzz-jet/fuzz_jet
#   fuzz/jet/build.sh run [secs]  builds and fuzzes (default 600 s), starting
#                                 from the database the tests' writer makes
# Findings are written to build-fuzz-jet/fuzz-jet/funde/.
set -eu
hier=$(cd "$(dirname "$0")" && pwd)
wurzel=$(cd "$hier/../.." && pwd)
bau=${SORVO_FUZZ_BUILD:-$wurzel/build-fuzz-jet}
CC=clang CXX=clang++ cmake -S "$hier/.." -B "$bau" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$bau" -j "$(nproc)" --target fuzz_jet saat
if [ "${1:-}" = run ]; then
  mkdir -p "$bau/fuzz-jet/korpus" "$bau/fuzz-jet/funde"
  # Seed: the tests' plant database (the shared 3 MB sample is too big to
  # mutate well).
  ASAN_OPTIONS=detect_leaks=0 "$bau/fuzz-jet/saat" "$bau/fuzz-jet/korpus" >/dev/null
  ASAN_OPTIONS=detect_leaks=0 \
    "$bau/fuzz-jet/fuzz_jet" -max_total_time="${2:-600}" -max_len=1048576 -timeout=20 -rss_limit_mb=4096 \
    -artifact_prefix="$bau/fuzz-jet/funde/" "$bau/fuzz-jet/korpus"
fi
