#include "error.h"
#include "fileops.h"
#include "files.h"
#include "keyfile.h"
#include "keyio.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace talvora::keys {

namespace {

constexpr int WipeRounds = 21;
constexpr char WipeByte = '@';

bool sameFolder(const fs::path& a, const fs::path& b) {
    std::error_code ec;
    if (fs::equivalent(a, b, ec))
        return true;
    auto ca = fs::weakly_canonical(a, ec);
    if (ec)
        return false;
    auto cb = fs::weakly_canonical(b, ec);
    return !ec && ca == cb;
}

bool isFolder(const fs::path& p) {
    std::error_code ec;
    return fs::is_directory(p, ec);
}

// The whole of folder/key.dat; nullopt when there is none.
std::optional<std::string> readKeyFile(const fs::path& folder) {
    const fs::path file = folder / "key.dat";
    int raw = fileOps().open(file, O_RDONLY | O_CLOEXEC, 0);
    if (raw < 0) {
        if (errno == ENOENT)
            return std::nullopt;
        io::fail("Cannot read the key file ", file, errno);
    }
    io::Fd fd(raw);
    std::string data;
    if (int err = io::readAll(fd.get(), data))
        io::fail("Cannot read the key file ", file, err);
    return data;
}

} // namespace

void transferKeyFile(const fs::path& programFolder, const fs::path& target) {
    if (!isFolder(target))
        throw Error("Cannot transfer the key file: the folder " + files::describe(target) +
                    " does not exist.");
    if (sameFolder(programFolder, target))
        throw Error("Cannot transfer the key file to " + files::describe(target) +
                    ": it is the program folder, the file would be copied onto itself.");
    auto data = readKeyFile(programFolder);
    if (!data)
        throw Error("There is no key file to transfer: " +
                    files::describe(programFolder / "key.dat") + " does not exist.");
    io::replaceFile(target / "key.dat", target / "key.tmp", *data, "Cannot write the key file ",
                    "The folder");
}

// Restoring from the program folder itself is refused: there is nothing to do.
void restoreKeyFile(const fs::path& programFolder, const fs::path& source) {
    if (!isFolder(source))
        throw Error("Cannot restore the key file: the folder " + files::describe(source) +
                    " does not exist.");
    if (sameFolder(programFolder, source))
        throw Error("Cannot restore the key file from " + files::describe(source) +
                    ": it is the program folder itself, there is nothing to restore.");
    auto data = readKeyFile(source);
    if (!data)
        throw Error("There is no key file to restore in " + files::describe(source) +
                    "; the key file was not changed.");
    io::replaceFile(programFolder / "key.dat", programFolder / "key.tmp", *data,
                    "Cannot write the key file ", "The program folder");
}

void wipeKeyFile(const fs::path& programFolder) {
    auto& ops = fileOps();
    const fs::path file = programFolder / "key.dat";
    const char* what = "Cannot delete the key file ";
    constexpr const char* Untouched = " Nothing was done.";

    // Overwriting a file that cannot then be deleted would only ruin it.
    if (::access(programFolder.c_str(), W_OK) != 0) {
        int err = errno;
        io::fail(what, file, err,
                 io::folderHint(programFolder, err, "The program folder") + Untouched);
    }

    struct stat st {};
    io::Fd fd;
    if (::lstat(file.c_str(), &st) != 0) {
        if (errno != ENOENT)
            io::fail(what, file, errno);
        int raw = ops.open(file, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (raw < 0) {
            int err = errno;
            io::fail(what, file, err, io::folderHint(programFolder, err, "The program folder"));
        }
        fd = io::Fd(raw);
    } else {
        if (S_ISLNK(st.st_mode))
            throw Error("The key file " + files::describe(file) +
                        " is a symbolic link: wiping it would overwrite the file it points to "
                        "and leave that file in place." +
                        Untouched);
        if (!S_ISREG(st.st_mode))
            throw Error("The key file " + files::describe(file) + " is not a regular file." +
                        Untouched);
        int raw = ops.open(file, O_WRONLY | O_NOFOLLOW | O_CLOEXEC, 0);
        if (raw < 0)
            io::fail(what, file, errno);
        fd = io::Fd(raw);
    }

    // Checked on the open file too, so a swap after the first look is caught.
    struct stat now {};
    if (::fstat(fd.get(), &now) != 0)
        io::fail(what, file, errno);
    if (!S_ISREG(now.st_mode))
        throw Error("The key file " + files::describe(file) + " is not a regular file." +
                    Untouched);
    if (now.st_nlink > 1)
        throw Error("The key file " + files::describe(file) +
                    " has other hard links: its contents would survive under the other names." +
                    Untouched);

    const auto length = static_cast<long long>(now.st_size);
    const std::string block(static_cast<size_t>(std::min<long long>(length, 1 << 16)), WipeByte);
    auto failPass = [&](int round, int err) {
        throw FileError("Cannot overwrite the key file " + files::describe(file) + " (pass " +
                            std::to_string(round) + " of " + std::to_string(WipeRounds) +
                            "): " + files::reason(err) + ". It was not deleted.",
                        files::reason(err));
    };
    for (int round = 1; round <= WipeRounds; ++round) {
        for (long long offset = 0; offset < length;) {
            auto n = static_cast<size_t>(std::min<long long>(length - offset, 1 << 16));
            if (int err = io::writeAt(fd.get(), std::string_view(block).substr(0, n), offset))
                failPass(round, err);
            offset += static_cast<long long>(n);
        }
        if (ops.fsync(fd.get()) != 0)
            failPass(round, errno);
    }
    fd.close();
    if (ops.remove(file) != 0) {
        int err = errno;
        io::fail("The key file was overwritten but could not be deleted: ", file, err,
                 io::folderHint(programFolder, err, "The program folder"));
    }
    files::syncFolder(programFolder);
}

} // namespace talvora::keys
