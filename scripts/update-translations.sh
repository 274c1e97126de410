#!/usr/bin/env bash
# Brings the desktop program's translation files up to date with the texts in the code:
#   scripts/update-translations.sh [folder]
# Reads every translatable text of desktop/ and the core's keyed texts (LW_UI_TEXT) and
# updates translations/linkwell_<code>.ts (or the same files in `folder`): new texts come in
# unfinished, texts no longer in the code are dropped. Everyone runs this one script, so the
# files always come out the same. Source locations are left out of the files on purpose: they
# would change with every edit of the code and make every translation file conflict.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
folder="${1:-$root/translations}"
lupdate="${LUPDATE:-/usr/lib/qt6/bin/lupdate}"
[ -x "$lupdate" ] || lupdate="$(command -v lupdate)"
languages=(nl fr de pt es it)
files=()
for code in "${languages[@]}"; do files+=("$folder/linkwell_$code.ts"); done
cd "$root"
"$lupdate" -silent -locations none -no-obsolete -source-language en \
  -tr-function-alias QT_TRANSLATE_NOOP3+=LW_UI_TEXT \
  -extensions cpp,h desktop core -ts "${files[@]}"
