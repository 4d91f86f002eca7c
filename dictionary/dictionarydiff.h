#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

namespace talvora {

class CodePage;

// How two dictionary files compare, entry by entry as the program loads them.
struct DictionaryDiff {
    uint32_t lines1 = 0, lines2 = 0;
    uint32_t differing = 0;      // lines both files have whose entries differ
    uint32_t firstDiffering = 0; // 0 when the shared lines agree
    std::string entry1, entry2;  // the entries of that line
    std::string fingerprint1, fingerprint2;
    std::string lineEnds1, lineEnds2; // "CR LF", "LF", "CR", "none" or "mixed (...)"
    bool sameBytes = false;

    bool identical() const { return lines1 == lines2 && differing == 0; }
};

// Each file read in its own code page. Throws Error when either cannot be loaded as a
// dictionary.
DictionaryDiff diffDictionaries(const std::filesystem::path& file1, const CodePage& codePage1,
                                const std::filesystem::path& file2, const CodePage& codePage2);

// The line ends of raw file bytes, named as DictionaryDiff does.
std::string describeLineEnds(std::string_view bytes);

} // namespace talvora
