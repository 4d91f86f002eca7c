// talvora-cli: the command-line front end on the same libraries as the window.
#include "codepage.h"
#include "commands.h"
#include "context.h"
#include "dictionaryfile.h"
#include "dress.h"
#include "error.h"
#include "files.h"
#include "keyexpansion.h"
#include "keyfile.h"
#include "keyspace.h"
#include "languages.h"
#include "morphology.h"
#include "oscalls.h"
#include "programfolder.h"
#include "roundtrip.h"
#include "textfile.h"
#include "textlines.h"
#include "tidy.h"
#include "utf8.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <cstdlib>
#include <iostream>
#include <iterator>
#include <optional>

#ifdef TALVORA_L10N
#include "language.h"
#endif

namespace fs = std::filesystem;

namespace talvora::cli {

fs::path Context::programFolder() const { return folder.empty() ? talvora::programFolder() : pathFromUtf8(folder); }

CodePage Context::codePage() const { return CodePage::fromEnvironment(); }

std::string printable(std::string_view name) {
    static const char* hex = "0123456789abcdef";
    std::string out;
    size_t pos = 0;
    while (pos < name.size()) {
        size_t start = pos;
        char32_t c = utf8::next(name, pos);
        if (c < 0x20 || (c >= 0x7F && c <= 0x9F)) {
            out += "\\x";
            out += hex[c >> 4];
            out += hex[c & 15];
        } else if (c == U'\uFFFD' && name.substr(start, pos - start) != "\xEF\xBF\xBD") {
            out += '?';
        } else {
            out += name.substr(start, pos - start);
        }
    }
    return out;
}

// Messages quote the input ("Cannot find the word '…'"): its control characters are shown
// escaped, never sent to the terminal. A message's own line breaks stay: a token never holds one.
void printMessages(const std::vector<std::string>& messages) {
    for (const auto& english : messages) {
        const std::string m = forTerminal(english, os::StandardError);
        for (size_t begin = 0, end; begin <= m.size(); begin = end + 1) {
            end = std::min(m.find('\n', begin), m.size());
            std::cerr << printable(std::string_view(m).substr(begin, end - begin)) << '\n';
        }
    }
}

std::string forTerminal(const std::string& message, int fd) {
#ifdef TALVORA_L10N
    if (os::isTerminal(fd))
        return l10n::translateMessage(message).toStdString();
#else
    (void)fd;
#endif
    return message;
}

void startTerminalLanguage() {
#ifdef TALVORA_L10N
    if (os::isTerminal(os::StandardOutput) || os::isTerminal(os::StandardError))
        l10n::setLanguage(l10n::systemLanguage());
#endif
}

namespace {

// A display name of the language table, or a path.
fs::path resolveDictionary(const Context& ctx, const std::string& arg) {
    if (auto file = dictionaryFileFor(arg))
        return ctx.programFolder() / *file;
    // A bare file name that is not in the working folder is one of the program folder's.
    fs::path path = pathFromUtf8(arg);
    std::error_code ec;
    if (!path.has_parent_path() && !fs::exists(path, ec))
        return ctx.programFolder() / path;
    return path;
}

// A key is at most 18 characters; a longer first line is not a key file.
constexpr size_t MaxKeyLine = 1000;

struct KeyOptions {
    std::string key, keyFile, keyName;
    bool keyGiven = false;

    void add(CLI::App* sub) {
        sub->add_option("--key", key,
                        "The key text. Other users of the machine can see it in the process "
                        "list: prefer --key-file, --key-name or TALVORA_KEY");
        sub->add_option("--key-file", keyFile, "Read the key from the first line of this file");
        sub->add_option("--key-name", keyName, "Use the key stored under this name in key.dat");
    }

    std::string resolve(CLI::App* sub, const Context& ctx) const {
        int sources = (sub->count("--key") > 0) + (sub->count("--key-file") > 0) +
                      (sub->count("--key-name") > 0);
        if (sources > 1)
            throw CLI::ValidationError("key", "give only one of --key, --key-file, --key-name");
        if (sub->count("--key"))
            return key;
        if (sub->count("--key-file"))
            return files::readFirstLine(keyFile, MaxKeyLine);
        if (sub->count("--key-name")) {
            CodePage cp = ctx.codePage();
            keys::KeyFile file(ctx.programFolder(), cp);
            auto found = file.findKeyByName(keyName);
            if (!found)
                throw Error("No key is stored under the name " + printable(keyName) + ".");
            return *found;
        }
        if (const char* env = std::getenv("TALVORA_KEY"))
            return env;
        throw CLI::ValidationError("key", "no key: give --key, --key-file, --key-name or set TALVORA_KEY");
    }
};

std::string readStandardInput() {
    std::string data;
    char buf[1 << 16];
    while (std::cin.read(buf, sizeof buf) || std::cin.gcount() > 0) {
        data.append(buf, static_cast<size_t>(std::cin.gcount()));
        if (data.size() > files::MaxTextBytes)
            throw Error("The standard input is larger than " +
                        std::to_string(files::MaxTextBytes >> 20) +
                        " MB, the most the program reads.");
    }
    if (!utf8::isValid(data))
        throw Error("The standard input is not valid UTF-8 text.");
    return withCrLfLines(data);
}

// Standard output has LF line ends; only dressed text holds line breaks.
std::string withLfLines(std::string text) {
    size_t at = 0;
    while ((at = text.find("\r\n", at)) != std::string::npos)
        text.erase(at, 1);
    return text;
}

// Refusals end the run with status 1 after their messages.
void finish(const CommandResult& r) {
    if (!r.started || !r.output) {
        printMessages(r.messages);
        throw Exit{1};
    }
}

// A shipped dictionary is read in its language's code page, any other in the program's.
void loadOrFail(Keyspace& ks, const Context& ctx, const std::string& dictionary, const CodePage& cp) {
    fs::path path = resolveDictionary(ctx, dictionary);
    loadDictionary(ks, path, dictionaryCodePage(path, cp));
}

void processOrFail(Keyspace& ks, const std::string& key) {
    CommandResult r = processKey(ks, key);
    if (!r.started) {
        printMessages(r.messages);
        throw Exit{1};
    }
}

// The locale of the number words: --language (a language name or a locale code), else the
// dictionary's language. Where the program folder lacks that language's word forms, Tidy
// splits no joined word: the user is told, not left to wonder.
std::string tidyLocale(const std::string& language, const std::string& dictionary) {
    std::string locale = language.empty() ? tidyLocaleFor(dictionary) : tidyLocaleFor(language);
    if (locale.empty())
        locale = language;
    if (const Language* known = languageFor(locale);
        known && !known->hunspell.empty() && !Morphology::of(*known))
        std::cerr << "talvora-cli: warning: "
                  << printable(forTerminal(msg::morphologyMissing(*known), os::StandardError))
                  << '\n';
    return locale;
}

// Each change, one a line: line number, the original, its replacement and the rules that
// made it.
void printTidyChanges(const TidyResult& r) {
    std::string report;
    for (const TidyChange& c : r.changes)
        report += "line " + std::to_string(c.line) + ": \"" + printable(c.original) + "\" -> \"" +
                  printable(c.replacement) + "\" (" + c.rule + ")\n";
    std::cerr << report;
}

// The changes, then the unknown words, one a line: word, count, suggestions, separated by
// tabs.
void printTidyReport(const TidyResult& r) {
    printTidyChanges(r);
    std::string report;
    for (const UnknownWord& u : r.unknown) {
        report += printable(u.word) + '\t' + std::to_string(u.count) + '\t';
        for (size_t i = 0; i < u.suggestions.size(); ++i)
            report += (i ? ", " : "") + printable(u.suggestions[i]);
        report += '\n';
    }
    std::cerr << report;
}

constexpr const char* spellNamesHelp =
    "Write each name that stays unknown letter by letter: a capitalised word, or one that the "
    "language does not know either (git), but not a likely typo; listed as a change";
constexpr const char* spellWordsHelp =
    "Write each word that stays unknown letter by letter, names included, but not a likely typo "
    "(one letter from a dictionary word), which keeps its suggestions; listed as a change";

// The words to spell out, as the two flags ask.
SpellOut spellOutFor(bool names, bool words) {
    return words ? SpellOut::Words : names ? SpellOut::Names : SpellOut::Nothing;
}

void addTidyCommand(CLI::App& app, Context& ctx) {
    struct Options {
        std::string dictionary, input, language;
        bool noSuggestions = false, spellNames = false, spellWords = false;
    };
    auto opts = std::make_shared<Options>();
    CLI::App* sub = app.add_subcommand(
        "tidy", "Make a text encodable: rewrite only the words the dictionary lacks (spaces, quotes, "
                "punctuation, joined words, digits, accents, abbreviations, compounds). Prints the text; on standard error each change "
                "(line N: \"original\" -> \"replacement\" (rule)), then each word still unknown with its count and "
                "suggestions, tab-separated. Status 0 when the text "
                "encodes, 1 otherwise");
    sub->add_option("--dictionary,-d", opts->dictionary,
                    "Dictionary file, or a language name of the program folder (\"English\")")
        ->required();
    sub->add_option("--input,-i", opts->input, "Read the text from this file: UTF-8 or the code page (default: standard input, UTF-8)");
    sub->add_option("--language", opts->language,
                    "Language of the number words, a name (\"French\") or locale code (\"fr\"); "
                    "default: the dictionary's");
    sub->add_flag("--spell-names", opts->spellNames, spellNamesHelp);
    sub->add_flag("--spell-words", opts->spellWords, spellWordsHelp);
    sub->add_flag("--no-suggestions", opts->noSuggestions,
                  "Report the unknown words and their counts only (faster on large dictionaries)");
    sub->callback([opts, &ctx] {
        CodePage cp = ctx.codePage();
        std::string text = opts->input.empty() ? readStandardInput() : readTextFile(pathFromUtf8(opts->input), cp);
        Keyspace ks;
        loadOrFail(ks, ctx, opts->dictionary, cp);
        Tidier tidier(ks, tidyLocale(opts->language, opts->dictionary));
        TidyResult r = tidier.tidy(text, !opts->noSuggestions, spellOutFor(opts->spellNames, opts->spellWords));
        std::string out;
        forEachLine(r.text, [&](std::string_view line) {
            out += line;
            out += '\n';
        });
        std::cout << out;
        printTidyReport(r);
        if (!r.encodes())
            throw Exit{1};
    });
}

void addCodecCommand(CLI::App& app, Context& ctx, const std::string& name, bool encoding) {
    struct Options {
        std::string dictionary, input, output, language;
        bool tidy = false, spellNames = false, spellWords = false;
        KeyOptions key;
        bool dress = false, strict = false;
    };
    auto opts = std::make_shared<Options>();
    CLI::App* sub = app.add_subcommand(name, encoding ? "Encode a text into dictionary words"
                                                      : "Decode dictionary words back into the text");
    sub->add_option("--dictionary,-d", opts->dictionary,
                    "Dictionary file, or a language name of the program folder (\"English\")")
        ->required();
    opts->key.add(sub);
    sub->add_option("--input,-i", opts->input, "Read the text from this file: UTF-8 or the code page (default: standard input, UTF-8)");
    sub->add_option("--output,-o", opts->output, "Write the result to this file (the code page, CR LF)");
    if (encoding) {
        sub->add_flag("--tidy", opts->tidy, "Tidy the text first (see the tidy command), then encode it; each change is "
                                      "printed on standard error");
        sub->add_option("--language", opts->language, "With --tidy: language of the number words");
        sub->add_flag("--spell-names", opts->spellNames, std::string("With --tidy: ") + spellNamesHelp);
        sub->add_flag("--spell-words", opts->spellWords, std::string("With --tidy: ") + spellWordsHelp);
        sub->add_flag("--dress", opts->dress, "Dress the words as sentences (capitals, full stops, commas, "
                                              "paragraphs); they decode as before");
        sub->add_flag("--strict", opts->strict, "Exit with status 3 when the output would not decode back to "
                                                "the text");
    }
    sub->callback([sub, opts, &ctx, encoding] {
        std::string key = opts->key.resolve(sub, ctx);
        CodePage cp = ctx.codePage();
        std::string text = opts->input.empty() ? readStandardInput() : readTextFile(pathFromUtf8(opts->input), cp);
        Keyspace ks;
        loadOrFail(ks, ctx, opts->dictionary, cp);
        processOrFail(ks, key);
        if (opts->tidy) {
            TidyResult tidied = Tidier(ks, tidyLocale(opts->language, opts->dictionary))
                                    .tidy(text, true, spellOutFor(opts->spellNames, opts->spellWords));
            printTidyChanges(tidied);
            text = std::move(tidied.text);
        }
        CommandResult r = encoding ? encodeText(ks, text) : decodeText(ks, text);
        finish(r);
        if (!encoding && r.notFound > 0)
            std::cerr << printable(forTerminal(msg::codedWordsNotFound(r.notFound, r.missing), os::StandardError))
                      << '\n';
        if (opts->dress)
            *r.output = dressText(*r.output, [&cp](char32_t c) { return cp.byteOf(c).has_value(); });
        const RoundTrip check = encoding ? checkRoundTrip(ks, r.rows, *r.output) : RoundTrip{};
        if (opts->output.empty())
            std::cout << withLfLines(*r.output) << '\n';
        else
            saveTextFile(pathFromUtf8(opts->output), *r.output, cp);
        if (!check.same) {
            std::cerr << "talvora-cli: warning: " << printable(forTerminal(msg::roundTripWarning(ks, check), os::StandardError))
                      << '\n';
            if (opts->strict)
                throw Exit{3};
        }
    });
}

void addInspectCommand(CLI::App& app, Context& ctx) {
    CLI::App* inspect = app.add_subcommand("inspect", "Show the cipher's working values");
    inspect->require_subcommand(1);

    auto key = std::make_shared<std::string>();
    CLI::App* expand = inspect->add_subcommand("expand-key", "Print the 12320 numbers of a key, one a line");
    expand->add_option("KEY", *key, "The key text")->required();
    expand->callback([key] {
        if (key->empty())
            throw Error(msg::KeyNotDefined);
        KeyNumbers numbers = expandKey(*key);
        std::string out;
        for (int i = 1; i <= KeyNumberCount; ++i)
            out += std::to_string(numbers[i]) + '\n';
        std::cout << out;
    });

    struct Options {
        std::string dictionary;
        KeyOptions key;
    };
    auto opts = std::make_shared<Options>();
    CLI::App* column = inspect->add_subcommand("keyspace", "Print the permuted column after Process, one word a line");
    column->add_option("--dictionary,-d", opts->dictionary, "Dictionary file or language name")->required();
    opts->key.add(column);
    column->callback([column, opts, &ctx] {
        std::string key = opts->key.resolve(column, ctx);
        CodePage cp = ctx.codePage();
        Keyspace ks;
        loadOrFail(ks, ctx, opts->dictionary, cp);
        processOrFail(ks, key);
        std::string out;
        for (uint32_t r = 1; r <= ks.wordCount(); ++r) {
            out += ks.permuted(r);
            out += '\n';
        }
        std::cout << out;
    });
}

void addDictCommand(CLI::App& app, Context& ctx) {
    CLI::App* dict = app.add_subcommand("dict", "List, check, search and extend dictionaries");
    dict->require_subcommand(1);

    CLI::App* list = dict->add_subcommand("list", "The languages of the program folder, with files and word counts");
    list->callback([&ctx] {
        CodePage cp = ctx.codePage();
        auto entries = listDictionaries(ctx.programFolder());
        std::sort(entries.begin(), entries.end());
        for (const auto& e : entries) {
            auto path = dictionaryPathFor(ctx.programFolder(), e);
            std::cout << e << '\t' << utf8Path(path->filename()) << '\t';
            try {
                std::cout << readDictionary(*path, dictionaryCodePage(*path, cp)).size() << " words\n";
            } catch (const Error& err) {
                std::cout << err.what() << '\n';
            }
        }
    });

    auto file = std::make_shared<std::string>();
    CLI::App* info = dict->add_subcommand("info", "Word count, fingerprint and entries that cannot round-trip");
    info->add_option("FILE", *file, "Dictionary file or language name")->required();
    info->callback([file, &ctx] {
        fs::path path = resolveDictionary(ctx, *file);
        CodePage cp = dictionaryCodePage(path, ctx.codePage());
        std::vector<uint32_t> unassigned;
        WordList words = readDictionary(path, cp, &unassigned);
        DictionaryCheck c = checkDictionary(words, unassigned);
        std::cout << "Words: " << words.size() << '\n'
                  << "Code page: " << cp.name() << '\n'
                  << "Fingerprint: " << dictionaryFingerprint(words) << '\n'
                  << "Entries that cannot round-trip: " << c.unusable << " (empty " << c.empty
                  << ", duplicated " << c.duplicated << ", holding a blank or separator "
                  << c.withSeparator << ", holding a byte the code page leaves unassigned "
                  << c.withUnassigned << ")\n";
        constexpr size_t Named = 20;
        for (size_t i = 0; i < c.entries.size() && i < Named; ++i)
            std::cout << "  line " << c.entries[i].row << ": \"" << printable(words[c.entries[i].row])
                      << "\": " << c.entries[i].why << '\n';
        if (c.entries.size() > Named)
            std::cout << "  and " << c.entries.size() - Named << " more\n";
    });

    auto searchFile = std::make_shared<std::string>();
    auto prefix = std::make_shared<std::string>();
    CLI::App* search = dict->add_subcommand("search", "The words that begin with PREFIX, in dictionary order");
    search->add_option("FILE", *searchFile, "Dictionary file or language name")->required();
    search->add_option("PREFIX", *prefix, "The beginning of the words")->required();
    search->callback([searchFile, prefix, &ctx] {
        fs::path path = resolveDictionary(ctx, *searchFile);
        WordList words = readDictionary(path, dictionaryCodePage(path, ctx.codePage()));
        std::string out;
        for (uint32_t r : searchDictionary(words, *prefix)) {
            out += words[r];
            out += '\n';
        }
        std::cout << out;
    });

    auto addFile = std::make_shared<std::string>();
    auto word = std::make_shared<std::string>();
    addDictDiffCommand(*dict, ctx, [&ctx](const std::string& arg) { return resolveDictionary(ctx, arg); });

    CLI::App* add = dict->add_subcommand("add", "Append a word to a dictionary file");
    add->add_option("FILE", *addFile, "Dictionary file or language name")->required();
    add->add_option("WORD", *word, "The word to add")->required();
    add->callback([addFile, word, &ctx] {
        fs::path path = resolveDictionary(ctx, *addFile);
        // Appended in the code page the file is read in, so the word reads back the same.
        CodePage cp = dictionaryCodePage(path, ctx.codePage());
        Keyspace ks;
        loadDictionary(ks, path, cp);
        AddResult r = addDictionaryWord(ks, path, *word, cp);
        if (r.outcome != AddOutcome::Added) {
            printMessages({r.message});
            throw Exit{1};
        }
        std::cout << forTerminal(r.message, os::StandardOutput) << '\n';
    });
}

} // namespace

// A usage error in words that name what was wrong: an unknown command or option, or a
// missing command; nothing when the library's own words say it better.
std::optional<std::string> usageProblem(CLI::App& app) {
    CLI::App* at = &app;
    for (bool deeper = true; deeper;) {
        deeper = false;
        for (CLI::App* sub : at->get_subcommands())
            if (sub->parsed()) {
                at = sub;
                deeper = true;
                break;
            }
    }
    const std::string where = at == &app ? "" : " of " + at->get_name();
    const std::vector<std::string> left = app.remaining(true);
    if (!left.empty() && left.front().starts_with('-'))
        return "\"" + printable(left.front()) + "\" is not an option" + where + ".";
    if (at->get_require_subcommand_min() == 0 || !at->get_subcommands().empty())
        return std::nullopt;
    std::string known;
    for (const CLI::App* sub : at->get_subcommands({}))
        known += (known.empty() ? "" : ", ") + sub->get_name();
    if (left.empty())
        return (at == &app ? std::string("a command is needed") : at->get_name() + " needs a command") +
               "; the commands are " + known + ".";
    return "\"" + printable(left.front()) + "\" is not a command" + where + "; the commands are " + known + ".";
}

} // namespace talvora::cli

int main(int argc, char** argv) {
    using namespace talvora::cli;
    talvora::os::useBinaryStandardStreams();
    startTerminalLanguage();
    CLI::App app{"Talvora: turns a text into other words of the same dictionary, and back, "
                 "through a secret key.",
                 "talvora-cli"};
    app.set_version_flag("--version", std::string("talvora-cli 1.0.0"));
    app.footer(
        "Environment:\n"
        "  TALVORA_CODEPAGE  code page of text files, key.dat and the dictionaries of no language\n"
        "                    of their own, e.g. windows-1250 (default: the one of the locale's language)\n"
        "  TALVORA_KEY       the key, when none of --key, --key-file, --key-name is given\n"
        "\n"
        "Exit status:\n"
        "  0  done\n"
        "  1  the command failed: a file could not be read or written, a word is not in the\n"
        "     dictionary, a key cannot be used\n"
        "  2  the command line is wrong: an unknown command or option, a missing argument, no key,\n"
        "     an unusable TALVORA_CODEPAGE\n"
        "  3  stopped on a finding: a stored key would be replaced or lost, or is not there, and\n"
        "     nothing was changed (keys: a question answered No, or asked with no terminal),\n"
        "     the files differ (dict diff), the output would not decode back (encode --strict)");
    app.require_subcommand(1);
    app.fallthrough();
    // CLI11 would read "/path" as an option on Windows: options begin with "-" everywhere.
    app.allow_windows_style_options(false);
    Context ctx;
    app.add_option("--folder", ctx.folder,
                   "Program folder holding the dictionaries and key.dat (default: the executable's folder)");
    addCodecCommand(app, ctx, "encode", true);
    addCodecCommand(app, ctx, "decode", false);
    addTidyCommand(app, ctx);
    addInspectCommand(app, ctx);
    addDictCommand(app, ctx);
    addKeysCommand(app, ctx);
    // An unusable TALVORA_CODEPAGE is a usage error, told in the window's words before any
    // command runs; --help and --version still work.
    app.parse_complete_callback([&ctx] {
        try {
            talvora::CodePage::fromEnvironment();
        } catch (const talvora::Error& e) {
            std::cerr << printable(forTerminal(e.what(), talvora::os::StandardError)) << '\n';
            throw Exit{2};
        }
        // Without this a mistyped folder would just look empty.
        std::error_code ec;
        if (!ctx.folder.empty() && !fs::is_directory(talvora::pathFromUtf8(ctx.folder), ec)) {
            std::cerr << "talvora-cli: the program folder " << printable(ctx.folder)
                      << (fs::exists(talvora::pathFromUtf8(ctx.folder), ec) ? " is not a folder.\n" : " does not exist.\n");
            throw Exit{1};
        }
    });
    try {
        // CLI11 takes the arguments last first.
        std::vector<std::string> args = talvora::os::utf8Arguments(argc, argv);
        std::reverse(args.begin(), args.end());
        if (!args.empty())
            args.pop_back(); // the program's own name
        app.parse(args);
    } catch (const CLI::CallForHelp& e) {
        return app.exit(e);
    } catch (const CLI::CallForAllHelp& e) {
        return app.exit(e);
    } catch (const CLI::CallForVersion& e) {
        return app.exit(e);
    } catch (const CLI::ParseError& e) {
        std::cerr << "talvora-cli: " << usageProblem(app).value_or(e.what())
                  << "\nRun with --help for more information.\n";
        return 2;
    } catch (const Exit& e) {
        return e.status;
    } catch (const std::exception& e) {
        std::cerr << "talvora-cli: " << printable(forTerminal(talvora::userMessage(e), talvora::os::StandardError)) << '\n';
        return 1;
    }
    return 0;
}
