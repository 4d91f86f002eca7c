#!/usr/bin/python3
"""Measures how much real writing the shipped dictionaries encode.

For each of the ten languages it gathers short messages (single sentences of 3 to 30
words) from texts that Debian packages install and that nobody on this project wrote:
fortune cookies (fortunes, fortunes-cs, -de, -es, -it, -pl), the prose that two
text-entry programs train on or set as typing exercises (dasher-data, klavaro: news,
essays, letters, web pages), translated manual pages (manpages, manpages-cs, -da, -de, -es,
-fr, -it, -nl, -pl, -sv) and the translated messages of the installed programs
(/usr/share/locale/LANG/LC_MESSAGES/*.mo; for English their original texts). It then
reports, per language and for each dictionary folder given: the share of messages that
encode whole without and with Tidy, the share of tokens found, and the words most often
still missing. Two kinds are reported apart, outside the main figures: the manual pages,
technical writing, and the spoken lines of a puzzle game in its translations
(fillets-ng-data, all but Danish): everyday talk that no dictionary or rule was tuned on.

    /usr/bin/python3 tools/measure_messages.py --old OLD_DATA_DIR --new data \\
        --cli build/talvora-cli [--spell-names | --spell-words] [--limit 1000] [--only eng.dic]

With Tidy: through `talvora-cli tidy` when the given program has that command, otherwise
an emulation of its rules in this script (the report says which). Debian's python3 with
python3-icu is needed for the number words of the emulation.
"""

import argparse
import collections
import gettext
import gzip
import hashlib
import os
import re
import subprocess
import sys
import tempfile
import unicodedata
from pathlib import Path

SEPARATORS = set(",.?/;:'[{]}\\|<>=+-_)(*&^%$#@!\"")

# file, locale, code page, fortune package, manual page package, dasher's training text
LANGUAGES = [
    ("eng.dic", "en", "cp1252", "fortunes", "manpages", "english_GB"),
    ("Czech.dic", "cs", "cp1250", "fortunes-cs", "manpages-cs", "czech_CS"),
    ("dk.dic", "da", "cp1252", None, "manpages-da", "danish_DK"),
    ("nl.dic", "nl", "cp1252", None, "manpages-nl", "dutch_NL"),
    ("fr.dic", "fr", "cp1252", None, "manpages-fr", "french_FR"),
    ("de_neu.dic", "de", "cp1252", "fortunes-de", "manpages-de", "german_DE"),
    ("it.dic", "it", "cp1252", "fortunes-it", "manpages-it", "italian_IT"),
    ("pl.dic", "pl", "cp1250", "fortunes-pl", "manpages-pl", "polish_PL"),
    ("es.dic", "es", "cp1252", "fortunes-es", "manpages-es", "spanish_ES"),
    ("se.dic", "sv", "cp1252", None, "manpages-sv", "swedish_SE"),
]

# Characters that mark code, markup or placeholders rather than writing.
NOT_WRITING = set("%\\<>{}_@/=|$#~[]*`&^+")


# ---- the pool of messages ----

def package_files(package):
    try:
        out = subprocess.run(["dpkg", "-L", package], stdout=subprocess.PIPE,
                             stderr=subprocess.DEVNULL, check=True).stdout.decode()
    except (subprocess.CalledProcessError, FileNotFoundError):
        sys.exit(f"measure_messages: the Debian package {package} is not installed")
    return [Path(p) for p in out.splitlines() if Path(p).is_file() and not Path(p).is_symlink()]


def decode_legacy(data, codepage):
    try:
        return data.decode("utf-8")
    except UnicodeDecodeError:
        return data.decode("iso-8859-2" if codepage == "cp1250" else "cp1252", errors="replace")


SENTENCE_END = re.compile(r"(?<=[.!?…])[\"”»’)]*\s+")


def sentences(paragraph):
    text = " ".join(paragraph.split())
    for s in SENTENCE_END.split(text):
        s = s.strip()
        words = s.split()
        if not 3 <= len(words) <= 30:
            continue
        if any(c in NOT_WRITING for c in s) or "\ufffd" in s:
            continue
        if any(w.startswith("-") for w in words):  # command-line options
            continue
        if not s[0].isalpha() or not s[0].isupper():
            continue
        letters = sum(c.isalpha() for c in s)
        if letters < 0.7 * len(s.replace(" ", "")):
            continue
        yield s


def fortune_messages(package, codepage):
    for path in sorted(package_files(package)):
        # The offensive sections are stored rot13-encoded; fortunes-cs also brings Slovak,
        # in its own folder and in a file of Slovak classics among the Czech ones.
        if ("/games/fortunes/" not in str(path) or path.suffix in (".dat", ".u8")
                or "/off/" in str(path) or "/sk/" in str(path) or path.name.endswith("-sk")):
            continue
        text = decode_legacy(path.read_bytes(), codepage)
        for cookie in re.split(r"\n%\n", text):
            # Attributions and dialogue labels are not messages.
            lines = [l for l in cookie.split("\n") if not l.strip().startswith(("--", "—"))]
            yield from sentences("\n".join(lines))


ROFF_NAMED = {"em": "—", "en": "–", "aq": "'", "lq": "“", "rq": "”", "oq": "‘", "cq": "’",
              "dq": '"', "hy": "-", "bu": "•", "co": "©", "Fo": "«", "Fc": "»"}
FONT_MACROS = {".B", ".I", ".BR", ".RB", ".IR", ".RI", ".BI", ".IB", ".SM", ".SB"}


def roff_text(line):
    line = re.sub(r"\\f(\[[^\]]*\]|\(..|.)", "", line)
    line = re.sub(r"\\\((..)", lambda m: ROFF_NAMED.get(m.group(1), " "), line)
    line = re.sub(r"\\\[(\w+)\]", lambda m: ROFF_NAMED.get(m.group(1), " "), line)
    line = line.replace("\\-", "-").replace("\\&", "").replace("\\ ", " ").replace("\\e", "\\")
    line = re.sub(r"\\[s*n]\S?", "", line)
    return line


def man_messages(package, codepage):
    for path in sorted(package_files(package)):
        if "/man/" not in str(path) or not path.name.endswith(".gz"):
            continue
        try:
            text = decode_legacy(gzip.decompress(path.read_bytes()), codepage)
        except (OSError, EOFError):
            continue
        paragraph = []
        for line in text.split("\n"):
            if line.startswith((".", "'")):
                macro, _, rest = line.partition(" ")
                if macro in FONT_MACROS and rest:
                    paragraph.append(roff_text(rest.replace('"', "")))
                    continue
                if paragraph:
                    yield from sentences(" ".join(paragraph))
                paragraph = []
                continue
            paragraph.append(roff_text(line))
        if paragraph:
            yield from sentences(" ".join(paragraph))


def prose_messages(locale, dasher):
    """The text dasher trains on and klavaro's typing paragraphs, as sentences."""
    files = [p for p in package_files("dasher-data") if p.name == f"training_{dasher}.txt"]
    files += [p for p in package_files("klavaro")
              if p.name == ("en_GB" if locale == "en" else locale) + ".paragraphs"]
    for path in files:
        text = path.read_text(encoding="utf-8", errors="replace")
        for paragraph in re.split(r"\n\s*\n|\u0085", text):
            yield from sentences(paragraph)


def dialogue_messages(locale):
    """The game's lines, from each level's dialogs_LANG.lua; the English file gives them as
    the third argument of dialogId, the others as the argument of dialogStr."""
    files = package_files("fillets-ng-data")
    if locale == "en":
        pattern, names = r'dialogId\("[^"]*",\s*"[^"]*",\s*"((?:[^"\\]|\\.)*)"\)', {"dialogs_en.lua"}
    else:
        pattern, names = r'dialogStr\("((?:[^"\\]|\\.)*)"\)', {f"dialogs_{locale}.lua"}
    for path in files:
        if path.name in names:
            for line in re.findall(pattern, path.read_text(encoding="utf-8", errors="replace")):
                yield from sentences(line.replace('\\"', '"'))


def catalog_texts(locale, originals):
    folder = Path("/usr/share/locale") / locale / "LC_MESSAGES"
    for path in sorted(folder.glob("*.mo")) if folder.is_dir() else []:
        try:
            with open(path, "rb") as f:
                catalog = gettext.GNUTranslations(f)._catalog
        except Exception:
            continue
        for key, value in catalog.items():
            msgid = key[0] if isinstance(key, tuple) else key
            if not msgid:
                continue
            yield msgid if originals else value


def mo_messages(locale):
    if locale == "en":
        # The programs' own English texts, as every catalog holds them.
        seen = set()
        for other in ("de", "fr", "es"):
            for t in catalog_texts(other, True):
                if t not in seen:
                    seen.add(t)
                    yield from sentences(t)
        return
    for t in catalog_texts(locale, False):
        yield from sentences(t)


# Translations keep untranslated English parts and the fortune packages hold some English
# cookies; a message with two of these words (that are not words of the language) is
# taken for English.
ENGLISH_MARKERS = set("the is of and be this that with are you not for from have will can "
                      "which an or if was were has your it".split())


def markers_for(locale):
    if locale == "en":
        return set()
    try:
        other = {"cs": "ces", "da": "dan", "nl": "nld", "fr": "fra", "de": "deu", "it": "ita",
                 "pl": "pol", "es": "spa", "sv": "swe"}[locale]
        own = set(lower(w) for w in common_words(other))
    except OSError:
        own = set()
    return ENGLISH_MARKERS - own


def common_words(language):
    with tempfile.TemporaryDirectory() as tmp:
        prefix = os.path.join(tmp, language + ".")
        subprocess.run(["combine_tessdata", "-u",
                        f"/usr/share/tesseract-ocr/5/tessdata/{language}.traineddata", prefix],
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=True)
        out = os.path.join(tmp, "words.txt")
        subprocess.run(["dawg2wordlist", prefix + "lstm-unicharset", prefix + "lstm-word-dawg",
                        out], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=True)
        return Path(out).read_text(encoding="utf-8").split()


def pick(messages, limit, markers):
    unique = sorted(set(m for m in messages if sum(t in markers for t in tokens(m)) < 2),
                    key=lambda m: hashlib.sha256(m.encode()).digest())
    return unique[:limit]


def pool(language, limit):
    file, locale, codepage, fortunes, manpages, dasher = language
    markers = markers_for(locale)
    kinds = {}
    if fortunes:
        kinds["fortunes"] = pick(fortune_messages(fortunes, codepage), limit, markers)
    kinds["prose"] = pick(prose_messages(locale, dasher), limit, markers)
    kinds["program messages"] = pick(mo_messages(locale), limit, markers)
    kinds["manual pages"] = pick(man_messages(manpages, codepage), limit, markers)
    if locale != "da":
        kinds["game dialogue"] = pick(dialogue_messages(locale), limit, markers)
    return kinds


# Reported, but not part of the main figures.
APART = ("manual pages", "game dialogue")


# ---- tokens and dictionaries ----

def lower(text):
    return "".join(c.lower() if len(c.lower()) == 1 else c for c in text)


def tokens(text):
    prepared = lower(text).replace("\r\n", " ")
    return [t for t in "".join(c for c in prepared if c not in SEPARATORS).split(" ") if t]


def read_dictionary(path, codepage):
    data = Path(path).read_bytes()
    if data.endswith(b"\r\n"):
        data = data[:-2]
    return set(lower(w) for w in data.decode(codepage, errors="replace").split("\r\n"))


# ---- Tidy, emulated ----

APOSTROPHES = "’‘ʼ´`"
ZERO_WIDTH = "\u200b\u200c\u200d\u2060\ufeff\u00ad"


class EmulatedTidy:
    """The rules of Tidy as the issue gives them, for a first estimate."""

    def __init__(self, words, locale):
        import icu  # Debian's python3-icu
        self.words = words
        self.format = icu.RuleBasedNumberFormat(icu.URBNFRuleSetTag.SPELLOUT, icu.Locale(locale))

    def known(self, token):
        return all(t in self.words for t in tokens(token))

    def spell(self, digits):
        spelled = self.format.format(int(digits))
        for h in "-\u00ad\u2010\u2011":
            spelled = spelled.replace(h, " ")
        spelled = lower(spelled)
        if self.known(spelled):
            return spelled
        return " ".join(lower(self.format.format(int(d))) for d in digits)

    def piece(self, raw):
        """One blank-free piece of the text."""
        if self.known(raw):
            return raw
        text = unicodedata.normalize("NFC", raw)
        for c in ZERO_WIDTH:
            text = text.replace(c, "")
        for c in APOSTROPHES:
            text = text.replace(c, "'")
        if self.known(text):
            return text
        out = []
        for c in text:
            cat = unicodedata.category(c)
            if c not in SEPARATORS and (cat[0] in "PS" or cat[0] == "Z"):
                out.append(" ")
            else:
                out.append(c)
        text = " ".join("".join(out).split())
        parts = []
        for p in text.split(" "):
            if not self.known(p):
                split = re.sub(r"[,.?/;:'\[{\]}\\|<>=+\-_)(*&^%$#@!\"]+", " ", p)
                if split.strip() and self.known(split):
                    p = split
            p = re.sub(r"\d+", lambda m: " " + self.spell(m.group()) + " ", p)
            parts.append(p)
        return " ".join(parts)

    def line(self, text):
        for c in "\t\u00a0\u202f\u2007\u2009\u200a\u2002\u2003\u2000\u2001\u2004\u2005\u2006\u205f\u3000":
            text = text.replace(c, " ")
        return " ".join(self.piece(p) for p in text.split(" "))


def cli_has_tidy(cli):
    if not cli:
        return False
    done = subprocess.run([cli, "--help"], stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
    return any(line.split()[:1] == ["tidy"] for line in done.stdout.decode().splitlines())


def cli_env(codepage):
    # The dictionary's own code page, also for a program that does not know it yet.
    return dict(os.environ, TALVORA_CODEPAGE={"cp1250": "windows-1250"}.get(codepage,
                                                                            "windows-1252"))


def real_tidy(cli, dictionary, messages, codepage, options=()):
    """All messages as one text of CR LF lines; Tidy keeps the line structure."""
    text = "\r\n".join(messages) + "\r\n"
    # The suggestions go to standard error, which is not read: no need to make them.
    done = subprocess.run([cli, "tidy", "--dictionary", str(dictionary), "--no-suggestions",
                           *options],
                          input=text.encode(),
                          stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
                          env=cli_env(codepage))
    out = done.stdout.decode("utf-8").replace("\r\n", "\n").split("\n")
    if out and out[-1] == "":
        out.pop()
    if len(out) != len(messages):
        sys.exit(f"measure_messages: tidy gave {len(out)} lines for {len(messages)} messages")
    return out


# ---- figures ----

def figures(messages, words):
    whole = 0
    found = total = 0
    missing = collections.Counter()
    for m in messages:
        ts = tokens(m)
        miss = [t for t in ts if t not in words]
        whole += not miss
        total += len(ts)
        found += len(ts) - len(miss)
        missing.update(miss)
    return {"whole": whole / max(1, len(messages)), "tokens": found / max(1, total),
            "missing": missing}


KEY = "918273645546372819"


def common_list(locale):
    """Words a reader takes for ordinary ones: the standard-size SCOWL list for English,
    the tesseract list of words common in real text for the others."""
    if locale == "en":
        text = Path("/usr/share/dict/american-english").read_text(encoding="utf-8").split("\n")
    else:
        text = common_words({"cs": "ces", "da": "dan", "nl": "nld", "fr": "fra", "de": "deu",
                             "it": "ita", "pl": "pol", "es": "spa", "sv": "swe"}[locale])
    return {t for w in text if w for t in tokens(w)}


def output_common_share(cli, dictionary, messages, common, codepage):
    """Encodes the messages and tells which share of the output words are common words."""
    if not messages:
        return 0.0
    text = "\r\n".join(messages) + "\r\n"
    done = subprocess.run([cli, "encode", "--dictionary", str(dictionary), "--key", KEY],
                          input=text.encode(), stdout=subprocess.PIPE, stderr=subprocess.PIPE,
                          env=cli_env(codepage))
    if done.returncode != 0:
        sys.exit(f"measure_messages: encode failed: {done.stderr.decode()[:200]}")
    out = tokens(done.stdout.decode("utf-8"))
    return sum(t in common for t in out) / max(1, len(out))


def pct(x):
    return f"{100 * x:5.1f} %"


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--old", help="folder of the earlier dictionaries")
    parser.add_argument("--new", default=str(Path(__file__).resolve().parent.parent / "data"))
    parser.add_argument("--cli", help="talvora-cli, for its tidy command")
    parser.add_argument("--spell-names", action="store_true",
                        help="tidy with --spell-names: names that stay unknown spelled out")
    parser.add_argument("--spell-words", action="store_true",
                        help="tidy with --spell-words: every word that stays unknown and is no "
                             "likely typo spelled out")
    parser.add_argument("--limit", type=int, default=1000, help="messages per kind of source")
    parser.add_argument("--only", action="append", help="only this dictionary file")
    parser.add_argument("--top", type=int, default=5, help="missing words shown")
    parser.add_argument("--dump", help="write each language's messages to this folder")
    args = parser.parse_args()

    use_cli = cli_has_tidy(args.cli)
    print(f"Tidy: {'talvora-cli tidy' if use_cli else 'EMULATED in this script'}")
    folders = [("old", args.old)] if args.old else []
    folders.append(("new", args.new))
    for language in LANGUAGES:
        file, locale, codepage = language[:3]
        if args.only and file not in args.only:
            continue
        kinds = pool(language, args.limit)
        # The kinds in the order their messages go to Tidy: the main ones first.
        order = [k for k in kinds if k not in APART] + [k for k in APART if k in kinds]
        messages = [m for k in order if k not in APART for m in kinds[k]]
        everything = [m for k in order for m in kinds[k]]
        if args.dump:
            Path(args.dump).mkdir(parents=True, exist_ok=True)
            Path(args.dump, file + ".txt").write_text("\n".join(messages) + "\n", encoding="utf-8")
            for k in APART:
                Path(args.dump, f"{file}.{k.replace(' ', '-')}.txt").write_text(
                    "\n".join(kinds.get(k, [])) + "\n", encoding="utf-8")
        print(f"\n{file} ({locale}): {len(messages)} everyday messages ("
              + ", ".join(f"{k} {len(v)}" for k, v in kinds.items() if k not in APART)
              + "); apart: " + ", ".join(f"{k} {len(kinds[k])}" for k in order if k in APART))
        for label, folder in folders:
            path = Path(folder) / file
            words = read_dictionary(path, codepage)
            plain = figures(messages, words)
            if use_cli:
                tidied_all = real_tidy(args.cli, path.resolve(), everything, codepage,
                                       ["--spell-names"] * args.spell_names
                                       + ["--spell-words"] * args.spell_words)
            else:
                tidy = EmulatedTidy(words, locale)
                tidied_all = [tidy.line(m) for m in everything]
            tidied = tidied_all[:len(messages)]
            after = figures(tidied, words)
            print(f"  {label:3} {len(words):7} words | encode whole: {pct(plain['whole'])} "
                  f"without Tidy, {pct(after['whole'])} with | tokens found: "
                  f"{pct(plain['tokens'])} without, {pct(after['tokens'])} with")
            start = 0
            for kind in order:
                ms = kinds[kind]
                f = figures(tidied_all[start:start + len(ms)], words)
                without = figures(ms, words)
                print(f"      {kind}: {pct(without['whole'])} without Tidy, {pct(f['whole'])} with")
                start += len(ms)
            if args.cli:
                passing = [t for t in tidied if all(x in words for x in tokens(t))]
                share = output_common_share(args.cli, path.resolve(), passing, common_list(locale),
                                            codepage)
                print(f"      output words that are common words: {pct(share)}")
            top = ", ".join(f"{w} ({n})" for w, n in after["missing"].most_common(args.top))
            print(f"      most frequent missing with Tidy: {top}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
