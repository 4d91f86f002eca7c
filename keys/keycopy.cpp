#include "error.h"
#include "files.h"
#include "keyfile.h"
#include "keystore.h"

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

// The whole of folder/key.dat; nullopt when there is none. Read under the folder's shared
// lock (released before anything is written, so two copies in opposite directions cannot
// wait for each other).
std::optional<std::string> readKeyFile(const fs::path& folder) {
    const fs::path file = folder / "key.dat";
    store::KeyFileLock lock(file, 20, files::FolderLock::Shared);
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
    auto data = readKeyFile(programFolder);
    if (!data)
        throw Error("There is no key file to transfer: " +
                    files::describe(programFolder / "key.dat") + " does not exist.");
    // The target may be another copy's program folder: take its lock like its own commands,
    // and finish what a killed transfer left there. A link there is refused: the keys would
    // go wherever it points (another file of the user's, readable by others).
    const fs::path file = target / "key.dat";
    std::error_code ec;
    if (fs::is_symlink(file, ec))
        files::failBecause("Cannot write the key file ", file,
                           "it is a symbolic link, and nothing is written through one");
    files::FolderLock lock(target);
    store::finishInterrupted(file);
    files::ReplaceOptions options = store::keyFileWrite("The folder");
    options.followLinks = false;
    files::replace(file, *data, options);
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
    store::KeyFileLock lock(file);
    store::finishInterrupted(file);
    files::replace(file, *data, store::keyFileWrite("The program folder"));
}

void wipeKeyFile(const fs::path& programFolder) {
    const fs::path file = programFolder / "key.dat";
    store::KeyFileLock lock(file);
    store::finishInterrupted(file);
    files::wipe(file, store::WipeByte, store::WipeRounds, "key file");
}

} // namespace talvora::keys
