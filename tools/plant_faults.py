#!/usr/bin/env python3
"""Plants faults in a scratch copy of the tree, one at a time, and checks that the suite fails.

Each fault is one exact text of one file (it must occur exactly once there, else the fault
is reported as a stale pattern) and its replacement. The scratch copy and its one build
folder live outside the repository and are reused, so every fault costs an incremental build.

  tools/plant_faults.py                 every fault, a Markdown table on standard output
  tools/plant_faults.py --only NAME     one fault (the option may be repeated)
  tools/plant_faults.py --list          the faults and whether their patterns still match
  tools/plant_faults.py --tree DIR      plant into a copy of DIR instead of this repository
"""

import argparse
import os
import re
import shutil
import subprocess
import sys
import time
from dataclasses import dataclass
from pathlib import Path

FOLDERS = ("platform", "core", "dictionary", "keys", "ui", "cli")


@dataclass
class Fault:
    name: str
    folder: str
    file: str
    find: str
    replace: str
    what: str


# The six first, then each folder's own, so that a run cut short still covers them all.
FAULTS = [
    Fault("smoothing-adds-1", "core", "core/keyexpansion.cpp",
          "            e[i] += 2;", "            e[i] += 1;",
          "key smoothing adds 1 instead of 2 to a number equal to the one before"),
    Fault("equal-pair-apart-by-2", "core", "core/keyspacebuild.cpp",
          "    if (a == b)\n        a += 3;", "    if (a == b)\n        a += 2;",
          "an equal key pair is moved apart by 2 instead of 3"),
    Fault("separators-kept", "core", "core/tokenizer.cpp",
          "        } else if (!separatorTable[static_cast<unsigned char>(c)]) {",
          "        } else {",
          "separators are kept in the tokens"),
    Fault("save-name-case-sensitive", "keys", "keys/keyfile.cpp",
          "        if (toLower(codePage_.decode(trimBlanks(records.name(i)))) == wanted) {",
          "        if (codePage_.decode(trimBlanks(records.name(i))) == name) {",
          "saving matches a stored key name case-sensitively"),
    Fault("sentence-ends-with-letter", "core", "core/dress.cpp",
          "    return r == 0 ? '!' : r < 3 ? '?' : '.';",
          "    return r == 0 ? '!' : r < 3 ? '?' : 'a';",
          "a dressed sentence ends with a letter instead of a full stop"),
    Fault("new-file-world-readable", "platform", "platform/files.cpp",
          "O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,\n                                 0600);",
          "O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,\n                                 0644);",
          "a file written anew is readable by everyone"),
    # platform
    Fault("saved-text-ends-lf", "platform", "platform/textfile.cpp",
          '    bytes += "\\r\\n";', '    bytes += "\\n";',
          "a saved text's last line ends with LF instead of the code page's CR LF"),
    Fault("lowercase-skips-z", "platform", "platform/lowercase.cpp",
          "ch >= 'A' && ch <= 'Z'", "ch >= 'A' && ch < 'Z'",
          "ASCII lower-casing leaves Z as it is"),
    Fault("wipe-one-pass-short", "platform", "platform/files.cpp",
          "    for (int round = 1; round <= rounds; ++round)",
          "    for (int round = 1; round < rounds; ++round)",
          "a wipe overwrites one pass fewer than asked"),
    Fault("append-not-cut-back", "platform", "platform/files.cpp",
          "        if (ops.ftruncate(fd.get(), length) == 0)\n            ops.fsync(fd.get());",
          "        ops.fsync(fd.get());",
          "a failed append leaves its partial line in the file"),
    # core
    Fault("restore-count-one-short", "core", "core/keyspace.cpp",
          "    uint32_t back = static_cast<uint32_t>(nd) % n;",
          "    uint32_t back = static_cast<uint32_t>(nd - 1) % n;",
          "RestoreDict turns the column back one rotation too few"),
    Fault("codec-without-processed-key", "core", "core/commands.cpp",
          "    else if (!ks.keyspaceReady())\n        report.message(msg::KeyNotProcessed);\n", "",
          "Encode and Decode run on a dictionary whose key was never processed"),
    Fault("rotation-every-49-pairs", "core", "core/keyspacebuild.cpp",
          "constexpr int PairsPerRotation = 50;", "constexpr int PairsPerRotation = 49;",
          "the keyspace build rotates after 49 pairs instead of 50"),
    # dictionary
    Fault("dictionary-not-lowercased", "dictionary", "dictionary/dictionaryfile.cpp",
          "        const std::string s = toLower(codePage.charOf(byte));",
          "        const std::string s(codePage.charOf(byte));",
          "a dictionary is not lower-cased on load"),
    Fault("search-matches-anywhere", "dictionary", "dictionary/dictionaryfile.cpp",
          "        if (words[r].starts_with(s))",
          "        if (words[r].find(s) != std::string_view::npos)",
          "Search matches the text anywhere in a word instead of at its start"),
    Fault("add-joins-unfinished-line", "dictionary", "dictionary/dictionaryfile.cpp",
          "        addition = lineEnd;\n", "        addition = \"\";\n",
          "Add does not end an unterminated last line first"),
    Fault("tidy-rewrites-known-word", "dictionary", "dictionary/tidy.cpp",
          "        } else if (state.known(piece) && !standsBesideNumber(state, piece)) {",
          "        } else if (false) {",
          "Tidy puts a word the dictionary holds through its rules"),
    # keys
    Fault("generated-key-has-0", "keys", "keys/keygen.cpp",
          "        if (d != 0)", "        if (d >= 0)",
          "a generated key may hold the digit 0"),
    Fault("record-name-one-short", "keys", "keys/keyfile.cpp",
          "field(encodeChecked(codePage_, name), NameWidth)",
          "field(encodeChecked(codePage_, name), NameWidth - 1)",
          "a stored record's name field is one byte short"),
    Fault("key-wipe-fewer-passes", "keys", "keys/keycopy.cpp",
          'store::WipeRounds, "key file"', 'store::WipeRounds - 1, "key file"',
          "Delete Keys overwrites the key file one pass fewer"),
    Fault("restore-lost-inverted", "keys", "keys/keyrestore.cpp",
          "        else if (other->second != k.key)",
          "        else if (other->second == k.key)",
          "Restore counts the kept keys as the changed ones"),
    # ui
    Fault("dress-ignores-checkbox", "ui", "ui/frmmain.cpp",
          "command == encodeText && chkDress_->isChecked()", "command == encodeText",
          "the window dresses encoded text with the box unticked"),
    Fault("enter-in-combo-not-silenced", "ui", "ui/typedlineedit.cpp",
          "        const QSignalBlocker quiet(this);\n        QLineEdit::keyPressEvent(event);\n"
          "        return;",
          "        QLineEdit::keyPressEvent(event);\n        return;",
          "Enter in a typed combo box matches the text to an entry"),
    Fault("empty-search-clears-list", "ui", "ui/dictionarywindows.cpp",
          "    if (text.isEmpty())\n        return;\n    model_->clear();",
          "    model_->clear();",
          "Search with an empty box empties the list instead of keeping it"),
    Fault("restore-list-not-reloaded", "ui", "ui/frmmain.cpp",
          "    loadKeys();\n    MessageBox::information(this, l10n::translateMessage(keys::msg::KeysRestored));",
          "    MessageBox::information(this, l10n::translateMessage(keys::msg::KeysRestored));",
          "after Restore Keys the name list still shows the old names"),
    Fault("input-lines-lf", "ui", "ui/frmmain.cpp",
          "    text.replace(QLatin1Char('\\n'), QLatin1String(\"\\r\\n\"));\n", "",
          "the window hands the text boxes' lines on with LF instead of CR LF"),
    # cli
    Fault("strict-exit-1", "cli", "cli/main.cpp",
          "                throw Exit{3};", "                throw Exit{1};",
          "--strict ends with status 1 instead of 3"),
    Fault("usage-error-exit-1", "cli", "cli/main.cpp",
          '"\\nRun with --help for more information.\\n";\n        return 2;',
          '"\\nRun with --help for more information.\\n";\n        return 1;',
          "a usage error ends with status 1 instead of 2"),
    Fault("stdout-keeps-cr", "cli", "cli/main.cpp",
          "        text.erase(at, 1);", "        at += 2;",
          "standard output keeps the CR of CR LF"),
    Fault("tidy-status-0", "cli", "cli/main.cpp",
          "        if (!r.encodes())\n            throw Exit{1};\n", "",
          "tidy ends with status 0 while unknown words remain"),
    Fault("remove-without-terminal", "cli", "cli/keyscommand.cpp",
          "    if (!os::isTerminal(os::StandardInput)) {", "    if (false) {",
          "keys remove asks a question nobody can answer instead of refusing"),
    # more, where the time allows
    Fault("empty-key-file-world-readable", "platform", "platform/files.cpp",
          "int fd = ops.open(path, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);",
          "int fd = ops.open(path, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);",
          "the empty key file a lookup creates is readable by everyone"),
    Fault("replace-drops-mode", "platform", "platform/oscalls_posix.cpp",
          "    if (::fchmod(fd, status.mode) != 0)\n        return errno;\n",
          "",
          "replacing a file does not keep its permissions"),
    Fault("rotation-wraps-late", "core", "core/keyspace.cpp",
          "    offset_ = offset_ + 1 == wordCount() ? 0 : offset_ + 1;",
          "    offset_ = offset_ + 1 > wordCount() ? 0 : offset_ + 1;",
          "a rotation wraps one step late"),
    Fault("group-half-rounds-up", "core", "core/keyexpansion.cpp",
          "(whole % 2) == 1", "(whole % 2) == 0",
          "a key group ending in .5 rounds to odd instead of even"),
    Fault("comma-after-first-word", "core", "core/dress.cpp",
          "2 + draw(left - 4)", "1 + draw(left - 4)",
          "dressing may put a comma after a sentence's first word"),
    Fault("line-limit-one-short", "dictionary", "dictionary/dictionaryfile.cpp",
          "        if (++lines > Keyspace::Capacity) {",
          "        if (++lines >= Keyspace::Capacity) {",
          "a dictionary of exactly the most lines is refused"),
    Fault("suggest-no-transposition", "dictionary", "dictionary/suggest.cpp",
          "            if (prev2 && j >= 2 && c == q[j - 2] && parentLabel == q[j - 1])\n"
          "                v = std::min(v, prev2[j - 2] + 1);\n", "",
          "suggestions count two swapped letters as two changes"),
    Fault("record-count-half-up", "keys", "keys/keyfile.cpp",
          "(2 * rest == RecordSize && whole % 2 == 1)", "(2 * rest == RecordSize)",
          "a key file cut exactly half a record short counts that record on even counts too"),
    Fault("key-box-19-chars", "ui", "ui/frmmain.cpp",
          "txtKey_->setMaxLength(18);", "txtKey_->setMaxLength(19);",
          "the key box takes 19 characters"),
]

FAILED_LINE = re.compile(r"^\s*\d+\s+-\s+(\S+)\s+\((.*)\)\s*$")


def sh(cmd, log, cwd=None, env=None):
    """Runs cmd at the lowest priority, its output appended to log; returns the status."""
    with open(log, "a") as out:
        out.write("$ " + " ".join(cmd) + "\n")
        out.flush()
        return subprocess.run(["nice", "-n", "19"] + cmd, cwd=cwd, env=env, stdout=out,
                              stderr=subprocess.STDOUT).returncode


def tracked_files(tree):
    out = subprocess.run(["git", "-C", str(tree), "ls-files", "-z"], check=True,
                         capture_output=True).stdout
    return [f for f in out.decode().split("\0") if f]


def sync_copy(tree, src):
    """Copies the tree's tracked files (as they are on disk) into src; files whose bytes are
    unchanged keep their time stamps, so the build stays incremental."""
    for rel in tracked_files(tree):
        a, b = tree / rel, src / rel
        if not a.is_file():
            continue
        data = a.read_bytes()
        if b.is_file() and b.read_bytes() == data:
            continue
        b.parent.mkdir(parents=True, exist_ok=True)
        b.write_bytes(data)
        shutil.copymode(a, b)


def pattern_state(root, fault):
    path = root / fault.file
    if not path.is_file():
        return "stale pattern (no such file)"
    n = path.read_text().count(fault.find)
    return "ok" if n == 1 else f"stale pattern (found {n} times)"


def build(src, build_dir, log):
    if not (build_dir / "build.ninja").exists():
        status = sh(["cmake", "-S", str(src), "-B", str(build_dir), "-G", "Ninja",
                     "-DCMAKE_BUILD_TYPE=Release", "-DTALVORA_BUILD_BENCH=OFF",
                     "-DTALVORA_BUILD_FUZZ=OFF"], log)
        if status != 0:
            return False
    return sh(["cmake", "--build", str(build_dir), "-j2"], log) == 0


def run_suite(build_dir, log, stop_early=True):
    """The failed tests' names; empty when the suite passes."""
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    cmd = ["ctest", "--test-dir", str(build_dir), "-j2", "--timeout", "600"]
    if stop_early:
        cmd.append("--stop-on-failure")
    start = os.path.getsize(log) if os.path.exists(log) else 0
    status = sh(cmd, log, env=env)
    with open(log) as f:
        f.seek(start)
        text = f.read()
    failed = []
    if "The following tests FAILED:" in text:
        for line in text.split("The following tests FAILED:", 1)[1].splitlines():
            m = FAILED_LINE.match(line)
            if m and "Not Run" not in m.group(2):
                failed.append(m.group(1))
    if status != 0 and not failed:
        failed.append("(ctest failed, see log)")
    return failed


def table(rows):
    lines = ["| Fault | Folder | What | Result |", "|---|---|---|---|"]
    for fault, result in rows:
        lines.append(f"| {fault.name} | {fault.folder} | {fault.what} | {result} |")
    caught = sum(1 for _, r in rows if r.startswith("caught"))
    missed = sum(1 for _, r in rows if r == "MISSED")
    other = len(rows) - caught - missed
    lines.append("")
    lines.append(f"Total: {len(rows)} planted, {caught} caught, {missed} missed"
                 + (f", {other} not judged (build failed or stale pattern)" if other else "") + ".")
    return "\n".join(lines)


def main():
    here = Path(__file__).resolve().parent.parent
    p = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    p.add_argument("--only", action="append", metavar="NAME", help="plant only this fault")
    p.add_argument("--list", action="store_true", help="list the faults and exit")
    p.add_argument("--tree", type=Path, default=here, help="the source tree (default: %(default)s)")
    p.add_argument("--scratch", type=Path, default=Path("/tmp/talvora-faults"),
                   help="where the copy and its build live (default: %(default)s)")
    p.add_argument("--output", type=Path, help="also write the table here after every fault")
    p.add_argument("--no-baseline", action="store_true",
                   help="skip checking that the unchanged copy passes the suite")
    args = p.parse_args()
    tree = args.tree.resolve()

    faults = FAULTS
    if args.only:
        names = {f.name for f in FAULTS}
        unknown = [n for n in args.only if n not in names]
        if unknown:
            sys.exit("No such fault: " + ", ".join(unknown))
        faults = [f for f in FAULTS if f.name in args.only]

    if args.list:
        for f in faults:
            print(f"{f.name:32} {f.folder:11} {f.file:32} {pattern_state(tree, f)}")
        return 0

    src, build_dir, logs = args.scratch / "src", args.scratch / "build", args.scratch / "logs"
    if tree == args.scratch.resolve() or args.scratch.resolve() in tree.parents:
        sys.exit("The scratch folder must lie outside the tree.")
    logs.mkdir(parents=True, exist_ok=True)
    sync_copy(tree, src)

    base_log = logs / "baseline.log"
    base_log.write_text("")
    if not build(src, build_dir, base_log):
        sys.exit(f"The unchanged copy does not build; see {base_log}")
    if not args.no_baseline:
        failed = run_suite(build_dir, base_log, stop_early=False)
        if failed:
            sys.exit("The unchanged copy fails the suite (" + ", ".join(failed) +
                     f"); no fault can be judged. See {base_log}")

    rows = []
    for fault in faults:
        state = pattern_state(src, fault)
        if state != "ok":
            rows.append((fault, state))
            continue
        path = src / fault.file
        original = path.read_text()
        log = logs / f"{fault.name}.log"
        log.write_text("")
        started = time.monotonic()
        try:
            path.write_text(original.replace(fault.find, fault.replace, 1))
            if not build(src, build_dir, log):
                result = "build failed"
            else:
                failed = run_suite(build_dir, log)
                result = "caught by " + ", ".join(failed) if failed else "MISSED"
        finally:
            path.write_text(original)
        rows.append((fault, result))
        print(f"{fault.name}: {result} ({time.monotonic() - started:.0f} s)", file=sys.stderr,
              flush=True)
        if args.output:
            args.output.write_text(table(rows) + "\n")
    print(table(rows))
    return 0


if __name__ == "__main__":
    sys.exit(main())
