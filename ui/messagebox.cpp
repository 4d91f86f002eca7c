#include "messagebox.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QGridLayout>
#include <QSpacerItem>
#include <utility>

namespace talvora::ui {
namespace {
bool testMode = false;
std::deque<QMessageBox::StandardButton> answers;
std::vector<MessageBox::Shown> record;
} // namespace

void MessageBox::keepTitleWhole(QMessageBox& box) {
    // The title bar also holds the icon and the window buttons; a narrow box cuts the title.
    const int room = box.fontMetrics().horizontalAdvance(box.windowTitle()) * 5 / 4 + 160;
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(new QSpacerItem(room, 0, QSizePolicy::Fixed, QSizePolicy::Minimum), grid->rowCount(), 0, 1,
                      grid->columnCount());
}

QString MessageBox::applicationTitle() { return QStringLiteral("Talvora"); }

void MessageBox::information(QWidget* parent, const QString& text, const QString& title) {
    ask(parent, text, title, false);
}

bool MessageBox::question(QWidget* parent, const QString& text, const QString& title,
                          QMessageBox::StandardButton defaultButton) {
    return ask(parent, text, title, true, defaultButton) == QMessageBox::Yes;
}

QMessageBox::StandardButton MessageBox::ask(QWidget* parent, const QString& text,
                                            const QString& title, bool question,
                                            QMessageBox::StandardButton defaultButton) {
    const QString caption = title.isEmpty() ? applicationTitle() : title;
    if (testMode) {
        record.push_back({caption, text, question, defaultButton});
        if (!question)
            return QMessageBox::Ok;
        if (answers.empty())
            return QMessageBox::No;
        const auto answer = answers.front();
        answers.pop_front();
        return answer;
    }
    QMessageBox box(QMessageBox::NoIcon, caption, text,
                    question ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, parent);
    // The buttons speak the program's language, whether or not the system has Qt's own texts.
    for (auto [which, caption] : {std::pair{QMessageBox::Ok, QT_TRANSLATE_NOOP("MessageBox", "OK")},
                                  std::pair{QMessageBox::Yes, QT_TRANSLATE_NOOP("MessageBox", "&Yes")},
                                  std::pair{QMessageBox::No, QT_TRANSLATE_NOOP("MessageBox", "&No")}})
        if (QAbstractButton* b = box.button(which))
            b->setText(QCoreApplication::translate("MessageBox", caption));
    box.setDefaultButton(defaultButton);
    box.setTextFormat(Qt::PlainText);
    keepTitleWhole(box);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

void MessageBox::setTestMode(bool on) {
    testMode = on;
    answers.clear();
    record.clear();
}

void MessageBox::setNextAnswer(QMessageBox::StandardButton answer) { answers.push_back(answer); }

const std::vector<MessageBox::Shown>& MessageBox::shown() { return record; }

void MessageBox::clearShown() { record.clear(); }

} // namespace talvora::ui
