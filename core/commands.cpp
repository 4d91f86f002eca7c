#include "commands.h"

#include "keyspace.h"
#include "keyspacebuild.h"
#include "tokenizer.h"

#include <unordered_map>

namespace talvora {

std::string msg::wordNotFound(std::string_view word) {
    return "Cannot find the word '" + std::string(word) +
           "'.  Either it is a misspelling, or needs to be added to the dictionary.";
}

std::string msg::codedWordsNotFound(int32_t count, const std::vector<MissingWord>& words) {
    constexpr size_t Named = 10;
    std::string text = std::to_string(count) + (count == 1 ? " word was" : " words were") +
                       " not found in the dictionary: ";
    for (size_t i = 0; i < words.size() && i < Named; ++i) {
        text += (i ? ", " : "") + words[i].word;
        if (words[i].count > 1)
            text += " (" + std::to_string(words[i].count) + " times)";
    }
    if (words.size() > Named)
        text += " and " + std::to_string(words.size() - Named) + " more";
    return text + ".";
}

namespace {

// Counts each missing word under its first occurrence.
class MissingCounter {
public:
    explicit MissingCounter(std::vector<MissingWord>& out) : out_(out) {}
    void add(const std::string& word) {
        auto [it, added] = at_.try_emplace(word, out_.size());
        if (added)
            out_.push_back({word, 0});
        ++out_[it->second].count;
    }

private:
    std::vector<MissingWord>& out_;
    std::unordered_map<std::string, size_t> at_;
};

// Records what a command reports and passes it on to the window as it happens.
class Reporter {
public:
    Reporter(const Feedback& f, CommandResult& r) : f_(f), r_(r) {}
    void status(const std::string& s) {
        r_.statuses.push_back(s);
        if (f_.status)
            f_.status(s);
    }
    void message(const std::string& m) {
        r_.messages.push_back(m);
        if (f_.message)
            f_.message(m);
    }
    // Kept for the caller without being shown now.
    void record(const std::string& m) { r_.messages.push_back(m); }
    void busy(bool on) {
        if (f_.busy)
            f_.busy(on);
    }

private:
    const Feedback& f_;
    CommandResult& r_;
};

// The entry checks Encode and Decode share; true when the command may go on.
bool codecMayRun(const Keyspace& ks, std::string_view text, Reporter& report) {
    if (text.empty())
        report.message(msg::MissingInput);
    else if (ks.wordCount() == 0)
        report.message(msg::DictionaryNotLoaded);
    else if (!ks.keyspaceReady())
        report.message(msg::KeyNotProcessed);
    else
        return true;
    return false;
}

// Past the entry checks: the busy pointer, then the parse.
std::vector<std::string> beginCodec(std::string_view text, CommandResult& result, Reporter& report) {
    result.started = true;
    report.busy(true);
    report.status(status::Parsing);
    return parseText(text);
}

} // namespace

CommandResult processKey(Keyspace& ks, std::string_view key, const Feedback& feedback) {
    CommandResult result;
    Reporter report(feedback, result);
    if (key.empty()) {
        report.message(msg::KeyNotDefined);
        return result;
    }
    if (!ks.dictionaryLoaded()) {
        report.message(msg::NoDictionaryForProcess);
        return result;
    }
    KeyNumbers numbers = expandKey(key);
    if (!usableAsStrides(numbers)) {
        report.message(msg::KeyUnusable);
        return result;
    }
    result.started = true;
    report.busy(true);
    report.status(status::CreatingKeyspace);
    if (feedback.progress)
        feedback.progress(0);
    if (feedback.progressVisible)
        feedback.progressVisible(true);
    ks.setPermutation(buildPermutation(ks.wordCount(), numbers, [&](int v) {
        if (v != 0 && feedback.progress) // 0 was shown before the bar appeared
            feedback.progress(v);
    }));
    if (feedback.progressVisible)
        feedback.progressVisible(false);
    report.status(status::KeyspaceReady);
    ks.setKeyspaceReady();
    report.busy(false);
    return result;
}

CommandResult encodeText(Keyspace& ks, std::string_view text, const Feedback& feedback) {
    CommandResult result;
    Reporter report(feedback, result);
    if (!codecMayRun(ks, text, report))
        return result;
    std::vector<std::string> tokens = beginCodec(text, result, report);
    report.status(status::Checking);
    std::vector<uint32_t> rows(tokens.size(), 0);
    std::vector<size_t> misses;
    MissingCounter missing(result.missing);
    for (size_t i = 0; i < tokens.size(); ++i) {
        if (tokens[i].empty())
            continue;
        rows[i] = ks.findWord(tokens[i]);
        if (rows[i] == 0) {
            misses.push_back(i);
            missing.add(tokens[i]);
        }
    }
    // One box per occurrence could mean thousands for a text that is not in this language.
    for (size_t i : misses) {
        if (misses.size() == 1)
            report.message(msg::wordNotFound(tokens[i]));
        else
            report.record(msg::wordNotFound(tokens[i]));
    }
    if (misses.empty()) {
        report.status(status::Encoding);
        std::string out;
        int32_t n = 0;
        for (size_t i = 0; i < tokens.size(); ++i) {
            if (tokens[i].empty())
                continue;
            ++n;
            out += ks.permuted(rows[i]);
            out += ' ';
            ks.rotate();
        }
        result.output = std::move(out);
        result.rows = std::move(rows);
        ks.restore(n);
    }
    report.status("");
    report.busy(false);
    return result;
}

CommandResult decodeText(Keyspace& ks, std::string_view text, const Feedback& feedback) {
    CommandResult result;
    Reporter report(feedback, result);
    if (!codecMayRun(ks, text, report))
        return result;
    std::vector<std::string> tokens = beginCodec(text, result, report);
    report.status(status::Decoding);
    std::string out;
    int32_t n = 0;
    MissingCounter missing(result.missing);
    for (const std::string& t : tokens) {
        if (t.empty())
            continue;
        ++n;
        if (uint32_t j = ks.findPermuted(t); j != 0) {
            out += ks.word(j);
            out += ' ';
        } else {
            ++result.notFound;
            missing.add(t);
        }
        ks.rotate();
    }
    result.output = std::move(out);
    ks.restore(n);
    report.status("");
    report.busy(false);
    return result;
}

} // namespace talvora
