#include "codepage.h"
#include "error.h"
#include "errorof.h"
#include "systemcalls.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <optional>

using namespace talvora;

namespace {

// Sets or clears one environment variable for the life of the object.
class ScopedEnv {
  public:
    ScopedEnv(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name))
            old_ = old;
        talvora::test::setEnv(name, value);
    }
    ~ScopedEnv() { talvora::test::setEnv(name_, old_ ? old_->c_str() : nullptr); }

  private:
    const char* name_;
    std::optional<std::string> old_;
};

} // namespace

TEST(CodePageChoice, TwoBytesOfOneCharacterAreRefusedNamingThem) {
    // ICU's cp874 reads 0xA0 and 0xE8 (and four more pairs) as the same Thai mark.
    EXPECT_EQ(errorOf([] { CodePage::fromName("cp874"); }),
              "The code page \"cp874\" reads the bytes 0xA0 and 0xE8 as the same character, so a "
              "text would not read back as it was written.");
    // The Windows table of the same script holds every byte apart.
    EXPECT_NO_THROW(CodePage::fromName("windows-874"));
    EXPECT_EQ(errorOf([] { CodePage::fromName("bogus"); }), "The code page \"bogus\" is not known.");
}

TEST(CodePageChoice, EveryOfferedCodePageReadsBackAllBytes) {
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    for (const std::string& name : CodePage::commonNames()) {
        CodePage cp = CodePage::fromName(name);
        EXPECT_EQ(cp.encode(cp.decode(all)), all) << name;
    }
}

TEST(CodePageChoice, UnusableVariableIsOneLineNamingItAndTheChoices) {
    ScopedEnv lang("LC_ALL", "cs_CZ.UTF-8");
#ifdef _WIN32
    const std::string localeCodePage = CodePage::localeName(); // the system's, not LC_ALL's
#else
    const std::string localeCodePage = "windows-1250";
#endif
    {
        ScopedEnv var("TALVORA_CODEPAGE", "bogus");
        const std::string line = errorOf([] { CodePage::fromEnvironment(); });
        EXPECT_EQ(line, "The environment variable TALVORA_CODEPAGE cannot be used: The code page "
                        "\"bogus\" is not known. It accepts a single-byte code page whose 256 "
                        "bytes read as 256 different characters, such as windows-1250, "
                        "windows-1251, windows-1252, windows-1253, windows-1254, windows-1257, "
                        "iso-8859-1, iso-8859-2, iso-8859-15 or koi8-r.");
        // The locale still gives its own (Windows' own code page, where there is one).
        EXPECT_EQ(CodePage::fromLocale().name(), localeCodePage);
    }
    {
        ScopedEnv var("TALVORA_CODEPAGE", "cp874\nx");
        const std::string line = errorOf([] { CodePage::fromEnvironment(); });
        EXPECT_NE(line.find("\"cp874?x\""), std::string::npos) << line;
        EXPECT_EQ(line.find('\n'), std::string::npos);
    }
    {
        ScopedEnv var("TALVORA_CODEPAGE", "UTF-8");
        EXPECT_NE(errorOf([] { CodePage::fromEnvironment(); }).find("not a single-byte"), std::string::npos);
    }
    {
        ScopedEnv var("TALVORA_CODEPAGE", nullptr);
        EXPECT_EQ(CodePage::fromEnvironment().name(), localeCodePage);
    }
}
