#pragma once

#include "wordlist.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace talvora {

class CodePage;
class Keyspace;

// Reads a dictionary file: one entry per line, lower-cased. Throws Error naming the file
// and the reason when it cannot be read, is empty, has more lines than the keyspace holds or
// a line holds a byte the code page leaves unassigned; with unassignedRows such lines are
// read as they are and their rows listed there instead.
WordList readDictionary(const std::filesystem::path& path, const CodePage& codePage,
                        std::vector<uint32_t>* unassignedRows = nullptr);

// Reads the file completely, then replaces the loaded dictionary; on failure the keyspace
// keeps what it held.
void loadDictionary(Keyspace& keyspace, const std::filesystem::path& path, const CodePage& codePage);

// Rows whose word begins with the lower-cased text, ascending. Empty text finds nothing.
std::vector<uint32_t> searchDictionary(const WordList& words, std::string_view text);

enum class AddOutcome { NoWord, AlreadyPresent, Added, Refused };
namespace msg {
inline const std::string WordHasLineBreak =
    "A word cannot hold a line break: it would become two lines of the dictionary.  Nothing "
    "was added.";
std::string neverAToken(std::string_view word, const std::string& why);
} // namespace msg
struct AddResult {
    AddOutcome outcome;
    std::string message; // the message the window shows
};
// Appends the lower-cased text to the dictionary file unless it is empty, a loaded word or
// holds CR or LF (Refused). Throws Error when the file is gone, unwritable or larger than
// files::MaxDictionaryBytes or the code page cannot hold the word; a failed append is cut
// back, so the file is exactly as before.
AddResult addDictionaryWord(const Keyspace& keyspace, const std::filesystem::path& path,
                            std::string_view text, const CodePage& codePage);

// Why no text could ever give word as one token (it holds a blank or a separator), or
// nothing when one could. Add refuses such a word too.
std::optional<std::string> whyNeverAToken(std::string_view word);

// Entries that cannot come back unchanged through encoding and decoding.
struct DictionaryCheck {
    struct Entry {
        uint32_t row;
        std::string why; // "empty", "repeats line 3", or whyNeverAToken's reason
    };
    uint32_t empty = 0;
    uint32_t duplicated = 0;     // rows repeating an earlier row's word
    uint32_t withSeparator = 0;  // holding a blank or a separator character
    uint32_t withUnassigned = 0; // holding a byte the code page leaves unassigned
    uint32_t unusable = 0;       // rows with any of the above, each counted once
    std::vector<Entry> entries;  // the unusable rows, ascending
};
// unassignedRows: as readDictionary lists them, ascending.
DictionaryCheck checkDictionary(const WordList& words,
                                const std::vector<uint32_t>& unassignedRows = {});

// First 16 hex digits of the SHA-256 of the entries joined by LF (UTF-8).
std::string dictionaryFingerprint(const WordList& words);

} // namespace talvora
