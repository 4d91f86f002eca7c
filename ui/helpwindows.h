#pragma once

#include <QDialog>
#include <QString>

class QTextBrowser;

namespace talvora::ui {

// The help window: one local page of the program folder.
class FrmBrowser : public QDialog {
    Q_OBJECT
  public:
    FrmBrowser(const QString& programFolder, const QString& helpTopic, QWidget* parent = nullptr);

    // The caption a help page gives the window; empty for a page the menu does not know,
    // which leaves the caption as it is.
    static QString captionFor(const QString& page);
    // The page of the topic in the current language where the folder has it ("key.de.htm"),
    // else the English one.
    static QString pageFor(const QString& programFolder, const QString& helpTopic);

  private:
    void showCaptionFor(const QString& helpTopic);

    QTextBrowser* webBrowser1_;
};

// The About window; with a dictionary loaded it shows the file's fingerprint, which partners
// compare before their first message.
class FrmAbout : public QDialog {
    Q_OBJECT
  public:
    explicit FrmAbout(QWidget* parent = nullptr, const QString& dictionary = {},
                      const QString& fingerprint = {});
};

} // namespace talvora::ui
