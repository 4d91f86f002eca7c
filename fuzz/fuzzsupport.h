#pragma once

// What the fuzz targets share: a failed check that libFuzzer records as a crash, one
// scratch folder per process, and code pages built once.

#include "codepage.h"
#include "error.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

namespace fuzz {

namespace fs = std::filesystem;

// Bytes shown as C-escaped text, so a failure report is readable without the input.
inline std::string show(std::string_view s) {
    std::string out = "\"";
    for (unsigned char c : s) {
        if (c >= 0x20 && c < 0x7F && c != '"' && c != '\\') {
            out += static_cast<char>(c);
        } else {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\x%02X", c);
            out += buf;
        }
    }
    return out + "\"";
}

[[noreturn]] inline void fail(const char* check, const char* file, int line,
                              const std::string& detail) {
    std::fprintf(stderr, "\n%s:%d: check failed: %s\n%s\n", file, line, check, detail.c_str());
    std::abort();
}

} // namespace fuzz

#define FUZZ_CHECK(cond, detail)                                                                   \
    do {                                                                                           \
        if (!(cond))                                                                               \
            ::fuzz::fail(#cond, __FILE__, __LINE__, (detail));                                     \
    } while (0)

namespace fuzz {

// A folder of this process under the temporary folder, removed when the process ends.
class Scratch {
public:
    static const fs::path& path() {
        static Scratch s;
        return s.path_;
    }
    // Removes everything inside folder (which stays).
    static void empty(const fs::path& folder) {
        std::error_code ec;
        fs::permissions(folder, fs::perms::owner_all, fs::perm_options::add, ec);
        for (const auto& e : fs::directory_iterator(folder, ec)) {
            std::error_code rm;
            fs::remove_all(e.path(), rm);
        }
    }

private:
    Scratch() {
        std::string tmpl = (fs::temp_directory_path() / "talvora-fuzz-XXXXXX").string();
        if (!::mkdtemp(tmpl.data())) {
            std::perror("mkdtemp");
            std::abort();
        }
        path_ = tmpl;
    }
    ~Scratch() {
        std::error_code ec;
        fs::remove_all(path_, ec);
    }
    fs::path path_;
};

inline void writeFile(const fs::path& p, std::string_view bytes) {
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out.flush()) {
        std::perror(p.c_str());
        std::abort();
    }
}

inline std::string readFile(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The program's code pages (those the locale table names), built once each.
inline constexpr const char* ProgramCodePages[] = {"windows-1250", "windows-1251", "windows-1252",
                                                  "windows-1253", "windows-1254"};

// A code page by name, or nullptr when the library refuses it.
inline const talvora::CodePage* codePage(const std::string& name) {
    static std::map<std::string, std::unique_ptr<talvora::CodePage>> cache;
    auto it = cache.find(name);
    if (it == cache.end()) {
        std::unique_ptr<talvora::CodePage> cp;
        try {
            cp = std::make_unique<talvora::CodePage>(talvora::CodePage::fromName(name));
        } catch (const talvora::Error&) {
        }
        it = cache.emplace(name, std::move(cp)).first;
    }
    return it->second.get();
}

inline const talvora::CodePage& programCodePage(unsigned selector) {
    return *codePage(ProgramCodePages[selector % std::size(ProgramCodePages)]);
}

// Lines as the program reads them, written out literally: CR LF or a lone CR ends a line,
// or LF when the text holds no CR; the last line may lack its end.
inline std::vector<std::string> modelLines(std::string_view bytes) {
    std::vector<std::string> lines;
    const bool cr = bytes.find('\r') != std::string_view::npos;
    std::string line;
    bool open = false;
    for (size_t i = 0; i < bytes.size(); ++i) {
        char c = bytes[i];
        if (cr ? c == '\r' : c == '\n') {
            lines.push_back(line);
            line.clear();
            open = false;
            if (cr && i + 1 < bytes.size() && bytes[i + 1] == '\n')
                ++i;
        } else {
            line += c;
            open = true;
        }
    }
    if (open)
        lines.push_back(line);
    return lines;
}

} // namespace fuzz
