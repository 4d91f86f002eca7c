#!/usr/bin/python3
"""Builds the shipped dictionaries data/*.dic and their notice data/DICTIONARIES.md.

The words come from word lists that Debian packages install; the script filters them,
takes out apostrophes and hyphens, lower-cases them, adds common words that other lists
confirm and ICU's number words, caps and sorts them, so the same package versions always
give the same bytes. It then re-reads every file it wrote and checks it, and checks that each sample
sentence of data/samples.txt is made of words of its dictionary. Exit status 1 on any
violation, 2 when a needed package or tool is missing.

    /usr/bin/python3 tools/make_dictionaries.py            # build, check, write the notice
    /usr/bin/python3 tools/make_dictionaries.py --check    # only check the files in data/

Besides the Python standard library only Debian's python3-icu is used (for the number
words), so run it with Debian's /usr/bin/python3. Building needs the Debian packages of
PACKAGES below (the script names any that are missing).
Building or testing the program never runs this script: its output is committed.
"""

import argparse
import collections
import hashlib
import math
import os
import re
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
    # The ICU locale whose number words (spell-out) every text's digits may become.
    locale: str = ""
    # The language elides (l'écran, dell'anno): its elision words become entries.
    elides: bool = False
    # Words ending in an accented vowel are also typed with a plain vowel and an apostrophe
    # (più as piu', perché as perche'), which the tokenizer reads as piu, perche, and with
    # the other accent (piú, perchè).
    plain_final_vowel: bool = False
    # A larger word list (package, file) whose entries join only when they are common words.
    larger: tuple = ()
    # The Hunspell dictionary (package, name) that tells which common words are words of
    # the language: it knows inflected forms and compounds that the source list lacks.
    hunspell: tuple = ()
    # The source lacks inflected forms: the forms that the Hunspell dictionary's affix rules
    # make of its stems (hunspell-tools' unmunch) fill the room left under the cap, those of
    # common stems first. "common": only those; "all": the others after them. Where the
    # forms let hardly a message more through (Dutch) they are left out: they would turn
    # much of the encoded text into rare words (tools/measure_messages.py).
    hunspell_forms: str = ""
    # A Hunspell dictionary (package, name) of the traditional spelling: its forms that are
    # a common word once ß is written ss (daß, muß) are added.
    old_spelling: tuple = ()
    # A list (package, file) that a common word must be in to be taken as it is, unless it
    # has at most SHORT_COMMON letters (an abbreviation: lol, png, ctrl). For English, whose
    # common-word list is full of run-together and broken words of web pages (bythe,
    # pendently) that would fill the encoded text.
    common_check: tuple = ()
    # Tidy writes an unknown word that is this prefix and a dictionary word as the two
    # (nevyléčitelná as ne vyléčitelná): under the cap such words come after all others.
    split_prefix: str = ""


SCOWL_LICENCE = ("SCOWL licence (permissive: use, copy, modify, distribute and sell, keeping the "
                 "copyright and permission notice), with public-domain parts and the UKACD, "
                 "WordNet and Ispell notices; all reproduced below")

SOURCES = [
    # The standard SCOWL list, with the common words of the large one and the other common
    # words that the largest one knows: taking the large or huge list whole lets a few more
    # messages through but fills the encoded text with rare words (tools/measure_messages.py).
    Source("eng.dic", "English", "windows-1252", "wamerican", "/usr/share/dict/american-english",
           licence=SCOWL_LICENCE, common_words="eng", supplement="en",
           supplement_package="aspell-en", supplement_licence="SCOWL licence", locale="en",
           larger=("wamerican-large", "/usr/share/dict/american-english-large"),
           common_check=("wamerican-insane", "/usr/share/dict/american-english-insane")),
    Source("Czech.dic", "Czech", "windows-1250", "aspell-cs",
           "/usr/share/aspell/cs.cwl.gz (read through `aspell --lang=cs dump master | "
           "aspell --lang=cs expand`)",
           licence="GPL-2.0-only (\"version 2 as published by the Free Software Foundation\")",
           common_words="ces", locale="cs",
           hunspell_forms="common", split_prefix="ne",
           hunspell=("hunspell-cs", "cs_CZ")),
    Source("dk.dic", "Danish", "windows-1252", "wdanish", "/usr/share/dict/danish",
           licence="GPL-2.0-or-later", common_words="dan", locale="da",
           hunspell_forms="all",
           hunspell=("hunspell-da", "da_DK")),
    Source("nl.dic", "Dutch", "windows-1252", "wdutch", "/usr/share/dict/dutch",
           licence="BSD-3-Clause or CC-BY-3.0, at the user's choice (this project uses it under "
                   "BSD-3-Clause; notice reproduced below)",
           common_words="nld", locale="nl",
           hunspell=("hunspell-nl", "nl_NL")),
    Source("fr.dic", "French", "windows-1252", "wfrench", "/usr/share/dict/french",
           licence="GPL-2.0-or-later", common_words="fra", supplement="fr",
           supplement_package="aspell-fr",
           supplement_licence="GPL-2.0-only (\"version 2\"); with it the file is GPL-2.0-only",
           locale="fr", elides=True,
           hunspell_forms="all",
           hunspell=("hunspell-fr", "fr_FR")),
    Source("de_neu.dic", "German (new spelling)", "windows-1252", "wngerman",
           "/usr/share/dict/ngerman",
           licence="GPL-2.0 or GPL-3.0 (the licence text reads \"version 2 or 3\"; Debian labels "
                   "it GPL-2+)",
           common_words="deu", locale="de",
           hunspell_forms="all",
           hunspell=("hunspell-de-de-frami", "de_DE_frami"),
           old_spelling=("myspell-de-de-1901", "de_DE-1901")),
    # witalian has no one-letter words (a, e, è, i, o) and few inflected forms.
    Source("it.dic", "Italian", "windows-1252", "witalian", "/usr/share/dict/italian",
           licence="GPL-3.0-or-later", common_words="ita", locale="it", elides=True,
           plain_final_vowel=True,
           hunspell_forms="common",
           hunspell=("hunspell-it", "it_IT")),
    Source("pl.dic", "Polish", "windows-1250", "wpolish", "/usr/share/dict/polish",
           licence="GPL-2.0 or LGPL-2.1 or MPL-1.1 or Apache-2.0 or CC-BY-4.0, at the user's "
                   "choice",
           common_words="pol", locale="pl",
           hunspell_forms="common", split_prefix="nie",
           hunspell=("hunspell-pl", "pl_PL")),
    # wspanish holds base forms only: no plurals, no conjugated verbs (está, tiene, fue).
    Source("es.dic", "Spanish", "windows-1252", "wspanish", "/usr/share/dict/spanish",
           licence="public domain (word list); Debian packaging GPL-2.0-or-later",
           common_words="spa", supplement="es", supplement_package="aspell-es",
           supplement_licence="GPL-2.0-or-later (Debian labels it GPL-2; the text reads "
                              "\"version 2 of the License, or (at your option) any later "
                              "version\")", locale="es",
           hunspell_forms="all",
           hunspell=("hunspell-es", "es_ES")),
    Source("se.dic", "Swedish", "windows-1252", "wswedish", "/usr/share/dict/swedish",
           encoding="iso-8859-1", licence="GPL-2.0-or-later", common_words="swe", locale="sv",
           hunspell_forms="all",
           hunspell=("hunspell-sv", "sv_SE")),
]

# Where the common-word lists come from.
COMMON_WORDS_PACKAGE = {lang: f"tesseract-ocr-{lang}" for lang in
                        ("eng", "ces", "dan", "nld", "fra", "deu", "ita", "pol", "spa", "swe")}

# The list that tells a loanword: a common word of a language that is also a common word
# of English and an entry of this English list.
LOANWORD_LIST = ("wamerican", "/usr/share/dict/american-english")

# The tokenizer drops these from words (the typographic apostrophe Tidy turns into the
# plain one), so an entry written with them is kept in the form a text's token takes.
JOINERS = "'-\u2019"

# How many source forms a word must begin before its apostrophe to count as an elision
# word (l', qu', dell'); fewer are names or one-off spellings.
MIN_ELISIONS = 3

# The numbers whose words are put in: everything up to the years in use, the round
# thousands and the powers of ten that number words are built from.
NUMBERS = (list(range(0, 2101)) + [k * 1000 for k in range(1, 1001)]
           + [k * 10 ** p for p in range(6, 13, 3) for k in range(1, 21)]
           + [10 ** p for p in range(3, 19)])


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
    return {lower(w) for w in read_common_raw(language)}


_common_raw = {}


def read_common_raw(language):
    """The words as the list writes them (Haus, Paris): Hunspell judges capitals too."""
    if language not in _common_raw:
        _common_raw[language] = _read_common_raw(language)
    return _common_raw[language]


def _read_common_raw(language):
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
            return sorted(w for w in f.read().split("\n") if w)


def hunspell_forms(name, stems=None):
    """Every word form that the affix rules make of the Hunspell dictionary's stems; with
    stems (lower-cased words), only of the stems that are among them."""
    base = f"/usr/share/hunspell/{name}"
    if not Path(base + ".dic").is_file():
        raise MissingTool(f"{base}.dic is missing")
    encoding = "utf-8"
    for line in Path(base + ".aff").read_bytes().split(b"\n"):
        if line.startswith(b"SET "):
            encoding = line.split()[1].decode()
    dic = base + ".dic"
    with tempfile.TemporaryDirectory() as tmp:
        if stems is not None:
            lines = Path(dic).read_bytes().decode(encoding).split("\n")[1:]
            chosen = [l for l in lines if l and lower(l.split("/")[0].split("\t")[0]) in stems]
            dic = os.path.join(tmp, "stems.dic")
            Path(dic).write_bytes((f"{len(chosen)}\n" + "\n".join(chosen) + "\n")
                                  .encode(encoding))
        out = run(["unmunch", dic, base + ".aff"])
    return [line.split("/")[0] for line in out.decode(encoding, errors="replace").split("\n")
            if line]


def hunspell_stems(name, words):
    """{word: its stems} as the Hunspell dictionary analyses them (`hunspell -s`); a word it
    does not know has none."""
    stems = collections.defaultdict(set)
    for line in run_hunspell(name, "-s", words).split("\n"):
        parts = line.split()
        if len(parts) >= 2:
            stems[parts[0]].add(lower(parts[1]))
    return stems


def stem_popularity(name, words, common_raw):
    """{word: how many words of the common-word list share its most shared stem}: a word of
    a lemma that real text uses in many forms is likely to be used itself."""
    shared = collections.Counter()
    for stems in hunspell_stems(name, common_raw).values():
        shared.update(stems)
    return {w: max(shared[t] for t in stems)
            for w, stems in hunspell_stems(name, words).items() if w in words}


def run_hunspell(name, mode, words):
    """hunspell's output (UTF-8) for the words, one a line, with the dictionary
    /usr/share/hunspell/NAME in mode -G (the words it knows) or -s (their stems)."""
    env = dict(os.environ, LC_ALL="C.UTF-8")
    try:
        done = subprocess.run(["hunspell", "-d", name, mode, "-i", "utf-8"],
                              input="\n".join(words).encode("utf-8"), stdout=subprocess.PIPE,
                              stderr=subprocess.PIPE, env=env, check=False)
    except FileNotFoundError:
        raise MissingTool("the program hunspell is missing")
    if done.returncode != 0 or not Path(f"/usr/share/hunspell/{name}.dic").is_file():
        raise MissingTool(f"hunspell cannot use the dictionary {name}")
    return done.stdout.decode("utf-8", errors="replace")


def hunspell_accepts(name, words):
    """The words that the Hunspell dictionary /usr/share/hunspell/NAME knows."""
    return run_hunspell(name, "-G", words).split()


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


def icu_module():
    try:
        import icu
    except ImportError:
        raise MissingTool("the Python module icu is missing (Debian package python3-icu; run "
                          "the script with Debian's /usr/bin/python3)")
    return icu


def number_words(locale):
    """The words of ICU's spell-out of NUMBERS in the locale, cut as Tidy cuts them: hyphens
    of every kind (ICU puts soft hyphens into compounds) become blanks."""
    icu = icu_module()
    spell = icu.RuleBasedNumberFormat(icu.URBNFRuleSetTag.SPELLOUT, icu.Locale(locale))
    words = set()
    for n in NUMBERS:
        text = spell.format(n)
        for h in "-\u00ad\u2010\u2011":
            text = text.replace(h, " ")
        words.update(lower(text).split())
    return words


SHORT_COMMON = 4


def read_list(package_file):
    """The lower-cased entries of a word list (package, file), apostrophes and hyphens out."""
    path = Path(package_file[1])
    if not path.is_file():
        raise MissingTool(f"{path} is missing (Debian package {package_file[0]})")
    return {lower(unjoined(w)) for w in path.read_text(encoding="utf-8").split("\n") if w}


# The accent a final vowel is often typed with instead of the right one (piú for più).
OTHER_ACCENT = {"à": "á", "á": "à", "è": "é", "é": "è", "ì": "í", "í": "ì", "ò": "ó", "ó": "ò",
                "ù": "ú", "ú": "ù"}


def alphabet(locale):
    """The single letters of the language's alphabet (ICU's standard exemplar characters):
    initials and abbreviations (J. K., m, n) become one-letter words."""
    icu = icu_module()
    letters = icu.LocaleData(locale).getExemplarSet(0, icu.ULocaleDataExemplarSetType.ES_STANDARD)
    return sorted(c for c in letters if len(c) == 1)


def unjoined(entry):
    for c in JOINERS:
        entry = entry.replace(c, "")
    return entry


def take(entry, judge):
    """(word, None) for an entry kept, in the form a text's token takes; (None, reason)."""
    word = unjoined(entry)
    if word == "" and entry != "":
        return None, "separator"
    why = judge.reason(word)
    return (None, why) if why else (judge.lower(word), None)


def elision_head(form):
    """The lower-cased letters before a form's apostrophe (l'homme -> l), or None."""
    for apostrophe in "'\u2019":
        head, found, rest = form.partition(apostrophe)
        if found and rest and head.isalpha():
            return lower(head)
    return None


_loanword_list = None


def english_entries():
    global _loanword_list
    if _loanword_list is None:
        path = Path(LOANWORD_LIST[1])
        if not path.is_file():
            raise MissingTool(f"{path} is missing (Debian package {LOANWORD_LIST[0]})")
        _loanword_list = {lower(w) for w in path.read_text(encoding="utf-8").split("\n") if w}
    return _loanword_list


# Where an added word comes from, in the order they are offered (the first counts).
ORIGINS = [
    ("supplement", "word forms of the aspell list that are common words"),
    ("larger", "entries of the larger list that are common words"),
    ("hunspell", "common words that the language's Hunspell dictionary knows"),
    ("common", "the other common words: names, brands, abbreviations and spellings in use"),
    ("letters", "the letters of the language's alphabet"),
    ("elision", "elision words"),
    ("joined", "joined forms of common elided words"),
    ("plain vowel", "words with a plain final vowel for an accented one"),
    ("other accent", "words with the other accent on their final vowel"),
    ("loanword", "loanwords: common words of the language that are common English words"),
    ("number", "number words"),
    ("old spelling", "traditional spellings of common words"),
    ("forms", "Hunspell word forms filling the room under the cap"),
]


def build(source):
    codec, undefined = CODE_PAGES[source.code_page]
    judge = EntryFilter(codec, undefined)
    dropped = collections.Counter()
    words = set()
    heads = collections.Counter()
    joined = 0
    raw = read_entries(source)
    for entry in raw:
        if source.elides:
            head = elision_head(entry)
            if head:
                heads[head] += 1
        w, why = take(entry, judge)
        if w is not None:
            if w in words:
                why = "duplicate"
            else:
                words.add(w)
                joined += unjoined(entry) != entry
        if why:
            dropped[why] += 1

    common = read_common_words(source.common_words)
    common_taken = set()
    for c in common:
        w, _ = take(c, judge)
        if w is not None:
            common_taken.add(w)

    extra = {}

    def offer(origin, entry):
        w, _ = take(entry, judge)
        if w is not None and w not in words and w not in extra:
            extra[w] = origin

    read_forms = 0
    if source.supplement:
        for form in aspell_words(source.supplement):
            read_forms += 1
            if source.elides:
                head = elision_head(form)
                if head:
                    heads[head] += 1
            if lower(form) in common:
                offer("supplement", form)
    if source.larger:
        path = Path(source.larger[1])
        if not path.is_file():
            raise MissingTool(f"{path} is missing (Debian package {source.larger[0]})")
        for entry in path.read_text(encoding="utf-8").split("\n"):
            if entry and lower(entry) in common:
                offer("larger", entry)
    if source.hunspell:
        for w in hunspell_accepts(source.hunspell[1], read_common_raw(source.common_words)):
            offer("hunspell", w)
    # Real messages name people, places, firms and programs, abbreviate, and spell as people
    # do: the common-word list holds those that its makers met often.
    checked = read_list(source.common_check) if source.common_check else None
    for w in read_common_raw(source.common_words):
        if checked is None or len(w) <= SHORT_COMMON or lower(unjoined(w)) in checked:
            offer("common", w)
    for letter in alphabet(source.locale):
        offer("letters", letter)
    elisions = set()
    if source.elides:
        elisions = {h for h, n in heads.items() if n >= MIN_ELISIONS}
        for h in sorted(elisions):
            offer("elision", h)
        for c in sorted(common):
            if elision_head(c) in elisions:
                offer("joined", c)
    if source.plain_final_vowel:
        for w in sorted(words | set(extra)):
            base = unicodedata.normalize("NFD", w[-1])[0]
            if base != w[-1] and base in "aeiou":
                offer("plain vowel", w[:-1] + base)
                if len(w) > 1:
                    other = OTHER_ACCENT.get(w[-1])
                    if other:
                        offer("other accent", w[:-1] + other)
    if source.common_words != "eng":
        english = english_entries() & read_common_words("eng")
        for c in sorted(common & english):
            offer("loanword", c)
    numbers = sorted(number_words(source.locale))
    for n in numbers:
        offer("number", n)
    if source.old_spelling:
        for form in sorted(set(hunspell_forms(source.old_spelling[1]))):
            if "ß" in lower(form) and lower(form).replace("ß", "ss") in common:
                offer("old spelling", form)
    added = collections.Counter(extra.values())
    # Tidy writes digits and initials with these: never left out by the cap.
    needed = {w for w in (take(e, judge)[0] for e in numbers + alphabet(source.locale)) if w}

    forms = set()
    common_forms = set()
    if source.hunspell_forms:
        for form in hunspell_forms(source.hunspell[1], common):
            w, _ = take(form, judge)
            if w is not None and w not in words and w not in extra:
                common_forms.add(w)
        forms = set(common_forms)
        for form in hunspell_forms(source.hunspell[1]) if source.hunspell_forms == "all" else []:
            w, _ = take(form, judge)
            if w is not None and w not in words and w not in extra:
                forms.add(w)
    source_words = set(words)
    words |= set(extra) | forms
    common_count = None
    if len(words) > MAX_ENTRIES:
        # Common, added and needed words first. Then the source's own words before the
        # Hunspell forms (unless the source alone is over the cap); each by length less twice
        # the log of how much real text uses their lemma (the common words sharing its stem):
        # short words and forms of well-used lemmas first. Measured on real messages, this
        # keeps more of them whole than length or lemma alone.
        first = (words & (common_taken | needed)) | set(extra)
        common_count = len(first)
        kept = shortest(first, MAX_ENTRIES)
        rest = words - first
        popularity = (stem_popularity(source.hunspell[1], rest,
                                      read_common_raw(source.common_words))
                      if source.hunspell else {})
        # A source over the cap by itself (Czech, Polish) already lists every form, most of
        # them rare: the Hunspell forms rank with its words instead of after them.
        forms_last = len(source_words) <= MAX_ENTRIES
        ranked = sorted(rest, key=lambda w: (forms_last and w not in source_words,
                                             len(w) - 2 * math.log2(1 + popularity.get(w, 0)),
                                             hashlib.sha256(w.encode("utf-8")).digest()))
        if source.split_prefix:
            p = source.split_prefix
            later = {w for w in ranked if w.startswith(p) and w[len(p):] in words}
            ranked = [w for w in ranked if w not in later] + [w for w in ranked if w in later]
        kept += ranked[:MAX_ENTRIES - len(kept)]
        dropped["cap"] = len(words) - len(kept)
        words = set(kept)
        added = collections.Counter(extra[w] for w in words if w in extra)
    added["forms"] = len(forms & words)
    added["common forms"] = len(common_forms & words)
    ordered = sorted(words)
    body = b"".join(w.encode(codec) + b"\r\n" for w in ordered)
    return {"source": source, "raw": len(raw), "count": len(ordered), "dropped": dropped,
            "bytes": body, "common": common_count, "added": added, "read_forms": read_forms,
            "joined": joined, "elisions": sorted(elisions)}


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


# This repository's texts name a word for a formal technical description with another one;
# the copyright texts below follow that rule, and the notice says where the exact text is.
SPEC_WORD = re.compile("(s)(pecification)(s?)", re.IGNORECASE)


def standard_for(match):
    word = "standard" + match.group(3).lower()
    return word.capitalize() if match.group(1).isupper() else word


def copyright_text(package):
    path = Path(f"/usr/share/doc/{package}/copyright")
    text = path.read_text(encoding="utf-8", errors="replace").rstrip("\n")
    return SPEC_WORD.sub(standard_for, text)


def notice(results, versions):
    out = []
    add = out.append
    add("# Dictionaries")
    add("")
    add("The `*.dic` files in this folder are made by `tools/make_dictionaries.py` from word lists "
        "that Debian 12 packages install. Each file is a changed copy of its source lists: entries "
        "were left out, written without apostrophes and hyphens, lower-cased, joined by words "
        "of other lists and re-sorted; no word was typed by hand. The dates of "
        "the changes are those of this repository's history of `data/`. Each file stays under "
        "the licences of its sources, given below; the files are separate data that the program "
        "reads at run time, not part of the program's code.")
    add("")
    add("A shipped file is always read, and extended by Add, in the code page of its language "
        "(the table below), whatever the locale of the machine.")
    add("")
    add("## How entries are chosen")
    add("")
    add("For every entry of a source list, in this order:")
    add("")
    add("1. Apostrophes (`'` and `’`) and hyphens are taken out of the entry, as the program's "
        "tokenizer takes them out of a text's words: `don't` becomes `dont`, `you're` `youre`, "
        "`peut-être` `peutêtre`, `aujourd'hui` `aujourdhui`.")
    add("2. Left out when it is empty, or holds a blank, one of the other characters of "
        "``,.?/;:'[{]}\\|<>=+-_)(*&^%$#@!\"`` (the program removes them from words, so such an "
        "entry could never be looked up), or holds a control, format or line-break character, "
        "a tab or a non-breaking space.")
    add("3. Left out when it holds any character that is not a letter (digits, symbols such as "
        "`€` or `²`, combining marks).")
    add("4. Left out when it holds a character whose lower case is not exactly one character; "
        "otherwise lower-cased character by character.")
    add("5. Left out when the lower-cased word does not fit the dictionary's code page "
        "(windows-1252 or windows-1250) or would use one of its undefined bytes.")
    add("6. Left out when the same lower-cased word was already taken.")
    add("")
    add("Common words: the tesseract-ocr language models (packages tesseract-ocr-eng, -ces, "
        "-dan, -nld, -fra, -deu, -ita, -pol, -spa, -swe; Apache-2.0) each hold a list of words "
        "found common in real text, read with `combine_tessdata -u` and `dawg2wordlist`. They "
        "decide which words of larger lists are taken, and give the words added in steps b and "
        "e below; those entries are under Apache-2.0 as well.")
    add("")
    add("Added to the source list, each word through the same rules 1 to 6, in this order "
        "(a word already taken is not added again; the counts per file are below):")
    add("")
    add("- a. Supplement (English, French, Spanish): the full word forms of the language's aspell "
        "dictionary (`aspell dump master | aspell expand`) that are common words. English also "
        "takes the entries of the large SCOWL list (wamerican-large) that are common words: "
        "taking the large or the huge list whole lets only about two messages in a hundred more "
        "through, but turns a third or more of the encoded words into rare ones "
        "(`tools/measure_messages.py` measures both).")
    add("- b. Hunspell (every language but English): the common words that the language's "
        "Hunspell dictionary accepts (`hunspell -d NAME -G`), inflected forms and compounds "
        "included, lower-cased.")
    add("- b2. Other common words (every language): the rest of the common-word list, as it "
        "stands: the names, brands, abbreviations and spellings that real messages use "
        "(`ok`, `lol`, `png`, `Kaiserslautern`). English takes only those of the largest SCOWL "
        "list (wamerican-insane) and those of at most four letters: its list, made from web "
        "pages, is full of run-together and broken words (`bythe`, `pendently`) that would "
        "fill the encoded text.")
    add("- b3. Letters: the single letters of the language's alphabet (ICU's standard exemplar "
        "characters, python3-icu): initials and abbreviations such as `J. K.` become "
        "one-letter words.")
    add(f"- c. Elision words (French, Italian): every word that stands before the apostrophe "
        f"in at least {MIN_ELISIONS} entries of the source list or of the aspell forms (`l'`, "
        "`qu'`, `dell'`), so that Tidy can split `l'écran` into two known words.")
    add("- d. Joined forms (French, Italian): the common words written with an elision "
        "(`c'est`, `d'accord`), without their apostrophe, as the tokenizer reads them.")
    add("- d2. Plain final vowel (Italian): each word ending in an accented vowel also without "
        "its accent, as it is typed with an apostrophe for the accent (`più` as `piu'`, "
        "`perché` as `perche'`), which the tokenizer reads as `piu`, `perche`; and with the "
        "other accent on the final vowel, as it is often typed (`piú`, `cosí`, `perchè`).")
    add(f"- e. Loanwords (every language but English): common words of the language that are "
        f"also common English words and entries of the standard SCOWL list "
        f"({LOANWORD_LIST[0]}, {LOANWORD_LIST[1]}): `internet`, `email`, `online`.")
    add("- f. Number words: the words of ICU's spell-out of the numbers 0 to 2100, the round "
        "thousands up to a million and the powers of ten (python3-icu, "
        "`RuleBasedNumberFormat`, spell-out rules, in the language's locale), hyphens taken as "
        "blanks: Tidy writes a text's digits with them.")
    add("- f2. Traditional spellings (German): the forms of the traditional-spelling Hunspell "
        "dictionary (`unmunch` of myspell-de-de-1901's `de_DE-1901`) that hold `ß` and are a "
        "common word once `ß` is written `ss`: `daß`, `muß`, `mußte`.")
    def languages(chosen):
        return ", ".join(s.language.split(" (")[0] for s in SOURCES if chosen(s))

    add("- g. Hunspell word forms: the forms that the Hunspell dictionary's affix rules make of "
        "its stems (`unmunch` of hunspell-tools): the forms of the stems that are common words "
        f"({languages(lambda s: s.hunspell_forms == 'common')}), or every form "
        f"({languages(lambda s: s.hunspell_forms == 'all')}); these entries are under the "
        "Hunspell dictionary's licence. Dutch takes none: measured on real messages "
        "(`tools/measure_messages.py`), they let hardly a message more through.")
    add("")
    capped = {r["source"].file for r in results if r["common"] is not None}
    add(f"Cap: a list with more than {MAX_ENTRIES} words left "
        f"({languages(lambda s: s.file in capped)}) is cut to "
        f"{MAX_ENTRIES}, a little under the program's limit of {PROGRAM_LIMIT} lines so that "
        "words a user adds still fit. Kept first: every word that is in the common-word list, "
        "every word added in steps a to f2, the number words and the letters. The rest is "
        "filled with the source list's words before the forms of step g (together with them "
        "where the source list alone is over the cap, as for Czech and Polish: it then lists "
        "every form already, most of them rare), each ranked by its length less twice the "
        "base-2 logarithm of one more than its lemma's use: the Hunspell dictionary's stems "
        "of the word (`hunspell -s`) and, for the stem most shared, how many words of the "
        "common-word list have it. Lower first; among equals the smaller SHA-256 of the UTF-8 "
        "form. Measured on real messages, this keeps more of them whole than length alone or "
        "lemma use alone. Last of all come the words that are "
        "the negating prefix and another entry ("
        + ", ".join(f"{s.language} `{s.split_prefix}`" for s in SOURCES if s.split_prefix)
        + ": `nevyléčitelná`): Tidy writes such a word as the two (`ne vyléčitelná`), so the "
        "room goes to words that nothing else brings in.")
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
        if s.larger:
            pkg += f", {s.larger[0]} ({versions[s.larger[0]]})"
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
        add(f"- Kept without their apostrophes or hyphens: {r['joined']} entries.")
        cw = COMMON_WORDS_PACKAGE[s.common_words]
        add(f"- Common words: `{cw}` ({versions[cw]}).")
        a = r["added"]
        if s.supplement:
            add(f"- a. Supplement: Debian package `{s.supplement_package}`, version "
                f"`{versions[s.supplement_package]}` (licence {s.supplement_licence}): of its "
                f"{r['read_forms']} word forms, {a['supplement']} common words were added.")
        if s.larger:
            add(f"- a. Larger list: Debian package `{s.larger[0]}`, version "
                f"`{versions[s.larger[0]]}`, file {s.larger[1]}: {a['larger']} common words "
                "added.")
        if s.hunspell:
            add(f"- b. Hunspell: Debian package `{s.hunspell[0]}`, version "
                f"`{versions[s.hunspell[0]]}`, dictionary `{s.hunspell[1]}`: {a['hunspell']} "
                "common words added.")
        if s.elides:
            add(f"- c. Elision words ({a['elision']} added): "
                + ", ".join(f"`{e}`" for e in r["elisions"]) + ".")
            add(f"- d. Joined forms of common elided words: {a['joined']} added.")
        add(f"- b2. Other common words: {a['common']} added.")
        add(f"- b3. Letters: {a['letters']} added.")
        if s.plain_final_vowel:
            add(f"- d2. Plain final vowel: {a['plain vowel']} added; the other final accent: "
                f"{a['other accent']}.")
        if s.common_words != "eng":
            add(f"- e. Loanwords: {a['loanword']} added.")
        add(f"- f. Number words (ICU locale `{s.locale}`): {a['number']} added.")
        if s.old_spelling:
            add(f"- f2. Traditional spellings: Debian package `{s.old_spelling[0]}`, version "
                f"`{versions[s.old_spelling[0]]}`, dictionary `{s.old_spelling[1]}`: "
                f"{a['old spelling']} added.")
        if s.hunspell_forms:
            add(f"- g. Hunspell word forms: {a['forms']} added, {a['common forms']} of them forms "
                "of common stems.")
        if r["common"] is not None:
            add(f"- Cap: {r['common']} common, added and needed words kept first, the rest filled "
                "by length and lemma use.")
        add(f"- Code page: {s.code_page}. Entries: {r['count']}.")
        add("")
    add("## Licences")
    add("")
    add("The word lists carry these licences: SCOWL's permissive licence and public domain "
        "(English), public domain and GPL-2.0-or-later (Spanish), BSD-3-Clause (Dutch), "
        "GPL-2.0-or-later (Danish, French, Swedish), GPL-2.0 or GPL-3.0 (German), "
        "GPL-3.0-or-later (Italian), a choice including LGPL-2.1 and Apache-2.0 (Polish), and "
        "GPL-2.0-only (Czech; French with the aspell-fr supplement). The words taken from the "
        "tesseract-ocr lists (Hunspell-checked and other common words, joined forms, loanwords) are under "
        "Apache-2.0; the Hunspell dictionaries judge words, and the word forms of step g and "
        "the traditional spellings of step f2 are copied from them (under their licences, "
        "reproduced below; the French forms come from hunspell-fr under MPL-2.0, whose "
        "section 3.3 lets them be distributed within the file under the GPL), and "
        "ICU's number words and alphabets are under the Unicode licence. No single GPL version covers both "
        "the Czech list (version 2 only) and the Italian list (version 3 or later), so each file "
        "is shipped as a separate data file under its own licences. The copyright files of the "
        "source packages follow, as Debian ships them, but for one word: where they name a "
        "formal technical description, it is written \"standard\" here (four places). The "
        "exact texts are each package's /usr/share/doc/PACKAGE/copyright.")
    add("")
    packages = []
    for r in results:
        s = r["source"]
        packages.append(s.package)
        if s.supplement:
            packages.append(s.supplement_package)
        if s.hunspell_forms:
            packages.append(s.hunspell[0])
        if s.old_spelling:
            packages.append(s.old_spelling[0])
    packages.append(COMMON_WORDS_PACKAGE["eng"])
    shown = {}
    for package in packages:
        add(f"### Copyright of {package}")
        add("")
        text = copyright_text(package)
        if text in shown:
            # Packages built from one source carry the same file.
            add(f"The same text as the copyright of {shown[text]} above.")
        else:
            shown[text] = package
            add("```text")
            add(text)
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
    print(f"    kept without their apostrophes or hyphens: {r['joined']}")
    for key, _ in REASONS:
        if r["dropped"][key]:
            print(f"    dropped, {key}: {r['dropped'][key]}")
    if r["read_forms"]:
        print(f"    {s.supplement_package}: {r['read_forms']} forms read")
    for key, _ in ORIGINS:
        if r["added"][key]:
            print(f"    added, {key}: {r['added'][key]}")
    if r["elisions"]:
        print(f"    elision words: {' '.join(r['elisions'])}")
    if r["common"] is not None:
        print(f"    kept first as common or added words: {r['common']}")


PACKAGES = ("wamerican wamerican-large wamerican-insane wngerman wfrench witalian wspanish wdanish wdutch wpolish "
            "wswedish aspell aspell-cs aspell-en aspell-es aspell-fr "
            "tesseract-ocr tesseract-ocr-eng tesseract-ocr-ces "
            "tesseract-ocr-dan tesseract-ocr-nld tesseract-ocr-fra tesseract-ocr-deu "
            "tesseract-ocr-ita tesseract-ocr-pol tesseract-ocr-spa tesseract-ocr-swe python3-icu "
            "hunspell hunspell-tools hunspell-cs hunspell-da hunspell-de-de-frami hunspell-es hunspell-fr hunspell-it "
            "hunspell-nl hunspell-pl hunspell-sv myspell-de-de-1901")


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--check", action="store_true", help="only check the files in data/")
    parser.add_argument("--out", help="write the dictionaries to this folder instead, no notice")
    parser.add_argument("--only", action="append", help="only this file (with --out)")
    args = parser.parse_args()
    if args.only and not args.out:
        parser.error("--only needs --out")

    if not args.check:
        try:
            versions = {s.package: package_version(s.package) for s in SOURCES}
            versions[LOANWORD_LIST[0]] = package_version(LOANWORD_LIST[0])
            for s in SOURCES:
                for extra in (s.larger, s.hunspell, s.old_spelling, s.common_check):
                    if extra:
                        versions[extra[0]] = package_version(extra[0])
            versions["python3-icu"] = package_version("python3-icu")
            for package in list(COMMON_WORDS_PACKAGE.values()) + [
                    s.supplement_package for s in SOURCES if s.supplement]:
                versions[package] = package_version(package)
            results = []
            for s in SOURCES:
                if args.only and s.file not in args.only:
                    continue
                r = build(s)
                results.append(r)
                report(r)
        except MissingTool as e:
            print(f"Cannot build the dictionaries: {e}.", file=sys.stderr)
            print(f"Install: apt-get install {PACKAGES}", file=sys.stderr)
            return 2
        if args.out:
            Path(args.out).mkdir(parents=True, exist_ok=True)
            for r in results:
                write_atomically(Path(args.out) / r["source"].file, r["bytes"])
            return 0
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
