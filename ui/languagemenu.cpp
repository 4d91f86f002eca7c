#include "languagemenu.h"

#include "language.h"
#include "usersettings.h"

#include <QActionGroup>
#include <QEvent>
#include <QSettings>

namespace talvora::ui {
namespace {

// "language" is the dictionary language the window pre-selects.
const QString LanguageKey = QStringLiteral("interfaceLanguage");

} // namespace

void startLanguage() {
    const QString chosen = userSettings().value(LanguageKey).toString();
    l10n::setLanguage(chosen.isEmpty() ? l10n::systemLanguage() : chosen);
}

LanguageMenu::LanguageMenu(QWidget* parent) : QMenu(parent), group_(new QActionGroup(this)) {
    setObjectName(QStringLiteral("hlplang"));
    for (const l10n::Language& language : l10n::languages()) {
        QAction* action = addAction(language.nativeName);
        action->setObjectName(QStringLiteral("lang_") + language.code);
        action->setCheckable(true);
        action->setChecked(language.code == l10n::currentLanguage());
        group_->addAction(action);
        connect(action, &QAction::triggered, this, [code = language.code] {
            l10n::setLanguage(code);
            userSettings().setValue(LanguageKey, code);
        });
    }
    retranslate();
}

void LanguageMenu::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QMenu::changeEvent(event);
}

void LanguageMenu::retranslate() {
    setTitle(tr("&Language"));
    for (QAction* action : group_->actions())
        action->setChecked(action->objectName() == QStringLiteral("lang_") + l10n::currentLanguage());
}

} // namespace talvora::ui
