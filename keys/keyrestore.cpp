#include "keyrestore.h"

#include "keyfile.h"

#include <algorithm>

namespace fs = std::filesystem;

namespace talvora::keys {

std::vector<std::string> keysLostByRestore(const fs::path& programFolder, const fs::path& source,
                                           const CodePage& codePage) {
    // Listing would create an empty key file in the user's folder.
    std::error_code ec;
    if (!fs::exists(source / "key.dat", ec))
        return {};
    std::vector<std::string> incoming = KeyFile(source, codePage).listKeyNames();
    std::sort(incoming.begin(), incoming.end());
    std::vector<std::string> lost;
    for (std::string& name : KeyFile(programFolder, codePage).listKeyNames())
        if (!std::binary_search(incoming.begin(), incoming.end(), name))
            lost.push_back(std::move(name));
    return lost;
}

std::string msg::restoreQuestion(size_t lost) {
    return "The key file in the chosen folder lacks " + std::to_string(lost) +
           " of the keys stored now.  Restoring it will lose them.  Restore anyway?";
}

} // namespace talvora::keys
