#include "dictionarydiff.h"

#include "dictionaryfile.h"
#include "files.h"

#include <algorithm>
#include <vector>

namespace talvora {

std::string describeLineEnds(std::string_view bytes) {
    size_t crLf = 0, cr = 0, lf = 0;
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r') {
            if (i + 1 < bytes.size() && bytes[i + 1] == '\n') {
                ++crLf;
                ++i;
            } else {
                ++cr;
            }
        } else if (bytes[i] == '\n') {
            ++lf;
        }
    }
    std::vector<std::string> kinds;
    auto add = [&](size_t count, const char* name) {
        if (count > 0)
            kinds.push_back(std::to_string(count) + " " + name);
    };
    add(crLf, "CR LF");
    add(lf, "LF");
    add(cr, "CR");
    if (kinds.empty())
        return "none";
    if (kinds.size() == 1)
        return crLf ? "CR LF" : lf ? "LF" : "CR";
    std::string mixed = "mixed (";
    for (size_t i = 0; i < kinds.size(); ++i)
        mixed += (i ? ", " : "") + kinds[i];
    return mixed + ")";
}

DictionaryDiff diffDictionaries(const std::filesystem::path& file1, const CodePage& codePage1,
                                const std::filesystem::path& file2, const CodePage& codePage2) {
    const WordList a = readDictionary(file1, codePage1);
    const WordList b = readDictionary(file2, codePage2);
    const std::string bytes1 = files::read(file1);
    const std::string bytes2 = files::read(file2);

    DictionaryDiff d;
    d.lines1 = a.size();
    d.lines2 = b.size();
    for (uint32_t r = 1; r <= std::min(a.size(), b.size()); ++r) {
        if (a[r] == b[r])
            continue;
        if (d.differing++ == 0) {
            d.firstDiffering = r;
            d.entry1 = a[r];
            d.entry2 = b[r];
        }
    }
    d.fingerprint1 = dictionaryFingerprint(a);
    d.fingerprint2 = dictionaryFingerprint(b);
    d.lineEnds1 = describeLineEnds(bytes1);
    d.lineEnds2 = describeLineEnds(bytes2);
    d.sameBytes = bytes1 == bytes2;
    return d;
}

} // namespace talvora
