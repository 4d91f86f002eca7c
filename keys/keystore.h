#pragma once

// Shared by the key file operations: where they write and how they clean up.

#include "files.h"

#include <filesystem>

namespace talvora::keys::store {

inline constexpr int WipeRounds = 21;
inline constexpr char WipeByte = '@';
// A key file is far smaller; the limit keeps a stray huge file from being read whole.
inline constexpr uint64_t MaxKeyFileBytes = files::MaxDictionaryBytes;

// How every change of a key file is written: the safe replace with the old bytes
// overwritten afterwards.
files::ReplaceOptions keyFileWrite(const char* folderLabel);

// Overwrites and deletes the scratch files that an interrupted key command left beside the
// key file (and beside its link target). The caller holds the folder lock, so no running
// command owns them.
void finishInterrupted(const std::filesystem::path& keyFile);
bool hasLeftovers(const std::filesystem::path& keyFile);

} // namespace talvora::keys::store
