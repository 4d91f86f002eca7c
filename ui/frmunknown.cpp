#include "frmunknown.h"

#include "busycursor.h"
#include "frmmain.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace talvora::ui {

namespace {
constexpr int WordRole = Qt::UserRole;
}

FrmUnknown::FrmUnknown(const std::vector<UnknownWord>& words, Replace replace, QWidget* parent,
                       bool offerTidy)
    : QDialog(parent), replace_(std::move(replace)), list1_(new QTreeWidget(this)) {
    setObjectName(QStringLiteral("frmUnknown"));
    setWindowTitle(tr("Words Not in the Dictionary"));
    auto* label1 = new QLabel(
        offerTidy ? tr("The text was not encoded: these words are not in the dictionary.  "
                       "Double-click a suggestion to put it in place of the word, press Tidy "
                       "to have the text tidied, or add the word to the dictionary.")
                  : tr("These words are not in the dictionary.  Double-click a "
                       "suggestion to put it in place of the word, or add the "
                       "word to the dictionary."),
        this);
    label1->setObjectName(QStringLiteral("Label1"));
    label1->setWordWrap(true);
    list1_->setObjectName(QStringLiteral("List1"));
    list1_->setColumnCount(2);
    list1_->setHeaderLabels({tr("Word"), tr("Count")});
    list1_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list1_->setExpandsOnDoubleClick(false);
    for (const UnknownWord& u : words) {
        auto* item =
            new QTreeWidgetItem(list1_, {QString::fromStdString(u.word), QString::number(u.count)});
        item->setData(0, WordRole, QString::fromStdString(u.word));
        if (u.suggestions.empty())
            new QTreeWidgetItem(item, {tr("(no suggestion)")});
        for (const std::string& s : u.suggestions) {
            auto* child = new QTreeWidgetItem(item, {QString::fromStdString(s)});
            child->setData(0, WordRole, QString::fromStdString(s));
        }
    }
    list1_->expandAll();
    list1_->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    list1_->header()->setStretchLastSection(false);
    if (list1_->topLevelItemCount() > 0)
        list1_->setCurrentItem(list1_->topLevelItem(0));
    connect(list1_, &QTreeWidget::itemDoubleClicked, this, &FrmUnknown::itemDoubleClicked);

    auto* command1 = new QPushButton(tr("Close"), this);
    command1->setObjectName(QStringLiteral("Command1"));
    connect(command1, &QPushButton::clicked, this, &QDialog::accept);
    auto* box = new QVBoxLayout(this);
    box->addWidget(label1);
    box->addWidget(list1_, 1);
    auto* row = new QHBoxLayout;
    row->addStretch();
    if (offerTidy) {
        auto* cmdTidy = new QPushButton(tr("Tidy"), this);
        cmdTidy->setObjectName(QStringLiteral("cmdTidy"));
        connect(cmdTidy, &QPushButton::clicked, this, [this] { done(TidyPressed); });
        row->addWidget(cmdTidy);
    }
    row->addWidget(command1);
    box->addLayout(row);
    resize(380, 360);
}

void FrmUnknown::itemDoubleClicked(QTreeWidgetItem* item) {
    QTreeWidgetItem* word = item ? item->parent() : nullptr;
    if (!word || item->data(0, WordRole).isNull())
        return; // a word line or "(no suggestion)"
    const QString suggestion = item->data(0, WordRole).toString();
    replace_(word->data(0, WordRole).toString().toStdString(), suggestion.toStdString());
    // Replaced: the line says so and offers nothing more.
    word->setText(
        0, QStringLiteral("%1 \u2192 %2").arg(word->data(0, WordRole).toString(), suggestion));
    word->setData(0, WordRole, QVariant());
    qDeleteAll(word->takeChildren());
}

void replaceBoxText(QPlainTextEdit* box, const std::string& text) {
    QString shown = QString::fromStdString(text);
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    QTextCursor cursor(box->document());
    cursor.beginEditBlock();
    cursor.select(QTextCursor::Document);
    cursor.insertText(shown);
    cursor.endEditBlock();
}

namespace {

// Puts a suggestion in place of every occurrence of the word in the box.
FrmUnknown::Replace replacerFor(QPlainTextEdit* box) {
    return [box](const std::string& word, const std::string& replacement) {
        const std::string before = plainTextWithCrLf(box);
        const std::string after = replaceWord(before, word, replacement);
        if (after != before)
            replaceBoxText(box, after);
    };
}

} // namespace

void showWordsNotEncoded(QWidget* window, QPlainTextEdit* box, const std::vector<UnknownWord>& words,
                         std::function<void()> tidy) {
    FrmUnknown unknown(words, replacerFor(box), window, true);
    if (unknown.exec() == FrmUnknown::TidyPressed)
        tidy();
}

void tidyInputBox(QWidget* window, QPlainTextEdit* box, Tidier& tidier) {
    const std::string text = plainTextWithCrLf(box);
    TidyResult result;
    {
        BusyCursor busy(window);
        result = tidier.tidy(text);
    }
    if (result.text != text)
        replaceBoxText(box, result.text);
    if (result.unknown.empty())
        return;
    FrmUnknown unknown(result.unknown, replacerFor(box), window);
    unknown.exec();
}

} // namespace talvora::ui
