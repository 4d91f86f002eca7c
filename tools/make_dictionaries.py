#!/usr/bin/env python3
"""Builds the shipped dictionaries data/*.dic and their notice data/DICTIONARIES.md.

The words come from word lists that Debian packages install; the script only filters,
lower-cases, caps and sorts them, so the same package versions always give the same
bytes. It then re-reads every file it wrote and checks it, and checks that each sample
sentence of data/samples.txt is made of words of its dictionary. Exit status 1 on any
violation, 2 when a needed package or tool is missing.

    python3 tools/make_dictionaries.py            # build, check, write the notice
    python3 tools/make_dictionaries.py --check    # only check the files in data/

Only the Python standard library is used. Building needs the Debian packages of
PACKAGES below (the script names any that are missing).
Building or testing the program never runs this script: its output is committed.
"""

import argparse
import collections
import hashlib
import os
import subprocess
import sys
import tempfile
import unicodedata
from dataclasses import dataclass
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
DATA = ROOT / "data"
NOTICE = DATA / "DICTIONARIES.md"
SAMPLES = DATA / "samples.txt"

# The program refuses a dictionary of more than 655000 lines. Shipped files stop a little
# below, so that words a user adds later cannot push one of them over that limit.
PROGRAM_LIMIT = 655000
MAX_ENTRIES = 650000

# Kept well under what a repository and an installer carry comfortably.
MAX_FILE_BYTES = 10 * 1000 * 1000

# The characters that the program's tokenizer removes from words; an entry holding one
# could never be matched by a word of a text.
SEPARATORS = ",.?/;:'[{]}\\|<>=+-_)(*&^%$#@!\""
assert len(SEPARATORS) == 30

CODE_PAGES = {
    "windows-1252": ("cp1252", bytes([0x81, 0x8D, 0x8F, 0x90, 0x9D])),
    "windows-1250": ("cp1250", bytes([0x81, 0x83, 0x88, 0x90, 0x98])),
}

# Why an entry was left out, in the order the checks run (the first that applies counts).
REASONS = [
    ("empty", "empty line"),
    ("blank", "holds a blank"),
    ("separator", "holds a separator character"),
    ("control", "holds a control, format or non-breaking space character"),
    ("non-letter", "holds a character that is not a letter (digit, symbol, mark)"),
    ("case", "holds a character whose lower case is not one character"),
    ("code page", "holds a character that the code page cannot hold"),
    ("duplicate", "same as another entry after lower-casing"),
    ("cap", "left out by the size cap"),
]


class MissingTool(Exception):
    pass


@dataclass
class Source:
    file: str
    language: str
    code_page: str
    package: str
    source_file: str
    encoding: str = "utf-8"
    licence: str = ""
    # The tesseract-ocr language whose word list of common words is kept first when the
    # list is over the cap, and which filters the supplement.
    common_words: str = ""
    # A second list (an aspell language) that only adds words of the common-word list:
    # for sources that lack inflected forms or short words.
    supplement: str = ""
    supplement_package: str = ""
    supplement_licence: str = ""


SOURCES = [
    Source("eng.dic", "English", "windows-1252", "wamerican", "/usr/share/dict/american-english",
           licence="SCOWL licence (permissive: use, copy, modify, distribute and sell, keeping the "
                   "copyright and permission notice), with public-domain parts and the UKACD, "
                   "WordNet and Ispell notices; all reproduced below"),
    Source("Czech.dic", "Czech", "windows-1250", "aspell-cs",
           "/usr/share/aspell/cs.cwl.gz (read through `aspell --lang=cs dump master | "
           "aspell --lang=cs expand`)",
           licence="GPL-2.0-only (\"version 2 as published by the Free Software Foundation\")",
           common_words="ces"),
    Source("dk.dic", "Danish", "windows-1252", "wdanish", "/usr/share/dict/danish",
           licence="GPL-2.0-or-later"),
    Source("nl.dic", "Dutch", "windows-1252", "wdutch", "/usr/share/dict/dutch",
           licence="BSD-3-Clause or CC-BY-3.0, at the user's choice (this project uses it under "
                   "BSD-3-Clause; notice reproduced below)"),
    Source("fr.dic", "French", "windows-1252", "wfrench", "/usr/share/dict/french",
           licence="GPL-2.0-or-later"),
    Source("de_neu.dic", "German (new spelling)", "windows-1252", "wngerman",
           "/usr/share/dict/ngerman",
           licence="GPL-2.0 or GPL-3.0 (the licence text reads \"version 2 or 3\"; Debian labels "
                   "it GPL-2+)"),
    # witalian has no one-letter words (a, e, è, i, o).
    Source("it.dic", "Italian", "windows-1252", "witalian", "/usr/share/dict/italian",
           licence="GPL-3.0-or-later", common_words="ita", supplement="it",
           supplement_package="aspell-it", supplement_licence="GPL-3.0-or-later"),
    Source("pl.dic", "Polish", "windows-1250", "wpolish", "/usr/share/dict/polish",
           licence="GPL-2.0 or LGPL-2.1 or MPL-1.1 or Apache-2.0 or CC-BY-4.0, at the user's "
                   "choice",
           common_words="pol"),
    # wspanish holds base forms only: no plurals, no conjugated verbs (está, tiene, fue).
    Source("es.dic", "Spanish", "windows-1252", "wspanish", "/usr/share/dict/spanish",
           licence="public domain (word list); Debian packaging GPL-2.0-or-later",
           common_words="spa", supplement="es", supplement_package="aspell-es",
           supplement_licence="GPL-2.0-or-later (Debian labels it GPL-2; the text reads "
                              "\"version 2 of the License, or (at your option) any later "
                              "version\")"),
    Source("se.dic", "Swedish", "windows-1252", "wswedish", "/usr/share/dict/swedish",
           encoding="iso-8859-1", licence="GPL-2.0-or-later"),
]

# Where the common-word lists of the capped languages come from.
COMMON_WORDS_PACKAGE = {"ces": "tesseract-ocr-ces", "ita": "tesseract-ocr-ita",
                        "pol": "tesseract-ocr-pol", "spa": "tesseract-ocr-spa"}


def run(args, stdin=None):
    env = dict(os.environ, LC_ALL="C.UTF-8")
    try:
        done = subprocess.run(args, input=stdin, stdout=subprocess.PIPE, stderr=subprocess.PIPE,
                              env=env, check=False)
    except FileNotFoundError:
        raise MissingTool(f"the program {args[0]} is missing")
    if done.returncode != 0:
        raise MissingTool(f"{' '.join(args)} failed: {done.stderr.decode(errors='replace').strip()}")
    return done.stdout


def package_version(package):
    try:
        out = run(["dpkg-query", "-W", "-f=${Version}\t${Status}", package]).decode()
    except MissingTool:
        raise MissingTool(f"the Debian package {package} is not installed")
    version, _, status = out.partition("\t")
    if not status.endswith("installed") or "not-installed" in status or not version:
        raise MissingTool(f"the Debian package {package} is not installed")
    return version


def aspell_words(language):
    """Every word form of an aspell dictionary, streamed: aspell lists may carry affix
    flags, and expanding them gives the full forms (tens of millions for Italian)."""
    env = dict(os.environ, LC_ALL="C.UTF-8")
    base = ["aspell", f"--lang={language}", "--encoding=utf-8"]
    try:
        dump = subprocess.Popen(base + ["dump", "master"], stdout=subprocess.PIPE, env=env)
        expand = subprocess.Popen(base + ["expand"], stdin=dump.stdout, stdout=subprocess.PIPE,
                                  env=env)
    except FileNotFoundError:
        raise MissingTool("the program aspell is missing")
    dump.stdout.close()
    with open(expand.stdout.fileno(), encoding="utf-8", closefd=False) as text:
        for line in text:
            # expand prints a word and its forms on one line, separated by blanks.
            yield from line.split()
    expand.stdout.close()
    if expand.wait() != 0 or dump.wait() != 0:
        raise MissingTool(f"aspell could not expand the {language} dictionary "
                          f"(Debian package aspell-{language})")


def read_entries(source):
    """The raw entries of a source, one string each, in the source's order."""
    if source.package == "aspell-cs":
        return list(aspell_words("cs"))
    path = Path(source.source_file)
    if not path.is_file():
        raise MissingTool(f"{path} is missing (Debian package {source.package})")
    text = path.read_bytes().decode(source.encoding)
    # Split on LF alone: other line-break characters inside an entry get it dropped.
    entries = text.split("\n")
    if entries and entries[-1] == "":
        entries.pop()
    return entries


_common_words = {}


def read_common_words(language):
    if language not in _common_words:
        _common_words[language] = _read_common_words(language)
    return _common_words[language]


def _read_common_words(language):
    """The word list of a tesseract-ocr language model: words that its makers found
    common in real text. Used only to decide which source words are taken."""
    traineddata = Path(f"/usr/share/tesseract-ocr/5/tessdata/{language}.traineddata")
    if not traineddata.is_file():
        raise MissingTool(f"{traineddata} is missing (Debian package "
                          f"{COMMON_WORDS_PACKAGE[language]})")
    with tempfile.TemporaryDirectory() as tmp:
        prefix = os.path.join(tmp, language + ".")
        run(["combine_tessdata", "-u", str(traineddata), prefix])
        out = os.path.join(tmp, "words.txt")
        run(["dawg2wordlist", prefix + "lstm-unicharset", prefix + "lstm-word-dawg", out])
        with open(out, encoding="utf-8") as f:
            return {lower(w) for w in f.read().split("\n") if w}


def lower(word):
    return "".join(c.lower() for c in word)


def is_control(c):
    return unicodedata.category(c)[0] in "CZ" and c != " "


def char_reason(c, codec, undefined):
    """Why a single character keeps an entry out, or None."""
    if c == " ":
        return "blank"
    if c in SEPARATORS:
        return "separator"
    if is_control(c):
        return "control"
    if not c.isalpha():
        return "non-letter"
    if len(c.lower()) != 1:
        return "case"
    try:
        encoded = c.lower().encode(codec)
    except UnicodeEncodeError:
        return "code page"
    if any(b in undefined for b in encoded):
        return "code page"
    return None


REASON_ORDER = {key: n for n, (key, _) in enumerate(REASONS)}


class EntryFilter:
    """Every rule but the duplicate one is about single characters, so each character is
    judged once and remembered."""

    def __init__(self, codec, undefined):
        self.codec = codec
        self.undefined = undefined
        self.verdicts = {}
        self.lowering = {}

    def reason(self, entry):
        if entry == "":
            return "empty"
        worst = None
        for c in set(entry):
            if c not in self.verdicts:
                self.verdicts[c] = char_reason(c, self.codec, self.undefined)
                if self.verdicts[c] is None:
                    self.lowering[ord(c)] = c.lower()
            why = self.verdicts[c]
            if why and (worst is None or REASON_ORDER[why] < REASON_ORDER[worst]):
                worst = why
        return worst

    def lower(self, entry):
        # Per code point; only called for entries whose characters all passed.
        return entry.translate(self.lowering)


def shortest(pool, n):
    """The n words of pool that sort first by (length, SHA-256 of the UTF-8 form).

    Shorter first; the hash then breaks ties at the cut so that the words taken from one
    length come from the whole alphabet instead of its start."""
    by_length = collections.defaultdict(list)
    for w in pool:
        by_length[len(w)].append(w)
    taken = []
    for length in sorted(by_length):
        bucket = by_length[length]
        room = n - len(taken)
        if room <= 0:
            break
        if len(bucket) <= room:
            taken += bucket
        else:
            bucket.sort(key=lambda w: hashlib.sha256(w.encode("utf-8")).digest())
            taken += bucket[:room]
    return taken


def build(source):
    codec, undefined = CODE_PAGES[source.code_page]
    judge = EntryFilter(codec, undefined)
    dropped = collections.Counter()
    words = set()
    raw = read_entries(source)
    for entry in raw:
        why = judge.reason(entry)
        if why is None:
            w = judge.lower(entry)
            if w in words:
                why = "duplicate"
            else:
                words.add(w)
        if why:
            dropped[why] += 1
    added = None
    if source.supplement:
        common = read_common_words(source.common_words)
        added = collections.Counter()
        taken = set()
        for entry in aspell_words(source.supplement):
            added["read"] += 1
            if entry.lower() not in common:
                continue
            why = judge.reason(entry)
            w = None if why else judge.lower(entry)
            if w is None or w not in common:
                continue
            if w in taken:
                continue
            taken.add(w)
            added["common"] += 1
            if w not in words:
                words.add(w)
                added["added"] += 1
    common_count = None
    if len(words) > MAX_ENTRIES:
        if not source.common_words:
            raise SystemExit(f"{source.file}: {len(words)} words but no rule to cap them")
        common = words & read_common_words(source.common_words)
        common_count = len(common)
        kept = shortest(common, MAX_ENTRIES)
        kept += shortest(words - common, MAX_ENTRIES - len(kept))
        dropped["cap"] = len(words) - len(kept)
        words = set(kept)
    ordered = sorted(words)
    body = b"".join(w.encode(codec) + b"\r\n" for w in ordered)
    return {"source": source, "raw": len(raw), "count": len(ordered), "dropped": dropped,
            "bytes": body, "common": common_count, "added": added}


def write_atomically(path, data):
    tmp = path.with_name(path.name + ".tmp")
    tmp.write_bytes(data)
    os.replace(tmp, path)


def check_file(path, code_page):
    """Every rule a shipped dictionary keeps; returns (problems, words)."""
    codec, undefined = CODE_PAGES[code_page]
    judge = EntryFilter(codec, undefined)
    problems = []
    if not path.is_file():
        return [f"{path.name}: missing"], set()
    data = path.read_bytes()
    if len(data) >= MAX_FILE_BYTES:
        problems.append(f"{path.name}: {len(data)} bytes, over {MAX_FILE_BYTES}")
    if not data.endswith(b"\r\n"):
        problems.append(f"{path.name}: the last line does not end in CR LF")
        return problems, set()
    lines = data[:-2].split(b"\r\n")
    if len(lines) > MAX_ENTRIES or len(lines) > PROGRAM_LIMIT:
        problems.append(f"{path.name}: {len(lines)} lines, over {MAX_ENTRIES}")
    words = set()
    previous = None
    for n, line in enumerate(lines, 1):
        where = f"{path.name} line {n}"
        if b"\r" in line or b"\n" in line:
            problems.append(f"{where}: a CR or LF outside a CR LF pair")
            continue
        if any(b in undefined for b in line):
            problems.append(f"{where}: a byte undefined in {code_page}")
            continue
        try:
            w = line.decode(codec)
        except UnicodeDecodeError:
            problems.append(f"{where}: not {code_page}")
            continue
        why = judge.reason(w)
        if why:
            problems.append(f"{where}: {w!r} {dict(REASONS)[why]}")
        elif lower(w) != w:
            problems.append(f"{where}: {w!r} is not lower case")
        if w in words:
            problems.append(f"{where}: {w!r} appears twice")
        if previous is not None and not previous < w:
            problems.append(f"{where}: {w!r} is out of order")
        words.add(w)
        previous = w
        if len(problems) > 20:
            problems.append(f"{path.name}: more problems not shown")
            break
    return problems, words


def sample_tokens(sentence):
    """The words the program would look up: lower-cased, separators removed, cut at blanks."""
    cleaned = "".join(c for c in lower(sentence) if c not in SEPARATORS)
    return cleaned.split(" ")


def check_samples(dictionaries):
    problems = []
    if not SAMPLES.is_file():
        return [f"{SAMPLES.name}: missing"]
    seen = set()
    for n, line in enumerate(SAMPLES.read_text(encoding="utf-8").splitlines(), 1):
        if not line.strip():
            continue
        parts = line.split("\t")
        if len(parts) != 3:
            problems.append(f"{SAMPLES.name} line {n}: not FILE<TAB>CODEPAGE<TAB>SENTENCE")
            continue
        name, code_page, sentence = parts
        source = next((s for s in SOURCES if s.file == name), None)
        if source is None:
            problems.append(f"{SAMPLES.name} line {n}: unknown dictionary {name}")
            continue
        seen.add(name)
        if code_page != source.code_page:
            problems.append(f"{SAMPLES.name} line {n}: {name} is {source.code_page}, not {code_page}")
        try:
            sentence.encode(CODE_PAGES[source.code_page][0])
        except (UnicodeEncodeError, KeyError):
            problems.append(f"{SAMPLES.name} line {n}: the sentence does not fit {code_page}")
        for token in sample_tokens(sentence):
            if token == "" or token not in dictionaries[name]:
                problems.append(f"{SAMPLES.name} line {n}: {token!r} is not in {name}")
    for s in SOURCES:
        if s.file not in seen:
            problems.append(f"{SAMPLES.name}: no sentence for {s.file}")
    return problems


def check_all():
    problems = []
    dictionaries = {}
    for s in SOURCES:
        p, words = check_file(DATA / s.file, s.code_page)
        problems += p
        dictionaries[s.file] = words
    problems += check_samples(dictionaries)
    return problems


def copyright_text(package):
    path = Path(f"/usr/share/doc/{package}/copyright")
    return path.read_text(encoding="utf-8", errors="replace").rstrip("\n")


def notice(results, versions):
    out = []
    add = out.append
    add("# Dictionaries")
    add("")
    add("The `*.dic` files in this folder are made by `tools/make_dictionaries.py` from word lists "
        "that Debian 12 packages install. Each file is a changed copy of its source lists: entries "
        "were left out, lower-cased and re-sorted; no word was altered or made up. The dates of "
        "the changes are those of this repository's history of `data/`. Each file stays under "
        "the licences of its sources, given below; the files are separate data that the program "
        "reads at run time, not part of the program's code.")
    add("")
    add("## How entries are chosen")
    add("")
    add("For every entry of a source list, in this order:")
    add("")
    add("1. Left out when it is empty, or holds a blank, one of the 30 characters "
        "``,.?/;:'[{]}\\|<>=+-_)(*&^%$#@!\"`` (the program removes them from words, so such an "
        "entry could never be looked up), or holds a control, format or line-break character, "
        "a tab or a non-breaking space. Entries such as `don't` or `peut-être` are left out "
        "whole, never shortened.")
    add("2. Left out when it holds any character that is not a letter (digits, symbols such as "
        "`€` or `²`, combining marks).")
    add("3. Left out when it holds a character whose lower case is not exactly one character; "
        "otherwise lower-cased character by character.")
    add("4. Left out when the lower-cased word does not fit the dictionary's code page "
        "(windows-1252 or windows-1250) or would use one of its undefined bytes.")
    add("5. Left out when the same lower-cased word was already taken.")
    add("")
    add("Common words: the tesseract-ocr language models (packages tesseract-ocr-ces, -ita, "
        "-pol, -spa; Apache-2.0) each hold a list of words found common in real text, read with "
        "`combine_tessdata -u` and `dawg2wordlist`. Nothing of these lists is copied: they only "
        "decide which words of the sources are taken.")
    add("")
    add("Supplements: the Spanish list holds base forms only (no plurals, no conjugated verbs "
        "such as `está`, `tiene`, `fue`), and the Italian list has no one-letter words (`a`, `e`, "
        "`è`, `i`, `o`). For these two the full word forms of the aspell dictionary of the "
        "language (`aspell dump master | aspell expand`) are read as well, and those that are in "
        "the common-word list and pass the rules above are added.")
    add("")
    add(f"Cap: a list with more than {MAX_ENTRIES} words left (Czech, Polish) is cut to "
        f"{MAX_ENTRIES}, a little under the program's limit of {PROGRAM_LIMIT} lines so that "
        "words a user adds still fit. Kept first: every word that is in the common-word list. "
        "The rest is filled with the shortest remaining words; among words of the same length, "
        "those with the smallest SHA-256 of their UTF-8 form.")
    add("")
    add("Every file is written in its code page, one word per line, each line (the last one too) "
        "ending in CR LF, sorted by Unicode code point. The same package versions always give "
        "the same bytes; the script re-reads and checks every file, and checks that each "
        "sentence of `samples.txt` is made of words of its dictionary.")
    add("")
    add("## Files")
    add("")
    add("| File | Language | Code page | Entries | Debian package (version) | Source file |")
    add("| --- | --- | --- | ---: | --- | --- |")
    for r in results:
        s = r["source"]
        pkg = f"{s.package} ({versions[s.package]})"
        if s.supplement:
            pkg += f", {s.supplement_package} ({versions[s.supplement_package]})"
        add(f"| `{s.file}` | {s.language} | {s.code_page} | {r['count']} | {pkg} "
            f"| {s.source_file.split(' ')[0]} |")
    add("")
    for r in results:
        s = r["source"]
        add(f"### {s.file}: {s.language}")
        add("")
        add(f"- Source: Debian package `{s.package}`, version `{versions[s.package]}`, "
            f"file {s.source_file}" + (f", read as {s.encoding.upper()}" if s.encoding != "utf-8"
                                       else "") + f"; {r['raw']} entries.")
        add(f"- Licence: {s.licence}.")
        if r["dropped"]:
            parts = [f"{dict(REASONS)[k]}: {r['dropped'][k]}" for k, _ in REASONS if r["dropped"][k]]
            add("- Left out: " + "; ".join(parts) + ".")
        if s.supplement:
            a = r["added"]
            cw = COMMON_WORDS_PACKAGE[s.common_words]
            add(f"- Supplement: Debian package `{s.supplement_package}`, version "
                f"`{versions[s.supplement_package]}` (licence {s.supplement_licence}): of its "
                f"{a['read']} word forms, {a['common']} are in the common-word list of `{cw}` "
                f"({versions[cw]}) and pass the rules; {a['added']} of them were not in the "
                "source list and were added.")
        if r["common"] is not None:
            cw = COMMON_WORDS_PACKAGE[s.common_words]
            add(f"- Cap: {r['common']} words in the common-word list of `{cw}` "
                f"({versions[cw]}) kept first, the rest filled by length.")
        add(f"- Code page: {s.code_page}. Entries: {r['count']}.")
        add("")
    add("## Licences")
    add("")
    add("The word lists carry these licences: SCOWL's permissive licence and public domain "
        "(English), public domain and GPL-2.0-or-later (Spanish), BSD-3-Clause (Dutch), "
        "GPL-2.0-or-later (Danish, French, Swedish), GPL-2.0 or GPL-3.0 (German), "
        "GPL-3.0-or-later (Italian), a choice including LGPL-2.1 and Apache-2.0 (Polish), and "
        "GPL-2.0-only (Czech). No single GPL version covers both the Czech list (version 2 "
        "only) and the Italian lists (version 3 or later), so each file is shipped as a "
        "separate data file under its own licence. The copyright files of the source packages "
        "follow, as Debian ships them.")
    add("")
    packages = []
    for r in results:
        s = r["source"]
        packages.append(s.package)
        if s.supplement:
            packages.append(s.supplement_package)
    for package in packages:
        add(f"### Copyright of {package}")
        add("")
        add("```text")
        add(copyright_text(package))
        add("```")
        add("")
    add("Project licence: GPL-2.0-or-later for the program's own code is compatible with every "
        "one of these dictionaries (with the Czech one under version 2, with the Italian one "
        "under version 3), as long as the dictionaries stay separate files beside the program.")
    return "\n".join(out) + "\n"


def report(r):
    s = r["source"]
    print(f"{s.file}: {s.package} {s.source_file.split(' ')[0]} -> {r['count']} words "
          f"({r['raw']} entries read, {len(r['bytes'])} bytes)")
    for key, _ in REASONS:
        if r["dropped"][key]:
            print(f"    dropped, {key}: {r['dropped'][key]}")
    if r["added"] is not None:
        a = r["added"]
        print(f"    supplement {s.supplement_package}: {a['read']} forms read, {a['common']} "
              f"common and valid, {a['added']} added")
    if r["common"] is not None:
        print(f"    kept first as common words: {r['common']}")


PACKAGES = ("wamerican wngerman wfrench witalian wspanish wdanish wdutch wpolish wswedish aspell "
            "aspell-cs aspell-es aspell-it tesseract-ocr tesseract-ocr-ces tesseract-ocr-ita "
            "tesseract-ocr-pol tesseract-ocr-spa")


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--check", action="store_true", help="only check the files in data/")
    args = parser.parse_args()

    if not args.check:
        try:
            versions = {s.package: package_version(s.package) for s in SOURCES}
            for package in list(COMMON_WORDS_PACKAGE.values()) + [
                    s.supplement_package for s in SOURCES if s.supplement]:
                versions[package] = package_version(package)
            results = []
            for s in SOURCES:
                r = build(s)
                results.append(r)
                report(r)
        except MissingTool as e:
            print(f"Cannot build the dictionaries: {e}.", file=sys.stderr)
            print(f"Install: apt-get install {PACKAGES}", file=sys.stderr)
            return 2
        for r in results:
            write_atomically(DATA / r["source"].file, r["bytes"])
        write_atomically(NOTICE, notice(results, versions).encode("utf-8"))

    problems = check_all()
    for p in problems:
        print(p, file=sys.stderr)
    if problems:
        print(f"{len(problems)} problem(s) found.", file=sys.stderr)
        return 1
    print("All dictionaries and samples check out.")
    return 0


if __name__ == "__main__":
    sys.exit(main())
