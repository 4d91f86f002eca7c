#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace talvora {

class Keyspace;

// What a window shows while a command runs. Each callback is optional and is called at the
// moment the command reaches that point, so a status text can be painted at once and a
// message box can be answered before the command goes on.
struct Feedback {
    std::function<void(const std::string&)> status;  // the main status line
    std::function<void(const std::string&)> message; // a message box with OK
    std::function<void(bool)> busy;                  // wait pointer on / off
    std::function<void(bool)> progressVisible;
    std::function<void(int)> progress; // 0..99, only when it changes
};

// A word of the text that the dictionary (encoding) or the coded column (decoding) lacks.
struct MissingWord {
    std::string word;
    uint32_t count = 0; // occurrences
};

// Everything a command reported, in order, besides the live callbacks.
struct CommandResult {
    bool started = false; // passed its entry checks
    std::vector<std::string> statuses;
    // Every message. Encoding shows a missing word's message live only when it is the one
    // missing occurrence; more are listed at once from missing instead of box after box.
    std::vector<std::string> messages;
    std::optional<std::string> output; // new text of the output box, when it is replaced
    int32_t notFound = 0;              // decoding: tokens that matched no word
    std::vector<MissingWord> missing;  // distinct missing words in text order
    std::vector<uint32_t> rows;        // encoding: each slot's dictionary row, 0 when empty
};

namespace msg {
inline const std::string KeyNotDefined =
    "Key has not been defined.  Either Select a Key, define a Key or generate one.";
inline const std::string NoDictionaryForProcess = "Cannot this this until you have loaded a Dictionary.";
inline const std::string KeyUnusable =
    "This key cannot be used.  Use a key made of the digits 1 to 9, or generate one.";
inline const std::string MissingInput = "Missing Input Text error.";
inline const std::string DictionaryNotLoaded = "Dictionary not loaded.  Please select a dictionary.";
inline const std::string KeyNotProcessed =
    "You must first define the key to use and Process the key before you can proceed.";
std::string wordNotFound(std::string_view word);
// After Decode: how many coded words were left out, and which (up to ten named).
std::string codedWordsNotFound(int32_t count, const std::vector<MissingWord>& words);
} // namespace msg

namespace status {
inline const std::string CreatingKeyspace = "Creating Keyspace...";
inline const std::string KeyspaceReady = "Dictionary is ready for cryption.";
inline const std::string Parsing = "Parsing Text...";
inline const std::string Checking = "Checking with Dictionary...";
inline const std::string Encoding = "Encoding...";
inline const std::string Decoding = "Decoding...";
} // namespace status

// "Process": builds column 2 from the key text exactly as the key box holds it.
CommandResult processKey(Keyspace& keyspace, std::string_view key, const Feedback& feedback = {});
// "Encode" and "Decode" of the input text (UTF-8, line breaks as CR LF).
CommandResult encodeText(Keyspace& keyspace, std::string_view text, const Feedback& feedback = {});
CommandResult decodeText(Keyspace& keyspace, std::string_view text, const Feedback& feedback = {});

} // namespace talvora
