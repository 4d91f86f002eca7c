#pragma once

#include "tidy.h"

#include <QDialog>
#include <functional>
#include <string>
#include <vector>

class QPlainTextEdit;
class QTreeWidget;
class QTreeWidgetItem;

namespace talvora::ui {

// What the window of unknown words can do to the text and the dictionary; an empty action is
// not offered.
struct UnknownActions {
    // Puts a suggestion in place of every occurrence of the word.
    std::function<void(const std::string& word, const std::string& replacement)> replace;
    // Takes back the change of that index (one of those the window was given).
    std::function<void(size_t change)> revert;
    // Adds the word to the dictionary file, telling the outcome; true when it was added.
    std::function<bool(const std::string& word)> add;
};

// The changes Tidy made (List2), then the words it left unknown or that stopped Encode
// (List1), each with its count and suggestions. Enter or a double-click on a change takes it
// back, on a suggestion puts it in place of that word; Spell out writes the selected word
// letter by letter. Offering Tidy, the window has a Tidy
// button that closes it with TidyPressed.
class FrmUnknown : public QDialog {
    Q_OBJECT
  public:
    static constexpr int TidyPressed = 2;
    FrmUnknown(const std::vector<UnknownWord>& words, UnknownActions actions,
               QWidget* parent = nullptr, bool offerTidy = false,
               const std::vector<TidyChange>& changes = {});

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void applySuggestion(QTreeWidgetItem* item);
    void revertChange(QTreeWidgetItem* item);
    void addWord();
    void spellOut();
    QTreeWidgetItem* selectedWord() const;

    UnknownActions actions_;
    QTreeWidget* list1_;
    QTreeWidget* list2_ = nullptr;
};

// "Tidy": the input box gets the tidied text as one undo step, its rewritten stretches
// highlighted; the changes and the words still unknown are shown in FrmUnknown.
void tidyInputBox(QWidget* window, QPlainTextEdit* box, Tidier& tidier,
                  std::function<bool(const std::string&)> add = {});

// The words that stopped Encode, listed for the input box; tidy runs Tidy on it.
void showWordsNotEncoded(QWidget* window, QPlainTextEdit* box, const std::vector<UnknownWord>& words,
                         std::function<void()> tidy,
                         std::function<bool(const std::string&)> add = {});

// Replaces the box's whole text (line breaks CR LF) as one step that Undo takes back.
void replaceBoxText(QPlainTextEdit* box, const std::string& text);

// Where a byte offset of the box's text (line breaks CR LF) lies in the box.
int boxPosition(std::string_view text, size_t byteOffset);

} // namespace talvora::ui
