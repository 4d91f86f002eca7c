#!/usr/bin/env python3
"""Checks every translation file of the program, and the help pages beside the English ones.

Usage: check_translations.py TS_FOLDER DATA_FOLDER [LUPDATE SOURCE...]

Each talvora_LANG.ts must hold every message of the sources (lupdate run over them adds
nothing and drops nothing), each with a finished, non-empty translation (one per plural form
of the language) that keeps the source's placeholders and its shortcut letter marker; each
help page must have its page in every language, linking to pages of that language.
"""
import glob
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

PLURAL_FORMS = {"cs": 3, "pl": 3}  # the others: singular and plural
HELP_TOPICS = ["dict", "key", "coding"]
PLACEHOLDER = re.compile(r"%L?[1-9n]")


def mnemonics(text):
    return len(re.findall(r"&(?!&)(?=\w)", text.replace("&&", "")))


def messages(path):
    out = {}
    for context in ET.parse(path).getroot().iter("context"):
        name = context.findtext("name")
        for m in context.iter("message"):
            out[(name, m.findtext("source"))] = m
    return out


def check_message(lang, key, message):
    context, source = key
    translation = message.find("translation")
    where = f"{lang}: {context}: {source!r}"
    kind = translation.get("type")
    if kind:
        return [f"{where}: translation is {kind}"]
    if message.get("numerus") == "yes":
        texts = [f.text or "" for f in translation.iter("numerusform")]
        if len(texts) != PLURAL_FORMS.get(lang, 2):
            return [f"{where}: {len(texts)} plural forms"]
    else:
        texts = [translation.text or ""]
    problems = []
    for text in texts:
        if not text.strip():
            problems.append(f"{where}: empty translation")
        elif sorted(set(PLACEHOLDER.findall(text))) != sorted(set(PLACEHOLDER.findall(source))):
            problems.append(f"{where}: placeholders differ in {text!r}")
        elif mnemonics(text) != mnemonics(source):
            problems.append(f"{where}: shortcut marker differs in {text!r}")
    return problems


def check_sources(ts_file, lupdate, sources):
    """Messages in the sources that the .ts file lacks, or holds but the sources no longer have."""
    with tempfile.TemporaryDirectory() as scratch:
        copy = os.path.join(scratch, os.path.basename(ts_file))
        shutil.copy(ts_file, copy)
        subprocess.run([lupdate, "-silent", "-locations", "none", "-no-obsolete", *sources, "-ts", copy],
                       check=True, stdout=subprocess.DEVNULL)
        fresh = set(messages(copy))
    held = set(messages(ts_file))
    return [f"not translated yet (run the update_translations target): {k}" for k in sorted(fresh - held)] + \
           [f"no longer in the sources: {k}" for k in sorted(held - fresh)]


def check_help(data, lang):
    problems = []
    for topic in HELP_TOPICS:
        page = os.path.join(data, f"{topic}.{lang}.htm")
        if not os.path.isfile(page):
            problems.append(f"{lang}: help page {os.path.basename(page)} is missing")
            continue
        text = open(page, encoding="utf-8").read()
        for link in re.findall(r'href="([^"#]+\.htm)"', text):
            if not link.endswith(f".{lang}.htm") or not os.path.isfile(os.path.join(data, link)):
                problems.append(f"{lang}: {os.path.basename(page)} links to {link}")
    return problems


def main():
    ts_folder, data = sys.argv[1], sys.argv[2]
    lupdate, sources = (sys.argv[3], sys.argv[4:]) if len(sys.argv) > 3 else (None, [])
    files = sorted(glob.glob(os.path.join(ts_folder, "talvora_*.ts")))
    problems = [] if files else ["no translation files"]
    keys = None
    for ts_file in files:
        lang = re.match(r"talvora_(\w+)\.ts", os.path.basename(ts_file)).group(1)
        held = messages(ts_file)
        if keys is None:
            keys = set(held)
            if lupdate:
                problems += check_sources(ts_file, lupdate, sources)
        elif set(held) != keys:
            problems.append(f"{lang}: holds other messages than {os.path.basename(files[0])}")
        for key, message in held.items():
            problems += check_message(lang, key, message)
        problems += check_help(data, lang)
    for p in problems:
        print(p)
    count = len(keys or ())
    print(f"{len(files)} languages, {count} messages each, {len(problems)} problems")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
