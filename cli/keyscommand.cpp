// talvora-cli keys: the stored keys of the program folder.
#include "codepage.h"
#include "context.h"
#include "error.h"
#include "keyfile.h"
#include "keyquestions.h"
#include "keyrestore.h"
#include "oscalls.h"
#include "utf8.h"

#include <iostream>
#include <memory>

namespace fs = std::filesystem;

namespace talvora::cli {

namespace {

// Ends a key command that changed nothing on purpose: not confirmed, or nothing to change.
constexpr int NotChanged = 3;

// A question needs someone to answer it: without a terminal only the flag goes ahead.
bool confirmed(const std::string& question, bool yes, const char* flag = "--yes") {
    if (yes)
        return true;
    if (!os::isTerminal(os::StandardInput)) {
        printMessages({question, std::string("Standard input is not a terminal, so nobody can answer "
                                             "the question: pass ") +
                                     flag + " to go ahead."});
        throw Exit{NotChanged};
    }
    std::cerr << forTerminal(question, os::StandardError) << " [y/N] " << std::flush;
    std::string answer;
    std::getline(std::cin, answer);
    return answer == "y" || answer == "Y" || answer == "yes" || answer == "Yes" || answer == "YES";
}

void cancelled() {
    printMessages({"Cancelled; nothing was changed."});
    throw Exit{NotChanged};
}

} // namespace

void addKeysCommand(CLI::App& app, Context& ctx) {
    CLI::App* keys =
        app.add_subcommand("keys", "List, show, generate, save, remove, transfer, restore and wipe "
                                   "stored keys");
    keys->require_subcommand(1);

    CLI::App* list =
        keys->add_subcommand("list", "The names in key.dat, one a line, in file order");
    list->callback([&ctx] {
        CodePage cp = ctx.codePage();
        keys::KeyFile file(ctx.programFolder(), cp);
        std::string out;
        for (const auto& name : file.listKeyNames())
            out += printable(name) + '\n';
        std::cout << out;
    });

    auto showName = std::make_shared<std::string>();
    CLI::App* show = keys->add_subcommand("show", "Print the key stored under NAME (exact name)");
    show->add_option("NAME", *showName, "The name, case and blanks as stored")->required();
    show->callback([showName, &ctx] {
        CodePage cp = ctx.codePage();
        keys::KeyFile file(ctx.programFolder(), cp);
        auto key = file.findKeyByName(*showName);
        if (!key) {
            printMessages({"No key is stored under the name " + printable(*showName) + "."});
            throw Exit{1};
        }
        std::cout << printable(*key) << '\n';
    });

    CLI::App* generate = keys->add_subcommand("generate", "Print a new random key of 18 digits");
    generate->callback([] { std::cout << keys::generateKey() << '\n'; });

    struct SaveArgs {
        std::string name, key;
        bool replace = false;
    };
    auto save = std::make_shared<SaveArgs>();
    CLI::App* saveCmd = keys->add_subcommand(
        "save", "Store KEY under NAME; a name stored in any case is replaced in place, "
                "after a question (or --replace) when its key differs");
    saveCmd->add_option("NAME", save->name, "The name (the first 40 characters are kept)")
        ->required();
    saveCmd->add_option("KEY", save->key, "The key, at most 18 characters")->required();
    saveCmd->add_flag("--replace", save->replace,
                      "Replace the key when NAME is stored with another one");
    saveCmd->callback([save, &ctx] {
        CodePage cp = ctx.codePage();
        keys::KeyFile file(ctx.programFolder(), cp);
        keys::SaveResult r = keys::saveKey(file, save->name, save->key, save->replace);
        if (r.kind == keys::SaveResult::AskReplace) {
            if (!confirmed(printable(r.message), false, "--replace"))
                cancelled();
            r = keys::saveKey(file, save->name, save->key, true);
        }
        if (!r.saved) {
            printMessages({r.message});
            throw Exit{r.kind == keys::SaveResult::KeyTooLong ? 2 : 1};
        }
        std::cout << forTerminal(r.message, os::StandardOutput) << '\n';
    });

    struct RemoveArgs {
        std::string name;
        bool yes = false;
    };
    auto remove = std::make_shared<RemoveArgs>();
    CLI::App* removeCmd =
        keys->add_subcommand("remove", "Remove every key stored under NAME (exact name)");
    removeCmd->add_option("NAME", remove->name, "The name, case and blanks as stored")->required();
    removeCmd->add_flag("--yes,-y", remove->yes, "Do not ask for confirmation");
    removeCmd->callback([remove, &ctx] {
        if (remove->name.empty())
            return;
        CodePage cp = ctx.codePage();
        keys::KeyFile file(ctx.programFolder(), cp);
        if (!file.findKeyByName(remove->name)) {
            printMessages({keys::msg::noSuchKey(printable(remove->name))});
            throw Exit{NotChanged};
        }
        if (!confirmed(keys::msg::removeQuestion(printable(remove->name)), remove->yes))
            cancelled();
        file.removeKeysByName(remove->name);
    });

    auto transferDir = std::make_shared<std::string>();
    auto transferReplace = std::make_shared<bool>(false);
    CLI::App* transfer = keys->add_subcommand("transfer", "Copy key.dat to DIR");
    transfer->add_option("DIR", *transferDir, "The folder to copy to, e.g. on a removable disk")
        ->required();
    transfer->add_flag("--replace", *transferReplace,
                       "Replace a key.dat in DIR that differs from this one");
    transfer->callback([transferDir, transferReplace, &ctx] {
        const fs::path target = pathFromUtf8(*transferDir);
        if (keys::transferWouldReplaceOther(ctx.programFolder(), target) &&
            !confirmed(printable(keys::msg::transferQuestion(target / "key.dat")),
                       *transferReplace, "--replace"))
            cancelled();
        keys::transferKeyFile(ctx.programFolder(), target);
        std::cout << forTerminal(keys::msg::KeysTransferred, os::StandardOutput) << '\n';
    });

    auto restoreDir = std::make_shared<std::string>();
    CLI::App* restore = keys->add_subcommand(
        "restore", "Replace key.dat with the key.dat of DIR (a copy made by transfer)");
    restore->add_option("DIR", *restoreDir, "The folder holding the copy")->required();
    auto restoreYes = std::make_shared<bool>(false);
    restore->add_flag("--yes,-y", *restoreYes,
                      "Do not ask when the copy lacks or changes keys that key.dat holds now");
    restore->callback([restoreDir, restoreYes, &ctx] {
        CodePage cp = ctx.codePage();
        auto losses = keys::keysLostByRestore(ctx.programFolder(), pathFromUtf8(*restoreDir), cp);
        for (keys::RestoreLoss& loss : losses)
            loss.name = printable(loss.name);
        if (!losses.empty() && !confirmed(keys::msg::restoreQuestion(losses), *restoreYes))
            cancelled();
        keys::restoreKeyFile(ctx.programFolder(), pathFromUtf8(*restoreDir));
        std::cout << forTerminal(keys::msg::KeysRestored, os::StandardOutput) << '\n';
    });

    auto wipeYes = std::make_shared<bool>(false);
    CLI::App* wipe = keys->add_subcommand(
        "wipe", "Overwrite key.dat 21 times, then delete it: every stored key is lost");
    wipe->add_flag("--yes,-y", *wipeYes, "Do not ask for confirmation");
    wipe->callback([wipeYes, &ctx] {
        if (!confirmed(keys::msg::DeleteQuestion, *wipeYes))
            cancelled();
        keys::wipeKeyFile(ctx.programFolder());
        std::cout << forTerminal(keys::msg::KeyFileDeleted, os::StandardOutput) << '\n';
    });
}

} // namespace talvora::cli
