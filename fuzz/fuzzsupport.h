#pragma once

// What the fuzz targets share: checks, one scratch folder per process, whole files written and
// read, and code pages built once.

#include "codepage.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <string_view>

// A failed check ends the process, which libFuzzer records as a crash with its input.
#define FUZZ_CHECK(cond, detail)                                                                   \
    do {                                                                                           \
        if (!(cond)) {                                                                             \
            std::fprintf(stderr, "\n%s:%d: check failed: %s\n%s\n", __FILE__, __LINE__, #cond,     \
                         std::string(detail).c_str());                                             \
            std::abort();                                                                          \
        }                                                                                          \
    } while (0)

namespace fuzz {

namespace fs = std::filesystem;

// Bytes shown as C-escaped text, so a failure report is readable without the input.
inline std::string show(std::string_view s) {
    std::string out = "\"";
    for (unsigned char c : s) {
        char buf[8] = {static_cast<char>(c)};
        if (c < 0x20 || c >= 0x7F || c == '"' || c == '\\')
            std::snprintf(buf, sizeof buf, "\\x%02X", c);
        out += buf;
    }
    return out + "\"";
}

// A folder of this process under the temporary folder, removed when the process ends.
inline fs::path scratch() {
    static struct Folder {
        std::string path = (fs::temp_directory_path() / "talvora-fuzz-XXXXXX").string();
        std::error_code ignored;
        Folder() { FUZZ_CHECK(::mkdtemp(path.data()), path); }
        ~Folder() { fs::remove_all(path, ignored); }
    } folder;
    return folder.path;
}

// An empty folder of that name in the scratch folder.
inline fs::path emptyFolder(const std::string& name) {
    const fs::path dir = scratch() / name;
    fs::remove_all(dir);
    fs::create_directory(dir);
    return dir;
}

inline void writeFile(const fs::path& p, std::string_view bytes) {
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    FUZZ_CHECK(out.write(bytes.data(), static_cast<std::streamsize>(bytes.size())).flush(),
               p.string());
}

inline std::string readFile(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The program's code pages (those the locale table names) first, then others of their kind.
inline constexpr const char* CodePages[] = {
    "windows-1250", "windows-1251", "windows-1252", "windows-1253", "windows-1254", "windows-1255",
    "windows-1256", "windows-1257", "windows-1258", "ISO-8859-1",   "ISO-8859-2",   "ISO-8859-5",
    "ISO-8859-7",   "ISO-8859-15",  "KOI8-R",       "ibm-866"};

// One of the first `among` code pages, built once.
inline const talvora::CodePage& codePage(unsigned selector, size_t among = 5) {
    static std::unique_ptr<talvora::CodePage> built[std::size(CodePages)];
    auto& cp = built[selector % among];
    if (!cp)
        cp = std::make_unique<talvora::CodePage>(
            talvora::CodePage::fromName(CodePages[selector % among]));
    return *cp;
}

} // namespace fuzz
