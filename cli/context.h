#pragma once

#include <CLI/CLI.hpp>

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace talvora {
class CodePage;
}

namespace talvora::cli {

struct Context {
    std::string folder; // --folder; empty: the executable's folder
    std::filesystem::path programFolder() const;
    CodePage codePage() const; // from the environment; throws Error
};

// Ends the program with status after the command has printed what it had to say.
struct Exit {
    int status;
};

// A name as it can be shown on a terminal: control characters as \xNN, bytes that are not
// UTF-8 as '?'.
std::string printable(std::string_view name);

// The program's messages, one a line, on standard error.
void printMessages(const std::vector<std::string>& messages);

// A message for the stream fd: in the user's language when fd is a terminal, else the
// English text that scripts read.
std::string forTerminal(const std::string& message, int fd);
// Takes the system's language for terminals; pipes and files keep English.
void startTerminalLanguage();

// Registered by main; each adds one command with its subcommands.
void addKeysCommand(CLI::App& app, Context& context);
// A dictionary argument (language name or path) to the file it names.
using DictionaryResolver = std::function<std::filesystem::path(const std::string&)>;
void addDictDiffCommand(CLI::App& dict, Context& context, const DictionaryResolver& resolve);

} // namespace talvora::cli
