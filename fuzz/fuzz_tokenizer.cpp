// The tokenizer against its rules done character by character: lower-case every
// character, each CR LF (scanned from the start, not overlapping) a blank, then a new
// slot at every blank and the 30 separators dropped.

#include "fuzzsupport.h"
#include "tokenizer.h"
#include "utf8.h"

#include <unicode/uchar.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> modelParse(std::string_view text) {
    std::u32string chars;
    for (size_t pos = 0; pos < text.size();)
        chars.push_back(static_cast<char32_t>(u_tolower(static_cast<UChar32>(talvora::utf8::next(text, pos)))));
    std::u32string prepared;
    for (size_t i = 0; i < chars.size(); ++i) {
        if (chars[i] == 13 && i + 1 < chars.size() && chars[i + 1] == 10) {
            prepared += U' ';
            ++i;
        } else {
            prepared += chars[i];
        }
    }
    const std::u32string separators = U",.?/;:'[{]}\\|<>=+-_)(*&^%$#@!\"";
    std::vector<std::string> slots(2); // slot 0 unused, as in the table
    for (char32_t c : prepared) {
        if (c == U' ')
            slots.emplace_back();
        else if (separators.find(c) == std::u32string::npos)
            talvora::utf8::append(slots.back(), c);
    }
    slots.erase(slots.begin());
    return slots;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > 4096)
        return -1;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> got = talvora::parseText(text);
    const std::vector<std::string> want = modelParse(text);
    FUZZ_CHECK(got.size() == want.size(), fuzz::show(text) + ": " + std::to_string(got.size()) +
                                              " slots, model " + std::to_string(want.size()));
    for (size_t i = 0; i < got.size(); ++i) {
        FUZZ_CHECK(got[i] == want[i], fuzz::show(text) + " slot " + std::to_string(i + 1) + ": " +
                                          fuzz::show(got[i]) + ", model " + fuzz::show(want[i]));
        FUZZ_CHECK(talvora::utf8::isValid(got[i]), fuzz::show(got[i]));
    }
    return 0;
}
