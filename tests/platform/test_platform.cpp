#include "codepage.h"
#include "error.h"
#include "files.h"
#include "systemcalls.h"
#include "tempfolder.h"
#include "textfile.h"
#include "textlines.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sys/stat.h>

using namespace talvora;

TEST(CodePage, EveryByteRoundTrips) {
    for (const char* name : {"windows-1252", "windows-1250", "windows-1251", "windows-1253", "windows-1254"}) {
        CodePage cp = CodePage::fromName(name);
        std::string all;
        for (int b = 0; b < 256; ++b)
            all += static_cast<char>(b);
        std::string text = cp.decode(all);
        EXPECT_EQ(cp.encode(text), all) << name;
    }
}

TEST(CodePage, KnownCharacters) {
    CodePage w1252 = CodePage::fromName("windows-1252");
    EXPECT_EQ(w1252.decode("\x80\xE9\x9F"), "\u20AC\u00E9\u0178");
    EXPECT_EQ(w1252.decode("\x81"), "\u0081"); // unassigned: kept as its own value
    CodePage w1250 = CodePage::fromName("windows-1250");
    EXPECT_EQ(w1250.decode("\xB3\xEA\x9A"), "\u0142\u0119\u0161"); // ł ę š
    EXPECT_EQ(w1250.encode("žluťoučký"), "\x9El\x75\x9Dou\xE8k\xFD");
}

TEST(CodePage, RefusesWhatItCannotHoldNamingTheCharacter) {
    CodePage w1252 = CodePage::fromName("windows-1252");
    try {
        w1252.encode("abc\u0142d");
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "The character \"\u0142\" (U+0142) cannot be written in the code page windows-1252.");
    }
    EXPECT_EQ(w1252.firstUnencodable("ok\u03A9"), U'\u03A9');
    EXPECT_FALSE(w1252.firstUnencodable("caf\u00E9"));
    EXPECT_THROW(CodePage::fromName("no-such-codepage"), Error);
    EXPECT_THROW(CodePage::fromName("UTF-8"), Error);
}

TEST(CodePage, ChosenByVariableOrLocaleLanguage) {
    EXPECT_EQ(CodePage::nameForLanguage("cs"), "windows-1250");
    EXPECT_EQ(CodePage::nameForLanguage("pl"), "windows-1250");
    EXPECT_EQ(CodePage::nameForLanguage("ru"), "windows-1251");
    EXPECT_EQ(CodePage::nameForLanguage("el"), "windows-1253");
    EXPECT_EQ(CodePage::nameForLanguage("tr"), "windows-1254");
    EXPECT_EQ(CodePage::nameForLanguage("de"), "windows-1252");
    EXPECT_EQ(CodePage::nameForLanguage(""), "windows-1252");
    test::setEnv("TALVORA_CODEPAGE", "windows-1251");
    EXPECT_EQ(CodePage::environmentName(), "windows-1251");
    test::setEnv("TALVORA_CODEPAGE", nullptr);
#ifndef _WIN32 // Windows' own code page comes first there
    test::setEnv("LC_ALL", "pl_PL.UTF-8");
    EXPECT_EQ(CodePage::environmentName(), "windows-1250");
    test::setEnv("LC_ALL", nullptr);
#endif
}

TEST(TextLines, LineRules) {
    auto lines = [](std::string_view t) {
        std::vector<std::string> out;
        forEachLine(t, [&](std::string_view l) { out.emplace_back(l); });
        return out;
    };
    using V = std::vector<std::string>;
    EXPECT_EQ(lines("Apple\r\nTree \r\n\r\n"), (V{"Apple", "Tree ", ""}));
    EXPECT_EQ(lines("a\rb\r\nc"), (V{"a", "b", "c"}));
    EXPECT_EQ(lines("a\nb\r\nc"), (V{"a\nb", "c"})); // any CR: LF stays inside
    EXPECT_EQ(lines("a\nb\n"), (V{"a", "b"}));        // no CR at all: LF ends lines
    EXPECT_EQ(lines("a\n\nb"), (V{"a", "", "b"}));
    EXPECT_EQ(lines("single"), (V{"single"}));
    EXPECT_EQ(lines(""), V{});
    EXPECT_EQ(lines("\r\n"), V{""});
}

TEST(TextFile, GetTextAndSave) {
    TempFolder dir;
    CodePage cp = CodePage::fromName("windows-1252");
    EXPECT_EQ(readTextFile(dir.write("a.txt", "one\r\ntwo\r\nthr\xE9"), cp), "one\r\ntwo\r\nthr\u00E9\r\n");
    EXPECT_EQ(readTextFile(dir.write("b.txt", "one\r\n\r\ntwo\r\n"), cp), "one\r\n\r\ntwo\r\n");
    EXPECT_EQ(readTextFile(dir.write("c.txt", "one\ntwo\n"), cp), "one\r\ntwo\r\n");
    EXPECT_EQ(readTextFile(dir.write("d.txt", ""), cp), "");
    // What an editor here writes: UTF-8, with or without a byte order mark.
    EXPECT_EQ(readTextFile(dir.write("e.txt", "caf\u00E9 don\u2019t\n"), cp), "caf\u00E9 don\u2019t\r\n");
    EXPECT_EQ(readTextFile(dir.write("f.txt", "\xEF\xBB\xBF" "caf\u00E9"), cp), "caf\u00E9\r\n");
    // One byte that is no UTF-8 and the whole file is the code page's.
    EXPECT_EQ(readTextFile(dir.write("g.txt", "caf\u00E9 thr\xE9"), cp), "caf\u00C3\u00A9 thr\u00E9\r\n");
    CodePage cz = CodePage::fromName("windows-1250");
    EXPECT_EQ(readTextFile(dir.write("h.txt", "\xE8" "erven\xFD \x9A" "al"), cz), "\u010Derven\u00FD \u0161al\r\n");

    saveTextFile(dir / "out.txt", "caf\u00E9 ", cp);
    EXPECT_EQ(TempFolder::read(dir / "out.txt"), "caf\xE9 \r\n");
#ifndef _WIN32 // an owner-only DACL there: see test_windows.cpp
    EXPECT_EQ(test::modeOf(dir / "out.txt") & 0777, 0600u); // plain text: the owner's only
#endif
    saveTextFile(dir / "empty.txt", "", cp);
    EXPECT_EQ(TempFolder::read(dir / "empty.txt"), "\r\n");
    // A character the code page lacks: refused, the old file untouched.
    EXPECT_THROW(saveTextFile(dir / "out.txt", "\u0142", cp), Error);
    EXPECT_EQ(TempFolder::read(dir / "out.txt"), "caf\xE9 \r\n");
    EXPECT_THROW(readTextFile(dir / "missing.txt", cp), Error);
    EXPECT_THROW(saveTextFile(dir / "no" / "such" / "x.txt", "x", cp), Error);
}
