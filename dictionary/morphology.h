#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace talvora {

struct Language;

// What a language's own morphology (its Hunspell dictionary, shipped in the program folder's
// "hunspell" folder) says of a word. Tidy asks it before a rewrite that a coincidence of
// letters could make: a negation or compound split, an accent or respelling fix.
class Morphology {
  public:
    // The language's, loaded on first use and kept; nothing when its files are missing or
    // cannot be read, and Tidy then leaves such words to the report.
    static const Morphology* of(const Language& language);
    // Where the files are looked for: the program folder's "hunspell" unless set otherwise.
    static void setFolder(std::filesystem::path folder);

    virtual ~Morphology() = default;
    // The word (UTF-8) is a word of the language as typed, or with a capital first letter
    // (a German noun typed in small letters).
    virtual bool knows(std::string_view word) const = 0;
    // Only as typed: a word in small letters that the language knows only with a capital is
    // a name (Pellem), no word.
    virtual bool knowsAsTyped(std::string_view word) const = 0;
    // How the language analyses a word it knows (as knows() takes it).
    struct Analysis {
        bool compound = false; // made of words (Ausgabedatei, verdensure)
        bool simple = false;   // a word of its own (partitionering, hondenhok)
        // The compound's ends where the analyses name its parts, each analysis longest first:
        // the named parts joined from each one to the last (arbeitsämter, ämter; filnavn,
        // navn).
        std::vector<std::string> endings;
        std::vector<std::string> lastParts; // each analysis's last named part (navn)
        std::vector<std::string> ownStems;  // the stems where it is a word of its own, lower-cased
        bool noun = false; // a stem with a capital (Regel of Regeln): a noun where nouns take one
    };
    virtual Analysis analyse(std::string_view word) const = 0;
    // A noun's gender where the language's analysis names it (French une photo, un
    // système): true for feminine; nothing where it names none or both.
    virtual std::optional<bool> feminine(std::string_view noun) const = 0;
    // The word's stems as the language gives them, lower-cased.
    virtual std::vector<std::string> stems(std::string_view word) const = 0;
    // The two are forms of one stem (nevyléčitelná and vyléčitelná, both of vyléčitelný;
    // not neurologové and urologové).
    virtual bool shareStem(std::string_view a, std::string_view b) const = 0;
};

namespace msg {
// The program folder lacks the language's word forms: Tidy splits no joined word.
std::string morphologyMissing(const Language& language);
} // namespace msg

} // namespace talvora
