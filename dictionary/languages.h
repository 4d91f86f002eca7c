#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace talvora {

class CodePage;

struct Language {
    std::string_view displayName;
    std::string_view fileName;
    std::string_view codePage; // the shipped file's, whatever the locale
};

// The ten languages and their files, in lookup order.
const std::vector<Language>& languageTable();

// The file of a display name ("English" -> "eng.dic"), exact and case-sensitive.
std::optional<std::string> dictionaryFileFor(std::string_view entry);

// The language-list entries for the "*.dic" files of folder, in scan order: a display
// name for a known file name, otherwise the file name itself.
std::vector<std::string> listDictionaries(const std::filesystem::path& folder);

// The file an entry of the language list loads: the language's file, or a bare file
// name of the folder. Nothing for an empty entry or one holding a folder separator.
std::optional<std::filesystem::path> dictionaryPathFor(const std::filesystem::path& folder,
                                                       std::string_view entry);

// The code page a dictionary file is read and extended in: the language's own for one of
// the ten file names (compared exactly, as the folder scan does), otherwise the program's.
CodePage dictionaryCodePage(const std::filesystem::path& path, const CodePage& programCodePage);

} // namespace talvora
