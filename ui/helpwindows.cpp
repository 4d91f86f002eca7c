#include "helpwindows.h"

#include "language.h"

#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#ifndef TALVORA_VERSION
#define TALVORA_VERSION "1.0.0"
#endif

namespace talvora::ui {

namespace {

// "key.de.htm" is the German "key.htm": the topic without its language.
QString topicOf(const QString& page) {
    const QStringList parts = page.split(QLatin1Char('.'));
    return parts.size() == 3 ? parts[0] + QLatin1Char('.') + parts[2] : page;
}

} // namespace

QString FrmBrowser::pageFor(const QString& programFolder, const QString& helpTopic) {
    const QString language = l10n::currentLanguage();
    if (language != QLatin1String("en")) {
        const QFileInfo topic(helpTopic);
        const QString translated =
            QStringLiteral("%1.%2.%3").arg(topic.completeBaseName(), language, topic.suffix());
        const QFileInfo info(QDir(programFolder).filePath(translated));
        if (info.isFile() && info.isReadable())
            return translated;
    }
    return helpTopic;
}

QString FrmBrowser::captionFor(const QString& page) {
    const QString helpTopic = topicOf(page);
    if (helpTopic == QLatin1String("dict.htm"))
        return tr("Dictionaries");
    if (helpTopic == QLatin1String("key.htm"))
        return tr("Key Management");
    if (helpTopic == QLatin1String("coding.htm"))
        return tr("Encoding and Decoding Data");
    return {};
}

void FrmBrowser::showCaptionFor(const QString& helpTopic) {
    const QString caption = captionFor(helpTopic);
    if (!caption.isEmpty())
        setWindowTitle(caption);
}

FrmBrowser::FrmBrowser(const QString& programFolder, const QString& helpTopic, QWidget* parent)
    : QDialog(parent), webBrowser1_(new QTextBrowser(this)) {
    setObjectName(QStringLiteral("frmBrowser"));
    webBrowser1_->setObjectName(QStringLiteral("WebBrowser1"));
    webBrowser1_->setOpenExternalLinks(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(webBrowser1_);

    const QString page = QDir(programFolder).filePath(pageFor(programFolder, helpTopic));
    const QFileInfo info(page);
    if (info.isFile() && info.isReadable()) {
        webBrowser1_->setSource(QUrl::fromLocalFile(page), QTextDocument::HtmlResource);
    } else {
        webBrowser1_->setHtml(
            tr("<h2>Help page not found</h2><p>The help page <b>%1</b> is not in the "
               "program folder <b>%2</b>, or it cannot be read.</p>")
                .arg(helpTopic.toHtmlEscaped(), QDir::toNativeSeparators(programFolder).toHtmlEscaped()));
    }
    setWindowTitle(tr("Web Message"));
    showCaptionFor(helpTopic);
    // A link to another page gives the caption that page has from the menu.
    connect(webBrowser1_, &QTextBrowser::sourceChanged, this,
            [this](const QUrl& url) { showCaptionFor(url.fileName()); });
    resize(640, 560);
}

FrmAbout::FrmAbout(QWidget* parent, const QString& dictionary, const QString& fingerprint)
    : QDialog(parent) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(tr("About Talvora"));

    auto* label1 = new QLabel(QStringLiteral("Talvora"), this);
    label1->setObjectName(QStringLiteral("Label1"));
    QFont title(QStringLiteral("Arial"));
    title.setPointSize(20);
    title.setBold(true);
    label1->setFont(title);
    auto* label2 = new QLabel(this);
    label2->setObjectName(QStringLiteral("Label2"));
    auto* label3 = new QLabel(tr("A word-substitution code: each word of a text becomes another "
                                  "word of the same dictionary, chosen by a secret key. Both "
                                  "sides need the same dictionary file and the same key."),
                              this);
    label3->setObjectName(QStringLiteral("Label3"));
    label3->setWordWrap(true);
    auto* label4 = new QLabel(this);
    label4->setObjectName(QStringLiteral("Label4"));
    label4->setWordWrap(true);
    auto* done = new QPushButton(tr("Done"), this);
    done->setObjectName(QStringLiteral("Command1"));
    done->setDefault(true);
    connect(done, &QPushButton::clicked, this, &QDialog::accept);

    label2->setText(tr("Version %1").arg(QStringLiteral(TALVORA_VERSION)));
    label4->setText(tr("Free software under the GNU General Public License, version 2 or "
                       "later. The dictionaries keep the licences of their word lists. "
                       "Built with Qt %1.")
                        .arg(QString::fromLatin1(qVersion())));

    auto* label5 = new QLabel(fingerprint.isEmpty() ? tr("No dictionary is loaded.")
                                                    : tr("Fingerprint of %1:").arg(dictionary),
                              this);
    label5->setObjectName(QStringLiteral("Label5"));
    label5->setTextFormat(Qt::PlainText);
    auto* fingerprintBox = new QLineEdit(fingerprint, this);
    fingerprintBox->setObjectName(QStringLiteral("txtFingerprint"));
    fingerprintBox->setReadOnly(true);
    fingerprintBox->setToolTip(tr("Both sides must see the same fingerprint before the first message"));
    auto* copy = new QPushButton(tr("Copy"), this);
    copy->setObjectName(QStringLiteral("cmdCopy"));
    copy->setEnabled(!fingerprint.isEmpty());
    connect(copy, &QPushButton::clicked, this,
            [fingerprint] { QGuiApplication::clipboard()->setText(fingerprint); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label1, 0, Qt::AlignHCenter);
    layout->addWidget(label2, 0, Qt::AlignHCenter);
    layout->addSpacing(8);
    layout->addWidget(label3);
    layout->addWidget(label4);
    layout->addSpacing(8);
    layout->addWidget(label5);
    auto* fingerprintRow = new QHBoxLayout;
    fingerprintRow->addWidget(fingerprintBox, 1);
    fingerprintRow->addWidget(copy);
    layout->addLayout(fingerprintRow);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(done);
    layout->addLayout(row);
    setFixedWidth(420);
}

} // namespace talvora::ui
