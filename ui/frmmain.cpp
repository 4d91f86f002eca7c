#include "frmmain.h"

#include "busycursor.h"
#include "commands.h"
#include "dictionaryfile.h"
#include "dictionarywindows.h"
#include "dress.h"
#include "error.h"
#include "filedialog.h"
#include "frmpathselect.h"
#include "frmunknown.h"
#include "helpwindows.h"
#include "keyquestions.h"
#include "keyrestore.h"
#include "language.h"
#include "languagemenu.h"
#include "languages.h"
#include "messagebox.h"
#include "roundtrip.h"
#include "textfile.h"
#include "tidy.h"
#include "typedlineedit.h"
#include "usersettings.h"
#include "utf8.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QTextCursor>
#include <QTextDocument>
#include <QUrl>
#include <QVBoxLayout>

namespace talvora::ui {
namespace {

QString fromStd(const std::string& text) { return QString::fromStdString(text); }

std::string toStd(const QString& text) { return text.toStdString(); }

// Paths cross as UTF-8 so that they survive on every platform.
QString pathText(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return QString::fromUtf8(reinterpret_cast<const char*>(text.data()), static_cast<qsizetype>(text.size()));
}

std::filesystem::path toPath(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    return std::filesystem::path(std::u8string(reinterpret_cast<const char8_t*>(utf8.constData()),
                                               static_cast<size_t>(utf8.size())));
}

} // namespace

std::string plainTextWithCrLf(const QPlainTextEdit* box) {
    QString text = box->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return toStd(text);
}

void setPlainTextFromCrLf(QPlainTextEdit* box, const std::string& text) {
    QString shown = fromStd(text);
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    box->setPlainText(shown);
}

namespace {

// TALVORA_CODEPAGE's code page; when it names one that cannot be used, the locale's, with
// the reason kept for the start-up message.
CodePage startCodePage(QString& problem) {
    try {
        return CodePage::fromEnvironment();
    } catch (const Error& e) {
        problem = QString::fromUtf8(e.what());
        return CodePage::fromLocale();
    }
}

} // namespace

FrmMain::FrmMain(std::filesystem::path programFolder, QWidget* parent)
    : QMainWindow(parent), programFolder_(std::move(programFolder)),
      codePage_(startCodePage(codePageProblem_)), keyFile_(programFolder_, codePage_) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Talvora v1"));
    buildWindow();
    buildMenu();
    formLoad();
    retranslateUi();
    if (!codePageProblem_.isEmpty())
        MessageBox::information(this, l10n::translateMessage(codePageProblem_));
}

FrmMain::~FrmMain() = default;

namespace {

QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

QGroupBox* makeFrame(QWidget* parent, const char* name, const QString& caption) {
    auto* frame = new QGroupBox(caption, parent);
    frame->setObjectName(QString::fromLatin1(name));
    return frame;
}

QPlainTextEdit* makeTextBox(QWidget* parent, const char* name) {
    auto* box = new QPlainTextEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setTabChangesFocus(true);
    // Two lines at least; the rest of the window's height goes to the two boxes.
    box->setMinimumHeight(box->fontMetrics().lineSpacing() * 2 + 2 * box->frameWidth() + 8);
    return box;
}


// Words as the status line counts them: runs between blanks and line breaks.
qsizetype wordCount(const QString& text) {
    qsizetype n = 0;
    bool inWord = false;
    for (const QChar c : text) {
        const bool blank = c.isSpace();
        n += !blank && !inWord;
        inWord = !blank;
    }
    return n;
}

QString words(qsizetype n) {
    return n == 1 ? FrmMain::tr("1 word") : FrmMain::tr("%Ln words", nullptr, static_cast<int>(n));
}

// Inputs longer than this show the steps of Encode and Decode in the progress bar.
constexpr size_t LongText = 1 << 20;

// Caption plus shortcut in the tooltip, the action bound to the window.
void addShortcut(QWidget* window, QPushButton* button, const QKeySequence& keys) {
    auto* action = new QAction(window);
    action->setShortcut(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    QObject::connect(action, &QAction::triggered, button, [button] {
        if (button->isEnabled())
            button->click();
    });
    window->addAction(action);
    button->setProperty("shortcutKeys", keys);
    button->setToolTip(QStringLiteral("%1 (%2)").arg(QString(button->text()).remove(QLatin1Char('&')),
                                                     keys.toString(QKeySequence::NativeText)));
}

} // namespace

void FrmMain::buildWindow() {
    auto* central = new QWidget(this);
    setCentralWidget(central);

    // Language
    auto* frame1 = makeFrame(central, "Frame1", {});
    combo1_ = new QComboBox(frame1);
    combo1_->setObjectName(QStringLiteral("Combo1"));
    // Only a pick from the list loads: neither completion, Enter nor an arrow key turns
    // typing into one.
    takeTextAsTyped(combo1_);
    combo1_->setInsertPolicy(QComboBox::NoInsert);
    combo1_->setMinimumContentsLength(14);
    label1_ = new QLabel(frame1);
    label1_->setObjectName(QStringLiteral("Label1"));
    label1_->setAlignment(Qt::AlignCenter);
    auto* command14 = makeButton(frame1, "Command14", {});
    command6_ = makeButton(frame1, "Command6", {});
    command2_ = makeButton(frame1, "Command2", {});
    command1_ = makeButton(frame1, "Command1", {});
    auto* grid1 = new QGridLayout(frame1);
    grid1->addWidget(combo1_, 0, 0, 1, 2);
    grid1->addWidget(label1_, 1, 0, 1, 2);
    grid1->addWidget(command14, 2, 0);
    grid1->addWidget(command6_, 2, 1);
    grid1->addWidget(command2_, 3, 0);
    grid1->addWidget(command1_, 3, 1);
    // The status label takes the spare height, so the frame has no empty band.
    grid1->setRowStretch(1, 1);

    // Key Management
    auto* frame2 = makeFrame(central, "Frame2", {});
    auto* label6 = new QLabel(frame2);
    label6->setObjectName(QStringLiteral("Label6"));
    label6->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    cmbKey_ = new QComboBox(frame2);
    cmbKey_->setObjectName(QStringLiteral("cmbKey"));
    // The name is taken exactly as typed; only a pick from the list shows a stored key.
    takeTextAsTyped(cmbKey_);
    cmbKey_->setInsertPolicy(QComboBox::NoInsert);
    cmbKey_->setMinimumContentsLength(18);
    label6->setBuddy(cmbKey_);
    auto* label7 = new QLabel(frame2);
    label7->setObjectName(QStringLiteral("Label7"));
    label7->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    txtKey_ = new QLineEdit(frame2);
    txtKey_->setObjectName(QStringLiteral("txtKey"));
    txtKey_->setMaxLength(18);
    label7->setBuddy(txtKey_);
    auto* command13 = makeButton(frame2, "Command13", {});
    auto* command8 = makeButton(frame2, "Command8", {});
    auto* command9 = makeButton(frame2, "Command9", {});
    auto* command10 = makeButton(frame2, "Command10", {});
    auto* command12 = makeButton(frame2, "Command12", {});
    auto* command7 = makeButton(frame2, "Command7", {});
    auto* command11 = makeButton(frame2, "Command11", {});
    auto* grid2 = new QGridLayout(frame2);
    grid2->addWidget(label6, 0, 0);
    grid2->addWidget(cmbKey_, 0, 1, 1, 3);
    grid2->addWidget(label7, 1, 0);
    grid2->addWidget(txtKey_, 1, 1, 1, 3);
    grid2->addWidget(command13, 2, 1);
    grid2->addWidget(command8, 2, 2);
    grid2->addWidget(command9, 2, 3);
    grid2->addWidget(command10, 3, 1);
    lblProcessed_ = new QLabel(frame2);
    lblProcessed_->setObjectName(QStringLiteral("lblProcessed"));
    lblProcessed_->setTextFormat(Qt::PlainText);
    // Its text changes with every Process; the buttons must not move for it.
    lblProcessed_->setSizePolicy(QSizePolicy::Ignored, lblProcessed_->sizePolicy().verticalPolicy());
    grid2->addWidget(lblProcessed_, 3, 2, 1, 2);
    // The key-file buttons take the whole row, under the labels too: their captions are the
    // longest in some languages, and the window must still fit a small screen.
    auto* row2 = new QHBoxLayout;
    for (QPushButton* button : {command12, command7, command11})
        row2->addWidget(button, 1);
    grid2->addLayout(row2, 4, 0, 1, 4);
    grid2->setColumnStretch(1, 1);
    grid2->setColumnStretch(2, 1);
    grid2->setColumnStretch(3, 1);

    // Input Text
    auto* frame3 = makeFrame(central, "Frame3", {});
    text1_ = makeTextBox(frame3, "Text1");
    auto* command15 = makeButton(frame3, "Command15", {});
    auto* command3 = makeButton(frame3, "Command3", {});
    auto* command4 = makeButton(frame3, "Command4", {});
    auto* cmdTidy = makeButton(frame3, "cmdTidy", {});
    auto* cmdPaste = makeButton(frame3, "cmdPasteInput", {});
    auto* cmdOutputToInput = makeButton(frame3, "cmdOutputToInput", {});
    // A text file dropped on the box is read as Get Text reads it.
    text1_->viewport()->installEventFilter(this);
    auto* box3 = new QVBoxLayout(frame3);
    box3->addWidget(text1_, 1);
    auto* row3 = new QHBoxLayout;
    row3->addWidget(command15);
    row3->addWidget(cmdPaste);
    row3->addWidget(cmdOutputToInput);
    row3->addWidget(cmdTidy);
    row3->addStretch();
    row3->addWidget(command3);
    row3->addWidget(command4);
    box3->addLayout(row3);

    // Output Text
    auto* frame4 = makeFrame(central, "Frame4", {});
    text2_ = makeTextBox(frame4, "Text2");
    auto* command5 = makeButton(frame4, "Command5", {});
    auto* cmdCopy = makeButton(frame4, "cmdCopyOutput", {});
    chkDress_ = new QCheckBox(frame4);
    chkDress_->setObjectName(QStringLiteral("chkDress"));
    connect(text2_->document(), &QTextDocument::contentsChanged, this, [this] {
        if (!settingOutput_)
            outputKept_.reset(); // an edit makes the box's own text the output
    });
    auto* box4 = new QVBoxLayout(frame4);
    box4->addWidget(text2_, 1);
    auto* row4 = new QHBoxLayout;
    row4->addWidget(chkDress_);
    row4->addStretch();
    row4->addWidget(cmdCopy);
    row4->addWidget(command5);
    box4->addLayout(row4);

    label2_ = new QLabel(central);
    label2_->setObjectName(QStringLiteral("Label2"));
    label2_->setTextFormat(Qt::PlainText);
    // A long status text must not widen the window.
    label2_->setSizePolicy(QSizePolicy::Ignored, label2_->sizePolicy().verticalPolicy());
    progressBar1_ = new QProgressBar(central);
    progressBar1_->setObjectName(QStringLiteral("ProgressBar1"));
    progressBar1_->setRange(0, 100);
    // Its place is kept while hidden, so the window neither grows nor jumps when it shows.
    QSizePolicy barPolicy = progressBar1_->sizePolicy();
    barPolicy.setRetainSizeWhenHidden(true);
    progressBar1_->setSizePolicy(barPolicy);

    auto* grid = new QGridLayout(central);
    grid->addWidget(frame1, 0, 0);
    grid->addWidget(frame2, 0, 1);
    grid->addWidget(frame3, 1, 0, 1, 2);
    grid->addWidget(frame4, 2, 0, 1, 2);
    // Status and progress share one line, to leave the height to the text boxes.
    auto* statusRow = new QHBoxLayout;
    statusRow->addWidget(label2_, 3);
    statusRow->addWidget(progressBar1_, 1);
    grid->addLayout(statusRow, 3, 0, 1, 2);
    grid->setColumnStretch(0, 2);
    grid->setColumnStretch(1, 3);
    grid->setRowStretch(1, 1);
    grid->setRowStretch(2, 1);

    connect(combo1_, &QComboBox::activated, this, &FrmMain::combo1Click);
    connect(command14, &QPushButton::clicked, this, &FrmMain::command14Click);
    connect(command6_, &QPushButton::clicked, this, &FrmMain::command6Click);
    connect(command2_, &QPushButton::clicked, this, &FrmMain::command2Click);
    connect(command1_, &QPushButton::clicked, this, &FrmMain::command1Click);
    connect(cmbKey_, &QComboBox::activated, this, [this] {
        cmbKeyClick();
        userSettings().setValue(QStringLiteral("keyName"), cmbKey_->currentText()); // the name only
    });
    connect(cmbKey_, &QComboBox::editTextChanged, this, &FrmMain::showProcessed);
    connect(txtKey_, &QLineEdit::textChanged, this, &FrmMain::keyBoxChanged);
    // Queued: the box holds what it kept only once the paste or key press is done.
    connect(
        txtKey_, &QLineEdit::inputRejected, this,
        [this] {
            showStatus(toStd(tr("A key holds at most 18 characters; the key box kept %1.").arg(txtKey_->text())));
        },
        Qt::QueuedConnection);
    connect(command13, &QPushButton::clicked, this, &FrmMain::command13Click);
    connect(command8, &QPushButton::clicked, this, &FrmMain::command8Click);
    connect(command9, &QPushButton::clicked, this, &FrmMain::command9Click);
    connect(command10, &QPushButton::clicked, this, &FrmMain::command10Click);
    connect(command12, &QPushButton::clicked, this, &FrmMain::command12Click);
    connect(command7, &QPushButton::clicked, this, &FrmMain::command7Click);
    connect(command11, &QPushButton::clicked, this, &FrmMain::command11Click);
    connect(command15, &QPushButton::clicked, this, &FrmMain::command15Click);
    connect(command3, &QPushButton::clicked, this, &FrmMain::command3Click);
    connect(command4, &QPushButton::clicked, this, &FrmMain::command4Click);
    connect(command5, &QPushButton::clicked, this, &FrmMain::command5Click);
    connect(cmdTidy, &QPushButton::clicked, this, &FrmMain::cmdTidyClick);
    connect(cmdCopy, &QPushButton::clicked, this, &FrmMain::cmdCopyOutputClick);
    connect(cmdPaste, &QPushButton::clicked, this, &FrmMain::cmdPasteInputClick);
    connect(cmdOutputToInput, &QPushButton::clicked, this, &FrmMain::cmdOutputToInputClick);

    addShortcut(this, command15, QKeySequence::Open);
    addShortcut(this, command5, QKeySequence::Save);
    addShortcut(this, command3, QKeySequence(Qt::CTRL | Qt::Key_E));
    addShortcut(this, command4, QKeySequence(Qt::CTRL | Qt::Key_D));
    addShortcut(this, command10, QKeySequence(Qt::CTRL | Qt::Key_P));
    addShortcut(this, command14, QKeySequence(Qt::CTRL | Qt::Key_L));
    addShortcut(this, cmdTidy, QKeySequence(Qt::CTRL | Qt::Key_T));
    auto* quit = new QAction(this);
    quit->setObjectName(QStringLiteral("actQuit"));
    quit->setShortcut(QKeySequence::Quit);
    connect(quit, &QAction::triggered, this, &QWidget::close);
    addAction(quit);

    // Work order: language, key, text, result.
    QWidget* order[] = {combo1_,  command14, command6_,  command2_, command1_, cmbKey_,  txtKey_,
                        command13, command8, command9,   command10, command12, command7,  command11,
                        text1_,   command15, cmdPaste,   cmdOutputToInput, cmdTidy, command3, command4,
                        text2_,   chkDress_, cmdCopy,    command5};
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);

    // The window fits the screen it opens on, whatever its scale.
    const QRect room = screen()->availableGeometry();
    resize(std::min(760, room.width()), std::min(620, room.height() - 40));
    restoreGeometry(userSettings().value(QStringLiteral("window/geometry")).toByteArray());
}

void FrmMain::buildMenu() {
    auto* hlp = menuBar()->addMenu(QString());
    hlp->setObjectName(QStringLiteral("hlp"));
    auto item = [&](const char* name, const QString& caption) {
        QAction* action = hlp->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        return action;
    };
    connect(item("hlpabt", QString()), &QAction::triggered, this, &FrmMain::showAbout);
    hlp->addSeparator()->setObjectName(QStringLiteral("div"));
    connect(item("hlpdict", QString()), &QAction::triggered, this,
            [this] { showHelp(QStringLiteral("dict.htm")); });
    connect(item("hlpkey", QString()), &QAction::triggered, this,
            [this] { showHelp(QStringLiteral("key.htm")); });
    QAction* coding = item("hlpcode", QString());
    coding->setShortcut(QKeySequence::HelpContents);
    connect(coding, &QAction::triggered, this, [this] { showHelp(QStringLiteral("coding.htm")); });
    hlp->addSeparator()->setObjectName(QStringLiteral("div2"));
    hlp->addMenu(new LanguageMenu(hlp))->setObjectName(QStringLiteral("hlplang"));
}

void FrmMain::formLoad() {
    progressBar1_->hide();
    text1_->clear();
    text2_->clear();
    label1_->setText(tr("Select Dictionary to Load"));
    command1_->setEnabled(false);
    command2_->setEnabled(false);
    command6_->setEnabled(false);
    txtKey_->clear();
    label2_->setText(tr("Welcome.  Select Dictionary, define and process the Key."));
    welcomeShown_ = true;
    loadKeys();
    showProcessed();

    combo1_->clear();
    QStringList entries;
    for (const std::string& entry : listDictionaries(programFolder_))
        entries << fromStd(entry);
    std::sort(entries.begin(), entries.end(), [](const QString& a, const QString& b) {
        return QString::compare(a, b, Qt::CaseInsensitive) < 0;
    });
    combo1_->addItems(entries);
    combo1_->setCurrentIndex(-1);
    combo1_->setEditText(QString());
    preselectRemembered();
}

void FrmMain::preselectRemembered() {
    const QSettings settings = userSettings();
    const int language = combo1_->findText(settings.value(QStringLiteral("language")).toString(), Qt::MatchExactly);
    if (language >= 0)
        combo1_->setCurrentIndex(language); // shown only: a pick from the list loads it
    const QString name = settings.value(QStringLiteral("keyName")).toString();
    if (!name.isEmpty() && cmbKey_->findText(name, Qt::MatchExactly) >= 0) {
        cmbKey_->setEditText(name);
        cmbKeyClick();
    }
}

void FrmMain::closeEvent(QCloseEvent* event) {
    userSettings().setValue(QStringLiteral("window/geometry"), saveGeometry());
    QMainWindow::closeEvent(event);
}

// ---- dictionary ----

void FrmMain::combo1Click(int index) {
    const QString entry = combo1_->itemText(index);
    const auto path = dictionaryPathFor(programFolder_, toStd(entry));
    if (!path) {
        MessageBox::information(this, tr("There is no dictionary file for \"%1\".").arg(entry));
        return;
    }
    if (readDictionary(*path, entry))
        userSettings().setValue(QStringLiteral("language"), entry);
}

void FrmMain::command14Click() {
    const QString name = FileDialog::openFileName(this);
    if (name.isEmpty())
        return;
    if (readDictionary(toPath(name), pathText(toPath(name).filename())))
        combo1_->setEditText(tr("Loaded"));
}

bool FrmMain::readDictionary(const std::filesystem::path& path, const QString& shownName) {
    try {
        BusyCursor busy(this);
        CodePage cp = dictionaryCodePage(path, codePage_);
        loadDictionary(keyspace_, path, cp);
        dictPath_ = path;
        dictCodePage_ = std::move(cp);
        dictName_ = shownName;
        tidier_.reset();
    } catch (const std::exception& e) {
        showError(e);
        return false;
    }
    showDictionaryLoaded();
    showProcessed(); // the load left the key unprocessed
    return true;
}

void FrmMain::showProcessed() {
    if (!keyspace_.keyspaceReady()) {
        lblProcessed_->setText(tr("Not processed"));
        lblProcessed_->setToolTip(QString());
        return;
    }
    const QString name = keyNameShown();
    lblProcessed_->setText(tr("Processed: %1 \u00B7 %2")
                               .arg(name.isEmpty() ? tr("unnamed key") : name, processedDict_));
    lblProcessed_->setToolTip(lblProcessed_->text()); // a long name may not fit
}

void FrmMain::keyBoxChanged() {
    if (keyspace_.keyspaceReady() && txtKey_->text() != processedKey_)
        keyspace_.setKeyspaceReady(false);
    showProcessed();
}

// The name box's name when its stored key is the processed key; a name typed for a key not
// stored under it names nothing.
QString FrmMain::keyNameShown() const {
    const QString name = cmbKey_->currentText();
    if (name.isEmpty())
        return {};
    try {
        const auto key = keyFile_.findKeyByName(toStd(name));
        return key && fromStd(*key) == processedKey_ ? name : QString();
    } catch (const std::exception&) {
        return {}; // the key commands report a key file that cannot be read
    }
}

void FrmMain::showDictionaryLoaded() {
    label1_->setText(
        tr("%1 items in Dictionary").arg(QLocale().toString(static_cast<qlonglong>(keyspace_.wordCount()))));
    label1_->setToolTip(tr("%1\nCode page %2\nFingerprint %3")
                            .arg(QDir::toNativeSeparators(pathText(dictPath_)), fromStd(dictCodePage_->name()),
                                 fromStd(dictionaryFingerprint(keyspace_.words()))));
    command1_->setEnabled(true);
    command2_->setEnabled(true);
    command6_->setEnabled(true);
}

void FrmMain::command6Click() {
    BusyCursor busy(this);
    FrmView view(keyspace_.words(), this);
    view.exec();
}

void FrmMain::command2Click() {
    FrmSearch search(keyspace_.words(), this);
    search.exec();
}

void FrmMain::command1Click() {
    FrmAdd add(keyspace_, dictPath_, *dictCodePage_, this);
    add.exec();
}

// ---- keys ----

void FrmMain::loadKeys() {
    fillKeyNames();
    cmbKey_->setEditText(cmbKey_->count() > 0 ? cmbKey_->itemText(0) : QString());
    if (!cmbKey_->currentText().isEmpty())
        cmbKeyClick();
}

void FrmMain::fillKeyNames() {
    const QString name = cmbKey_->currentText();
    cmbKey_->clear();
    try {
        for (const std::string& stored : keyFile_.listKeyNames())
            cmbKey_->addItem(fromStd(stored));
    } catch (const std::exception& e) {
        showError(e);
    }
    cmbKey_->setEditText(name);
}

void FrmMain::cmbKeyClick() {
    try {
        if (const auto key = keyFile_.findKeyByName(toStd(cmbKey_->currentText())))
            txtKey_->setText(fromStd(*key));
    } catch (const std::exception& e) {
        showError(e);
    }
}

void FrmMain::command13Click() {
    try {
        txtKey_->setText(fromStd(keys::generateKey()));
    } catch (const std::exception& e) {
        showError(e);
    }
}

void FrmMain::command8Click() {
    const std::string name = toStd(cmbKey_->currentText());
    const std::string key = toStd(txtKey_->text());
    keys::SaveResult result;
    try {
        result = keys::saveKey(keyFile_, name, key);
        if (result.kind == keys::SaveResult::AskReplace) {
            if (!MessageBox::question(this, l10n::translateMessage(result.message),
                                      l10n::translateMessage(keys::msg::ReplaceTitle),
                                      QMessageBox::No))
                return;
            result = keys::saveKey(keyFile_, name, key, true);
        }
    } catch (const std::exception& e) {
        showError(e);
        return;
    }
    if (result.saved) {
        // The saved name stays shown as the list holds it, with the key just saved.
        fillKeyNames();
        QString shown = cmbKey_->currentText().left(static_cast<qsizetype>(keys::NameWidth));
        while (shown.startsWith(QLatin1Char(' ')))
            shown.remove(0, 1);
        while (shown.endsWith(QLatin1Char(' ')))
            shown.chop(1);
        cmbKey_->setEditText(shown);
    }
    MessageBox::information(this, l10n::translateMessage(result.message));
}

void FrmMain::command9Click() {
    const QString name = cmbKey_->currentText();
    if (name.isEmpty())
        return;
    try {
        // Only an exact name removes anything; a near miss is told, not confirmed.
        if (!keyFile_.findKeyByName(toStd(name))) {
            MessageBox::information(this, l10n::translateMessage(keys::msg::noSuchKey(toStd(name))));
            return;
        }
    } catch (const std::exception& e) {
        showError(e);
        return;
    }
    if (!MessageBox::question(this, l10n::translateMessage(keys::msg::removeQuestion(toStd(name))),
                              l10n::translateMessage(keys::msg::RemoveTitle)))
        return;
    try {
        keyFile_.removeKeysByName(toStd(name));
    } catch (const std::exception& e) {
        showError(e);
        return;
    }
    loadKeys();
}

void FrmMain::command12Click() {
    const QString folder = FrmPathSelect::choose(this, QStringLiteral("T"), QDir::currentPath());
    if (folder.isEmpty())
        return;
    try {
        if (keys::transferWouldReplaceOther(programFolder_, toPath(folder)) &&
            !MessageBox::question(this, l10n::translateMessage(keys::msg::transferQuestion(toPath(folder) / "key.dat")),
                                  l10n::translateMessage(keys::msg::TransferTitle), QMessageBox::No))
            return;
        keys::transferKeyFile(programFolder_, toPath(folder));
    } catch (const std::exception& e) {
        showError(e);
        return;
    }
    MessageBox::information(this, l10n::translateMessage(keys::msg::KeysTransferred));
}

void FrmMain::command7Click() {
    const QString folder = FrmPathSelect::choose(this, QStringLiteral("R"), QDir::currentPath());
    if (folder.isEmpty())
        return;
    try {
        const auto losses = keys::keysLostByRestore(programFolder_, toPath(folder), codePage_);
        if (!losses.empty() && !MessageBox::question(this, l10n::translateMessage(keys::msg::restoreQuestion(losses)),
                                                     l10n::translateMessage(keys::msg::RestoreTitle), QMessageBox::No))
            return;
        keys::restoreKeyFile(programFolder_, toPath(folder));
    } catch (const std::exception& e) {
        showError(e);
        return;
    }
    // The list shows the restored names at once, so no stale name picks an old key.
    loadKeys();
    MessageBox::information(this, l10n::translateMessage(keys::msg::KeysRestored));
}

void FrmMain::command11Click() {
    if (!MessageBox::question(this, l10n::translateMessage(keys::msg::DeleteQuestion),
                              l10n::translateMessage(keys::msg::DeleteTitle)))
        return;
    try {
        keys::wipeKeyFile(programFolder_);
    } catch (const std::exception& e) {
        showError(e);
        return;
    }
    // No name is left to pick; listing would only make an empty key file again.
    cmbKey_->clear();
    cmbKey_->setEditText(QString());
    MessageBox::information(this, l10n::translateMessage(keys::msg::KeyFileDeleted));
}

// ---- cipher ----

Feedback FrmMain::feedback(BusyCursor& busy) {
    Feedback f;
    f.status = [this](const std::string& text) { showStatus(text); };
    f.message = [this](const std::string& text) { MessageBox::information(this, l10n::translateMessage(text)); };
    f.busy = [&busy](bool on) { busy.set(on); };
    f.progressVisible = [this](bool on) {
        progressBar1_->setVisible(on);
        if (on)
            progressBar1_->repaint();
    };
    // Every value is set, but painted at most once a frame: a hundred paints added about 30 ms
    // to Process on the largest dictionaries, and the screen shows no more than its frames.
    f.progress = [this, painted = QElapsedTimer()](int value) mutable {
        progressBar1_->setValue(value);
        if (!painted.isValid() || painted.elapsed() >= 16) {
            progressBar1_->repaint();
            painted.start();
        }
    };
    return f;
}

void FrmMain::showStatus(const std::string& text) {
    label2_->setText(l10n::translateMessage(text));
    welcomeShown_ = false;
    label2_->repaint();
}

void FrmMain::command10Click() {
    BusyCursor busy(this, false);
    const QString key = txtKey_->text();
    bool processed = false;
    try {
        processed = processKey(keyspace_, toStd(key), feedback(busy)).started;
    } catch (const std::exception& e) {
        progressBar1_->hide();
        showError(e);
    }
    // A refused key must not leave the last key in use while the box shows this one.
    keyspace_.setKeyspaceReady(processed);
    if (processed) {
        processedKey_ = key;
        processedDict_ = dictName_;
    }
    showProcessed();
}

void FrmMain::command3Click() { runCodec(encodeText); }

void FrmMain::command4Click() { runCodec(decodeText); }

void FrmMain::runCodec(CodecCommand command) {
    BusyCursor busy(this, false);
    bool longInput = false;
    try {
        const std::string input = plainTextWithCrLf(text1_);
        // A long text shows the steps it has passed, not a frozen window.
        longInput = input.size() > LongText;
        if (longInput) {
            progressBar1_->setValue(10);
            progressBar1_->show();
            progressBar1_->repaint();
        }
        CommandResult result = command(keyspace_, input, feedback(busy));
        if (result.output && command == encodeText && chkDress_->isChecked()) {
            try {
                *result.output = dressText(*result.output,
                                           [this](char32_t c) { return codePage_.byteOf(c).has_value(); });
            } catch (const std::exception& e) {
                showError(e); // the plain output is shown all the same
            }
        }
        if (result.output) {
            if (longInput) {
                progressBar1_->setValue(70);
                showStatus(toStd(tr("Showing the output...")));
            }
            showOutput(*result.output);
        }
        if (result.output && command == encodeText)
            checkEncoded(result);
        if (longInput) {
            progressBar1_->hide();
            showStatus("");
        }
        if (command == encodeText)
            showMissingWords(result);
        if (command == decodeText && result.notFound > 0)
            MessageBox::information(this, l10n::translateMessage(msg::codedWordsNotFound(result.notFound, result.missing)));
    } catch (const std::exception& e) {
        showError(e);
    }
    if (longInput)
        progressBar1_->hide(); // also after a failure
}

void FrmMain::checkEncoded(const CommandResult& result) {
    // What Save would write is what must decode.
    const RoundTrip check = checkRoundTrip(keyspace_, result.rows, outputText());
    if (!check.same)
        MessageBox::information(this, l10n::translateMessage(msg::roundTripWarning(keyspace_, check)));
}

void FrmMain::showMissingWords(const CommandResult& result) {
    uint32_t occurrences = 0;
    for (const MissingWord& m : result.missing)
        occurrences += m.count;
    if (occurrences < 2)
        return; // none, or the one that had its message box
    std::vector<UnknownWord> words;
    {
        BusyCursor busy(this);
        for (const MissingWord& m : result.missing)
            words.push_back({m.word, m.count, tidier().suggest(m.word)});
    }
    showWordsNotEncoded(this, text1_, words, [this] { cmdTidyClick(); }, adder());
}

Tidier& FrmMain::tidier() {
    if (!tidier_)
        tidier_ = std::make_unique<Tidier>(keyspace_, tidyLocaleFor(utf8Path(dictPath_.filename())));
    return *tidier_;
}

// The Add command for a word of the unknown-words window.
std::function<bool(const std::string&)> FrmMain::adder() {
    return [this](const std::string& word) {
        return dictCodePage_ && addWordAndTell(this, keyspace_, dictPath_, word, *dictCodePage_);
    };
}

void FrmMain::cmdTidyClick() {
    if (text1_->document()->isEmpty()) {
        MessageBox::information(this, l10n::translateMessage(msg::MissingInput));
        return;
    }
    if (keyspace_.wordCount() == 0) {
        MessageBox::information(this, l10n::translateMessage(msg::DictionaryNotLoaded));
        return;
    }
    try {
        tidyInputBox(this, text1_, tidier(), adder());
    } catch (const std::exception& e) {
        showError(e);
    }
}

// ---- text files ----

void FrmMain::command15Click() {
    const QString name = FileDialog::openFileName(this);
    if (!name.isEmpty())
        readInputFile(name);
}

void FrmMain::readInputFile(const QString& name) {
    try {
        std::string text;
        {
            BusyCursor busy(this);
            text = readTextFile(toPath(name), codePage_);
        }
        // Each of its thousand non-words would be a word not in the dictionary.
        if (!looksLikeText(text) &&
            !MessageBox::question(
                this, tr("\"%1\" does not look like a text file: it holds control characters "
                         "or bytes that are not text.  Load it all the same?")
                          .arg(QDir::toNativeSeparators(name)),
                {}, QMessageBox::No))
            return;
        BusyCursor busy(this);
        setPlainTextFromCrLf(text1_, text);
    } catch (const std::exception& e) {
        showError(e);
    }
}

void FrmMain::command5Click() {
    const QString name = FileDialog::saveFileName(this);
    if (name.isEmpty())
        return;
    try {
        saveTextFile(toPath(name), outputText(), codePage_);
    } catch (const std::exception& e) {
        showError(e);
        return;
    }
    MessageBox::information(this, tr("File Saved"));
}

bool FrmMain::eventFilter(QObject* watched, QEvent* event) {
    if (watched != text1_->viewport())
        return QMainWindow::eventFilter(watched, event);
    const auto type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return false;
    auto* drop = static_cast<QDropEvent*>(event);
    const QList<QUrl> urls = drop->mimeData()->hasUrls() ? drop->mimeData()->urls() : QList<QUrl>();
    if (urls.isEmpty())
        return false; // dragged text is inserted as the box does it
    if (urls.size() != 1 || !urls.front().isLocalFile()) {
        drop->ignore();
        return true;
    }
    drop->acceptProposedAction();
    if (type == QEvent::Drop)
        readInputFile(QDir::toNativeSeparators(urls.front().toLocalFile()));
    return true;
}

void FrmMain::replaceInput(const QString& text) {
    QTextCursor cursor(text1_->document());
    cursor.select(QTextCursor::Document);
    cursor.insertText(text);
}

void FrmMain::showOutput(const std::string& text) {
    QString shown = fromStd(text);
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    // Laying out one line of megabytes takes the box seconds: a long line is shown cut after
    // a blank, while the commands read the text itself until the box is edited.
    constexpr qsizetype Cut = 2000;
    QString cut;
    if (shown.size() > 50 * Cut) {
        cut.reserve(shown.size() + shown.size() / Cut + 1);
        qsizetype lineStart = 0;
        for (qsizetype i = 0; i < shown.size(); ++i) {
            const QChar c = shown[i];
            cut += c;
            if (c == QLatin1Char('\n')) {
                lineStart = i + 1;
            } else if (c == QLatin1Char(' ') && i + 1 - lineStart >= Cut && i + 1 < shown.size() &&
                       shown[i + 1] != QLatin1Char('\n')) {
                cut += QLatin1Char('\n');
                lineStart = i + 1;
            }
        }
    }
    settingOutput_ = true;
    text2_->setPlainText(cut.size() > shown.size() ? cut : shown);
    settingOutput_ = false;
    outputKept_.reset();
    if (cut.size() > shown.size())
        outputKept_ = text;
}

std::string FrmMain::outputText() const { return outputKept_ ? *outputKept_ : plainTextWithCrLf(text2_); }

void FrmMain::cmdCopyOutputClick() {
    const QString text = fromStd(outputText()).replace(QLatin1String("\r\n"), QLatin1String("\n"));
    if (text.isEmpty()) {
        showStatus(toStd(tr("The output box is empty: nothing was copied.")));
        return;
    }
    QApplication::clipboard()->setText(text);
    showStatus(toStd(tr("Copied %1.").arg(words(wordCount(text)))));
}

void FrmMain::cmdPasteInputClick() {
    const QString text = QApplication::clipboard()->text();
    if (text.isEmpty()) {
        showStatus(toStd(tr("The clipboard holds no text: the input box is unchanged.")));
        return;
    }
    replaceInput(text);
    showStatus(toStd(tr("Pasted %1.").arg(words(wordCount(text)))));
}

void FrmMain::cmdOutputToInputClick() {
    // As shown: a long line's cuts fall after blanks, and a line break reads as a blank.
    const QString text = text2_->toPlainText();
    if (text.isEmpty()) {
        showStatus(toStd(tr("The output box is empty: the input box is unchanged.")));
        return;
    }
    replaceInput(text);
    text2_->clear();
    showStatus(toStd(tr("Moved %1 to the input box.").arg(words(wordCount(text)))));
}

// ---- help ----

void FrmMain::showHelp(const QString& topic) {
    FrmBrowser browser(pathText(programFolder_), topic, this);
    browser.exec();
}

void FrmMain::showAbout() {
    FrmAbout about(this, keyspace_.dictionaryLoaded() ? pathText(dictPath_.filename()) : QString(),
                   keyspace_.dictionaryLoaded() ? fromStd(dictionaryFingerprint(keyspace_.words())) : QString());
    about.exec();
}

void FrmMain::showError(const std::exception& e) {
    MessageBox::information(this, l10n::translateMessage(userMessage(e)));
}

} // namespace talvora::ui
