#include "error.h"
#include "files.h"
#include "keyfile.h"
#include "keystore.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace talvora::keys {

namespace {

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
    try {
        return files::readIfExists(file, store::MaxKeyFileBytes);
    } catch (const FileError& e) {
        files::failBecause("Cannot read the key file ", file, e.reason());
    }
}

} // namespace

void transferKeyFile(const fs::path& programFolder, const fs::path& target) {
    if (!isFolder(target))
        throw Error("Cannot transfer the key file: the folder " + files::describe(target) +
                    " does not exist.");
    if (sameFolder(programFolder, target))
        throw Error("Cannot transfer the key file to " + files::describe(target) +
                    ": it is the program folder, the file would be copied onto itself.");
    const fs::path file = programFolder / "key.dat";
    std::error_code ec;
    if (!fs::exists(file, ec))
        throw Error("There is no key file to transfer: " + files::describe(file) +
                    " does not exist.");
    // The target may be another copy's program folder: take its lock like its own commands.
    files::FolderLock lock(target);
    files::copy(file, target / "key.dat", store::keyFileWrite("The folder"),
                store::MaxKeyFileBytes);
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
    const fs::path file = programFolder / "key.dat";
    files::FolderLock lock(programFolder);
    store::finishInterrupted(file);
    files::replace(file, *data, store::keyFileWrite("The program folder"));
}

void wipeKeyFile(const fs::path& programFolder) {
    auto& ops = files::fileOps();
    const fs::path link = programFolder / "key.dat";
    const fs::path file = files::resolveLinks(link);
    const fs::path folder = file.parent_path();
    const std::string what = "Cannot delete the key file ";
    constexpr const char* Untouched = " Nothing was done.";

    // Overwriting a file that cannot then be deleted would only ruin it.
    if (::access(folder.c_str(), W_OK) != 0) {
        int err = errno;
        files::fail(what, link, err, files::folderHint(folder, err, "The folder") + Untouched);
    }
    files::FolderLock lock(programFolder);
    store::finishInterrupted(link);

    struct stat st {};
    if (::lstat(file.c_str(), &st) != 0) {
        if (errno != ENOENT)
            files::fail(what, link, errno);
        return; // nothing left to wipe
    }
    if (!S_ISREG(st.st_mode))
        throw Error("The key file " + files::describe(link) + " is not a regular file." +
                    Untouched);
    if (st.st_nlink > 1)
        throw Error("The key file " + files::describe(link) +
                    " has other hard links: its contents would survive under the other names." +
                    Untouched);
    if ((st.st_mode & 0222) == 0)
        throw Error("The key file " + files::describe(link) + " is read-only." + Untouched);
    int raw = ops.open(file, O_WRONLY | O_NOFOLLOW | O_CLOEXEC, 0);
    if (raw < 0) {
        int err = errno;
        files::fail(what, link, err,
                    err == EACCES || err == EPERM ? std::string("The key file is read-only.") +
                                                        Untouched
                                                  : std::string(Untouched));
    }
    files::Fd fd(raw);
    // Checked on the open file too, so a swap after the first look is caught.
    struct stat now {};
    if (::fstat(fd.get(), &now) != 0)
        files::fail(what, link, errno);
    if (!S_ISREG(now.st_mode) || now.st_ino != st.st_ino || now.st_nlink > 1)
        throw Error("The key file " + files::describe(link) +
                    " was changed by another program meanwhile." + Untouched);

    // From here on the key file is gone: a wipe cut short leaves only a scratch file, which
    // the next key command overwrites and deletes.
    const fs::path scratch = files::scratchName(file);
    if (ops.rename(file, scratch) != 0) {
        int err = errno;
        files::fail(what, link, err, files::folderHint(folder, err, "The folder") + Untouched);
    }
    files::syncFolder(folder);

    int round = 0;
    if (int err = store::overwriteRounds(fd.get(), static_cast<uint64_t>(now.st_size), &round))
        throw FileError("Cannot overwrite the key file " + files::describe(link) + " (pass " +
                            std::to_string(round) + " of " + std::to_string(store::WipeRounds) +
                            "): " + files::reason(err) +
                            ". No key is listed any more, but the old bytes were not all "
                            "overwritten; the next key command tries again.",
                        files::reason(err));
    fd.close();
    if (ops.remove(scratch) != 0) {
        int err = errno;
        files::fail("The key file was overwritten but could not be deleted: ", scratch, err,
                    files::folderHint(folder, err, "The folder"));
    }
    files::syncFolder(folder);
}

} // namespace talvora::keys
