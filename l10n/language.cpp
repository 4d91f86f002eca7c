#include "language.h"

#include "messagetable.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QTranslator>

#include <algorithm>
#include <cstring>
#include <memory>
#include <unordered_map>

namespace talvora::l10n {
namespace {

struct State {
    QString code = QStringLiteral("en");
    std::unique_ptr<QTranslator> own;  // the program's texts
    std::unique_ptr<QTranslator> qt;   // Qt's own dialogs, where the system has them
};

State& state() {
    static State s;
    return s;
}

// A message form as a pattern: each placeholder a group, the rest literal.
struct CompiledForm {
    const MessageForm* form;
    QRegularExpression pattern;
    std::vector<QChar> placeholders; // '1'..'9' or 'n', in the order of the groups
    int literalLength = 0;
};

std::vector<CompiledForm> compileForms() {
    static const QRegularExpression placeholder(QStringLiteral("%([1-9n])"));
    std::vector<CompiledForm> forms;
    for (const MessageForm& form : messageTable()) {
        const QString source = QString::fromUtf8(form.source);
        if (!source.contains(QLatin1Char('%')))
            continue;
        CompiledForm c{&form, {}, {}, 0};
        QString pattern = QStringLiteral("\\A");
        qsizetype at = 0;
        auto it = placeholder.globalMatch(source);
        while (it.hasNext()) {
            const auto m = it.next();
            const QString literal = source.mid(at, m.capturedStart() - at);
            pattern += QRegularExpression::escape(literal);
            c.literalLength += static_cast<int>(literal.size());
            const QChar which = m.captured(1).at(0);
            pattern += which == QLatin1Char('n') ? QStringLiteral("(\\d+)") : QStringLiteral("(.+?)");
            c.placeholders.push_back(which);
            at = m.capturedEnd();
        }
        pattern += QRegularExpression::escape(source.mid(at)) + QStringLiteral("\\z");
        c.literalLength += static_cast<int>(source.size() - at);
        // A part spans lines only in a form of several lines: "- %1 (lost)" is one line.
        c.pattern = QRegularExpression(pattern, source.contains(QLatin1Char('\n'))
                                                    ? QRegularExpression::DotMatchesEverythingOption
                                                    : QRegularExpression::NoPatternOption);
        forms.push_back(std::move(c));
    }
    // The most specific form first: "line %1 %2 (also on line %3)" before "line %1 %2".
    std::stable_sort(forms.begin(), forms.end(),
                     [](const CompiledForm& a, const CompiledForm& b) { return a.literalLength > b.literalLength; });
    return forms;
}

const std::vector<CompiledForm>& compiledForms() {
    static const std::vector<CompiledForm> forms = compileForms();
    return forms;
}

const std::unordered_map<std::string, const MessageForm*>& fixedForms() {
    static const auto map = [] {
        std::unordered_map<std::string, const MessageForm*> m;
        for (const MessageForm& form : messageTable())
            m.emplace(form.source, &form);
        return m;
    }();
    return map;
}

// %1... replaced in one pass, so that a part holding "%2" stays as it is.
QString fill(const QString& text, const std::vector<QString>& parts) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('%') && i + 1 < text.size()) {
            const int d = text.at(i + 1).digitValue();
            if (d >= 1 && static_cast<size_t>(d) <= parts.size()) {
                out += parts[static_cast<size_t>(d - 1)];
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
}

QString translateText(const QString& text, int depth);

// A known form with its parts, or a null string.
QString translateForm(const QString& text, int depth) {
    const QByteArray utf8 = text.toUtf8();
    if (fixedForms().count(utf8.toStdString()))
        return translate("Messages", utf8.constData());
    for (const CompiledForm& c : compiledForms()) {
        const auto m = c.pattern.match(text);
        if (!m.hasMatch())
            continue;
        int n = -1;
        std::vector<QString> parts(9);
        for (size_t g = 0; g < c.placeholders.size(); ++g) {
            const QString part = m.captured(static_cast<int>(g + 1));
            const QChar which = c.placeholders[g];
            if (which == QLatin1Char('n')) {
                n = part.toInt();
                continue;
            }
            const int d = which.digitValue();
            const bool isMessage = std::strchr(c.form->parts, which.toLatin1()) != nullptr;
            parts[static_cast<size_t>(d - 1)] = isMessage ? translateText(part, depth + 1) : part;
        }
        return fill(translate("Messages", c.form->source, n), parts);
    }
    return {};
}

// Whole, else piece by piece: lines, clauses, list entries, sentences.
QString translateText(const QString& text, int depth) {
    if (text.isEmpty() || depth > 6)
        return text;
    const QString whole = translateForm(text, depth);
    if (!whole.isNull())
        return whole;
    static const QRegularExpression separators[] = {
        QRegularExpression(QStringLiteral("\n")), QRegularExpression(QStringLiteral("; ")),
        QRegularExpression(QStringLiteral(", ")), QRegularExpression(QStringLiteral("(?<=[.?!])\\s+"))};
    for (const QRegularExpression& separator : separators) {
        QString out;
        qsizetype at = 0;
        bool changed = false;
        auto it = separator.globalMatch(text);
        if (!it.hasNext())
            continue;
        auto piece = [&](qsizetype end) {
            const QString part = text.mid(at, end - at);
            const QString done = part.isEmpty() ? part : translateText(part, depth + 1);
            changed = changed || done != part;
            out += done;
        };
        while (it.hasNext()) {
            const auto m = it.next();
            piece(m.capturedStart());
            out += m.captured();
            at = m.capturedEnd();
        }
        piece(text.size());
        if (changed)
            return out;
    }
    return text;
}

} // namespace

const std::vector<Language>& languages() {
    static const std::vector<Language> list = {
        {QStringLiteral("cs"), QStringLiteral("Čeština")},   {QStringLiteral("da"), QStringLiteral("Dansk")},
        {QStringLiteral("de"), QStringLiteral("Deutsch")},   {QStringLiteral("en"), QStringLiteral("English")},
        {QStringLiteral("es"), QStringLiteral("Español")},   {QStringLiteral("fr"), QStringLiteral("Français")},
        {QStringLiteral("it"), QStringLiteral("Italiano")},  {QStringLiteral("nl"), QStringLiteral("Nederlands")},
        {QStringLiteral("pl"), QStringLiteral("Polski")},    {QStringLiteral("sv"), QStringLiteral("Svenska")},
    };
    return list;
}

namespace {
bool known(const QString& code) {
    for (const Language& l : languages())
        if (l.code == code)
            return true;
    return false;
}
} // namespace

QString systemLanguage() {
    const QLocale system = QLocale::system();
    if (system.language() == QLocale::C)
        return QStringLiteral("en");
    for (const QString& name : system.uiLanguages()) {
        const QString code = name.section(QLatin1Char('-'), 0, 0).toLower();
        if (known(code))
            return code;
    }
    return QStringLiteral("en");
}

QString setLanguage(const QString& wanted) {
    State& s = state();
    const QString code = known(wanted) ? wanted : QStringLiteral("en");
    auto app = QCoreApplication::instance();
    if (app) {
        if (s.own)
            QCoreApplication::removeTranslator(s.own.get());
        if (s.qt)
            QCoreApplication::removeTranslator(s.qt.get());
    }
    s.own.reset();
    s.qt.reset();
    s.code = QStringLiteral("en");
    if (code != QLatin1String("en")) {
        auto own = std::make_unique<QTranslator>();
        if (!own->load(QStringLiteral(":/i18n/talvora_%1.qm").arg(code)))
            return s.code;
        s.own = std::move(own);
        // The file dialogs' own texts, where the system has them.
        auto qt = std::make_unique<QTranslator>();
        if (qt->load(QStringLiteral("qtbase_%1").arg(code), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            s.qt = std::move(qt);
        s.code = code;
        if (app) {
            if (s.qt)
                QCoreApplication::installTranslator(s.qt.get());
            QCoreApplication::installTranslator(s.own.get());
        }
    } else if (app) {
        // Back to the source texts: the windows still need to be told.
        QEvent change(QEvent::LanguageChange);
        QCoreApplication::sendEvent(app, &change);
    }
    return s.code;
}

QString currentLanguage() { return state().code; }

QString translate(const char* context, const char* source, int n) {
    QString text;
    if (const auto& own = state().own)
        text = own->translate(context, source, nullptr, n);
    if (text.isEmpty())
        text = QString::fromUtf8(source);
    if (n >= 0)
        text.replace(QLatin1String("%n"), QString::number(n));
    return text;
}

QString translateMessage(const QString& english) {
    if (!state().own)
        return english;
    return translateText(english, 0);
}

QString translateMessage(const std::string& english) { return translateMessage(QString::fromStdString(english)); }

std::vector<QString> messageForms() {
    std::vector<QString> forms;
    for (const MessageForm& form : messageTable())
        forms.push_back(QString::fromUtf8(form.source));
    return forms;
}

} // namespace talvora::l10n
