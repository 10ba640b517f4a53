#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# The page's translations from the window's own .ts files: one script file that sets
# self.zerkonTexts = {language: {context + "\u0004" + English text: translated text}}.
# Every text the page's scripts ask for with qsTranslate("Context", "text") must have a
# finished translation in every file; the build stops with the first that has none.
#   web-translations.py OUTPUT.js FILE.ts... -- PAGE.js...
import json
import re
import sys
import xml.etree.ElementTree as ElementTree

SEPARATOR = "\u0004"
# qsTranslate("Context", "text") with plain double-quoted literals, as lupdate reads them.
LITERAL = r'"((?:[^"\\\n]|\\.)*)"'
CALL = re.compile(r"\b(?:qsTranslate|QT_TRANSLATE_NOOP)\(\s*" + LITERAL + r"\s*,\s*" + LITERAL)


def read_ts(path):
    root = ElementTree.parse(path).getroot()
    language = root.get("language", "").split("_")[0]
    texts = {}
    for context in root.iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            translation = message.find("translation")
            kind = translation.get("type") if translation is not None else "unfinished"
            if kind in ("unfinished", "vanished", "obsolete") or translation.text is None:
                continue
            texts[name + SEPARATOR + message.findtext("source")] = translation.text
    return language, texts


def asked(path):
    with open(path, encoding="utf-8") as script:
        source = script.read()
    for match in CALL.finditer(source):
        yield json.loads('"' + match.group(1) + '"'), json.loads('"' + match.group(2) + '"')


def main(arguments):
    if "--" not in arguments or len(arguments) < 3:
        sys.exit("usage: web-translations.py OUTPUT.js FILE.ts... -- PAGE.js...")
    split = arguments.index("--")
    output, ts_files, scripts = arguments[0], arguments[1:split], arguments[split + 1 :]
    languages = dict(read_ts(path) for path in ts_files)
    for script in scripts:
        for context, text in asked(script):
            for language, texts in languages.items():
                if context + SEPARATOR + text not in texts:
                    sys.exit(
                        f"{script}: no {language} translation of {context} {json.dumps(text)}"
                        " (add it to the .ts files)"
                    )
    with open(output, "w", encoding="utf-8") as out:
        out.write("// Generated from the .ts files by scripts/web-translations.py.\n")
        out.write("self.zerkonTexts = ")
        json.dump(languages, out, ensure_ascii=False, separators=(",", ":"), sort_keys=True)
        out.write(";\n")


if __name__ == "__main__":
    main(sys.argv[1:])
