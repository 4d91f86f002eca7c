#include "dictionarywindows.h"

#include "busycursor.h"
#include "dictionaryfile.h"
#include "error.h"
#include "keyspace.h"
#include "language.h"
#include "messagebox.h"
#include "wordlistmodel.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

namespace talvora::ui {
namespace {

QPushButton* button(const char* name, const QString& caption, QWidget* parent) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
}

QHBoxLayout* buttonRow(std::initializer_list<QPushButton*> buttons) {
    auto* row = new QHBoxLayout;
    row->addStretch();
    for (auto* b : buttons)
        row->addWidget(b);
    return row;
}

QLabel* centredLabel(const char* name, const QString& caption, QWidget* parent) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setAlignment(Qt::AlignCenter);
    return label;
}

} // namespace

QListView* makeWordListView(WordListModel* model, QWidget* parent) {
    auto* view = new QListView(parent);
    view->setObjectName(QStringLiteral("List1"));
    view->setUniformItemSizes(true);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setModel(model);
    return view;
}

FrmView::FrmView(const WordList& words, QWidget* parent)
    : QDialog(parent), model_(new WordListModel(words, this)) {
    setObjectName(QStringLiteral("frmView"));
    setWindowTitle(tr("View Dictionary"));
    model_->showAll();
    auto* list = makeWordListView(model_, this);
    list->setAccessibleName(tr("Dictionary words"));
    list->setAccessibleDescription(tr("Every word of the dictionary, in file order"));
    auto* done = button("Command1", tr("Done"), this);
    done->setDefault(true);
    connect(done, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list);
    layout->addLayout(buttonRow({done}));
    resize(320, 480);
}

FrmSearch::FrmSearch(const WordList& words, QWidget* parent)
    : QDialog(parent), words_(words), text1_(new QLineEdit(this)),
      model_(new WordListModel(words, this)), found_(new QLabel(this)) {
    setObjectName(QStringLiteral("frmSearch"));
    setWindowTitle(tr("Search Dictionary"));
    text1_->setObjectName(QStringLiteral("Text1"));
    auto* label = centredLabel("Label1", tr("Search string"), this);
    label->setBuddy(text1_);
    auto* find = button("Command2", tr("Search"), this);
    find->setDefault(true);
    auto* done = button("Command1", tr("Done"), this);
    connect(find, &QPushButton::clicked, this, &FrmSearch::search);
    connect(done, &QPushButton::clicked, this, &QDialog::accept);
    auto* list = makeWordListView(model_, this);
    list->setAccessibleName(tr("Words found"));
    list->setAccessibleDescription(tr("The words that begin with the search text, in file order"));
    text1_->setAccessibleName(tr("Search string"));
    text1_->setAccessibleDescription(tr("The beginning of the words to find; letter case does not matter"));
    found_->setObjectName(QStringLiteral("lblFound"));
    found_->setTextFormat(Qt::PlainText);
    found_->setAccessibleName(tr("Search result"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    auto* row = new QHBoxLayout;
    row->addWidget(text1_, 1);
    row->addWidget(find);
    layout->addLayout(row);
    layout->addWidget(list, 1);
    layout->addWidget(found_);
    layout->addLayout(buttonRow({done}));
    setTabOrder(text1_, find);
    setTabOrder(find, list);
    setTabOrder(list, done);
    resize(340, 480);
}

bool FrmSearch::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate)
        text1_->setFocus();
    return QDialog::event(event);
}

void FrmSearch::search() {
    const QString text = text1_->text();
    if (text.isEmpty())
        return;
    model_->clear();
    BusyCursor busy(this);
    std::vector<uint32_t> rows = searchDictionary(words_, text.toStdString());
    const QString quoted = QStringLiteral("\"%1\"").arg(text);
    found_->setText(rows.empty()       ? tr("No word begins with %1.").arg(quoted)
                    : rows.size() == 1 ? tr("1 word begins with %1.").arg(quoted)
                                       : tr("%Ln words begin with %1.", nullptr, static_cast<int>(rows.size())).arg(quoted));
    model_->showRows(std::move(rows));
}

FrmAdd::FrmAdd(const Keyspace& keyspace, std::filesystem::path dictionary, const CodePage& codePage,
               QWidget* parent)
    : QDialog(parent), keyspace_(keyspace), dictionary_(std::move(dictionary)), codePage_(codePage),
      text1_(new QLineEdit(this)) {
    setObjectName(QStringLiteral("frmAdd"));
    setWindowTitle(tr("Add to Dictionary"));
    text1_->setObjectName(QStringLiteral("Text1"));
    auto* label = centredLabel("Label1", tr("Word to Add"), this);
    label->setBuddy(text1_);
    auto* add = button("Command2", tr("Add"), this);
    add->setDefault(true);
    auto* cancel = button("Command1", tr("Cancel"), this);
    connect(add, &QPushButton::clicked, this, &FrmAdd::add);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(text1_);
    layout->addLayout(buttonRow({add, cancel}));
    resize(320, layout->sizeHint().height());
}

void FrmAdd::add() {
    addWordAndTell(this, keyspace_, dictionary_, text1_->text().toStdString(), codePage_);
}

bool addWordAndTell(QWidget* window, const Keyspace& keyspace,
                    const std::filesystem::path& dictionary, const std::string& word,
                    const CodePage& codePage) {
    try {
        const AddResult result = addDictionaryWord(keyspace, dictionary, word, codePage);
        MessageBox::information(window, l10n::translateMessage(result.message));
        return result.outcome == AddOutcome::Added;
    } catch (const std::exception& e) {
        MessageBox::information(window, l10n::translateMessage(userMessage(e)));
        return false;
    }
}

} // namespace talvora::ui
