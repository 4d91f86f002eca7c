#pragma once

#include <QDialog>
#include <QString>

class QComboBox;
class QLabel;
class QListWidget;
class QListWidgetItem;

namespace talvora::ui {

// A folder list: shows the subfolders of its current folder; opening one (double click or
// Enter) makes it the current folder, ".." or Backspace goes up.
class FolderList : public QWidget {
    Q_OBJECT
  public:
    explicit FolderList(QWidget* parent = nullptr);

    QString path() const { return path_; }
    void setPath(const QString& path);

  signals:
    void pathChanged(const QString& path);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void open(QListWidgetItem* item);
    void goUp();

    QString path_;
    QLabel* current_;
    QListWidget* list_;
};

// The folder window of "Transfer Keys" ("T") and "Restore Keys" (any other mode).
class FrmPathSelect : public QDialog {
    Q_OBJECT
  public:
    FrmPathSelect(const QString& mode, const QString& startFolder, QWidget* parent = nullptr);

    // The chosen folder ending in a separator, or empty when the window was not left by
    // "Set" (closing it through its frame is a Cancel).
    static QString choose(QWidget* parent, const QString& mode, const QString& startFolder);

    QString selectedPath() const { return selectedPath_; }
    FolderList* folderList() const { return dir1_; }
    QComboBox* driveList() const { return drive1_; }

  private:
    void takeFolder();
    void fillDrives(const QString& startFolder);

    QComboBox* drive1_;
    FolderList* dir1_;
    QString selectedPath_;
};

} // namespace talvora::ui
