#include "dictionaryfile.h"

#include "codepage.h"
#include "error.h"
#include "files.h"
#include "keyspace.h"
#include "text.h"
#include "textlines.h"
#include "tokenizer.h"

#include <openssl/evp.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>

namespace fs = std::filesystem;

namespace talvora {

namespace {

[[noreturn]] void refuse(const fs::path& path, const std::string& why) {
    throw Error("Cannot load the dictionary " + files::describe(path) + ": " + why + ".");
}

} // namespace

namespace {

// Each byte's character, already lower-cased, as UTF-8: one character, at most four bytes.
struct LoweredByte {
    char utf8[4];
    uint8_t size;
    bool unassigned;
};
using Lowered = std::array<LoweredByte, 256>;
Lowered loweredBytes(const CodePage& codePage) {
    Lowered lowered{};
    for (int b = 0; b < 256; ++b) {
        const auto byte = static_cast<unsigned char>(b);
        const std::string s = toLower(codePage.charOf(byte));
        LoweredByte& e = lowered[byte];
        e.size = static_cast<uint8_t>(std::min(s.size(), sizeof e.utf8));
        std::memcpy(e.utf8, s.data(), e.size);
        e.unassigned = !codePage.isAssigned(byte);
    }
    return lowered;
}

void appendLowered(std::string& out, std::string_view line, const Lowered& lowered) {
    for (char c : line) {
        const LoweredByte& e = lowered[static_cast<unsigned char>(c)];
        out.append(e.utf8, e.size);
    }
}

std::optional<unsigned char> unassignedByte(std::string_view line, const CodePage& codePage) {
    for (char c : line)
        if (!codePage.isAssigned(static_cast<unsigned char>(c)))
            return static_cast<unsigned char>(c);
    return std::nullopt;
}

} // namespace

WordList readDictionary(const fs::path& path, const CodePage& codePage,
                        std::vector<uint32_t>* unassignedRows) {
    LargeString bytes;
    try {
        // The limit keeps the word buffer's 32-bit offsets safe.
        bytes = files::readLarge(path, files::MaxDictionaryBytes);
    } catch (const FileError& e) {
        refuse(path, e.reason());
    }
    if (bytes.empty())
        refuse(path, "the file is empty");

    const Lowered lowered = loweredBytes(codePage);
    // A first pass counts the lines and the words' bytes, so that the second writes both
    // arrays in place, without growing them.
    uint32_t lines = 0;
    size_t size = 0;
    bool tooMany = false;
    std::optional<std::pair<uint32_t, unsigned char>> unassigned;
    forEachLine(bytes, [&](std::string_view line) {
        if (tooMany || unassigned)
            return;
        if (++lines > Keyspace::Capacity) {
            tooMany = true;
            return;
        }
        bool odd = false;
        for (char c : line) {
            const LoweredByte& e = lowered[static_cast<unsigned char>(c)];
            size += e.size;
            odd |= e.unassigned;
        }
        // Such a byte reads as a stand-in character that lower-casing may turn into one the
        // code page cannot write: the word could never be written out.
        if (odd) {
            if (!unassignedRows)
                unassigned.emplace(lines, *unassignedByte(line, codePage));
            else
                unassignedRows->push_back(lines);
        }
    });
    if (unassigned) {
        char hex[8];
        std::snprintf(hex, sizeof hex, "0x%02X", unassigned->second);
        refuse(path, "line " + std::to_string(unassigned->first) + " holds the byte " + hex +
                         ", which the code page " + codePage.name() + " leaves unassigned");
    }
    if (tooMany)
        refuse(path, "it has more than 655000 lines");

    WordList words;
    // Room for a whole four-byte copy at the last character.
    words.reserve(lines, size + sizeof(LoweredByte::utf8));
    LargeString& buffer = words.buffer();
    buffer.resize(size + sizeof(LoweredByte::utf8));
    char* const begin = buffer.data();
    char* out = begin;
    forEachLine(bytes, [&](std::string_view line) {
        for (char c : line) {
            const LoweredByte& e = lowered[static_cast<unsigned char>(c)];
            std::memcpy(out, e.utf8, sizeof e.utf8);
            out += e.size;
        }
        words.endWord(static_cast<size_t>(out - begin));
    });
    buffer.resize(size);
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
    // A byte the code page leaves unassigned would make the file refused at the next load.
    if (auto b = unassignedByte(encoded, codePage))
        throw Error("Cannot add the word: " +
                    unencodableMessage(codePage.codePointOf(*b), codePage.name()));
    // The file as it is now, not as loaded: another program may have added meanwhile.
    bool present = false;
    const Lowered lowered = loweredBytes(codePage);
    files::appendChecked(path, files::MaxDictionaryBytes, [&](std::string_view current) {
        std::string line;
        forEachLine(current, [&](std::string_view raw) {
            line.clear();
            appendLowered(line, raw, lowered);
            present = present || line == w;
        });
        if (present)
            return std::string();
        // Keep the file's own line ends, and never join the word to an unfinished last line.
        const bool lfFile = current.find('\r') == std::string_view::npos &&
                            current.find('\n') != std::string_view::npos;
        const std::string lineEnd = lfFile ? "\n" : "\r\n";
        std::string addition;
        if (!current.empty() && current.back() != '\n' && current.back() != '\r')
            addition = lineEnd;
        return addition + encoded + lineEnd;
    });
    if (present)
        return {AddOutcome::AlreadyPresent, "That word is already in the dictionary."};
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

DictionaryCheck checkDictionary(const WordList& words,
                                const std::vector<uint32_t>& unassignedRows) {
    RowIndex index;
    index.build(words);
    DictionaryCheck check;
    for (uint32_t r = 1; r <= words.size(); ++r) {
        std::string_view w = words[r];
        bool empty = w.empty();
        const uint32_t first = empty ? r : index.find(w);
        bool duplicate = first != r;
        std::optional<std::string> why = whyNeverAToken(w);
        const bool unassigned =
            std::binary_search(unassignedRows.begin(), unassignedRows.end(), r);
        check.empty += empty;
        check.duplicated += duplicate;
        check.withSeparator += why.has_value();
        check.withUnassigned += unassigned;
        if (empty || duplicate || why || unassigned) {
            ++check.unusable;
            check.entries.push_back({r, empty        ? std::string("empty")
                                        : why        ? *why
                                        : unassigned ? std::string("it holds a byte the code page leaves unassigned")
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
