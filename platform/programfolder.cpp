#include "programfolder.h"

#include "oscalls.h"

namespace talvora {

std::filesystem::path programFolder() {
    auto folder = os::executableFolder();
    return folder.empty() ? std::filesystem::current_path() : folder;
}

} // namespace talvora
