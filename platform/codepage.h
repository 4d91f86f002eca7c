#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace talvora {

// A single-byte code page. Every one of the 256 bytes reads to one character and
// writes back to the same byte; bytes the code page leaves unassigned read as the
// C1 control (or private-use) character of their own value so nothing is lost.
class CodePage {
public:
    // Throws Error naming the code page when ICU does not know it, when it is not a
    // single-byte code page, or when two of its bytes read as the same character (a text
    // would not read back as it was written).
    static CodePage fromName(const std::string& name);
    // From TALVORA_CODEPAGE, otherwise from the locale (localeName()). Throws Error with
    // environmentMessage() when the variable names a code page that cannot be used.
    static CodePage fromEnvironment();
    // From the locale alone (localeName()), whatever TALVORA_CODEPAGE says.
    static CodePage fromLocale();
    // One line naming the variable, why its code page cannot be used (reason: what
    // fromName said, which names the value) and the code pages it accepts.
    static std::string environmentMessage(const std::string& reason);
    // Code pages the messages offer; any other one ICU knows that passes fromName works too.
    static const std::vector<std::string>& commonNames();
    // The name fromEnvironment() would use.
    static std::string environmentName();
    // The locale's: the system's code page where it names one, else the language's.
    static std::string localeName();
    // The code page a locale language code ("cs", "ru", ...) implies.
    static std::string nameForLanguage(std::string_view language);

    const std::string& name() const { return name_; }

    // UTF-8 of one byte's character.
    std::string_view charOf(unsigned char byte) const { return chars_[byte]; }
    char32_t codePointOf(unsigned char byte) const { return codePoints_[byte]; }
    std::optional<unsigned char> byteOf(char32_t codePoint) const;
    // Whether the code page gives the byte a character of its own (see above).
    bool isAssigned(unsigned char byte) const { return assigned_[byte]; }

    std::string decode(std::string_view bytes) const;
    // Throws Error naming the first character the code page cannot hold.
    std::string encode(std::string_view utf8) const;
    // The first character of utf8 that cannot be written, if any.
    std::optional<char32_t> firstUnencodable(std::string_view utf8) const;

private:
    std::string name_;
    std::array<std::string, 256> chars_;
    std::array<char32_t, 256> codePoints_{};
    std::unordered_map<char32_t, unsigned char> bytes_;
    std::array<bool, 256> assigned_{};
};

// "“Ω” (U+03A9)": how messages name a character.
std::string describeCharacter(char32_t codePoint);
std::string unencodableMessage(char32_t codePoint, const std::string& codePageName);

} // namespace talvora
