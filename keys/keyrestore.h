#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

namespace talvora {

class CodePage;

namespace keys {

// A stored key that "Restore Keys" would take away: the copy lacks its name, or holds
// another key under it.
struct RestoreLoss {
    std::string name;
    bool changed = false;
    bool operator==(const RestoreLoss&) const = default;
};

// The names of programFolder's key.dat (each once, file order) that a restore from source
// would lose or give another key, as a lookup by name finds them. Empty when source holds
// no key file (the restore itself then refuses).
std::vector<RestoreLoss> keysLostByRestore(const std::filesystem::path& programFolder,
                                           const std::filesystem::path& source,
                                           const CodePage& codePage);

namespace msg {
inline const std::string RestoreTitle = "Restore Confirm";
// Names the first ten losses, then counts the rest.
std::string restoreQuestion(const std::vector<RestoreLoss>& losses);
} // namespace msg

} // namespace keys
} // namespace talvora
