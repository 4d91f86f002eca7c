#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

namespace talvora {

class CodePage;

namespace keys {

// Names of the keys in programFolder's key.dat (one per record, file order) whose name no
// record of source's key.dat carries: what "Restore Keys" from source would drop. Empty
// when source holds no key file (the restore itself then refuses).
std::vector<std::string> keysLostByRestore(const std::filesystem::path& programFolder,
                                           const std::filesystem::path& source,
                                           const CodePage& codePage);

namespace msg {
inline const std::string RestoreTitle = "Restore Confirm";
// "The key file in the chosen folder lacks N of the keys stored now.  ..."
std::string restoreQuestion(size_t lost);
} // namespace msg

} // namespace keys
} // namespace talvora
