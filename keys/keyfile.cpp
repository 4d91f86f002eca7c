#include "keyfile.h"

#include "codepage.h"
#include "commands.h"
#include "error.h"
#include "files.h"
#include "keyexpansion.h"
#include "keyquestions.h"
#include "keystore.h"
#include "lowercase.h"
#include "utf8.h"

#include <cstdint>

namespace fs = std::filesystem;

namespace talvora::keys {

namespace {

constexpr char Blank = ' ';
constexpr const char* ProgramFolder = "The program folder";

std::string_view trimBlanks(std::string_view s) {
    size_t begin = s.find_first_not_of(Blank);
    if (begin == std::string_view::npos)
        return {};
    size_t end = s.find_last_not_of(Blank);
    return s.substr(begin, end - begin + 1);
}

// Rounded to nearest, an exact half to even: a file cut short by up to half a record still
// counts that record, the rest of a longer tail is ignored.
int64_t recordCount(uint64_t length) {
    const uint64_t whole = length / RecordSize;
    const uint64_t rest = length % RecordSize;
    uint64_t count = whole;
    if (2 * rest > RecordSize || (2 * rest == RecordSize && whole % 2 == 1))
        ++count;
    return static_cast<int64_t>(count);
}

// The file's records, the missing bytes of a short last one read as blanks.
struct Records {
    std::string bytes;
    int64_t count = 0;

    explicit Records(std::string data) : bytes(std::move(data)), count(recordCount(bytes.size())) {
        const auto full = static_cast<size_t>(count) * RecordSize;
        if (bytes.size() < full)
            bytes.resize(full, Blank);
    }
    std::string_view record(int64_t i) const {
        return std::string_view(bytes).substr(static_cast<size_t>(i) * RecordSize, RecordSize);
    }
    std::string_view name(int64_t i) const { return record(i).substr(0, NameWidth); }
    std::string_view key(int64_t i) const { return record(i).substr(NameWidth, KeyWidth); }
};

std::string field(std::string_view bytes, size_t width) {
    std::string out(bytes.substr(0, width));
    out.resize(width, Blank);
    return out;
}

std::string encodeChecked(const CodePage& codePage, std::string_view text) {
    if (auto bad = codePage.firstUnencodable(text))
        throw Error(unencodableMessage(*bad, codePage.name()));
    return codePage.encode(text);
}

std::optional<std::string> readBytes(const fs::path& file) {
    try {
        return files::readIfExists(file, store::MaxKeyFileBytes);
    } catch (const FileError& e) {
        files::failBecause("Cannot read the key file ", file, e.reason());
    }
}

Records readForLookup(const fs::path& file) {
    // A lookup finishes an interrupted command too, when it can have the lock soon; a
    // program folder it cannot write is no reason to fail.
    if (store::hasLeftovers(file)) {
        try {
            store::KeyFileLock lock(file, 2);
            store::finishInterrupted(file);
        } catch (const Error&) {
        }
    }
    // Shared with other readers; without it is no worse than a folder that cannot be locked.
    std::optional<store::KeyFileLock> lock;
    try {
        lock.emplace(file, 20, files::FolderLock::Shared);
    } catch (const Error&) {
    }
    auto data = readBytes(file);
    if (!data) {
        // Every operation leaves a key file behind; for a lookup failing that is no error:
        // the program must still start.
        files::createEmpty(file);
        return Records({});
    }
    return Records(std::move(*data));
}

bool hasControl(std::string_view utf8Text) {
    size_t pos = 0;
    while (pos < utf8Text.size()) {
        char32_t c = utf8::next(utf8Text, pos);
        if (c < 0x20 || (c >= 0x7F && c <= 0x9F))
            return true;
    }
    return false;
}

} // namespace

namespace store {

files::ReplaceOptions keyFileWrite(const char* folderLabel) {
    files::ReplaceOptions options;
    options.overwriteOld = true;
    options.what = "Cannot write the key file ";
    options.folderLabel = folderLabel;
    return options;
}

namespace {

// Scratch files of the key file (and of its link target), beside either.
std::vector<fs::path> leftovers(const fs::path& keyFile) {
    std::vector<fs::path> folders{keyFile.parent_path()};
    const fs::path real = files::resolveLinks(keyFile);
    if (real.parent_path() != keyFile.parent_path())
        folders.push_back(real.parent_path());
    std::vector<fs::path> found;
    for (const auto& folder : folders) {
        std::vector<fs::path> entries;
        if (int err = files::listFolder(folder, entries))
            files::fail("Cannot look for unfinished work in the folder ", folder, err);
        for (const auto& entry : entries)
            if (files::isScratchFor(entry, utf8Path(real.filename())) ||
                files::isScratchFor(entry, utf8Path(keyFile.filename())))
                found.push_back(entry);
    }
    return found;
}

} // namespace

bool hasLeftovers(const fs::path& keyFile) {
    try {
        return !leftovers(keyFile).empty();
    } catch (const Error&) {
        return false; // the read that follows names the folder's fault
    }
}

void finishInterrupted(const fs::path& keyFile) {
    for (const auto& path : leftovers(keyFile))
        files::shred(path, WipeByte, WipeRounds);
}

} // namespace store

KeyFile::KeyFile(fs::path folder, const CodePage& codePage)
    : folder_(std::move(folder)), codePage_(codePage) {}

fs::path KeyFile::path() const {
    return folder_ / "key.dat";
}

std::vector<std::string> KeyFile::listKeyNames() const {
    std::vector<std::string> names;
    const Records records = readForLookup(path());
    names.reserve(static_cast<size_t>(records.count));
    for (int64_t i = 0; i < records.count; ++i)
        names.push_back(codePage_.decode(trimBlanks(records.name(i))));
    return names;
}

std::optional<std::string> KeyFile::findKeyByName(std::string_view name) const {
    const Records records = readForLookup(path());
    for (int64_t i = 0; i < records.count; ++i)
        if (codePage_.decode(trimBlanks(records.name(i))) == name)
            return codePage_.decode(trimBlanks(records.key(i)));
    return std::nullopt;
}

std::vector<KeyFile::Stored> KeyFile::listKeys() const {
    const Records records = readForLookup(path());
    std::vector<Stored> keys;
    keys.reserve(static_cast<size_t>(records.count));
    for (int64_t i = 0; i < records.count; ++i)
        keys.push_back({codePage_.decode(trimBlanks(records.name(i))),
                        codePage_.decode(trimBlanks(records.key(i)))});
    return keys;
}

void KeyFile::storeKey(std::string_view name, std::string_view key) {
    if (hasControl(name))
        throw Error(msg::NameHasControl);
    // Refused before the file is touched.
    const std::string record = field(encodeChecked(codePage_, name), NameWidth) +
                               field(encodeChecked(codePage_, key), KeyWidth);
    const fs::path file = path();
    store::KeyFileLock lock(file);
    store::finishInterrupted(file);
    const std::string original = readBytes(file).value_or(std::string());
    const Records records(original);

    // Case-insensitive, the stored name trimmed but the given one not. No code point
    // lower-cases to a blank, so trimming the stored bytes first gives the same answer.
    const std::string wanted = toLower(name);
    int64_t position = records.count; // a wide position: records past 32767 are ordinary
    for (int64_t i = 0; i < records.count; ++i) {
        if (toLower(codePage_.decode(trimBlanks(records.name(i)))) == wanted) {
            position = i;
            break;
        }
    }

    // The record in its place; a short last record is completed with the blanks it reads
    // as, and bytes past the new record stay as they were.
    const auto offset = static_cast<size_t>(position) * RecordSize;
    std::string bytes = original;
    if (bytes.size() < offset)
        bytes.resize(offset, Blank);
    bytes.replace(offset, RecordSize, record);
    files::replace(file, bytes, store::keyFileWrite(ProgramFolder));
}

void KeyFile::removeKeysByName(std::string_view name) {
    const fs::path file = path();
    store::KeyFileLock lock(file);
    store::finishInterrupted(file);
    const Records records(readBytes(file).value_or(std::string()));
    std::string kept;
    kept.reserve(records.bytes.size());
    for (int64_t i = 0; i < records.count; ++i)
        if (codePage_.decode(trimBlanks(records.name(i))) != name)
            kept += records.record(i);
    files::replace(file, kept, store::keyFileWrite(ProgramFolder));
}

SaveResult saveKey(KeyFile& file, std::string_view name, std::string_view key, bool replace) {
    if (name.empty() || key.empty())
        return {false, msg::MissingData};
    // The record holds 18 characters: a longer key would be stored cut without a word.
    if (const size_t length = characterCount(key); length > KeyWidth)
        return {false, msg::keyTooLong(length), SaveResult::KeyTooLong};
    if (key.find('0') != std::string_view::npos)
        return {false, msg::KeyHasZero};
    // A key that "Process" would refuse is no use stored.
    if (!usableAsStrides(expandKey(key)))
        return {false, talvora::msg::KeyUnusable};
    if (hasControl(name))
        return {false, msg::NameHasControl};
    if (!replace)
        if (const auto stored = nameSaveWouldChange(file, name, key))
            return {false, msg::replaceQuestion(*stored), SaveResult::AskReplace};
    file.storeKey(name, key);
    return {true, msg::KeySaved, SaveResult::Saved};
}

std::string msg::removeQuestion(std::string_view name) {
    return "Are you sure you want to remove the Key " + std::string(name) + "?";
}

} // namespace talvora::keys
