#include "codepage.h"

#include "error.h"
#include "oscalls.h"
#include "utf8.h"

#include <unicode/ucnv.h>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace talvora {

namespace {

constexpr const char* Variable = "TALVORA_CODEPAGE";

struct ConverterCloser {
    void operator()(UConverter* c) const { ucnv_close(c); }
};

} // namespace

std::string CodePage::nameForLanguage(std::string_view lang) {
    auto in = [&](std::initializer_list<std::string_view> list) {
        for (auto l : list)
            if (l == lang)
                return true;
        return false;
    };
    if (in({"cs", "pl", "hu", "sk", "sl", "hr", "ro", "sq", "bs"}))
        return "windows-1250";
    if (in({"ru", "uk", "bg", "be", "sr", "mk"}))
        return "windows-1251";
    if (lang == "el")
        return "windows-1253";
    if (lang == "tr")
        return "windows-1254";
    return "windows-1252";
}

std::string CodePage::environmentName() {
    if (const char* v = std::getenv(Variable); v && *v)
        return v;
    return localeName();
}

CodePage CodePage::fromEnvironment() {
    const char* value = std::getenv(Variable);
    if (!value || !*value)
        return fromLocale();
    try {
        return fromName(value);
    } catch (const Error& e) {
        throw Error(environmentMessage(e.what()));
    }
}

std::string CodePage::localeName() {
    std::string name = os::systemCodePageName();
    return name.empty() ? nameForLanguage(os::localeLanguage()) : name;
}

CodePage CodePage::fromLocale() { return fromName(localeName()); }

const std::vector<std::string>& CodePage::commonNames() {
    static const std::vector<std::string> names = {
        "windows-1250", "windows-1251", "windows-1252", "windows-1253", "windows-1254",
        "windows-1257", "iso-8859-1",   "iso-8859-2",   "iso-8859-15",  "koi8-r"};
    return names;
}

std::string CodePage::environmentMessage(const std::string& reason) {
    std::string line = "The environment variable " + std::string(Variable) + " cannot be used: " +
                       reason +
                       " It accepts a single-byte code page whose 256 bytes read as 256 "
                       "different characters, such as ";
    const auto& names = commonNames();
    for (size_t i = 0; i < names.size(); ++i)
        line += names[i] + (i + 2 < names.size() ? ", " : i + 1 < names.size() ? " or " : ".");
    // One line whatever the variable holds.
    for (char& c : line)
        if (static_cast<unsigned char>(c) < 0x20)
            c = '?';
    return line;
}

CodePage CodePage::fromName(const std::string& name) {
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<UConverter, ConverterCloser> conv(ucnv_open(name.c_str(), &status));
    if (U_FAILURE(status) || !conv)
        throw Error("The code page \"" + name + "\" is not known.");
    if (ucnv_getMaxCharSize(conv.get()) != 1)
        throw Error("The code page \"" + name + "\" is not a single-byte code page.");
    status = U_ZERO_ERROR;
    ucnv_setToUCallBack(conv.get(), UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &status);

    CodePage cp;
    cp.name_ = name;
    std::array<bool, 256> assigned{};
    for (int b = 0; b < 256; ++b) {
        char in = static_cast<char>(b);
        UChar out[4];
        status = U_ZERO_ERROR;
        ucnv_reset(conv.get());
        int32_t n = ucnv_toUChars(conv.get(), out, 4, &in, 1, &status);
        if (U_SUCCESS(status) && n == 1 && out[0] != 0xFFFD) {
            cp.codePoints_[b] = out[0];
            assigned[b] = true;
        }
    }
    for (int b = 0; b < 256; ++b)
        if (assigned[b])
            cp.bytes_.emplace(cp.codePoints_[b], static_cast<unsigned char>(b));
    // Unassigned bytes keep their own value as a code point (as Windows reads them),
    // or a private-use one should that value already be taken.
    for (int b = 0; b < 256; ++b) {
        if (assigned[b])
            continue;
        char32_t cpnt = static_cast<char32_t>(b);
        if (cp.bytes_.count(cpnt))
            cpnt = 0xF700 + static_cast<char32_t>(b);
        cp.codePoints_[b] = cpnt;
        cp.bytes_.emplace(cpnt, static_cast<unsigned char>(b));
    }
    // Two bytes of one character would not read back as they were written.
    for (int b = 0; b < 256; ++b) {
        const unsigned char first = cp.bytes_.at(cp.codePoints_[b]);
        if (first != b) {
            char bytes[40];
            std::snprintf(bytes, sizeof bytes, "0x%02X and 0x%02X", first, static_cast<unsigned>(b));
            throw Error("The code page \"" + name + "\" reads the bytes " + bytes +
                        " as the same character, so a text would not read back as it was written.");
        }
    }
    for (int b = 0; b < 256; ++b)
        utf8::append(cp.chars_[b], cp.codePoints_[b]);
    cp.assigned_ = assigned;
    return cp;
}

std::optional<unsigned char> CodePage::byteOf(char32_t codePoint) const {
    auto it = bytes_.find(codePoint);
    if (it == bytes_.end())
        return std::nullopt;
    return it->second;
}

std::string CodePage::decode(std::string_view bytes) const {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    for (char c : bytes)
        out += chars_[static_cast<unsigned char>(c)];
    return out;
}

std::optional<char32_t> CodePage::firstUnencodable(std::string_view text) const {
    size_t pos = 0;
    while (pos < text.size()) {
        char32_t c = utf8::next(text, pos);
        if (!byteOf(c))
            return c;
    }
    return std::nullopt;
}

std::string CodePage::encode(std::string_view text) const {
    std::string out;
    out.reserve(text.size());
    size_t pos = 0;
    while (pos < text.size()) {
        auto ch = static_cast<unsigned char>(text[pos]);
        if (ch < 0x80 && codePoints_[ch] == ch) {
            out += static_cast<char>(ch);
            ++pos;
            continue;
        }
        char32_t c = utf8::next(text, pos);
        auto b = byteOf(c);
        if (!b)
            throw Error(unencodableMessage(c, name_));
        out += static_cast<char>(*b);
    }
    return out;
}

std::string describeCharacter(char32_t c) {
    char hex[16];
    std::snprintf(hex, sizeof hex, "U+%04X", static_cast<unsigned>(c));
    std::string s;
    if (c >= 0x20 && c != 0x7F && !(c >= 0x80 && c < 0xA0)) {
        s = "\"";
        utf8::append(s, c);
        s += "\" (";
        s += hex;
        s += ")";
    } else {
        s = hex;
    }
    return s;
}

std::string unencodableMessage(char32_t c, const std::string& codePageName) {
    return "The character " + describeCharacter(c) + " cannot be written in the code page " +
           codePageName + ".";
}

} // namespace talvora
