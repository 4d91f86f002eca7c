#include "frmunknown.h"

#include "busycursor.h"
#include "frmmain.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <memory>

namespace talvora::ui {

namespace {
constexpr int WordRole = Qt::UserRole;
constexpr int ChangeRole = Qt::UserRole + 1;

QTreeWidget* makeList(const char* name, const QStringList& headers, QWidget* parent) {
    auto* list = new QTreeWidget(parent);
    list->setObjectName(QLatin1String(name));
    list->setColumnCount(2);
    list->setHeaderLabels(headers);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setExpandsOnDoubleClick(false);
    list->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    list->header()->setStretchLastSection(false);
    return list;
}

} // namespace

FrmUnknown::FrmUnknown(const std::vector<UnknownWord>& words, UnknownActions actions,
                       QWidget* parent, bool offerTidy, const std::vector<TidyChange>& changes)
    : QDialog(parent), actions_(std::move(actions)),
      list1_(makeList("List1", {tr("Word"), tr("Count")}, this)) {
    setObjectName(QStringLiteral("frmUnknown"));
    setWindowTitle(tr("Words Not in the Dictionary"));
    auto* box = new QVBoxLayout(this);
    if (!changes.empty() && actions_.revert) {
        auto* label2 = new QLabel(tr("Tidy made these changes.  Press Enter or "
                                      "double-click on one to take it back."),
                                  this);
        label2->setObjectName(QStringLiteral("Label2"));
        label2->setWordWrap(true);
        list2_ = makeList("List2", {tr("Change"), tr("Line")}, this);
        for (size_t i = 0; i < changes.size(); ++i) {
            const TidyChange& c = changes[i];
            auto* item = new QTreeWidgetItem(
                list2_, {QStringLiteral("%1 \u2192 %2")
                             .arg(QString::fromStdString(c.original),
                                  QString::fromStdString(c.replacement)),
                         QString::number(c.line)});
            item->setData(0, ChangeRole, static_cast<qulonglong>(i));
            item->setToolTip(0, QString::fromStdString(c.rule));
        }
        list2_->setCurrentItem(list2_->topLevelItem(0));
        list2_->installEventFilter(this);
        connect(list2_, &QTreeWidget::itemDoubleClicked, this, &FrmUnknown::revertChange);
        box->addWidget(label2);
        box->addWidget(list2_, 1);
    }
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
    if (list1_->topLevelItemCount() > 0)
        list1_->setCurrentItem(list1_->topLevelItem(0));
    list1_->installEventFilter(this);
    connect(list1_, &QTreeWidget::itemDoubleClicked, this, &FrmUnknown::applySuggestion);

    auto* command1 = new QPushButton(tr("Close"), this);
    command1->setObjectName(QStringLiteral("Command1"));
    connect(command1, &QPushButton::clicked, this, &QDialog::accept);
    box->addWidget(label1);
    box->addWidget(list1_, 1);
    auto* row = new QHBoxLayout;
    auto* cmdSpell = new QPushButton(tr("Spell out"), this);
    cmdSpell->setObjectName(QStringLiteral("cmdSpell"));
    cmdSpell->setAutoDefault(false);
    cmdSpell->setToolTip(tr("Writes the selected word letter by letter, as a name "
                            "the dictionary lacks can be sent"));
    connect(cmdSpell, &QPushButton::clicked, this, &FrmUnknown::spellOut);
    row->addWidget(cmdSpell);
    if (actions_.add) {
        auto* cmdAdd = new QPushButton(tr("Add"), this);
        cmdAdd->setObjectName(QStringLiteral("cmdAdd"));
        cmdAdd->setAutoDefault(false);
        cmdAdd->setToolTip(tr("Adds the selected word to the dictionary file"));
        connect(cmdAdd, &QPushButton::clicked, this, &FrmUnknown::addWord);
        row->addWidget(cmdAdd);
    }
    row->addStretch();
    if (offerTidy) {
        auto* cmdTidy = new QPushButton(tr("Tidy"), this);
        cmdTidy->setObjectName(QStringLiteral("cmdTidy"));
        connect(cmdTidy, &QPushButton::clicked, this, [this] { done(TidyPressed); });
        row->addWidget(cmdTidy);
    }
    row->addWidget(command1);
    box->addLayout(row);
    resize(380, list2_ ? 480 : 360);
}

// Enter acts on the list's current line instead of closing the window.
bool FrmUnknown::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (watched == list1_)
                applySuggestion(list1_->currentItem());
            else if (watched == list2_)
                revertChange(list2_->currentItem());
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void FrmUnknown::applySuggestion(QTreeWidgetItem* item) {
    QTreeWidgetItem* word = item ? item->parent() : nullptr;
    if (!word || item->data(0, WordRole).isNull())
        return; // a word line or "(no suggestion)"
    const QString suggestion = item->data(0, WordRole).toString();
    actions_.replace(word->data(0, WordRole).toString().toStdString(), suggestion.toStdString());
    // Replaced: the line says so and offers nothing more.
    word->setText(
        0, QStringLiteral("%1 \u2192 %2").arg(word->data(0, WordRole).toString(), suggestion));
    word->setData(0, WordRole, QVariant());
    qDeleteAll(word->takeChildren());
}

void FrmUnknown::revertChange(QTreeWidgetItem* item) {
    if (!item || item->data(0, ChangeRole).isNull())
        return;
    actions_.revert(static_cast<size_t>(item->data(0, ChangeRole).toULongLong()));
    delete item;
}

// The selected word, or the word of the selected suggestion.
QTreeWidgetItem* FrmUnknown::selectedWord() const {
    QTreeWidgetItem* item = list1_->currentItem();
    if (item && item->parent())
        item = item->parent();
    return item && !item->data(0, WordRole).isNull() ? item : nullptr;
}

void FrmUnknown::spellOut() {
    if (QTreeWidgetItem* word = selectedWord()) {
        // As a suggestion of the word would be put in place.
        auto* letters = new QTreeWidgetItem(
            word, {QString::fromStdString(spelledOut(word->data(0, WordRole).toString().toStdString()))});
        letters->setData(0, WordRole, letters->text(0));
        applySuggestion(letters);
    }
}

void FrmUnknown::addWord() {
    QTreeWidgetItem* item = selectedWord();
    if (!item)
        return;
    const QString word = item->data(0, WordRole).toString();
    if (!actions_.add(word.toStdString()))
        return;
    item->setText(0, tr("%1 (added)").arg(word));
    item->setData(0, WordRole, QVariant());
    qDeleteAll(item->takeChildren());
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

int boxPosition(std::string_view text, size_t byteOffset) {
    const QString before = QString::fromUtf8(text.data(), static_cast<qsizetype>(byteOffset));
    return static_cast<int>(before.size() - before.count(u'\r'));
}

namespace {

QString shown(std::string_view text) {
    QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    s.remove(u'\r');
    return s;
}

// Puts a suggestion in place of every occurrence of the word in the box, one edit each, so
// that the highlighted changes elsewhere stay where they are; one undo step in all.
std::function<void(const std::string&, const std::string&)> replacerFor(QPlainTextEdit* box) {
    return [box](const std::string& word, const std::string& replacement) {
        const std::string text = plainTextWithCrLf(box);
        const std::vector<TextEdit> edits = wordEdits(text, word, replacement);
        if (edits.empty())
            return;
        QTextCursor cursor(box->document());
        cursor.beginEditBlock();
        for (auto e = edits.rbegin(); e != edits.rend(); ++e) {
            cursor.setPosition(boxPosition(text, e->at));
            cursor.setPosition(boxPosition(text, e->at + e->length), QTextCursor::KeepAnchor);
            cursor.insertText(shown(e->text));
        }
        cursor.endEditBlock();
    };
}

// The stretches Tidy rewrote, followed through later edits of the box, and their highlight.
struct Highlights {
    QPlainTextEdit* box;
    std::vector<QTextCursor> stretches;
    std::vector<bool> reverted;

    void show() const {
        QList<QTextEdit::ExtraSelection> selections;
        QTextCharFormat format;
        format.setBackground(QColor(255, 236, 140));
        for (size_t i = 0; i < stretches.size(); ++i)
            if (!reverted[i])
                selections.append({stretches[i], format});
        box->setExtraSelections(selections);
    }
};

} // namespace

void showWordsNotEncoded(QWidget* window, QPlainTextEdit* box, const std::vector<UnknownWord>& words,
                         std::function<void()> tidy, std::function<bool(const std::string&)> add) {
    box->setExtraSelections({});
    FrmUnknown unknown(words, {replacerFor(box), {}, std::move(add)}, window, true);
    if (unknown.exec() == FrmUnknown::TidyPressed)
        tidy();
}

void tidyInputBox(QWidget* window, QPlainTextEdit* box, Tidier& tidier,
                  std::function<bool(const std::string&)> add) {
    const std::string text = plainTextWithCrLf(box);
    TidyResult result;
    {
        BusyCursor busy(window);
        result = tidier.tidy(text);
    }
    if (result.text != text)
        replaceBoxText(box, result.text);
    auto highlights = std::make_shared<Highlights>();
    highlights->box = box;
    for (const TidyChange& c : result.changes) {
        QTextCursor stretch(box->document());
        stretch.setPosition(boxPosition(result.text, c.tidiedAt));
        stretch.setPosition(boxPosition(result.text, c.tidiedAt + c.replacement.size()),
                            QTextCursor::KeepAnchor);
        highlights->stretches.push_back(stretch);
    }
    highlights->reverted.assign(result.changes.size(), false);
    highlights->show();
    if (result.unknown.empty())
        return;
    auto revert = [highlights, &result](size_t i) {
        if (i >= highlights->stretches.size() || highlights->reverted[i])
            return;
        QTextCursor& stretch = highlights->stretches[i];
        stretch.beginEditBlock();
        stretch.insertText(shown(result.changes[i].original));
        stretch.endEditBlock();
        highlights->reverted[i] = true;
        highlights->show();
    };
    FrmUnknown unknown(result.unknown, {replacerFor(box), revert, std::move(add)}, window, false,
                       result.changes);
    unknown.exec();
}

} // namespace talvora::ui
