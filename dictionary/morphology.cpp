#include "morphology.h"

#include "codepage.h"
#include "languages.h"
#include "lowercase.h"
#include "oscalls.h"
#include "programfolder.h"

#include "utf8.h"

#include <hunspell.hxx>
#include <unicode/uchar.h>

#include <algorithm>
#include <map>
#include <memory>
#include <mutex>
#include <optional>

namespace talvora {

namespace {

class HunspellMorphology final : public Morphology {
  public:
    // Hunspell opens its files by narrow names.
    HunspellMorphology(const std::string& aff, const std::string& dic)
        : hunspell_(aff.c_str(), dic.c_str()) {
        // Hunspell speaks its dictionary's encoding: ISO8859-1 and -2 here besides UTF-8.
        std::string encoding = hunspell_.get_dict_encoding();
        if (encoding.starts_with("ISO8859-"))
            encoding.insert(3, "-");
        if (encoding != "UTF-8")
            codePage_ = CodePage::fromName(encoding);
    }

    bool knows(std::string_view word) const override {
        std::lock_guard lock(mutex_);
        for (const std::string& native : nativeForms(word))
            if (hunspell_.spell(native))
                return true;
        return false;
    }

    bool knowsAsTyped(std::string_view word) const override {
        std::lock_guard lock(mutex_);
        const std::optional<std::string> native = toNative(word);
        return native && hunspell_.spell(*native);
    }

    // Hunspell names each part of a compound "pa:" and a stem "st:".
    Analysis analyse(std::string_view word) const override {
        Analysis result;
        std::lock_guard lock(mutex_);
        for (const std::string& native : nativeForms(word)) {
            for (const std::string& line : hunspell_.analyze(native)) {
                if (line.find("pa:") == std::string::npos) {
                    if (const size_t at = line.find("st:"); at != std::string::npos) {
                        result.simple = true;
                        const size_t end = line.find_first_of(" \t", at + 3);
                        const std::string stem = line.substr(at + 3, end == std::string::npos ? end : end - at - 3);
                        const std::string decoded = codePage_ ? codePage_->decode(stem) : stem;
                        size_t pos = 0;
                        result.noun = result.noun ||
                                      (!decoded.empty() &&
                                       u_isupper(static_cast<UChar32>(utf8::next(decoded, pos))));
                        std::string lower = toLower(decoded);
                        if (std::find(result.ownStems.begin(), result.ownStems.end(), lower) == result.ownStems.end())
                            result.ownStems.push_back(std::move(lower));
                    }
                    continue;
                }
                // Another analysis is a guess as often as not (peri+ods beside per+iods): only
                // its ends of four letters or more count.
                const size_t shortest = result.compound ? 4 : 1;
                result.compound = true;
                std::vector<std::string> parts;
                for (size_t at = line.find("pa:"); at != std::string::npos; at = line.find("pa:", at)) {
                    at += 3;
                    const size_t end = line.find_first_of(" \t", at);
                    const std::string part = line.substr(at, end == std::string::npos ? end : end - at);
                    parts.push_back(codePage_ ? codePage_->decode(part) : part);
                }
                auto letters = [](const std::string& text) {
                    return static_cast<size_t>(std::count_if(text.begin(), text.end(), [](char c) {
                        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
                    }));
                };
                auto add = [&](std::vector<std::string>& list, std::string ending) {
                    if (letters(ending) >= shortest &&
                        std::find(list.begin(), list.end(), ending) == list.end())
                        list.push_back(std::move(ending));
                };
                if (!parts.empty())
                    add(result.lastParts, parts.back());
                for (size_t i = 0; i < parts.size(); ++i) {
                    std::string ending;
                    for (size_t j = i; j < parts.size(); ++j)
                        ending += parts[j];
                    add(result.endings, std::move(ending));
                }
            }
            if (result.compound || result.simple)
                break;
        }
        return result;
    }

    std::optional<bool> feminine(std::string_view noun) const override {
        const std::optional<std::string> native = toNative(noun);
        if (!native)
            return std::nullopt;
        bool isFeminine = false, isMasculine = false;
        std::lock_guard lock(mutex_);
        for (const std::string& line : hunspell_.analyze(*native))
            if (line.find("po:nom") != std::string::npos) {
                isFeminine = isFeminine || line.find("is:fem") != std::string::npos;
                isMasculine = isMasculine || line.find("is:mas") != std::string::npos;
            }
        if (isFeminine == isMasculine)
            return std::nullopt;
        return isFeminine;
    }

    std::vector<std::string> stems(std::string_view word) const override {
        std::vector<std::string> out;
        std::lock_guard lock(mutex_);
        for (const std::string& native : nativeForms(word)) {
            for (const std::string& stem : hunspell_.stem(native))
                out.push_back(toLower(codePage_ ? codePage_->decode(stem) : stem));
            if (!out.empty())
                break;
        }
        return out;
    }

    bool shareStem(std::string_view a, std::string_view b) const override {
        const auto nativeA = toNative(a), nativeB = toNative(b);
        if (!nativeA || !nativeB)
            return false;
        std::lock_guard lock(mutex_);
        const auto stemsA = hunspell_.stem(*nativeA), stemsB = hunspell_.stem(*nativeB);
        return std::any_of(stemsA.begin(), stemsA.end(), [&](const std::string& stem) {
            return std::find(stemsB.begin(), stemsB.end(), stem) != stemsB.end();
        });
    }

  private:
    // The word as typed, then with a capital first letter where that differs, each in the
    // dictionary's encoding; a form the encoding cannot hold is left out.
    std::vector<std::string> nativeForms(std::string_view word) const {
        std::vector<std::string> forms;
        if (word.empty())
            return forms;
        size_t pos = 0;
        const char32_t first = utf8::next(word, pos);
        std::string capital;
        utf8::append(capital, static_cast<char32_t>(u_toupper(static_cast<UChar32>(first))));
        capital.append(word.substr(pos));
        if (auto native = toNative(word))
            forms.push_back(std::move(*native));
        if (capital != word)
            if (auto native = toNative(capital))
                forms.push_back(std::move(*native));
        return forms;
    }

    // Nothing for a word its encoding cannot hold: no word of the dictionary.
    std::optional<std::string> toNative(std::string_view word) const {
        if (!codePage_)
            return std::string(word);
        if (codePage_->firstUnencodable(word))
            return std::nullopt;
        return codePage_->encode(word);
    }

    mutable std::mutex mutex_; // Hunspell keeps working state between calls
    mutable Hunspell hunspell_;
    std::optional<CodePage> codePage_;
};

struct Registry {
    std::mutex mutex;
    std::optional<std::filesystem::path> folder;
    std::map<std::string_view, std::unique_ptr<Morphology>> loaded; // none: tried, missing
};

Registry& registry() {
    static Registry instance;
    return instance;
}

std::filesystem::path folderLocked(Registry& r) {
    return r.folder ? *r.folder : programFolder() / "hunspell";
}

} // namespace

void Morphology::setFolder(std::filesystem::path folder) {
    Registry& r = registry();
    std::lock_guard lock(r.mutex);
    r.folder = std::move(folder);
    r.loaded.clear();
}

const Morphology* Morphology::of(const Language& language) {
    Registry& r = registry();
    std::lock_guard lock(r.mutex);
    if (language.hunspell.empty())
        return nullptr;
    auto [it, added] = r.loaded.try_emplace(language.hunspell);
    if (added) {
        const std::filesystem::path base = folderLocked(r) / std::string(language.hunspell);
        std::filesystem::path aff = base, dic = base;
        aff += ".aff";
        dic += ".dic";
        std::error_code error;
        // Only plain files: a pipe planted in their place would hold the program.
        const std::string affName = os::narrowPath(aff), dicName = os::narrowPath(dic);
        if (std::filesystem::is_regular_file(aff, error) &&
            std::filesystem::is_regular_file(dic, error) && !affName.empty() && !dicName.empty()) {
            try {
                it->second = std::make_unique<HunspellMorphology>(affName, dicName);
            } catch (const std::exception&) {
                // An encoding no code page reads: as if missing.
            }
        }
    }
    return it->second.get();
}

std::string msg::morphologyMissing(const Language& language) {
    return "The program folder lacks hunspell/" + std::string(language.hunspell) +
           ".dic, which Tidy needs to split joined words: they stay as typed.";
}

} // namespace talvora
