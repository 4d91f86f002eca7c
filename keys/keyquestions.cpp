#include "keyquestions.h"

#include "error.h"
#include "files.h"
#include "keyfile.h"
#include "keystore.h"
#include "lowercase.h"
#include "utf8.h"

namespace fs = std::filesystem;

namespace talvora::keys {

std::optional<std::string> nameSaveWouldChange(const KeyFile& file, std::string_view name,
                                               std::string_view key) {
    // The store's own match: the first stored name equal regardless of case.
    const std::string wanted = toLower(name);
    for (KeyFile::Stored& stored : file.listKeys()) {
        if (toLower(stored.name) != wanted)
            continue;
        // Stored blank-padded, listed trimmed.
        const size_t begin = key.find_first_not_of(' ');
        const std::string_view trimmed =
            begin == std::string_view::npos
                ? std::string_view()
                : key.substr(begin, key.find_last_not_of(' ') - begin + 1);
        if (stored.key == trimmed)
            return std::nullopt;
        return std::move(stored.name);
    }
    return std::nullopt;
}

bool transferWouldReplaceOther(const fs::path& programFolder, const fs::path& target) {
    const fs::path theirs = target / "key.dat";
    std::error_code ec;
    const fs::file_type type = fs::symlink_status(theirs, ec).type();
    // Nothing to lose, or a link that the transfer refuses, naming it.
    if (type == fs::file_type::not_found || type == fs::file_type::none || type == fs::file_type::symlink)
        return false;
    try {
        const auto ours = files::readIfExists(programFolder / "key.dat", store::MaxKeyFileBytes);
        if (!ours)
            return false; // the transfer refuses, with its own message
        const auto other = files::readIfExists(theirs, store::MaxKeyFileBytes);
        return !other || *other != *ours;
    } catch (const Error&) {
        return true; // asked about; the transfer then tells what is wrong
    }
}

size_t characterCount(std::string_view utf8Text) {
    size_t count = 0;
    for (size_t pos = 0; pos < utf8Text.size(); ++count)
        utf8::next(utf8Text, pos);
    return count;
}

std::string msg::replaceQuestion(std::string_view storedName) {
    return "A key named " + std::string(storedName) + " is stored. Replace its key?";
}

std::string msg::transferQuestion(const fs::path& targetFile) {
    return "The chosen folder holds a key file, " + files::describe(targetFile) +
           ", that differs from the one here.  Replace it?";
}

std::string msg::noSuchKey(std::string_view name) {
    return "No key named " + std::string(name) + " is stored.";
}

std::string msg::keyTooLong(size_t characters) {
    return "A key has at most 18 characters; this one has " + std::to_string(characters) +
           ".  Nothing was stored.";
}

} // namespace talvora::keys
