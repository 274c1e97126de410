#!/usr/bin/env bash
# Builds the fuzz targets with clang and libFuzzer under AddressSanitizer +
# UndefinedBehaviorSanitizer (in build-fuzz/) and runs each for SECONDS seconds, starting from
# the checked-in corpus (new inputs go to a scratch folder, the corpus stays as it is).
#   scripts/fuzz.sh SECONDS
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:?usage: scripts/fuzz.sh SECONDS}"
dir=build-fuzz
CC=clang CXX=clang++ cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DLW_SANITIZE=address -DLW_FUZZ_LIBFUZZER=ON -DLW_BUILD_FUZZ=ON \
  -DLW_BUILD_TESTS=OFF -DLW_BUILD_BENCH=OFF \
  -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link" >/dev/null
targets=$(cd fuzz && ls fuzz_*.cpp | sed 's/\.cpp$//')
# shellcheck disable=SC2086
cmake --build "$dir" -j "$(nproc)" --target $targets
status=0
for t in $targets; do
  work="$dir/work/$t"
  rm -rf "$work" && mkdir -p "$work"
  echo "== $t for ${seconds}s"
  if ! "$dir/fuzz/$t" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
       -artifact_prefix="$dir/work/$t-" -print_final_stats=1 \
       "$work" "fuzz/corpus/$t" 2>"$dir/work/$t.log"; then
    echo "!! $t failed; see $dir/work/$t.log and the crash input under $dir/work/"
    tail -40 "$dir/work/$t.log"
    status=1
  else
    grep -E 'stat::number_of_executed_units|stat::new_units_added' "$dir/work/$t.log" || true
  fi
done
exit $status
