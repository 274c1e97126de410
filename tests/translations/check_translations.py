#!/usr/bin/env python3
"""Checks the desktop program's translation files.

  check_translations.py <source folder> [--strict]

Always: every finished translation keeps each %1..%99, %n and %s of its source text and adds
none, and is not empty; and every translatable text of the code is filed under the context the
program looks it up in. With --strict also: no entry is unfinished or left over from texts that
are gone, and running scripts/update-translations.sh over copies of the files finds no text of
the code missing from them.
"""
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

LANGUAGES = ["nl", "fr", "de", "pt", "es", "it"]
PLACEHOLDER = re.compile(r"%(?:\d{1,2}|n|s)")
MISPLACED = re.compile(r"unknown namespace/class|Cannot invoke tr\(\)|tr\(\) cannot be called")


def text_of(element):
    return "".join(element.itertext()) if element is not None else ""


def placeholders(text):
    return sorted(set(PLACEHOLDER.findall(text)))


def check_file(path, strict):
    faults = []
    root = ET.parse(path).getroot()
    for context in root.iter("context"):
        name = text_of(context.find("name"))
        for message in context.iter("message"):
            source = text_of(message.find("source"))
            where = f"{path.name}: [{name}] {source[:60]!r}"
            translation = message.find("translation")
            kind = translation.get("type", "") if translation is not None else "unfinished"
            if kind in ("unfinished", "vanished", "obsolete"):
                if strict:
                    faults.append(f"{where}: {kind}")
                continue
            forms = [text_of(f) for f in translation.iter("numerusform")]
            if not forms:
                forms = [text_of(translation)]
            wanted = placeholders(source)
            for form in forms:
                if not form.strip():
                    faults.append(f"{where}: empty translation")
                    continue
                have = placeholders(form)
                # A plural form for exactly one may say "one" instead of %n.
                missing = [p for p in wanted if p not in have and
                           not (p == "%n" and len(forms) > 1)]
                extra = [p for p in have if p not in wanted]
                if missing:
                    faults.append(f"{where}: translation lacks {' '.join(missing)}")
                if extra:
                    faults.append(f"{where}: translation adds {' '.join(extra)}")
            if message.get("numerus") == "yes" and "%n" in wanted and \
                    not any("%n" in f for f in forms):
                faults.append(f"{where}: no plural form shows %n")
    return faults


def main():
    source = pathlib.Path(sys.argv[1])
    strict = "--strict" in sys.argv[2:]
    folder = source / "translations"
    files = [folder / f"linkwell_{code}.ts" for code in LANGUAGES]
    faults = [f"{f.name} is missing" for f in files if not f.exists()]
    for f in files:
        if f.exists():
            faults += check_file(f, strict)
    # The code's texts read into copies of the files: texts the files lack come in as
    # unfinished entries, and a text whose class the reader cannot place would be filed under
    # a context the program never looks it up in.
    with tempfile.TemporaryDirectory() as tmp:
        for f in files:
            if f.exists():
                shutil.copy(f, tmp)
        run = subprocess.run([str(source / "scripts/update-translations.sh"), tmp],
                             capture_output=True, text=True, check=True)
        faults += [f"translation reader: {line}" for line in run.stderr.splitlines()
                   if MISPLACED.search(line)]
        if strict:
            for f in files:
                faults += [fault + " (after running scripts/update-translations.sh)"
                           for fault in check_file(pathlib.Path(tmp) / f.name, True)]
    for fault in faults:
        print(fault)
    print(f"{len(faults)} faults in {len(files)} translation files"
          f"{' (strict)' if strict else ''}")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
