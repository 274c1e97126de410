#!/usr/bin/env bash
# Sessions against separate runs: linkwell-sim on a pseudo-terminal with wire time emulated at
# 115200 baud, and the same 25 commands once as one `linkwell-cli run` session and once as 25
# separate linkwell-cli runs; then one session of 1,000 commands, whose resident memory and
# open descriptors are sampled while it runs.
#   bench/sessions.sh [BUILD]              everything: both sets timed, then the long session
#   bench/sessions.sh [BUILD] start        start the simulator (in the background) and make the
#                                          files; then, for timing them with a tool of your own:
#   bench/sessions.sh [BUILD] session SET  SET = listing or mixed, as one session
#   bench/sessions.sh [BUILD] separate SET the same as separate runs
#   bench/sessions.sh [BUILD] long [N]     a session of N commands (default 1000), sampled
#   bench/sessions.sh [BUILD] stop
# The work folder is $TMPDIR/lw-bench-sessions (or /tmp/...).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build
if [ $# -gt 0 ] && [ -d "$1" ]; then build=$(cd "$1" && pwd); shift; fi
cli=$build/cli/linkwell-cli
sim=$build/sim/linkwell-sim
work=${TMPDIR:-/tmp}/lw-bench-sessions
link=$work/calc

start() {
  stop
  mkdir -p "$work/out"
  "$sim" --link "$link" --throttle auto --keep-running </dev/null >"$work/sim.log" 2>&1 &
  echo $! >"$work/sim.pid"
  for _ in $(seq 50); do [ -e "$link" ] && break; sleep 0.1; done
  # 25 listing commands, and 25 mixed: ls, mem, get, get, put, five times.
  : >"$work/listing.lw"
  for i in $(seq 25); do
    case $((i % 3)) in 0) echo ls ;; 1) echo mem ;; 2) echo ident ;; esac >>"$work/listing.lw"
  done
  : >"$work/mixed.lw"
  for _ in $(seq 5); do
    printf '%s\n' ls mem "get X -o $work/out" "get N -o $work/out" "put $work/out/X.zq" \
      >>"$work/mixed.lw"
  done
  "$cli" -q -p "$link" get X -o "$work/out" >/dev/null
}

stop() {
  if [ -f "$work/sim.pid" ]; then
    kill "$(cat "$work/sim.pid")" 2>/dev/null || true
    rm -f "$work/sim.pid"
  fi
}

session() { "$cli" -q -y -p "$link" run "$work/$1.lw" >/dev/null; }

separate() {
  while read -r line; do
    # shellcheck disable=SC2086 # the line's words are the command's arguments
    "$cli" -q -y -p "$link" $line >/dev/null
  done <"$work/$1.lw"
}

seconds() { date +%s.%N; }

compare() {
  local t0 t1 t2
  t0=$(seconds); session "$1"; t1=$(seconds); separate "$1"; t2=$(seconds)
  awk -v set="$1" -v a="$t0" -v b="$t1" -v c="$t2" 'BEGIN {
    printf "%-8s 25 commands: one session %6.2f s, separate runs %6.2f s: %5.1fx faster\n",
      set, b - a, c - b, (c - b) / (b - a) }'
}

# A session of N commands (ls, mem, ident in turn, --json: one line each), its resident memory
# and open descriptors sampled with the count of commands done; the first and the last hundred
# compared.
long() {
  local n=${1:-1000} pid
  : >"$work/long.lw"
  for i in $(seq "$n"); do
    case $((i % 3)) in 0) echo ls ;; 1) echo mem ;; 2) echo ident ;; esac >>"$work/long.lw"
  done
  : >"$work/long.out"
  : >"$work/long.samples"
  "$cli" -q --json -p "$link" run "$work/long.lw" >"$work/long.out" &
  pid=$!
  while kill -0 "$pid" 2>/dev/null; do
    local done rss fds
    done=$(wc -l <"$work/long.out")
    rss=$(awk '/^VmRSS/ {print $2}' "/proc/$pid/status" 2>/dev/null || true)
    fds=$(ls "/proc/$pid/fd" 2>/dev/null | wc -l)
    [ -n "$rss" ] && echo "$done $rss $fds" >>"$work/long.samples"
    sleep 0.2
  done
  wait "$pid"
  awk -v n="$n" '
    $1 >= 1 && $1 < 100 { r1 += $2; f1 += $3; c1++ }
    $1 >= n - 100 && $1 < n { r2 += $2; f2 += $3; c2++ }
    END {
      if (!c1 || !c2) { print "too few samples"; exit 1 }
      printf "%d-command session: RSS %.0f KiB (first hundred) -> %.0f KiB (last hundred), %+.1f%%; ",
        n, r1 / c1, r2 / c2, 100 * (r2 / c2 - r1 / c1) / (r1 / c1)
      printf "descriptors %.1f -> %.1f, %+.1f%%\n", f1 / c1, f2 / c2, 100 * (f2 / c2 - f1 / c1) / (f1 / c1)
    }' "$work/long.samples"
  echo "commands done: $(wc -l <"$work/long.out")"
}

case ${1:-all} in
  all)
    start
    trap stop EXIT
    compare listing
    compare mixed
    long 1000
    ;;
  start) start ;;
  stop) stop ;;
  session) session "$2" ;;
  separate) separate "$2" ;;
  long) long "${2:-1000}" ;;
  *) sed -n '2,13p' "$0" >&2; exit 2 ;;
esac
