// Dressing on encoded texts over small dictionaries made from the input: whatever the
// dictionary, the text, the key and the choices, the dressed output decodes exactly as the
// plain output does (the same words, the same count of words not found), and a character
// the code page cannot write is never added.

#include "commands.h"
#include "dress.h"
#include "fuzzsupport.h"
#include "keyspace.h"
#include "text.h"
#include "utf8.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > 4096)
        return -1;
    FuzzedDataProvider fdp(data, size);
    const talvora::CodePage& cp = fuzz::programCodePage(fdp.ConsumeIntegral<uint8_t>());

    // Entries as the dictionary reader gives them (lower-cased), any of them.
    talvora::WordList words;
    std::vector<std::string> entries;
    const int wanted = fdp.ConsumeIntegralInRange(1, 60);
    for (int i = 0; i < wanted && fdp.remaining_bytes() > 0; ++i) {
        std::string entry = talvora::toLower(cp.decode(fdp.ConsumeRandomLengthString(12)));
        words.add(entry);
        entries.push_back(entry);
    }
    if (entries.empty())
        return -1;
    std::string key;
    for (int i = 0; i < 18; ++i)
        key += static_cast<char>('1' + fdp.ConsumeIntegralInRange(0, 8));
    talvora::Keyspace ks;
    ks.load(words);
    if (!talvora::processKey(ks, key).started)
        return 0;

    // A text of dictionary entries, or of anything at all.
    std::string text;
    if (fdp.ConsumeBool()) {
        const int count = fdp.ConsumeIntegralInRange(1, 40);
        for (int i = 0; i < count; ++i)
            text += entries[fdp.ConsumeIntegralInRange<size_t>(0, entries.size() - 1)] + " ";
    } else {
        text = cp.decode(fdp.ConsumeRandomLengthString(200));
    }
    const talvora::CommandResult encoded = talvora::encodeText(ks, text);
    if (!encoded.output || encoded.output->empty())
        return 0;

    const auto canWrite = [&cp](char32_t c) { return cp.byteOf(c).has_value(); };
    const std::string dressed = talvora::dressText(*encoded.output, canWrite, [&](uint32_t bound) {
        return fdp.ConsumeIntegralInRange<uint32_t>(0, bound - 1);
    });
    FUZZ_CHECK(!cp.firstUnencodable(dressed) || cp.firstUnencodable(*encoded.output),
               "dressing added an unwritable character: " + fuzz::show(dressed));
    const talvora::CommandResult plain = talvora::decodeText(ks, *encoded.output);
    const talvora::CommandResult fromDressed = talvora::decodeText(ks, dressed);
    FUZZ_CHECK(plain.output == fromDressed.output && plain.notFound == fromDressed.notFound,
               fuzz::show(*encoded.output) + " dressed as " + fuzz::show(dressed) + " decodes as " +
                   fuzz::show(fromDressed.output.value_or("(none)")) + ", plain as " +
                   fuzz::show(plain.output.value_or("(none)")));
    return 0;
}
