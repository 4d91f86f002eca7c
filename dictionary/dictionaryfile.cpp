#include "dictionaryfile.h"

#include "codepage.h"
#include "error.h"
#include "files.h"
#include "keyspace.h"
#include "text.h"
#include "textlines.h"
#include "tokenizer.h"

#include <openssl/evp.h>

#include <array>
#include <memory>

namespace fs = std::filesystem;

namespace talvora {

namespace {

[[noreturn]] void refuse(const fs::path& path, const std::string& why) {
    throw Error("Cannot load the dictionary " + files::describe(path) + ": " + why + ".");
}

} // namespace

WordList readDictionary(const fs::path& path, const CodePage& codePage) {
    std::string bytes;
    try {
        // The limit keeps the word buffer's 32-bit offsets safe.
        bytes = files::read(path, files::MaxDictionaryBytes);
    } catch (const FileError& e) {
        refuse(path, e.reason());
    }
    if (bytes.empty())
        refuse(path, "the file is empty");

    // Each byte's character, already lower-cased, as UTF-8.
    std::array<std::string, 256> lowered;
    for (int b = 0; b < 256; ++b)
        lowered[b] = toLower(codePage.charOf(static_cast<unsigned char>(b)));

    WordList words;
    words.reserve(bytes.size() / 8 + 1, bytes.size() + bytes.size() / 16);
    std::string& buffer = words.buffer();
    uint32_t lines = 0;
    bool tooMany = false;
    forEachLine(bytes, [&](std::string_view line) {
        if (tooMany || ++lines > Keyspace::Capacity) {
            tooMany = true;
            return;
        }
        for (char c : line) {
            auto u = static_cast<unsigned char>(c);
            if (u < 0x80 && lowered[u].size() == 1)
                buffer += lowered[u][0];
            else
                buffer += lowered[u];
        }
        words.endWord();
    });
    if (tooMany)
        refuse(path, "it has more than 655000 lines");
    return words;
}

void loadDictionary(Keyspace& keyspace, const fs::path& path, const CodePage& codePage) {
    keyspace.load(readDictionary(path, codePage));
}

std::vector<uint32_t> searchDictionary(const WordList& words, std::string_view text) {
    std::vector<uint32_t> rows;
    if (text.empty())
        return rows;
    const std::string s = toLower(text);
    for (uint32_t r = 1; r <= words.size(); ++r)
        if (words[r].starts_with(s))
            rows.push_back(r);
    return rows;
}

AddResult addDictionaryWord(const Keyspace& keyspace, const fs::path& path, std::string_view text,
                            const CodePage& codePage) {
    if (text.empty())
        return {AddOutcome::NoWord, "No Word defined to Add"};
    const std::string w = toLower(text);
    if (keyspace.findWord(w) != 0)
        return {AddOutcome::AlreadyPresent, "That word is already in the dictionary."};
    // It would become two entries, or change how the whole file's lines read.
    if (text.find_first_of("\r\n") != std::string_view::npos)
        return {AddOutcome::Refused, msg::WordHasLineBreak};
    if (auto why = whyNeverAToken(w))
        return {AddOutcome::Refused, msg::neverAToken(text, *why)};
    std::string encoded;
    try {
        encoded = codePage.encode(w);
    } catch (const Error& e) {
        throw Error(std::string("Cannot add the word: ") + e.what());
    }
    std::string current;
    try {
        current = files::read(path, files::MaxDictionaryBytes);
    } catch (const FileError& e) {
        throw Error("Cannot add to " + files::describe(path) + ": " + e.reason() + ".");
    }
    // Keep the file's own line ends, and never join the word to an unfinished last line.
    const bool lfFile = current.find('\r') == std::string::npos &&
                        current.find('\n') != std::string::npos;
    const std::string lineEnd = lfFile ? "\n" : "\r\n";
    std::string addition;
    if (!current.empty() && current.back() != '\n' && current.back() != '\r')
        addition = lineEnd;
    addition += encoded;
    addition += lineEnd;
    files::append(path, addition);
    return {AddOutcome::Added, std::string(text) + " Added."};
}

std::optional<std::string> whyNeverAToken(std::string_view word) {
    if (word.find(' ') != std::string_view::npos)
        return "it holds a blank, and a text is cut into words at every blank";
    // Separators are ASCII, so a byte of a longer character never matches one.
    for (char c : word)
        if (isSeparator(static_cast<unsigned char>(c)))
            return std::string("it holds \"") + c + "\", which is dropped from every text";
    return std::nullopt;
}

std::string msg::neverAToken(std::string_view word, const std::string& why) {
    return "\"" + std::string(word) + "\" cannot be a word of the dictionary: " + why +
           ", so it could never be encoded.  Nothing was added.";
}

DictionaryCheck checkDictionary(const WordList& words) {
    RowIndex index;
    index.build(words);
    DictionaryCheck check;
    for (uint32_t r = 1; r <= words.size(); ++r) {
        std::string_view w = words[r];
        bool empty = w.empty();
        const uint32_t first = empty ? r : index.find(w);
        bool duplicate = first != r;
        std::optional<std::string> why = whyNeverAToken(w);
        check.empty += empty;
        check.duplicated += duplicate;
        check.withSeparator += why.has_value();
        if (empty || duplicate || why) {
            ++check.unusable;
            check.entries.push_back({r, empty       ? std::string("empty")
                                        : why       ? *why
                                                    : "repeats line " + std::to_string(first)});
        }
    }
    return check;
}

std::string dictionaryFingerprint(const WordList& words) {
    std::unique_ptr<EVP_MD_CTX, decltype(&EVP_MD_CTX_free)> ctx(EVP_MD_CTX_new(), EVP_MD_CTX_free);
    EVP_DigestInit_ex(ctx.get(), EVP_sha256(), nullptr);
    for (uint32_t r = 1; r <= words.size(); ++r) {
        if (r > 1)
            EVP_DigestUpdate(ctx.get(), "\n", 1);
        std::string_view w = words[r];
        EVP_DigestUpdate(ctx.get(), w.data(), w.size());
    }
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int len = 0;
    EVP_DigestFinal_ex(ctx.get(), digest, &len);
    static const char* hex = "0123456789abcdef";
    std::string out;
    for (unsigned i = 0; i < 8 && i < len; ++i) {
        out += hex[digest[i] >> 4];
        out += hex[digest[i] & 15];
    }
    return out;
}

} // namespace talvora
