#pragma once

#include <filesystem>

namespace talvora {

// The folder holding the running executable: dictionaries, help pages and the key file live there.
std::filesystem::path programFolder();

} // namespace talvora
