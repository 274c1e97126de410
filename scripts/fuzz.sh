#!/usr/bin/env bash
# Builds the fuzz targets with clang and libFuzzer under AddressSanitizer +
# UndefinedBehaviorSanitizer (in build-fuzz/) and runs each for SECONDS seconds, starting from
# the checked-in corpus (new inputs go to a scratch folder, the corpus stays as it is), as many
# targets at once as there are cores.
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
# Runs one target; its report goes to $dir/work/$t.report, its verdict to $dir/work/$t.failed.
fuzz_one() {
  local t=$1 work="$dir/work/$1"
  rm -rf "$work" "$dir/work/$t.failed" && mkdir -p "$work"
  {
    echo "== $t for ${seconds}s"
    if ! "$dir/fuzz/$t" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
         -artifact_prefix="$dir/work/$t-" -print_final_stats=1 \
         "$work" "fuzz/corpus/$t" 2>"$dir/work/$t.log"; then
      echo "!! $t failed; see $dir/work/$t.log and the crash input under $dir/work/"
      tail -40 "$dir/work/$t.log"
      touch "$dir/work/$t.failed"
    else
      grep -E 'stat::number_of_executed_units|stat::new_units_added' "$dir/work/$t.log" || true
    fi
  } >"$dir/work/$t.report"
}
# One target per core at a time; the reports are printed in order afterwards.
mkdir -p "$dir/work"
for t in $targets; do
  while [ "$(jobs -rp | wc -l)" -ge "$(nproc)" ]; do wait -n || true; done
  fuzz_one "$t" &
done
wait
status=0
for t in $targets; do
  cat "$dir/work/$t.report"
  if [ -e "$dir/work/$t.failed" ]; then status=1; fi
done
exit $status
