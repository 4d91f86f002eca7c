#include "typedlineedit.h"

#include <QComboBox>
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

namespace {

// On the closed box, keys that would step to another entry open the list instead.
class PickOnlyFromList : public QObject {
  public:
    explicit PickOnlyFromList(QComboBox* box) : QObject(box), box_(box) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != box_)
            return false;
        if (event->type() == QEvent::Wheel) {
            event->ignore();
            return true;
        }
        if (event->type() != QEvent::KeyPress)
            return false;
        switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
            box_->showPopup();
            return true;
        default:
            return false;
        }
    }

  private:
    QComboBox* box_;
};

} // namespace

void takeTextAsTyped(QComboBox* box) {
    box->setLineEdit(new TypedLineEdit(box));
    box->setCompleter(nullptr);
    box->installEventFilter(new PickOnlyFromList(box));
}

} // namespace talvora::ui
