#include "files.h"
#include "oscalls.h"

#include <windows.h>
// After windows.h, which they need.
#include <aclapi.h>
#include <bcrypt.h>
#include <sddl.h>
#include <shellapi.h>

#include <cerrno>
#include <cstdio>
#include <cwctype>
#include <io.h>
#include <memory>

namespace fs = std::filesystem;

namespace talvora::os {

namespace {

int errnoOf(DWORD error) {
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME:
        return ENOENT;
    case ERROR_ACCESS_DENIED:
    case ERROR_PRIVILEGE_NOT_HELD:
        return EACCES;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_USER_MAPPED_FILE:
        return EBUSY;
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
        return EEXIST;
    case ERROR_WRITE_PROTECT:
        return EROFS;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return ENOSPC;
    case ERROR_DIRECTORY:
        return ENOTDIR;
    case ERROR_NOT_SAME_DEVICE:
        return EXDEV;
    case ERROR_TOO_MANY_LINKS:
        return EMLINK;
    case ERROR_CANT_RESOLVE_FILENAME:
        return ELOOP;
    case ERROR_NOT_SUPPORTED:
    case ERROR_INVALID_FUNCTION:
        return ENOSYS;
    case ERROR_NOT_ENOUGH_MEMORY:
    case ERROR_OUTOFMEMORY:
        return ENOMEM;
    default:
        return EIO;
    }
}

int failWith(DWORD error) {
    errno = errnoOf(error);
    return -1;
}

HANDLE handleOf(int fd) { return reinterpret_cast<HANDLE>(_get_osfhandle(fd)); }

// Names that Windows opens as devices in any folder, with any extension ("CON", "nul.txt",
// "COM1 "), and paths into the device namespace: never a file of the user's.
bool namesDevice(const fs::path& path) {
    const std::wstring& full = path.native();
    if (full.rfind(L"\\\\.\\", 0) == 0 || full.rfind(L"//./", 0) == 0)
        return true;
    std::wstring name = path.filename().native();
    name = name.substr(0, name.find(L'.'));
    while (!name.empty() && (name.back() == L' ' || name.back() == L'.'))
        name.pop_back();
    for (auto& c : name)
        c = static_cast<wchar_t>(std::towupper(c));
    static const wchar_t* const plain[] = {L"CON", L"PRN", L"AUX", L"NUL", L"CONIN$", L"CONOUT$"};
    for (const wchar_t* device : plain)
        if (name == device)
            return true;
    // COM1 to COM9 and LPT1 to LPT9, also with superscript digits.
    if (name.size() == 4 && (name.compare(0, 3, L"COM") == 0 || name.compare(0, 3, L"LPT") == 0)) {
        wchar_t d = name[3];
        return (d >= L'1' && d <= L'9') || d == L'\u00B9' || d == L'\u00B2' || d == L'\u00B3';
    }
    return false;
}

// The user this program runs as, for telling whose a file is.
PSID currentUser() {
    static std::unique_ptr<unsigned char[]> user = [] {
        std::unique_ptr<unsigned char[]> out;
        HANDLE token = nullptr;
        if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token))
            return out;
        DWORD size = 0;
        GetTokenInformation(token, TokenUser, nullptr, 0, &size);
        out = std::make_unique<unsigned char[]>(size);
        if (!GetTokenInformation(token, TokenUser, out.get(), size, &size))
            out.reset();
        CloseHandle(token);
        return out;
    }();
    return user ? reinterpret_cast<TOKEN_USER*>(user.get())->User.Sid : nullptr;
}

bool ownedByUser(HANDLE h) {
    PSID owner = nullptr;
    PSECURITY_DESCRIPTOR sd = nullptr;
    if (GetSecurityInfo(h, SE_FILE_OBJECT, OWNER_SECURITY_INFORMATION, &owner, nullptr, nullptr,
                        nullptr, &sd) != ERROR_SUCCESS)
        return false;
    PSID user = currentUser();
    bool ours = owner && user && EqualSid(owner, user);
    if (!ours && owner) {
        // Files an administrator creates belong to the Administrators group.
        BOOL member = FALSE;
        if (IsWellKnownSid(owner, WinBuiltinAdministratorsSid) &&
            CheckTokenMembership(nullptr, owner, &member))
            ours = member != FALSE;
    }
    LocalFree(sd);
    return ours;
}

// A symbolic link or junction: a reparse point that names another file. Others (cloud
// placeholders, deduplicated files) are the files themselves.
bool isLink(HANDLE h, DWORD attributes) {
    if (!(attributes & FILE_ATTRIBUTE_REPARSE_POINT))
        return false;
    FILE_ATTRIBUTE_TAG_INFO tag{};
    if (!GetFileInformationByHandleEx(h, FileAttributeTagInfo, &tag, sizeof tag))
        return true; // unknown: the careful answer
    return IsReparseTagNameSurrogate(tag.ReparseTag);
}

int statHandle(HANDLE h, Status& out) {
    BY_HANDLE_FILE_INFORMATION info{};
    if (GetFileType(h) != FILE_TYPE_DISK) {
        out = Status{};
        out.kind = Status::Other;
        return 0;
    }
    if (!GetFileInformationByHandle(h, &info))
        return failWith(GetLastError());
    out.kind = isLink(h, info.dwFileAttributes)                 ? Status::Link
               : (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ? Status::Folder
                                                                    : Status::Regular;
    out.size = (uint64_t{info.nFileSizeHigh} << 32) | info.nFileSizeLow;
    out.links = info.nNumberOfLinks;
    out.device = info.dwVolumeSerialNumber;
    out.id = (uint64_t{info.nFileIndexHigh} << 32) | info.nFileIndexLow;
    out.mode = (info.dwFileAttributes & FILE_ATTRIBUTE_READONLY) ? 0444 : 0666;
    out.ours = ownedByUser(h);
    return 0;
}

// A file or folder itself, a link not followed, opened only to look at it.
HANDLE openToLook(const fs::path& path, DWORD access) {
    return CreateFileW(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                       nullptr, OPEN_EXISTING,
                       FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS, nullptr);
}

bool isFolder(const fs::path& path) {
    DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// A new file that only its owner may open, like a POSIX mode of 0600.
struct OwnerOnly {
    SECURITY_ATTRIBUTES attributes{sizeof(SECURITY_ATTRIBUTES), nullptr, FALSE};
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    OwnerOnly() {
        PSID user = currentUser();
        LPWSTR sid = nullptr;
        if (!user || !ConvertSidToStringSidW(user, &sid))
            return;
        std::wstring sddl = L"D:P(A;;FA;;;" + std::wstring(sid) + L")";
        LocalFree(sid);
        if (ConvertStringSecurityDescriptorToSecurityDescriptorW(sddl.c_str(), SDDL_REVISION_1,
                                                                 &descriptor, nullptr))
            attributes.lpSecurityDescriptor = descriptor;
    }
    ~OwnerOnly() { LocalFree(descriptor); }
};

// LockFileEx locks bytes, and Windows enforces them on every reader: the lock is taken on a
// byte far beyond any data, so it only stops other lockers, as an advisory lock does.
constexpr DWORD LockOffsetHigh = 0x40000000;

int lockFile(int fd, DWORD flags) {
    HANDLE h = handleOf(fd);
    if (h == INVALID_HANDLE_VALUE) {
        errno = EBADF;
        return -1;
    }
    OVERLAPPED at{};
    at.OffsetHigh = LockOffsetHigh;
    if (!LockFileEx(h, LOCKFILE_EXCLUSIVE_LOCK | flags, 0, 1, 0, &at))
        return failWith(GetLastError());
    return 0;
}

std::string utf8Of(const wchar_t* text) {
    int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 1)
        return {};
    std::string out(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, out.data(), size, nullptr, nullptr);
    out.pop_back();
    return out;
}

int openFile(const fs::path& path, int flags, mode_t mode) {
    if (namesDevice(path)) {
        errno = ENODEV;
        return -1;
    }
    const int rw = flags & (O_RDONLY | O_WRONLY | O_RDWR);
    DWORD access = rw == O_RDWR ? GENERIC_READ | GENERIC_WRITE
                   : rw == O_WRONLY ? GENERIC_WRITE
                                    : GENERIC_READ;
    DWORD disposition = OPEN_EXISTING;
    if ((flags & O_CREAT) && (flags & O_EXCL))
        disposition = CREATE_NEW;
    else if ((flags & O_CREAT) && (flags & O_TRUNC))
        disposition = CREATE_ALWAYS;
    else if (flags & O_CREAT)
        disposition = OPEN_ALWAYS;
    else if (flags & O_TRUNC)
        disposition = TRUNCATE_EXISTING;
    DWORD attributes = FILE_ATTRIBUTE_NORMAL;
    if (flags & O_NOFOLLOW)
        attributes |= FILE_FLAG_OPEN_REPARSE_POINT;
    if (flags & O_DIRECTORY)
        attributes |= FILE_FLAG_BACKUP_SEMANTICS;
    std::unique_ptr<OwnerOnly> ownerOnly;
    if (flags & O_CREAT) {
        access |= WRITE_DAC; // so a rewrite can give it the old file's permissions
        if ((mode & 077) == 0)
            ownerOnly = std::make_unique<OwnerOnly>();
        if ((mode & 0200) == 0)
            attributes = (attributes & ~FILE_ATTRIBUTE_NORMAL) | FILE_ATTRIBUTE_READONLY;
    }
    // Others may read, write, rename and delete it meanwhile, as on POSIX: a rename over a
    // file that this program holds open must not fail.
    HANDLE h = CreateFileW(path.c_str(), access,
                           FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                           ownerOnly ? &ownerOnly->attributes : nullptr, disposition, attributes,
                           nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        DWORD error = GetLastError();
        if (error == ERROR_ACCESS_DENIED && isFolder(path)) {
            errno = EISDIR;
            return -1;
        }
        return failWith(error);
    }
    if (flags & O_NOFOLLOW) {
        BY_HANDLE_FILE_INFORMATION info{};
        if (GetFileInformationByHandle(h, &info) && isLink(h, info.dwFileAttributes)) {
            CloseHandle(h);
            errno = ELOOP;
            return -1;
        }
    }
    int fd = _open_osfhandle(reinterpret_cast<intptr_t>(h), rw == O_RDONLY ? _O_RDONLY : 0);
    if (fd < 0) {
        CloseHandle(h);
        errno = EMFILE;
    }
    return fd;
}

ssize_t transfer(int fd, void* buf, size_t size, off_t offset, bool write) {
    HANDLE h = handleOf(fd);
    if (h == INVALID_HANDLE_VALUE) {
        errno = EBADF;
        return -1;
    }
    OVERLAPPED at{};
    at.Offset = static_cast<DWORD>(static_cast<uint64_t>(offset));
    at.OffsetHigh = static_cast<DWORD>(static_cast<uint64_t>(offset) >> 32);
    const auto n = static_cast<DWORD>(std::min<size_t>(size, 1u << 30));
    DWORD done = 0;
    BOOL ok = write ? WriteFile(h, buf, n, &done, &at) : ReadFile(h, buf, n, &done, &at);
    if (!ok) {
        DWORD error = GetLastError();
        if (!write && (error == ERROR_HANDLE_EOF || error == ERROR_BROKEN_PIPE))
            return 0;
        return failWith(error);
    }
    return static_cast<ssize_t>(done);
}

} // namespace

int statPath(const fs::path& path, Status& out) {
    if (namesDevice(path)) {
        out = Status{};
        out.kind = Status::Other;
        return 0;
    }
    HANDLE h = openToLook(path, FILE_READ_ATTRIBUTES | READ_CONTROL);
    if (h == INVALID_HANDLE_VALUE && GetLastError() == ERROR_ACCESS_DENIED)
        h = openToLook(path, FILE_READ_ATTRIBUTES); // its owner stays unknown: not ours
    if (h == INVALID_HANDLE_VALUE)
        return failWith(GetLastError());
    int result = statHandle(h, out);
    CloseHandle(h);
    return result;
}

int statOpen(int fd, Status& out) {
    HANDLE h = handleOf(fd);
    if (h == INVALID_HANDLE_VALUE) {
        errno = EBADF;
        return -1;
    }
    return statHandle(h, out);
}

bool readOnly(const Status& status, const fs::path& path) {
    if ((status.mode & 0222) == 0)
        return true;
    // A file whose permissions deny this user writing; opening it changes nothing.
    HANDLE h = CreateFileW(path.c_str(), FILE_WRITE_DATA,
                           FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                           OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        DWORD error = GetLastError();
        return error == ERROR_ACCESS_DENIED || error == ERROR_WRITE_PROTECT;
    }
    CloseHandle(h);
    return false;
}

int folderWritable(const fs::path& folder) {
    // Windows has no cheap test of the right to create files: a folder that refuses it
    // reports so at the rename.
    DWORD attributes = GetFileAttributesW(folder.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return errnoOf(GetLastError());
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) ? 0 : ENOTDIR;
}

int copyAccess(int fd, const fs::path& from, const Status&) {
    PACL dacl = nullptr;
    PSECURITY_DESCRIPTOR sd = nullptr;
    if (GetNamedSecurityInfoW(from.c_str(), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION, nullptr,
                              nullptr, &dacl, nullptr, &sd) != ERROR_SUCCESS)
        return 0; // the new file keeps its owner-only permissions
    SECURITY_DESCRIPTOR_CONTROL control = 0;
    DWORD revision = 0;
    GetSecurityDescriptorControl(sd, &control, &revision);
    const SECURITY_INFORMATION what =
        DACL_SECURITY_INFORMATION | ((control & SE_DACL_PROTECTED)
                                         ? PROTECTED_DACL_SECURITY_INFORMATION
                                         : UNPROTECTED_DACL_SECURITY_INFORMATION);
    DWORD error = SetSecurityInfo(handleOf(fd), SE_FILE_OBJECT, what, nullptr, nullptr, dacl,
                                  nullptr);
    LocalFree(sd);
    return error == ERROR_SUCCESS || error == ERROR_NOT_SUPPORTED ? 0 : errnoOf(error);
}

bool linkTarget(const fs::path& link, fs::path& out) {
    // Windows resolves the whole chain at once: the final path of the file opened through it.
    HANDLE h = CreateFileW(link.c_str(), FILE_READ_ATTRIBUTES,
                           FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                           OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    std::wstring buffer(MAX_PATH, L'\0');
    DWORD size = GetFinalPathNameByHandleW(h, buffer.data(), static_cast<DWORD>(buffer.size()),
                                           FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
    if (size >= buffer.size()) {
        buffer.resize(size + 1);
        size = GetFinalPathNameByHandleW(h, buffer.data(), static_cast<DWORD>(buffer.size()),
                                         FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
    }
    CloseHandle(h);
    if (size == 0 || size >= buffer.size())
        return false;
    buffer.resize(size);
    if (buffer.rfind(L"\\\\?\\UNC\\", 0) == 0)
        buffer = L"\\\\" + buffer.substr(8);
    else if (buffer.rfind(L"\\\\?\\", 0) == 0)
        buffer = buffer.substr(4);
    out = fs::path(buffer);
    return true;
}

int duplicate(int fd) { return _dup(fd); }

bool lockNow(int fd) { return lockFile(fd, LOCKFILE_FAIL_IMMEDIATELY) == 0; }

int lockWait(int fd) { return lockFile(fd, 0) == 0 ? 0 : errno; }

int openFolder(const fs::path& folder) {
    HANDLE h = CreateFileW(folder.c_str(), FILE_READ_ATTRIBUTES,
                           FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                           OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return failWith(GetLastError());
    int fd = _open_osfhandle(reinterpret_cast<intptr_t>(h), _O_RDONLY);
    if (fd < 0) {
        CloseHandle(h);
        errno = EMFILE;
    }
    return fd;
}

// Folders cannot be locked on Windows: a mutex named after the folder's identity (volume
// and file index, so every spelling of its path meets the same one) stands in. Windows
// releases it when its holder ends, crashed or not. It serves programs on this computer
// only, and readers wait for each other too; both are enough for key.dat.
int tryLockFolder(const fs::path& folder, bool, intptr_t& holder) {
    HANDLE dir = openToLook(folder, FILE_READ_ATTRIBUTES);
    if (dir == INVALID_HANDLE_VALUE)
        return errnoOf(GetLastError());
    BY_HANDLE_FILE_INFORMATION info{};
    const bool known = GetFileInformationByHandle(dir, &info);
    const DWORD error = GetLastError();
    CloseHandle(dir);
    if (!known)
        return errnoOf(error);
    if (!(info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
        return ENOTDIR;
    wchar_t name[96];
    swprintf(name, sizeof name / sizeof *name, L"Local\\talvora-folder-%08lx-%08lx%08lx",
             static_cast<unsigned long>(info.dwVolumeSerialNumber),
             static_cast<unsigned long>(info.nFileIndexHigh),
             static_cast<unsigned long>(info.nFileIndexLow));
    HANDLE mutex = CreateMutexW(nullptr, FALSE, name);
    if (!mutex)
        return errnoOf(GetLastError());
    DWORD waited = WaitForSingleObject(mutex, 0);
    if (waited == WAIT_OBJECT_0 || waited == WAIT_ABANDONED) {
        holder = reinterpret_cast<intptr_t>(mutex);
        return 0;
    }
    CloseHandle(mutex);
    return waited == WAIT_TIMEOUT ? EWOULDBLOCK : EIO;
}

void unlockFolder(intptr_t holder) {
    if (holder == 0)
        return;
    auto mutex = reinterpret_cast<HANDLE>(holder);
    ReleaseMutex(mutex);
    CloseHandle(mutex);
}

// Large pages need a privilege that users do not have: small pages, committed at once.
void* allocatePages(size_t size) {
    return VirtualAlloc(nullptr, size, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE);
}

void releasePages(void* p, size_t) noexcept { VirtualFree(p, 0, MEM_RELEASE); }

int randomBytes(void* out, size_t n) {
    auto* p = static_cast<unsigned char*>(out);
    while (n > 0) {
        const auto chunk = static_cast<ULONG>(std::min<size_t>(n, 1u << 20));
        if (!BCRYPT_SUCCESS(BCryptGenRandom(nullptr, p, chunk, BCRYPT_USE_SYSTEM_PREFERRED_RNG)))
            return EIO;
        p += chunk;
        n -= chunk;
    }
    return 0;
}

fs::path executableFolder() {
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        DWORD size = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (size == 0)
            return {};
        if (size < buffer.size()) {
            buffer.resize(size);
            return fs::path(buffer).parent_path();
        }
        buffer.resize(buffer.size() * 2);
    }
}

std::string narrowPath(const fs::path& path) {
    // The name in the system's code page, if it holds every character of it.
    auto inCodePage = [](const std::wstring& wide) -> std::string {
        if (wide.empty())
            return {};
        if (GetACP() == CP_UTF8) // no character is lost, and the flag below is refused
            return utf8Of(wide.c_str());
        const int length = static_cast<int>(wide.size());
        BOOL lost = FALSE;
        const int size = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), length,
                                             nullptr, 0, nullptr, &lost);
        if (size <= 0 || lost)
            return {};
        std::string out(static_cast<size_t>(size), '\0');
        WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), length, out.data(), size,
                            nullptr, &lost);
        return lost ? std::string() : out;
    };
    const std::wstring wide = path.wstring();
    if (std::string name = inCodePage(wide); !name.empty())
        return name;
    const DWORD size = GetShortPathNameW(wide.c_str(), nullptr, 0);
    if (size == 0)
        return {};
    std::wstring shortName(size, L'\0');
    const DWORD written = GetShortPathNameW(wide.c_str(), shortName.data(), size);
    if (written == 0 || written >= size)
        return {};
    shortName.resize(written);
    return inCodePage(shortName);
}

std::string localeLanguage() {
    wchar_t name[LOCALE_NAME_MAX_LENGTH] = {};
    if (GetUserDefaultLocaleName(name, LOCALE_NAME_MAX_LENGTH) == 0)
        return {};
    std::string language = utf8Of(name);
    return language.substr(0, language.find_first_of("-_"));
}

std::string systemCodePageName() {
    // The single-byte Windows code pages; for others (UTF-8, East Asian) the language decides.
    const UINT acp = GetACP();
    if (acp == 874 || (acp >= 1250 && acp <= 1258))
        return "windows-" + std::to_string(acp);
    return {};
}

bool isTerminal(int stream) {
    // A console; the C library's isatty also says so of the NUL device.
    DWORD mode = 0;
    return GetConsoleMode(handleOf(stream), &mode) != 0;
}

std::vector<std::string> utf8Arguments(int argc, char** argv) {
    int count = 0;
    LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!wide)
        return std::vector<std::string>(argv, argv + argc);
    std::vector<std::string> out;
    for (int i = 0; i < count; ++i)
        out.push_back(utf8Of(wide[i]));
    LocalFree(wide);
    return out;
}

void useBinaryStandardStreams() {
    // The bytes written are the same as on other systems: no LF turned into CR LF.
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    SetConsoleOutputCP(CP_UTF8);
    SetConsoleCP(CP_UTF8);
}

} // namespace talvora::os

namespace talvora::files {

FileOps FileOps::system() {
    FileOps ops;
    ops.open = [](const fs::path& path, int flags, mode_t mode) {
        return os::openFile(path, flags, mode);
    };
    ops.pread = [](int fd, void* buf, size_t size, off_t offset) {
        return os::transfer(fd, buf, size, offset, false);
    };
    ops.pwrite = [](int fd, const void* buf, size_t size, off_t offset) {
        return os::transfer(fd, const_cast<void*>(buf), size, offset, true);
    };
    ops.fsync = [](int fd) {
        HANDLE h = os::handleOf(fd);
        BY_HANDLE_FILE_INFORMATION info{};
        // A folder's entries need no flush: renames are written through.
        if (GetFileInformationByHandle(h, &info) &&
            (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            return 0;
        return FlushFileBuffers(h) ? 0 : os::failWith(GetLastError());
    };
    ops.close = [](int fd) { return _close(fd); };
    // Windows refuses to rename over a file that any program has open, if only for a
    // moment to read its status (a program waiting for the folder's lock does that), and
    // indexers and virus scanners open files too: such a refusal passes within moments.
    ops.rename = [](const fs::path& from, const fs::path& to) {
        for (int attempt = 0;; ++attempt) {
            if (MoveFileExW(from.c_str(), to.c_str(),
                            MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
                return 0;
            const DWORD error = GetLastError();
            const bool passing = error == ERROR_ACCESS_DENIED || error == ERROR_SHARING_VIOLATION ||
                                 error == ERROR_LOCK_VIOLATION;
            if (!passing || attempt == 50)
                return os::failWith(error);
            Sleep(attempt < 10 ? 1 : 20);
        }
    };
    ops.remove = [](const fs::path& path) {
        return DeleteFileW(path.c_str()) ? 0 : os::failWith(GetLastError());
    };
    ops.ftruncate = [](int fd, off_t length) {
        FILE_END_OF_FILE_INFO end{};
        end.EndOfFile.QuadPart = length;
        return SetFileInformationByHandle(os::handleOf(fd), FileEndOfFileInfo, &end, sizeof end)
                   ? 0
                   : os::failWith(GetLastError());
    };
    ops.link = [](const fs::path& from, const fs::path& to) {
        return CreateHardLinkW(to.c_str(), from.c_str(), nullptr) ? 0
                                                                  : os::failWith(GetLastError());
    };
    return ops;
}

} // namespace talvora::files
