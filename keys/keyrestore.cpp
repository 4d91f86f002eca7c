#include "keyrestore.h"

#include "keyfile.h"

#include <map>
#include <set>

namespace fs = std::filesystem;

namespace talvora::keys {

std::vector<RestoreLoss> keysLostByRestore(const fs::path& programFolder, const fs::path& source,
                                           const CodePage& codePage) {
    // Listing would create an empty key file in the user's folder.
    std::error_code ec;
    if (!fs::exists(source / "key.dat", ec))
        return {};
    // A lookup takes the first record of a name.
    std::map<std::string, std::string> incoming;
    for (KeyFile::Stored& k : KeyFile(source, codePage).listKeys())
        incoming.emplace(std::move(k.name), std::move(k.key));
    std::set<std::string> seen;
    std::vector<RestoreLoss> lost;
    for (KeyFile::Stored& k : KeyFile(programFolder, codePage).listKeys()) {
        if (!seen.insert(k.name).second)
            continue;
        const auto other = incoming.find(k.name);
        if (other == incoming.end())
            lost.push_back({std::move(k.name), false});
        else if (other->second != k.key)
            lost.push_back({std::move(k.name), true});
    }
    return lost;
}

std::string msg::restoreQuestion(const std::vector<RestoreLoss>& losses) {
    constexpr size_t Named = 10;
    std::string text = "Restoring the key file of the chosen folder loses or changes " +
                       std::to_string(losses.size()) +
                       (losses.size() == 1 ? " key" : " keys") + " stored now:\n";
    for (size_t i = 0; i < losses.size() && i < Named; ++i)
        text += "- " + losses[i].name + (losses[i].changed ? " (another key)\n" : " (lost)\n");
    if (losses.size() > Named)
        text += "and " + std::to_string(losses.size() - Named) + " more.\n";
    return text + "Restore anyway?";
}

} // namespace talvora::keys
