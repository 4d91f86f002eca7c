#pragma once

#include <QDialog>
#include <filesystem>

class QLabel;
class QLineEdit;
class QListView;
class QPushButton;

namespace talvora {
class CodePage;
class Keyspace;
class WordList;
} // namespace talvora

namespace talvora::ui {

class WordListModel;

// "View Dictionary": every word of the loaded dictionary in file order.
class FrmView : public QDialog {
    Q_OBJECT
  public:
    explicit FrmView(const WordList& words, QWidget* parent = nullptr);

  private:
    WordListModel* model_;
};

// "Search Dictionary": the words that begin with the search text.
class FrmSearch : public QDialog {
    Q_OBJECT
  public:
    explicit FrmSearch(const WordList& words, QWidget* parent = nullptr);

  protected:
    bool event(QEvent* event) override;

  private:
    void search();

    const WordList& words_;
    QLineEdit* text1_;
    WordListModel* model_;
    QLabel* found_; // how many words the last search found
};

// "Add to Dictionary": appends a word to the dictionary file loaded last.
class FrmAdd : public QDialog {
    Q_OBJECT
  public:
    FrmAdd(const Keyspace& keyspace, std::filesystem::path dictionary, const CodePage& codePage,
           QWidget* parent = nullptr);

  private:
    void add();

    const Keyspace& keyspace_;
    std::filesystem::path dictionary_;
    const CodePage& codePage_;
    QLineEdit* text1_;
};

// The Add command: appends the word to the dictionary file and tells the outcome in a message
// box; true when it was added.
bool addWordAndTell(QWidget* window, const Keyspace& keyspace,
                    const std::filesystem::path& dictionary, const std::string& word,
                    const CodePage& codePage);

// A list view of words: one line each, all of the same height.
QListView* makeWordListView(WordListModel* model, QWidget* parent);

} // namespace talvora::ui
