#!/usr/bin/env bash
# Fails when an option or a command that PROGRAM --help lists is missing from its manual page
# (commands in bold there), or with "plain", from a file that names them as plain words (the
# shell completions).
#   check_man_page.sh PROGRAM PAGE.scd
#   check_man_page.sh PROGRAM COMPLETION-FILE plain
# Options: every -x and --long-name in the help. Commands: the first word of each line of a
# "Commands" section and the further words before the description column; for a manual page,
# also those of an "Inside a session" section (the commands a session adds).
set -euo pipefail
program=$1 page=$2 mark="*"
[ "${3:-}" = plain ] && mark=""
help=$("$program" --help 2>&1)
missing=()
for opt in $(grep -oE '(^|[ ,[])--?[a-zA-Z][-a-zA-Z0-9]*' <<<"$help" | sed -E 's/^[ ,[]//' | sort -u); do
  grep -qF -- "$opt" "$page" || missing+=("option $opt")
done
sections='^Commands'
[ -n "$mark" ] && sections='^(Commands|Inside a session)'
commands=$(awk -v sections="$sections" '$0 ~ sections {on=1; next} /^[^ ]/ {on=0}
  on && /^  [a-z]/ {
    line = substr($0, 1, 25)
    n = split(line, w, /   +/)
    for (i = 1; i <= n; i++) { split(w[i], t, " "); if (t[1] ~ /^[a-z][-a-z]*$/) print t[1] }
  }' <<<"$help" | sort -u)
for cmd in $commands; do
  grep -qwF -- "$mark$cmd$mark" "$page" || missing+=("command $cmd")
done
if ((${#missing[@]})); then
  printf 'missing from %s: %s\n' "$page" "${missing[*]}" >&2
  exit 1
fi
echo "$(basename "$page"): every option and command of --help is documented"
