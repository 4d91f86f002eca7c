#pragma once

// Shared by the key file operations: where they write and how they clean up.

#include "files.h"

#include <filesystem>

namespace talvora::keys::store {

inline constexpr int WipeRounds = 21;
inline constexpr char WipeByte = '@';
// 16 MB is some 290000 keys, far more than anyone stores; a larger file is refused before
// it is read, so a stray huge file cannot exhaust memory.
inline constexpr uint64_t MaxKeyFileBytes = uint64_t{16} << 20;

// How every change of a key file is written: the safe replace with the old bytes
// overwritten afterwards.
files::ReplaceOptions keyFileWrite(const char* folderLabel);

// The lock of the folder where the key file really lives (a symbolic link followed): two
// program folders whose key.dat link to one file then take the same lock.
class KeyFileLock {
  public:
    explicit KeyFileLock(const std::filesystem::path& keyFile, int waitSeconds = 20,
                         files::FolderLock::Mode mode = files::FolderLock::Exclusive)
        : lock_(files::resolveLinks(keyFile).parent_path(), waitSeconds, mode) {}

  private:
    files::FolderLock lock_;
};

// Overwrites and deletes the scratch files that an interrupted key command left beside the
// key file (and beside its link target): the old bytes of a replaced key file included.
// The caller holds the KeyFileLock; files::shred leaves alone what a running program holds.
// Throws Error naming the folder when it cannot be listed.
void finishInterrupted(const std::filesystem::path& keyFile);
bool hasLeftovers(const std::filesystem::path& keyFile);

} // namespace talvora::keys::store
