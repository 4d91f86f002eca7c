#include "roundtrip.h"

#include "keyspace.h"
#include "text.h"
#include "tokenizer.h"

#include <array>
#include <unordered_set>

namespace talvora {

namespace {

const std::array<bool, 256>& separatorTable() {
    static const auto table = [] {
        std::array<bool, 256> t{};
        for (char c : Separators)
            t[static_cast<unsigned char>(c)] = true;
        return t;
    }();
    return table;
}

// Whether an entry, written after ahead rotations and read on its own, decodes to the plain word.
bool entryRoundTrips(const Keyspace& ks, uint32_t entryRow, uint32_t plainRow, uint32_t ahead) {
    const std::string_view e = ks.word(entryRow);
    if (e.empty())
        return false;
    const auto& separators = separatorTable();
    for (char c : e) {
        // A line feed becomes a line break in the output box and in saved files.
        if (c == ' ' || c == '\r' || c == '\n' || separators[static_cast<unsigned char>(c)])
            return false;
    }
    if (toLower(e) != e)
        return false;
    const uint32_t j = ks.findPermutedAhead(e, ahead);
    return j != 0 && (j == plainRow || ks.word(j) == ks.word(plainRow));
}

} // namespace

RoundTrip checkRoundTrip(const Keyspace& ks, const std::vector<uint32_t>& rows,
                         std::string_view encoded) {
    RoundTrip result;
    std::vector<uint32_t> plain;
    plain.reserve(rows.size());
    for (uint32_t r : rows)
        if (r != 0)
            plain.push_back(r);

    // The entries the encoder wrote, fetched in one tight pass so that the reads from the
    // large tables overlap instead of waiting one after the other.
    std::vector<uint32_t> entries(plain.size());
    std::vector<std::string_view> written(plain.size());
    for (size_t k = 0; k < plain.size(); ++k)
        entries[k] = ks.permutedRowAhead(plain[k], static_cast<uint32_t>(k));
    for (size_t k = 0; k < plain.size(); ++k)
        written[k] = ks.word(entries[k]);

    // Decode token by token as decodeText does, stopping at the first difference.
    const auto& separators = separatorTable();
    std::string token, lowered;
    size_t n = 0;
    auto decodeToken = [&] {
        if (token.empty())
            return true;
        bool plainAscii = true;
        for (char c : token)
            plainAscii = plainAscii && !(c & 0x80) && !(c >= 'A' && c <= 'Z');
        std::string_view t = token;
        if (!plainAscii) {
            lowered = toLower(token);
            t = lowered;
        }
        bool ok = false;
        if (n < plain.size()) {
            const auto ahead = static_cast<uint32_t>(n);
            if (n + 16 < written.size())
                __builtin_prefetch(written[n + 16].data()); // a word's bytes, a little ahead
            // The very entry the encoder wrote, held by no other row, can only decode to
            // the plain word: the lookup would find its own place.
            if (t == written[n] && !ks.duplicated(entries[n])) {
                ok = true;
            } else {
                const uint32_t j = ks.findPermutedAhead(t, ahead);
                ok = j != 0 && (j == plain[n] || ks.word(j) == ks.word(plain[n]));
            }
        }
        ++n;
        token.clear();
        return ok;
    };
    const size_t size = encoded.size();
    for (size_t i = 0; i < size && result.same; ++i) {
        const char c = encoded[i];
        if (c == ' ' || (c == '\r' && i + 1 < size && encoded[i + 1] == '\n')) {
            if (c == '\r')
                ++i;
            result.same = decodeToken();
        } else if (!separators[static_cast<unsigned char>(c)]) {
            token += c;
        }
    }
    if (result.same)
        result.same = decodeToken() && n == plain.size();
    if (result.same)
        return result;

    // Which entries are to blame: each output word tried on its own at its place. Twins
    // are named once.
    std::unordered_set<std::string_view> named;
    for (size_t k = 0; k < plain.size(); ++k) {
        if (!entryRoundTrips(ks, entries[k], plain[k], static_cast<uint32_t>(k)) &&
            named.insert(written[k]).second)
            result.faultyRows.push_back(entries[k]);
    }
    return result;
}

namespace {

// The entry as the message shows it: control characters spelt out.
std::string shown(std::string_view entry) {
    std::string out = "\"";
    for (char c : entry) {
        if (c == '\n')
            out += "\\n";
        else if (c == '\t')
            out += "\\t";
        else if (static_cast<unsigned char>(c) < 0x20)
            out += '?';
        else
            out += c;
    }
    return out + "\"";
}

} // namespace

std::string msg::roundTripWarning(const Keyspace& ks, const RoundTrip& check) {
    std::string text =
        "This encoded text will not decode back to your words with the same dictionary and key.";
    if (check.faultyRows.empty())
        return text;
    constexpr size_t Named = 5;
    text += "  Dictionary entries at fault: ";
    for (size_t i = 0; i < check.faultyRows.size() && i < Named; ++i) {
        const uint32_t row = check.faultyRows[i];
        const std::string_view e = ks.word(row);
        text += (i > 0 ? "; line " : "line ") + std::to_string(row) + " ";
        if (e.empty()) {
            text += "(empty)";
            continue;
        }
        text += shown(e);
        bool splits = false;
        for (char c : e)
            splits = splits || c == ' ' || c == '\r' || c == '\n' ||
                     isSeparator(static_cast<unsigned char>(c));
        if (splits) {
            text += " (holds a blank, line break or punctuation)";
            continue;
        }
        // Rare path: a plain scan for the entry's twin is fast enough.
        for (uint32_t r = 1; r <= ks.wordCount(); ++r)
            if (r != row && ks.word(r) == e) {
                text += " (also on line " + std::to_string(r) + ")";
                break;
            }
    }
    if (check.faultyRows.size() > Named)
        text += "; and " + std::to_string(check.faultyRows.size() - Named) + " more";
    text += ".  Correct the dictionary on both sides before sending this text.";
    return text;
}

} // namespace talvora
