#pragma once

#include <QLineEdit>

class QComboBox;

namespace talvora::ui {

// The text field of an editable combo box whose list is run only by a pick. Qt's combo box
// picks the entry whose text equals the typed text when Enter is pressed or the focus
// leaves; here Enter and leaving keep the text as typed and pick nothing.
class TypedLineEdit : public QLineEdit {
    Q_OBJECT
  public:
    using QLineEdit::QLineEdit;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};

// Makes box an editable combo box whose text is taken exactly as typed (no completion) and
// whose entries are chosen only from its open list: the arrow keys on the closed box open
// the list instead of stepping through it, and the mouse wheel does not step either.
void takeTextAsTyped(QComboBox* box);

} // namespace talvora::ui
