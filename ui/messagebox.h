#pragma once

#include <QMessageBox>
#include <QString>
#include <deque>
#include <vector>

namespace talvora::ui {

// Every message box of the program goes through here, so that tests can answer them
// without a window showing.
class MessageBox {
  public:
    struct Shown {
        QString title;
        QString text;
        bool question = false;
        QMessageBox::StandardButton defaultButton = QMessageBox::Ok;
    };

    // OK alone. An empty title gives the application's short title.
    static void information(QWidget* parent, const QString& text, const QString& title = {});
    // Yes and No, Yes the default unless told; true only for Yes.
    static bool question(QWidget* parent, const QString& text, const QString& title = {},
                         QMessageBox::StandardButton defaultButton = QMessageBox::Yes);

    // Test mode: no box shows; every box is recorded and questions take the queued answers
    // (No when none is queued).
    static void setTestMode(bool on);
    static void setNextAnswer(QMessageBox::StandardButton answer);
    static const std::vector<Shown>& shown();
    static void clearShown();

    static QString applicationTitle();
    // Widens a box so that the title bar shows its whole title.
    static void keepTitleWhole(QMessageBox& box);

  private:
    static QMessageBox::StandardButton ask(QWidget* parent, const QString& text, const QString& title,
                                           bool question,
                                           QMessageBox::StandardButton defaultButton = QMessageBox::Ok);
};

} // namespace talvora::ui
