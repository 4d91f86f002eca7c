#pragma once

#include <QString>
#include <string>
#include <vector>

// The languages the program speaks. English is the source: its texts are the program's
// own and need no translation file; every other language comes from an embedded .qm file.
namespace talvora::l10n {

struct Language {
    QString code;       // "de"
    QString nativeName; // "Deutsch", as its speakers write it
};

const std::vector<Language>& languages();

// The first of the system's preferred languages that the program speaks, else "en".
QString systemLanguage();

// Loads the language's translations and, when an application object exists, installs them
// (the windows then get a LanguageChange event). An unknown code gives English; returns
// the code now in use.
QString setLanguage(const QString& code);
QString currentLanguage();

// One text of the program in the current language: English where no translation exists.
QString translate(const char* context, const char* source, int n = -1);

// A message of the libraries (their English texts are fixed) in the current language. Texts
// with variable parts are matched against the known forms; parts that are themselves
// messages (a reason, a hint) are translated in turn. Unknown texts stay as they are.
QString translateMessage(const std::string& english);
QString translateMessage(const QString& english);

// Every known form of a library message, for the completeness check.
std::vector<QString> messageForms();

} // namespace talvora::l10n
