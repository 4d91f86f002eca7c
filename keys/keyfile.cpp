#include "keyfile.h"

#include "codepage.h"
#include "commands.h"
#include "error.h"
#include "fileops.h"
#include "files.h"
#include "keyexpansion.h"
#include "keyio.h"
#include "utf8.h"

#include <cerrno>
#include <cstdint>
#include <fcntl.h>
#include <unicode/uchar.h>
#include <unistd.h>

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

std::string lowerCase(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    size_t pos = 0;
    while (pos < text.size())
        utf8::append(out,
                     static_cast<char32_t>(u_tolower(static_cast<UChar32>(utf8::next(text, pos)))));
    return out;
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

// key.dat opened for the given access, created empty (owner-only) when missing.
struct Opened {
    io::Fd fd;
    int err = 0;
    bool wasMissing = false;
};

Opened openKeyFile(const fs::path& file, int access) {
    auto& ops = fileOps();
    for (int attempt = 0; attempt < 3; ++attempt) {
        int fd = ops.open(file, access | O_CLOEXEC, 0);
        if (fd >= 0)
            return {io::Fd(fd), 0, false};
        if (errno != ENOENT)
            return {io::Fd(), errno, false};
        fd = ops.open(file, access | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd >= 0) {
            io::Fd owned(fd);
            ops.fsync(fd);
            files::syncFolder(file.parent_path());
            return {std::move(owned), 0, true};
        }
        if (errno != EEXIST)
            return {io::Fd(), errno, true};
        // Someone else created it meanwhile: open theirs.
    }
    return {io::Fd(), EEXIST, true};
}

[[noreturn]] void failWrite(const fs::path& file, int err, bool wasMissing) {
    std::string hint;
    if (wasMissing)
        hint = io::folderHint(file.parent_path(), err, ProgramFolder);
    else if (err == EACCES || err == EPERM)
        hint = "The key file is read-only.";
    io::fail("Cannot write the key file ", file, err, hint);
}

// Nothing when the file is missing and cannot be created: the program must still start.
std::optional<Records> readForLookup(const fs::path& file) {
    Opened opened = openKeyFile(file, O_RDONLY);
    if (!opened.fd) {
        if (opened.wasMissing)
            return std::nullopt;
        io::fail("Cannot read the key file ", file, opened.err);
    }
    std::string data;
    if (int err = io::readAll(opened.fd.get(), data))
        io::fail("Cannot read the key file ", file, err);
    return Records(std::move(data));
}

} // namespace

KeyFile::KeyFile(fs::path folder, const CodePage& codePage)
    : folder_(std::move(folder)), codePage_(codePage) {}

fs::path KeyFile::path() const {
    return folder_ / "key.dat";
}

std::vector<std::string> KeyFile::listKeyNames() const {
    std::vector<std::string> names;
    auto records = readForLookup(path());
    if (!records)
        return names;
    names.reserve(static_cast<size_t>(records->count));
    for (int64_t i = 0; i < records->count; ++i)
        names.push_back(codePage_.decode(trimBlanks(records->name(i))));
    return names;
}

std::optional<std::string> KeyFile::findKeyByName(std::string_view name) const {
    auto records = readForLookup(path());
    if (!records)
        return std::nullopt;
    for (int64_t i = 0; i < records->count; ++i)
        if (codePage_.decode(trimBlanks(records->name(i))) == name)
            return codePage_.decode(trimBlanks(records->key(i)));
    return std::nullopt;
}

void KeyFile::storeKey(std::string_view name, std::string_view key) {
    // Refused before the file is touched.
    const std::string record = field(encodeChecked(codePage_, name), NameWidth) +
                               field(encodeChecked(codePage_, key), KeyWidth);
    const fs::path file = path();
    Opened opened = openKeyFile(file, O_RDWR);
    if (!opened.fd)
        failWrite(file, opened.err, opened.wasMissing);
    const int fd = opened.fd.get();
    std::string original;
    if (int err = io::readAll(fd, original))
        io::fail("Cannot read the key file ", file, err);
    const Records records(original);

    // Case-insensitive, the stored name trimmed but the given one not. No code point
    // lower-cases to a blank, so trimming the stored bytes first gives the same answer.
    const std::string wanted = lowerCase(name);
    int64_t position = records.count; // a wide position: records past 32767 are ordinary
    for (int64_t i = 0; i < records.count; ++i) {
        if (lowerCase(codePage_.decode(trimBlanks(records.name(i)))) == wanted) {
            position = i;
            break;
        }
    }

    // A short last record is completed with the blanks it reads as, so it keeps its name.
    long long offset = static_cast<long long>(position) * RecordSize;
    std::string bytes = record;
    if (static_cast<long long>(original.size()) < offset) {
        bytes.insert(0, static_cast<size_t>(offset) - original.size(), Blank);
        offset = static_cast<long long>(original.size());
    }

    int err = io::writeAt(fd, bytes, offset);
    if (err == 0 && fileOps().fsync(fd) != 0)
        err = errno;
    if (err != 0) {
        // Put back what was there so the file stays as it was.
        if (offset < static_cast<long long>(original.size()))
            io::writeAt(
                fd, std::string_view(original).substr(static_cast<size_t>(offset), bytes.size()),
                offset);
        if (::ftruncate(fd, static_cast<off_t>(original.size())) == 0)
            fileOps().fsync(fd);
        failWrite(file, err, false);
    }
}

void KeyFile::removeKeysByName(std::string_view name) {
    const fs::path file = path();
    Opened opened = openKeyFile(file, O_RDONLY);
    if (!opened.fd)
        failWrite(file, opened.err, opened.wasMissing);
    std::string data;
    if (int err = io::readAll(opened.fd.get(), data))
        io::fail("Cannot read the key file ", file, err);
    opened.fd.close();

    const Records records(std::move(data));
    std::string kept;
    kept.reserve(records.bytes.size());
    for (int64_t i = 0; i < records.count; ++i)
        if (codePage_.decode(trimBlanks(records.name(i))) != name)
            kept += records.record(i);
    io::replaceFile(file, folder_ / "key.tmp", kept, "Cannot write the key file ", ProgramFolder);
}

SaveResult saveKey(KeyFile& file, std::string_view name, std::string_view key) {
    if (name.empty() || key.empty())
        return {false, msg::MissingData};
    if (key.find('0') != std::string_view::npos)
        return {false, msg::KeyHasZero};
    // A key that "Process" would refuse is no use stored.
    if (!usableAsStrides(expandKey(key)))
        return {false, talvora::msg::KeyUnusable};
    file.storeKey(name, key);
    return {true, msg::KeySaved};
}

std::string msg::removeQuestion(std::string_view name) {
    return "Are you sure you want to remove the Key " + std::string(name) + "?";
}

} // namespace talvora::keys
