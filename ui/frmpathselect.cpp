#include "frmpathselect.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStorageInfo>
#include <QStyle>
#include <QVBoxLayout>

namespace talvora::ui {
namespace {

QString withSeparator(QString path) {
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    return path;
}

// Kernel and runtime mounts are not places to keep a key file.
bool isUserVolume(const QStorageInfo& volume) {
    if (!volume.isValid() || !volume.isReady())
        return false;
    const QString root = volume.rootPath();
    for (const char* hidden : {"/proc", "/sys", "/dev", "/run", "/snap", "/boot/efi"})
        if (root == QLatin1String(hidden) || root.startsWith(QLatin1String(hidden) + u'/'))
            return root.startsWith(QLatin1String("/run/media/"));
    return true;
}

} // namespace

FolderList::FolderList(QWidget* parent)
    : QWidget(parent), current_(new QLabel(this)), list_(new QListWidget(this)) {
    setObjectName(QStringLiteral("Dir1"));
    current_->setObjectName(QStringLiteral("Dir1Path"));
    current_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    current_->setWordWrap(true);
    QFont bold = current_->font();
    bold.setBold(true);
    current_->setFont(bold);
    list_->setObjectName(QStringLiteral("Dir1List"));
    setFocusProxy(list_);
    // Enter opens the highlighted folder and goes no further: the dialog must not take it
    // as "Set". Backspace goes up a folder.
    list_->installEventFilter(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(current_);
    layout->addWidget(list_, 1);
    connect(list_, &QListWidget::itemDoubleClicked, this, &FolderList::open);
}

void FolderList::setPath(const QString& path) {
    const QString clean = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    path_ = clean;
    current_->setText(QDir::toNativeSeparators(clean));
    list_->clear();
    const QIcon folderIcon = style()->standardIcon(QStyle::SP_DirIcon);
    QDir dir(clean);
    if (!dir.isRoot())
        list_->addItem(new QListWidgetItem(style()->standardIcon(QStyle::SP_FileDialogToParent),
                                           QStringLiteral("..")));
    const auto names =
        dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QString& name : names)
        list_->addItem(new QListWidgetItem(folderIcon, name));
    if (list_->count() > 0)
        list_->setCurrentRow(0);
    list_->keyboardSearch(QString()); // typing in the new folder starts a new search
    emit pathChanged(path_);
}

bool FolderList::eventFilter(QObject* watched, QEvent* event) {
    if (watched == list_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() & ~Qt::KeypadModifier)
            return QWidget::eventFilter(watched, event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            open(list_->currentItem());
            return true;
        }
        if (key->key() == Qt::Key_Backspace) {
            goUp();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void FolderList::goUp() {
    QDir dir(path_);
    if (dir.cdUp())
        setPath(dir.absolutePath());
}

void FolderList::open(QListWidgetItem* item) {
    if (!item)
        return;
    QDir dir(path_);
    if (item->text() == QLatin1String("..") ? dir.cdUp() : dir.cd(item->text()))
        setPath(dir.absolutePath());
}

FrmPathSelect::FrmPathSelect(const QString& mode, const QString& startFolder, QWidget* parent)
    : QDialog(parent), drive1_(new QComboBox(this)), dir1_(new FolderList(this)) {
    setObjectName(QStringLiteral("frmPathSelect"));
    drive1_->setObjectName(QStringLiteral("Drive1"));
    // No default button: Enter belongs to the folder list, and only a click on "Set" (or
    // Alt+S) takes the open folder.
    auto* set = new QPushButton(tr("&Set"), this);
    set->setObjectName(QStringLiteral("Command1"));
    set->setAutoDefault(false);
    auto* cancel = new QPushButton(tr("&Cancel"), this);
    cancel->setObjectName(QStringLiteral("Command2"));
    cancel->setAutoDefault(false);
    connect(set, &QPushButton::clicked, this, [this] {
        takeFolder();
        accept();
    });
    connect(cancel, &QPushButton::clicked, this, [this] {
        selectedPath_.clear();
        reject();
    });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(drive1_);
    layout->addWidget(dir1_, 1);
    auto* hint = new QLabel(tr("Open a folder with a double click or Enter, go up with Backspace; "
                                   "\"Set\" takes the open folder."), this);
    hint->setWordWrap(true);
    layout->addWidget(hint);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(set);
    row->addWidget(cancel);
    layout->addLayout(row);

    dir1_->setPath(startFolder);
    fillDrives(dir1_->path());
    connect(drive1_, &QComboBox::activated, this,
            [this](int index) { dir1_->setPath(drive1_->itemData(index).toString()); });
    takeFolder();
    setWindowTitle(mode == QLatin1String("T") ? tr("Select Path to Transfer Key File To")
                                              : tr("Select Path to Restore Key File From"));
    resize(420, 400);
    dir1_->setFocus(); // keyboard users start in the folder list
}

void FrmPathSelect::fillDrives(const QString& startFolder) {
    QStringList roots;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes())
        if (isUserVolume(volume) && !roots.contains(volume.rootPath()))
            roots << volume.rootPath();
    roots.sort();
    const QString startRoot = QStorageInfo(startFolder).rootPath();
    const QIcon driveIcon = style()->standardIcon(QStyle::SP_DriveHDIcon);
    for (const QString& root : roots) {
        const QString name = QStorageInfo(root).displayName();
        const QString label = QDir::toNativeSeparators(root) +
                              (name.isEmpty() || name == root ? QString() : QStringLiteral("  (%1)").arg(name));
        drive1_->addItem(driveIcon, label, root);
        if (root == startRoot)
            drive1_->setCurrentIndex(drive1_->count() - 1);
    }
}

void FrmPathSelect::takeFolder() { selectedPath_ = withSeparator(dir1_->path()); }

QString FrmPathSelect::choose(QWidget* parent, const QString& mode, const QString& startFolder) {
    FrmPathSelect window(mode, startFolder, parent);
    window.exec();
    return window.result() == QDialog::Accepted ? window.selectedPath() : QString();
}

} // namespace talvora::ui
