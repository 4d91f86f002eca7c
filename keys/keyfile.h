#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace talvora {

class CodePage;

namespace keys {

inline constexpr size_t NameWidth = 40;
inline constexpr size_t KeyWidth = 18;
inline constexpr size_t RecordSize = NameWidth + KeyWidth;

// The stored keys: "key.dat" in the program folder, 58-byte records (name 40, key 18,
// blank-padded, code-page bytes, no header). Every operation opens, works and closes.
// Failures throw talvora::Error naming the file and the reason; the file stays as it was.
// Every change holds the program folder's lock from its read to its rename, so two
// programs (window and command line) never lose each other's changes; a symbolic link is
// followed, a key file with other hard links or a read-only one is refused, and the
// replaced file's old bytes are overwritten.
class KeyFile {
  public:
    KeyFile(std::filesystem::path folder, const CodePage& codePage);

    std::filesystem::path path() const;

    // Trimmed names in file order, duplicates and empty names included.
    std::vector<std::string> listKeyNames() const;
    // Trimmed key of the first record whose trimmed name equals name exactly.
    std::optional<std::string> findKeyByName(std::string_view name) const;
    // Trimmed names with their trimmed keys, in file order.
    struct Stored {
        std::string name, key;
    };
    std::vector<Stored> listKeys() const;
    // Replaces the first record matching name regardless of case, else appends.
    void storeKey(std::string_view name, std::string_view key);
    // Drops every record whose trimmed name equals name exactly.
    void removeKeysByName(std::string_view name);

  private:
    std::filesystem::path folder_;
    const CodePage& codePage_;
};

// 18 digits 1 to 9 from the operating system's random source.
std::string generateKey();

namespace msg {
inline const std::string MissingData = "Missing Data.  Enter a Name and a Key or generate one.";
inline const std::string KeyHasZero =
    "Key cannot contain a zero.  Change the zero to numeric digit.";
inline const std::string KeySaved = "Key Saved";
inline const std::string RemoveTitle = "Remove Confirm";
// "Are you sure you want to remove the Key NAME?"
std::string removeQuestion(std::string_view name);
inline const std::string DeleteTitle = "Key Delete Confirm";
inline const std::string DeleteQuestion =
    "Please make certain that you transfer the key file before deleting it.  Are you sure you "
    "want to delete the Key File?";
inline const std::string KeysTransferred = "Keys Transferred.";
inline const std::string KeysRestored = "Keys Restored.";
inline const std::string KeyFileDeleted = "Key File is deleted.  No Cryptions are now possible.";
inline const std::string NameHasControl =
    "A key name cannot hold a control character (a line break, a tab or an escape).  Type the "
    "name without it.";
} // namespace msg

// "Save": the checks, then storeKey. Returns the message to show; saved tells whether the
// key file changed (the key list is then reloaded). A name stored with another key is
// replaced only with replace set; without it the message is the question to ask first.
struct SaveResult {
    enum Kind { Saved, Refused, KeyTooLong, AskReplace };
    bool saved = false;
    std::string message;
    Kind kind = Refused;
};
SaveResult saveKey(KeyFile& file, std::string_view name, std::string_view key, bool replace = false);

// Whole-file copies of "key.dat" between the program folder and another folder, by the
// same safe replace as every other change.
void transferKeyFile(const std::filesystem::path& programFolder,
                     const std::filesystem::path& target);
void restoreKeyFile(const std::filesystem::path& programFolder,
                    const std::filesystem::path& source);
// Overwrites the key file's bytes 21 times, then deletes it. It works under a scratch
// name, so an interrupted wipe leaves no key file of '@' names; the next change of the
// key file (or wipe) finishes it, and overwrites other leftover scratch files too.
void wipeKeyFile(const std::filesystem::path& programFolder);

} // namespace keys
} // namespace talvora
