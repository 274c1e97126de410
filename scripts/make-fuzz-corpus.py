#!/usr/bin/env python3
"""Writes the small checked-in seed corpora of the fuzz targets (fuzz/corpus/<target>/)."""
import os

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "fuzz", "corpus")


def field(value, count):
    return [(value >> (4 * i)) & 0xF for i in range(count)]


def chars(text):
    out = []
    for b in text.encode("latin-1"):
        out += [b & 0xF, b >> 4]
    return out


def pack(nibbles):
    if len(nibbles) % 2:
        nibbles = nibbles + [0]
    return bytes(nibbles[i] | nibbles[i + 1] << 4 for i in range(0, len(nibbles), 2))


def prolog(p):
    return field(p, 5)


SEMI = prolog(0x0312B)
REAL = prolog(0x02933) + [1] * 16
BINT = prolog(0x02911) + field(42, 5)


def string(text):
    return prolog(0x02A2C) + field(5 + 2 * len(text), 5) + chars(text)


def composite(p, items):
    out = prolog(p)
    for i in items:
        out += i
    return out + SEMI


def directory(entries):
    body, last, prev = [], 0, 0
    for i, (name, obj) in enumerate(entries):
        here = 5 + len(body) + (5 if i else 0)
        if i:
            body += field(here - prev, 5)
        count = field(len(name), 2)
        body += count + chars(name) + count + obj
        prev = last = here
    return prolog(0x02A96) + [0, 0, 0] + field(last, 5) + body


def write(target, name, data):
    folder = os.path.join(ROOT, target)
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, name), "wb") as f:
        f.write(data)


def decomp():
    objs = {
        "real": REAL,
        "list": composite(0x02A74, [BINT, BINT]),
        "string": string("HELLO"),
        "tagged": prolog(0x02AFC) + field(3, 2) + chars("Tag") + REAL,
        "algebraic": composite(0x02AB8, [prolog(0x02E48) + field(1, 2) + chars("X"), REAL]),
        "infp": prolog(0x02660) + field(5, 5) + field(6, 5) + [1] + field(5, 5) + field(5, 5),
        "emptydir": directory([]),
        "dir": directory([("A", REAL), ("SUB", directory([("E", directory([]))])),
                          ("S", string("x"))]),
    }
    backup = prolog(0x02B62)
    inner = objs["dir"]
    backup += field(5 + len(inner), 5) + inner
    objs["backup"] = backup
    for name, nib in objs.items():
        write("fuzz_decomp", name, b"\x02" + pack(nib) + b"\x1a" * 20)
    write("fuzz_decomp", "ka-pointer", b"\x01" + pack(prolog(0x02614) + field(9, 5)) + b"\0" * 8)
    write("fuzz_decomp", "truncated", b"\x02" + pack(composite(0x02A74, [REAL])[:-5]))
    write("fuzz_decomp", "raw", b"\x00ZQZQKB-C\x33\x29")


def entry(name, p, nibbles):
    return (bytes([len(name)]) + name.encode("latin-1") + bytes([p & 0xFF, p >> 8]) +
            bytes([nibbles & 0xFF, (nibbles >> 8) & 0xFF, (nibbles >> 16) & 0xF, 0, 0]))


def ldir(name, entries):
    return entry(name, 0x2A96, 0) + entries + b"\0"


def dirlist():
    write("fuzz_dirlist", "empty", b"")
    write("fuzz_dirlist", "zero", b"\0")
    write("fuzz_dirlist", "sample",
          entry("X", 0x2933, 21) + entry("S", 0x2A2C, 5) +
          ldir("GAMES", entry("\x8dNUM", 0x2614, 10) + ldir("EMPTY", b"") +
               entry("ALG", 0x2AB8, 0x12345)) + entry("U", 0x1111, 3) + b"\0")
    write("fuzz_dirlist", "open", ldir("A", ldir("B", entry("C", 0x2933, 21)))[:-2])
    write("fuzz_dirlist", "cut", entry("LONGNAME", 0x2933, 21)[:-2])


def header():
    write("fuzz_header", "kb-binary", b"\x02ZQZQKB-Cprog.zq")
    write("fuzz_header", "ka-on-kb", b"\x02ZQZQKA-Rold.zq")
    write("fuzz_header", "text", b"\x02%%ZQ: T(3t.txt")
    write("fuzz_header", "text-long", b"\x01%ZQZQ: Ta.txt")
    write("fuzz_header", "plain", b"\x02<< 1 2 >>prog.src")
    write("fuzz_header", "short", b"\x00ZQ")


if __name__ == "__main__":
    decomp()
    dirlist()
    header()
