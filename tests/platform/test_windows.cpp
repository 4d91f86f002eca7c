// The file layer in Windows' own terms: UTF-16 names, files other programs hold open, device
// names and owner-only permissions. The folder lock's test in test_files.cpp and the key
// tests' read-only and link policy serve both systems. Wine shows names, sharing and devices
// as Windows does; permissions only as far as it stores them.
#include "files.h"
#include "tempfolder.h"
#include "utf8.h"

#include <gtest/gtest.h>
#include <iterator>

#include <windows.h>
// After windows.h, which it needs.
#include <aclapi.h>


namespace fs = std::filesystem;
using namespace talvora;

namespace {

bool has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

} // namespace

TEST(Windows, CzechAndPolishNamesAreUsedAsWritten) {
    TempFolder dir;
    const fs::path folder = dir.path() / pathFromUtf8("P\u0159\u00edli\u0161 \u017elu\u0165ou\u010dk\u00fd");
    fs::create_directory(folder);
    const fs::path file = folder / pathFromUtf8("Za\u017c\u00f3\u0142\u0107 g\u0119\u015bl\u0105.dat");
    files::replace(file, "one\r\n");
    files::append(file, "two\r\n");
    EXPECT_EQ(files::read(file), "one\r\ntwo\r\n");
    {
        files::FolderLock lock(folder);
        files::replace(file, "three\r\n", {.overwriteOld = true});
    }
    std::vector<fs::path> entries;
    ASSERT_EQ(files::listFolder(folder, entries), 0);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].filename().native(), std::wstring(L"Za\u017c\u00f3\u0142\u0107 g\u0119\u015bl\u0105.dat"));
    EXPECT_EQ(files::read(file), "three\r\n");
    EXPECT_TRUE(has(errorOf([&] { files::read(folder / "missing.dat"); }),
                    "P\u0159\u00edli\u0161 \u017elu\u0165ou\u010dk\u00fd"));
    files::wipe(file, '@', 3, "key file");
    EXPECT_TRUE(fs::is_empty(folder));
}

// A file another program holds open without letting others delete it cannot be replaced:
// the rename fails, the message says why, and nothing of the attempt stays.
TEST(Windows, AFileHeldOpenByAnotherProgramStaysAsItWas) {
    TempFolder dir;
    const fs::path file = dir.write("key.dat", "old");
    HANDLE held = CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    const std::string message = errorOf([&] { files::replace(file, "new", {.overwriteOld = true}); });
    CloseHandle(held);
    EXPECT_TRUE(has(message, "another program has it open") || has(message, "permission denied"))
        << message;
    EXPECT_EQ(files::read(file), "old");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
    files::replace(file, "new", {.overwriteOld = true}); // once let go, it works
    EXPECT_EQ(files::read(file), "new");
}

TEST(Windows, DeviceNamesAreNeverOpenedAsFiles) {
    TempFolder dir;
    for (const char* name : {"CON", "nul", "NUL.txt", "aux.dat", "COM1", "lpt9.dic", "PRN "}) {
        SCOPED_TRACE(name);
        EXPECT_TRUE(has(errorOf([&] { files::read(dir / name); }), "device"));
        EXPECT_TRUE(has(errorOf([&] { files::replace(dir / name, "x"); }), "not a regular file"));
        EXPECT_NE(errorOf([&] { files::wipe(dir / name, '@', 1, "key file"); }), "no error");
    }
    EXPECT_TRUE(has(errorOf([] { files::read("\\\\.\\PhysicalDrive0"); }), "device"));
    EXPECT_TRUE(fs::is_empty(dir.path()));
    // Names that only begin like a device are files.
    files::replace(dir / "CONTACTS.txt", "ok");
    files::replace(dir / "com10", "ok");
    EXPECT_EQ(files::read(dir / "CONTACTS.txt"), "ok");
}

// A new file gets a protected list of one entry: its owner's. Wine does not keep such
// lists (it merges in the folder's), so there it is skipped.
TEST(Windows, NewFilesAreTheOwnersOnly) {
    TempFolder dir;
    const fs::path file = dir / "key.dat";
    files::replace(file, "secret");
    PACL dacl = nullptr;
    PSECURITY_DESCRIPTOR sd = nullptr;
    if (GetNamedSecurityInfoW(file.c_str(), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION, nullptr,
                              nullptr, &dacl, nullptr, &sd) != ERROR_SUCCESS)
        GTEST_SKIP() << "this system reports no permissions";
    SECURITY_DESCRIPTOR_CONTROL control = 0;
    DWORD revision = 0;
    GetSecurityDescriptorControl(sd, &control, &revision);
    ASSERT_NE(dacl, nullptr);
    if (!(control & SE_DACL_PROTECTED)) {
        LocalFree(sd);
        GTEST_SKIP() << "this system does not keep the access list a program gives a new file";
    }
    EXPECT_EQ(dacl->AceCount, 1);
    LocalFree(sd);
    files::replace(file, "rewritten"); // a rewrite keeps them
    ASSERT_EQ(GetNamedSecurityInfoW(file.c_str(), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION,
                                    nullptr, nullptr, &dacl, nullptr, &sd),
              static_cast<DWORD>(ERROR_SUCCESS));
    EXPECT_EQ(dacl->AceCount, 1);
    LocalFree(sd);
}
