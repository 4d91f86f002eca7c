#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace talvora::files {

// Whole-file read; throws Error naming the file and the reason.
std::string read(const std::filesystem::path& path);

// Replaces path in one step: the bytes go to a temporary file beside it, are
// flushed to disk, then renamed over the target. A failure leaves the target as it was.
// A new file gets owner-only permissions when ownerOnly is set; a rewrite keeps the
// existing file's permissions.
void writeAtomic(const std::filesystem::path& path, std::string_view bytes, bool ownerOnly = false);

// Appends bytes to an existing file and flushes it; throws Error when it is missing or not writable.
void appendExisting(const std::filesystem::path& path, std::string_view bytes);

// Flushes a folder's entries, so a rename into it survives a crash.
void syncFolder(const std::filesystem::path& folder);

// "the reason" part of a message, from errno.
std::string reason(int err);
std::string describe(const std::filesystem::path& path);
// Throws FileError: what + the quoted path + ": " + the reason.
[[noreturn]] void fail(const char* what, const std::filesystem::path& path, int err);

} // namespace talvora::files
