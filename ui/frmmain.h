#pragma once

#include "codepage.h"
#include "keyfile.h"
#include "keyspace.h"

#include <QMainWindow>
#include <QString>
#include <filesystem>
#include <functional>
#include <optional>
#include <memory>

class QCheckBox;
class QCloseEvent;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;

namespace talvora {
struct Feedback;
struct CommandResult;
class Tidier;
}

namespace talvora::ui {

class BusyCursor;

// The main window: reads its controls, calls the libraries and shows what they report.
class FrmMain : public QMainWindow {
    Q_OBJECT
  public:
    explicit FrmMain(std::filesystem::path programFolder, QWidget* parent = nullptr);
    ~FrmMain() override;

    const Keyspace& keyspace() const { return keyspace_; }
    const std::filesystem::path& programFolder() const { return programFolder_; }
    const std::filesystem::path& dictionaryPath() const { return dictPath_; }

    // Rebuilds the key list from the key file and selects its first name.
    void loadKeys();

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  protected:
    void changeEvent(QEvent* event) override;

  private:
    // Every text of the window in the current language; again on each switch of language.
    void retranslateUi();
    void buildWindow();
    void buildMenu();
    void formLoad();

    void combo1Click(int index);
    void command14Click();
    void command6Click();
    void command2Click();
    void command1Click();
    void cmbKeyClick();
    // The name list rebuilt from the key file; the name and key boxes keep their text.
    void fillKeyNames();
    void command13Click();
    void command8Click();
    void command9Click();
    void command10Click();
    void command12Click();
    void command7Click();
    void command11Click();
    void command15Click();
    void command3Click();
    void command4Click();
    void command5Click();
    // Get Text's reading of a chosen or dropped file into the input box.
    void readInputFile(const QString& name);
    // The result of Encode or Decode into the output box, and the output as Save writes it.
    void showOutput(const std::string& text);
    std::string outputText() const;
    void cmdCopyOutputClick();
    void cmdPasteInputClick();
    void cmdOutputToInputClick();
    // The input box's whole text replaced, as one step that Undo takes back.
    void replaceInput(const QString& text);
    // The language and key name picked last, shown again without loading anything.
    void preselectRemembered();
    void cmdTidyClick();
    std::function<bool(const std::string&)> adder();
    // Encode or Decode of the input box into the output box.
    using CodecCommand = CommandResult (*)(Keyspace&, std::string_view, const Feedback&);
    void runCodec(CodecCommand command);
    // After Encode: decodes the output box in memory and warns when the words do not come back.
    void checkEncoded(const CommandResult& result);
    void showHelp(const QString& topic);
    void showAbout();

    // False when the file was refused; the loaded dictionary then stays. shownName is what
    // lblProcessed calls it.
    bool readDictionary(const std::filesystem::path& path, const QString& shownName);
    // lblProcessed after a change: the key and dictionary the Keyspace holds, if still usable.
    void showProcessed();
    // A key box that no longer holds the processed key leaves nothing to code with.
    void keyBoxChanged();
    QString keyNameShown() const;
    // After a refused Encode: every word the dictionary lacks at once, when more than one.
    void showMissingWords(const CommandResult& result);
    Tidier& tidier();
    void showDictionaryLoaded();
    Feedback feedback(BusyCursor& busy);
    void showStatus(const std::string& text);
    void showError(const std::exception& e);

    std::filesystem::path programFolder_;
    QString codePageProblem_; // why TALVORA_CODEPAGE was not used; set before codePage_
    CodePage codePage_;
    Keyspace keyspace_;
    keys::KeyFile keyFile_;
    std::filesystem::path dictPath_;
    std::optional<CodePage> dictCodePage_; // the loaded dictionary's, which Add writes in
    std::unique_ptr<Tidier> tidier_; // for the loaded dictionary, made on first use
    QString dictName_;               // the loaded dictionary as lblProcessed names it
    QString processedKey_;           // the key text of the last Process that succeeded
    QString processedDict_;
    bool welcomeShown_ = false; // the status line still greets, so a switch of language retells it
    std::optional<std::string> outputKept_; // the output exactly, while the box shows it cut
    bool settingOutput_ = false;

    QComboBox* combo1_ = nullptr;
    QLabel* label1_ = nullptr;
    QPushButton* command1_ = nullptr;
    QPushButton* command2_ = nullptr;
    QPushButton* command6_ = nullptr;
    QComboBox* cmbKey_ = nullptr;
    QLineEdit* txtKey_ = nullptr;
    QPlainTextEdit* text1_ = nullptr;
    QPlainTextEdit* text2_ = nullptr;
    QCheckBox* chkDress_ = nullptr;
    QLabel* label2_ = nullptr;
    QLabel* lblProcessed_ = nullptr;
    QProgressBar* progressBar1_ = nullptr;
};

// A text box's text with its line breaks as CR LF, as the commands read it.
std::string plainTextWithCrLf(const QPlainTextEdit* box);
// Shows a text whose line breaks are CR LF.
void setPlainTextFromCrLf(QPlainTextEdit* box, const std::string& text);

} // namespace talvora::ui
