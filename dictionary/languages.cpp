#include "languages.h"

#include "codepage.h"
#include "utf8.h"

#include <algorithm>
#include <cctype>
#include <system_error>

namespace fs = std::filesystem;

namespace talvora {

const std::vector<Language>& languageTable() {
    static const std::vector<Language> table = {
        {"English", "eng.dic", "windows-1252"},   {"Czech", "Czech.dic", "windows-1250"},
        {"Danish", "dk.dic", "windows-1252"},     {"Dutch", "nl.dic", "windows-1252"},
        {"French", "fr.dic", "windows-1252"},     {"German", "de_neu.dic", "windows-1252"},
        {"Italian", "it.dic", "windows-1252"},    {"Polish", "pl.dic", "windows-1250"},
        {"Spanish", "es.dic", "windows-1252"},    {"Swedish", "se.dic", "windows-1252"},
    };
    return table;
}

std::optional<std::string> dictionaryFileFor(std::string_view entry) {
    for (const auto& l : languageTable())
        if (l.displayName == entry)
            return std::string(l.fileName);
    return std::nullopt;
}

namespace {

// "*.dic" as the folder scan matches it: any letter case, not hidden.
bool isDictionaryName(const std::string& name) {
    if (name.size() < 5 || name[0] == '.')
        return false;
    std::string ext = name.substr(name.size() - 4);
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return ext == ".dic";
}

} // namespace

std::vector<std::string> listDictionaries(const fs::path& folder) {
    std::vector<std::string> entries;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code typeError;
        if (!it->is_regular_file(typeError))
            continue;
        std::string name = utf8Path(it->path().filename());
        if (!isDictionaryName(name))
            continue;
        std::string entry = name;
        for (const auto& l : languageTable())
            if (l.fileName == name) {
                entry = std::string(l.displayName);
                break;
            }
        entries.push_back(entry);
    }
    return entries;
}

std::optional<fs::path> dictionaryPathFor(const fs::path& folder, std::string_view entry) {
    if (auto file = dictionaryFileFor(entry))
        return folder / *file;
    if (entry.empty() || entry.find('/') != std::string_view::npos ||
        entry.find('\\') != std::string_view::npos || entry == "." || entry == "..")
        return std::nullopt;
    return folder / std::string(entry);
}

CodePage dictionaryCodePage(const fs::path& path, const CodePage& programCodePage) {
    const std::string name = utf8Path(path.filename());
    for (const auto& l : languageTable())
        if (l.fileName == name)
            return l.codePage == programCodePage.name() ? programCodePage
                                                        : CodePage::fromName(std::string(l.codePage));
    return programCodePage;
}

} // namespace talvora
