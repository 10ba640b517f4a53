#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Completes the English translation: the window is written in English, so every text that
# lupdate left unfinished in an English .ts file is translated as itself.
import re
import sys


def complete(path):
    with open(path, encoding="utf-8") as ts:
        text = ts.read()
    text, count = re.subn(
        r'<source>([^<]*)</source>(\s*)<translation type="unfinished">[^<]*</translation>',
        r"<source>\1</source>\2<translation>\1</translation>",
        text,
        flags=re.S,
    )
    with open(path, "w", encoding="utf-8") as ts:
        ts.write(text)
    print(f"{path}: {count} text(s) completed")


if __name__ == "__main__":
    if len(sys.argv) < 2:
        sys.exit("usage: translations-en.py FILE.ts...")
    for name in sys.argv[1:]:
        complete(name)
