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

// The words Tidy left unknown, each with its count and suggestions; double-clicking a
// suggestion puts it in place of that word.
class FrmUnknown : public QDialog {
    Q_OBJECT
  public:
    using Replace = std::function<void(const std::string& word, const std::string& replacement)>;
    FrmUnknown(const std::vector<UnknownWord>& words, Replace replace, QWidget* parent = nullptr);

  private:
    void itemDoubleClicked(QTreeWidgetItem* item);

    Replace replace_;
    QTreeWidget* list1_;
};

// "Tidy": the input box gets the tidied text as one undo step; the words still unknown are
// shown in FrmUnknown.
void tidyInputBox(QWidget* window, QPlainTextEdit* box, Tidier& tidier);

// Replaces the box's whole text (line breaks CR LF) as one step that Undo takes back.
void replaceBoxText(QPlainTextEdit* box, const std::string& text);

} // namespace talvora::ui
