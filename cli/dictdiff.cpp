// talvora-cli dict diff: whether two partners hold the same dictionary, line for line.
#include "codepage.h"
#include "context.h"
#include "dictionarydiff.h"
#include "languages.h"

#include <iostream>
#include <memory>

namespace talvora::cli {

namespace {

// The entry in quotes, control characters spelt out, a long one cut short.
std::string shownEntry(std::string_view entry) {
    constexpr size_t Longest = 60;
    size_t cut = entry.size();
    if (cut > Longest) {
        cut = Longest;
        while (cut > 0 && (static_cast<unsigned char>(entry[cut]) & 0xC0) == 0x80)
            --cut;
    }
    std::string out = "\"";
    for (char c : entry.substr(0, cut)) {
        switch (c) {
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        default:
            out += c;
        }
    }
    out += '"';
    if (cut < entry.size())
        out += "... (" + std::to_string(entry.size()) + " bytes in all)";
    return out;
}

void print(const DictionaryDiff& d, const std::string& name1, const std::string& name2) {
    std::string out;
    const std::string lineEnds =
        "Line ends: " + name1 + " " + d.lineEnds1 + ", " + name2 + " " + d.lineEnds2 + ".\n";
    if (d.identical()) {
        out += "identical\nFingerprint: " + d.fingerprint1 + "\n";
        if (!d.sameBytes)
            out += "The files are not byte for byte the same (letter case or line ends), but the "
                   "program "
                   "loads the same entries from both.\n";
        if (d.lineEnds1 != d.lineEnds2)
            out += lineEnds;
        std::cout << out;
        return;
    }
    out += name1 + " and " + name2 + " differ.\n";
    if (d.firstDiffering != 0) {
        const uint32_t shared = std::min(d.lines1, d.lines2);
        out += "First differing line: " + std::to_string(d.firstDiffering) + "\n  " + name1 + ": " +
               shownEntry(d.entry1) + "\n  " + name2 + ": " + shownEntry(d.entry2) + "\n";
        out += "Lines that differ: " + std::to_string(d.differing) + " of the " +
               std::to_string(shared) + " lines both have.\n";
    }
    if (d.lines1 != d.lines2) {
        const bool firstLonger = d.lines1 > d.lines2;
        const uint32_t from = std::min(d.lines1, d.lines2) + 1, to = std::max(d.lines1, d.lines2);
        out +=
            (from == to ? "Line " + std::to_string(from) + " is"
                        : "Lines " + std::to_string(from) + " to " + std::to_string(to) + " are") +
            " only in " + (firstLonger ? name1 : name2) + " (" + std::to_string(to - from + 1) +
            (to == from ? " line).\n" : " lines).\n");
    }
    out += lineEnds;
    if (d.lineEnds1 != d.lineEnds2)
        out +=
            "A file holding any CR ends its lines at CR LF or CR only: a lone LF stays inside the "
            "entry.\n";
    out += "Fingerprint of " + name1 + ": " + d.fingerprint1 + "\nFingerprint of " + name2 + ": " +
           d.fingerprint2 + "\n";
    std::cout << out;
}

} // namespace

void addDictDiffCommand(CLI::App& dict, Context& ctx, const DictionaryResolver& resolve) {
    auto files = std::make_shared<std::pair<std::string, std::string>>();
    CLI::App* diff =
        dict.add_subcommand("diff", "Whether two dictionary files hold the same entries, line for "
                                    "line (exit 3 when they differ)");
    diff->add_option("FILE1", files->first, "Dictionary file or language name")->required();
    diff->add_option("FILE2", files->second, "Dictionary file or language name")->required();
    diff->callback([files, &ctx, resolve] {
        // Each file in the code page the program reads it in (shipped files keep their own).
        const CodePage cp = ctx.codePage();
        const auto file1 = resolve(files->first), file2 = resolve(files->second);
        const DictionaryDiff d = diffDictionaries(file1, dictionaryCodePage(file1, cp), file2,
                                                  dictionaryCodePage(file2, cp));
        print(d, files->first, files->second);
        if (!d.identical())
            throw Exit{3};
    });
}

} // namespace talvora::cli
