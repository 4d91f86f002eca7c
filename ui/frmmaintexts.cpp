// The main window's texts in the current language: set once at start and again whenever
// Help → Language switches, so that every caption, tooltip and accessible name follows.
#include "frmmain.h"

#include "keyspace.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QWidget>

namespace talvora::ui {

namespace {

struct Caption {
    const char* name;
    const char* text;
};

struct Description {
    const char* name;
    const char* accessibleName;
    const char* description;
};

} // namespace

void FrmMain::retranslateUi() {
    static const Caption captions[] = {
        {"Frame1", QT_TR_NOOP("Language")},
        {"Command14", QT_TR_NOOP("&Load")},
        {"Command6", QT_TR_NOOP("Vie&w")},
        {"Command2", QT_TR_NOOP("Sea&rch")},
        {"Command1", QT_TR_NOOP("&Add")},
        {"Frame2", QT_TR_NOOP("Key Management")},
        {"Label6", QT_TR_NOOP("&Name")},
        {"Label7", QT_TR_NOOP("&Key")},
        {"Command13", QT_TR_NOOP("&Generate Key")},
        {"Command8", QT_TR_NOOP("&Save")},
        {"Command9", QT_TR_NOOP("Re&move")},
        {"Command10", QT_TR_NOOP("&Process")},
        {"Command12", QT_TR_NOOP("Trans&fer Keys")},
        {"Command7", QT_TR_NOOP("Rest&ore Keys")},
        {"Command11", QT_TR_NOOP("Delete Ke&ys")},
        {"Frame3", QT_TR_NOOP("Input Text")},
        {"Command15", QT_TR_NOOP("Get Te&xt")},
        {"Command3", QT_TR_NOOP("&Encode")},
        {"Command4", QT_TR_NOOP("&Decode")},
        {"cmdTidy", QT_TR_NOOP("Tidy")},
        {"cmdPasteInput", QT_TR_NOOP("Pas&te")},
        {"cmdOutputToInput", QT_TR_NOOP("Use as &Input")},
        {"Frame4", QT_TR_NOOP("Output Text")},
        {"Command5", QT_TR_NOOP("Sa&ve")},
        {"cmdCopyOutput", QT_TR_NOOP("&Copy")},
        {"chkDress", QT_TR_NOOP("Dress as sentences")},
        {"hlp", QT_TR_NOOP("&Help")},
        {"hlpabt", QT_TR_NOOP("&About")},
        {"hlpdict", QT_TR_NOOP("&Dictionaries")},
        {"hlpkey", QT_TR_NOOP("&Key Management")},
        {"hlpcode", QT_TR_NOOP("&Encoding and Decoding")},
    };
    static const Description descriptions[] = {
        {"Combo1", QT_TR_NOOP("Language"), QT_TR_NOOP("Picking a language loads its dictionary")},
        {"Label1", QT_TR_NOOP("Dictionary status"), QT_TR_NOOP("How many words the loaded dictionary holds")},
        {"Command14", QT_TR_NOOP("Load"), QT_TR_NOOP("Loads a dictionary file chosen in a file dialog")},
        {"Command6", QT_TR_NOOP("View"), QT_TR_NOOP("Lists every word of the loaded dictionary")},
        {"Command2", QT_TR_NOOP("Search"), QT_TR_NOOP("Finds the words that begin with a text")},
        {"Command1", QT_TR_NOOP("Add"), QT_TR_NOOP("Appends a word to the loaded dictionary file")},
        {"cmbKey", QT_TR_NOOP("Key name"), QT_TR_NOOP("Picking a stored name puts its key into the key box")},
        {"txtKey", QT_TR_NOOP("Key"), QT_TR_NOOP("The key to process: at most 18 characters, as a rule the digits 1 to 9")},
        {"Command13", QT_TR_NOOP("Generate Key"), QT_TR_NOOP("Puts a new random key into the key box")},
        {"Command8", QT_TR_NOOP("Save key"), QT_TR_NOOP("Stores the name and key in the key file")},
        {"Command9", QT_TR_NOOP("Remove key"), QT_TR_NOOP("Removes the named key from the key file")},
        {"Command10", QT_TR_NOOP("Process"), QT_TR_NOOP("Prepares the dictionary with the key; needed before Encode and Decode")},
        {"lblProcessed", QT_TR_NOOP("Processed key"), QT_TR_NOOP("The key and dictionary that Encode and Decode use")},
        {"Command12", QT_TR_NOOP("Transfer Keys"), QT_TR_NOOP("Copies the key file to a folder you choose")},
        {"Command7", QT_TR_NOOP("Restore Keys"), QT_TR_NOOP("Copies the key file back from a folder you choose")},
        {"Command11", QT_TR_NOOP("Delete Keys"), QT_TR_NOOP("Overwrites and deletes the key file")},
        {"Text1", QT_TR_NOOP("Input text"), QT_TR_NOOP("The text to encode or decode; a text file dropped here is read in")},
        {"Command15", QT_TR_NOOP("Get Text"), QT_TR_NOOP("Reads a text file into the input box")},
        {"cmdPasteInput", QT_TR_NOOP("Paste"), QT_TR_NOOP("Replaces the input with the text on the clipboard")},
        {"cmdOutputToInput", QT_TR_NOOP("Use as Input"), QT_TR_NOOP("Moves the output into the input box")},
        {"cmdTidy", QT_TR_NOOP("Tidy"), QT_TR_NOOP("Changes the words the dictionary lacks into words it holds")},
        {"Command3", QT_TR_NOOP("Encode"), QT_TR_NOOP("Encodes the input into the output box")},
        {"Command4", QT_TR_NOOP("Decode"), QT_TR_NOOP("Decodes the input into the output box")},
        {"Text2", QT_TR_NOOP("Output text"), QT_TR_NOOP("The result of Encode or Decode")},
        {"chkDress", QT_TR_NOOP("Dress as sentences"),
         QT_TR_NOOP("Encode writes the words as sentences; they decode exactly as before")},
        {"cmdCopyOutput", QT_TR_NOOP("Copy"), QT_TR_NOOP("Copies the whole output to the clipboard")},
        {"Command5", QT_TR_NOOP("Save output"), QT_TR_NOOP("Writes the output to a text file")},
        {"Label2", QT_TR_NOOP("Status"), QT_TR_NOOP("What the last command did")},
        {"ProgressBar1", QT_TR_NOOP("Progress"), QT_TR_NOOP("How far a long command has come")},
    };

    for (const Caption& c : captions) {
        const QString name = QString::fromLatin1(c.name);
        const QString text = tr(c.text);
        if (auto* button = findChild<QAbstractButton*>(name))
            button->setText(text);
        else if (auto* frame = findChild<QGroupBox*>(name))
            frame->setTitle(text);
        else if (auto* label = findChild<QLabel*>(name))
            label->setText(text);
        else if (auto* menu = findChild<QMenu*>(name))
            menu->setTitle(text);
        else if (auto* action = findChild<QAction*>(name))
            action->setText(text);
    }
    for (const Description& d : descriptions)
        if (auto* w = findChild<QWidget*>(QString::fromLatin1(d.name))) {
            w->setAccessibleName(tr(d.accessibleName));
            w->setAccessibleDescription(tr(d.description));
        }

    // Tooltips name the caption and its shortcut.
    for (auto* button : findChildren<QAbstractButton*>()) {
        const QVariant keys = button->property("shortcutKeys");
        if (keys.isValid())
            button->setToolTip(QStringLiteral("%1 (%2)").arg(
                QString(button->text()).remove(QLatin1Char('&')),
                keys.value<QKeySequence>().toString(QKeySequence::NativeText)));
    }
    if (auto* dress = findChild<QAbstractButton*>(QStringLiteral("chkDress")))
        dress->setToolTip(tr("Encode writes the words as sentences; they decode exactly as before"));
    if (auto* tidy = findChild<QAbstractButton*>(QStringLiteral("cmdTidy")))
        tidy->setToolTip(tr("Tidy (Ctrl+T): makes the text encodable, changing only words the dictionary "
                            "lacks.\nQuotes, apostrophes, dashes, tabs, joined words, digits, abbreviations "
                            "and missing accents become dictionary words;\nwords still unknown are listed "
                            "with suggestions."));

    // The texts that tell the window's state.
    if (keyspace_.dictionaryLoaded())
        showDictionaryLoaded();
    else
        label1_->setText(tr("Select Dictionary to Load"));
    if (welcomeShown_)
        label2_->setText(tr("Welcome.  Select Dictionary, define and process the Key."));
    if (combo1_->currentIndex() < 0 && !combo1_->currentText().isEmpty() && keyspace_.dictionaryLoaded())
        combo1_->setEditText(tr("Loaded"));
    showProcessed();
}

void FrmMain::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QMainWindow::changeEvent(event);
}

} // namespace talvora::ui
