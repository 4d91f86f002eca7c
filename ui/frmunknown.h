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

// The words Tidy left unknown, or that stopped Encode, each with its count and suggestions;
// double-clicking a suggestion puts it in place of that word. Offering Tidy, the window has a
// Tidy button that closes it with TidyPressed.
class FrmUnknown : public QDialog {
    Q_OBJECT
  public:
    using Replace = std::function<void(const std::string& word, const std::string& replacement)>;
    static constexpr int TidyPressed = 2;
    FrmUnknown(const std::vector<UnknownWord>& words, Replace replace, QWidget* parent = nullptr,
               bool offerTidy = false);

  private:
    void itemDoubleClicked(QTreeWidgetItem* item);

    Replace replace_;
    QTreeWidget* list1_;
};

// "Tidy": the input box gets the tidied text as one undo step; the words still unknown are
// shown in FrmUnknown.
void tidyInputBox(QWidget* window, QPlainTextEdit* box, Tidier& tidier);

// The words that stopped Encode, listed for the input box; tidy runs Tidy on it.
void showWordsNotEncoded(QWidget* window, QPlainTextEdit* box, const std::vector<UnknownWord>& words,
                         std::function<void()> tidy);

// Replaces the box's whole text (line breaks CR LF) as one step that Undo takes back.
void replaceBoxText(QPlainTextEdit* box, const std::string& text);

} // namespace talvora::ui
