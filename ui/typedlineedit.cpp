#include "typedlineedit.h"

#include <QKeyEvent>
#include <QSignalBlocker>

namespace talvora::ui {

// Without returnPressed and editingFinished the combo box never matches the text to an entry.
void TypedLineEdit::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        const QSignalBlocker quiet(this);
        QLineEdit::keyPressEvent(event);
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void TypedLineEdit::focusOutEvent(QFocusEvent* event) {
    const QSignalBlocker quiet(this);
    QLineEdit::focusOutEvent(event);
}

} // namespace talvora::ui
