#pragma once

// Text helpers that the rule families share.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace talvora::tidy {

bool isSeparatorByte(char c);
bool isAsciiDigit(char c);
// The text before a piece ends with a number and a blank: the piece continues it (3 1/2).
bool followsNumber(std::string_view before);
bool isLowerCase(char32_t c);
bool isUpperCase(char32_t c);
bool isLetter(char32_t c);
bool hasLowerCase(std::string_view text);
// A letter, digit or combining mark.
bool isWordChar(char32_t c);

// The token a piece without blanks gives: lower-cased, separators dropped.
std::string tokenOf(std::string_view piece);
std::vector<std::string_view> splitBlanks(std::string_view text);
std::u32string decode(std::string_view text);
std::string encode(std::u32string_view text);
// Where a piece's word lies: from its first to its last character that is no separator.
std::pair<size_t, size_t> coreOf(std::string_view piece);
// A straight or typographic quote mark (" ' « » „ “ ” ‘ ’ ‚ ‹ ›).
bool isQuote(char32_t c);
// The core without the quotes around it and the marks inside them (»foo.example.org«;
// «/etc/fstab», with its comma): a quote alone is left as it stands.
std::pair<size_t, size_t> unquotedCoreOf(std::string_view piece);

// A program's placeholder (%1$s, »%2$d«, %1, %s), quotes and punctuation around it: a code,
// not a number.
bool isPlaceholder(std::string_view piece);
// Something to type exactly as written: a template's variable ($ORIG[subject], ${name}), a
// markup entity (&lt;tab&gt;), a pattern (20../.) or a command's option
// (--list-scripts=themes). No rule but that of blanks reads it: each of its signs counts.
bool isCode(std::string_view piece);

// The word, in small letters, is one of the list's.
bool listed(std::span<const std::string_view> list, std::string_view word);

// A letter of the languages' code pages as its base letter (é, ě as e; ł, ø, đ as l, o, d).
std::u32string withoutAccents(std::u32string_view word);
// A small vowel, with or without its accent (a, é, ů, y).
bool isVowel(char32_t c);
// A small vowel with an acute, grave or circumflex accent: it marks how the vowel sounds,
// not another letter (é, è, ê; not å, ä, ů).
bool isStressAccent(char32_t c);
// A dictionary word with the capitals of the word as typed: letter by letter, and the whole
// word when it was typed in capitals (a respelled word may be shorter: ANSCHLAEGE).
std::string withCapitalsOf(std::u32string_view typed, std::u32string word);

// Of the candidates offered, the one of lowest rank; none when several share it: the word is
// then left to the report rather than guessed.
template <class Word, class Rank> class UniqueBest {
  public:
    void offer(const Word& word, const Rank& rank) {
        if (count_ == 0 || rank < rank_) {
            best_ = word;
            rank_ = rank;
            count_ = 1;
        } else if (rank == rank_ && word != best_) {
            ++count_;
        }
    }
    const Word* get() const { return count_ == 1 ? &best_ : nullptr; }
    const Rank& rank() const { return rank_; }

  private:
    Word best_{};
    Rank rank_{};
    int count_ = 0;
};

} // namespace talvora::tidy
