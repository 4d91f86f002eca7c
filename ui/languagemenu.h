#pragma once

#include <QMenu>

class QActionGroup;

namespace talvora::ui {

// The language the user chose last (kept in the user's settings), else the system's.
void startLanguage();

// Help → Language: one entry per language, each in its own name; a pick switches the
// program's texts at once and is remembered for the next start.
class LanguageMenu : public QMenu {
    Q_OBJECT
  public:
    explicit LanguageMenu(QWidget* parent = nullptr);

  protected:
    void changeEvent(QEvent* event) override;

  private:
    void retranslate();
    QActionGroup* group_;
};

} // namespace talvora::ui
