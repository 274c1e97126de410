#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test.
#   scripts/test.sh              normal build in build/
#   scripts/test.sh address      AddressSanitizer + UndefinedBehaviorSanitizer build in build-address/
#   scripts/test.sh thread       ThreadSanitizer build in build-thread/
#   scripts/test.sh thread 'port|cli'   ... running only the tests with these labels (a regex)
#   scripts/test.sh '' slow      the tests labelled slow (real lines waiting out real time-outs),
#                                which the other runs leave out
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
sanitize="${1:-}"
labels="${2:-}"
dir="build${sanitize:+-$sanitize}"
werror=OFF
[ "${CI:-}" = "true" ] && werror=ON
# Quiet when it works; the whole output when it does not.
if ! configured=$(cmake -S . -B "$dir" -G Ninja -DLW_SANITIZE="$sanitize" -DLW_WERROR="$werror" \
      -DLW_BUILD_BENCH="$([ -z "$sanitize" ] && echo ON || echo OFF)" 2>&1); then
  printf '%s\n' "$configured" >&2
  echo "test.sh: configuring $dir failed (cmake's output above)" >&2
  exit 1
fi
# With labels, only the test programs those labels run are built (their own dependencies come
# along): label <area> runs test_<area>, and gui runs every test_gui_<window>. A label that
# names no test program and no test CMake labels itself is a mistake, not a reason to build
# and run nothing.
targets=()
if [ -n "$labels" ]; then
  known=$(ninja -C "$dir" -t targets all | sed -n -E 's/^([a-z_]+): phony$/\1/p' | grep -v '_autogen')
  declared=$(ctest --test-dir "$dir" --print-labels | sed -n -E 's/^  (.+)$/\1/p')
  for label in ${labels//|/ }; do
    pattern="test_$label"
    [ "$label" = gui ] && pattern="test_gui_[a-z_]+|lw_scripted_editor"
    found=$(grep -E "^($pattern)\$" <<<"$known" || true)
    if [ -z "$found" ] && ! grep -qxF "$label" <<<"$declared"; then
      echo "test.sh: no test program or test label is called '$label'" >&2
      echo "  known labels: $({ sed -n -E 's/^test_([a-z_]+)$/\1/p' <<<"$known" | grep -v '^gui_'
                             echo gui; echo "$declared"; } | sort -u | tr '\n' ' ')" >&2
      exit 2
    fi
    [ -n "$found" ] && mapfile -t -O "${#targets[@]}" targets <<<"$found"
  done
fi
cmake --build "$dir" -j "$(nproc)" ${targets[@]:+--target "${targets[@]}"}
cd "$dir"
# Most tests spend their time in the protocol's own waits, so run twice as many as cores.
# Without labels: every test but the slow ones.
select=(-LE '^slow$')
[ -n "$labels" ] && select=(-L "^($labels)\$")
ctest -j "$((2 * $(nproc)))" --output-on-failure --timeout 300 "${select[@]}"
