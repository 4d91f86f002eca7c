#pragma once

// What decides whether a key command must ask before it changes or loses a stored key,
// and the questions it asks. Every question defaults to No.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace talvora::keys {

class KeyFile;

// The listed name of the record to which saving key under name would give another key
// (the record "Save" replaces); nothing when no name matches or its key is the same.
std::optional<std::string> nameSaveWouldChange(const KeyFile& file, std::string_view name,
                                               std::string_view key);

// Whether a transfer to target would replace a key.dat there that differs from ours (or
// cannot be read to tell). False when there is none, or no key file of ours to copy.
bool transferWouldReplaceOther(const std::filesystem::path& programFolder,
                               const std::filesystem::path& target);

// Characters of a UTF-8 text.
size_t characterCount(std::string_view utf8Text);

namespace msg {
inline const std::string ReplaceTitle = "Save Confirm";
// "A key named NAME is stored. Replace its key?"
std::string replaceQuestion(std::string_view storedName);
inline const std::string TransferTitle = "Transfer Confirm";
std::string transferQuestion(const std::filesystem::path& targetFile);
// "No key named NAME is stored."
std::string noSuchKey(std::string_view name);
std::string keyTooLong(size_t characters);
} // namespace msg

} // namespace talvora::keys
