// The libraries' messages as the user sees them, so that lupdate lists them for the
// translators. %1, %2... are the variable parts, %n a count; a part listed in "parts" is
// itself a message (a reason, a hint, a list of findings) and is translated in turn.
#include "messagetable.h"

#include <QtGlobal>

namespace talvora::l10n {

const std::vector<MessageForm>& messageTable() {
    static const std::vector<MessageForm> table = {
        // Key and text commands.
        {QT_TRANSLATE_NOOP(
             "Messages",
             "Key has not been defined.  Either Select a Key, define a Key or generate one."),
         ""},
        {QT_TRANSLATE_NOOP("Messages", "Cannot this this until you have loaded a Dictionary."), ""},
        {QT_TRANSLATE_NOOP(
             "Messages",
             "This key cannot be used.  Use a key made of the digits 1 to 9, or generate one."),
         ""},
        {QT_TRANSLATE_NOOP("Messages", "Missing Input Text error."), ""},
        {QT_TRANSLATE_NOOP("Messages", "Dictionary not loaded.  Please select a dictionary."), ""},
        {QT_TRANSLATE_NOOP(
             "Messages",
             "You must first define the key to use and Process the key before you can proceed."),
         ""},
        {QT_TRANSLATE_NOOP("Messages", "Creating Keyspace..."), ""},
        {QT_TRANSLATE_NOOP("Messages", "Dictionary is ready for cryption."), ""},
        {QT_TRANSLATE_NOOP("Messages", "Parsing Text..."), ""},
        {QT_TRANSLATE_NOOP("Messages", "Checking with Dictionary..."), ""},
        {QT_TRANSLATE_NOOP("Messages", "Encoding..."), ""},
        {QT_TRANSLATE_NOOP("Messages", "Decoding..."), ""},
        {QT_TRANSLATE_NOOP("Messages", "Cannot find the word '%1'.  Either it is a misspelling, or "
                                       "needs to be added to the dictionary."),
         ""},
        {QT_TRANSLATE_NOOP("Messages", "1 word was not found in the dictionary: %1."), "1"},
        {QT_TRANSLATE_N_NOOP("Messages", "%n words were not found in the dictionary: %1."), "1"},
        {QT_TRANSLATE_N_NOOP("Messages", "%1 (%n times)"), ""},
        {QT_TRANSLATE_N_NOOP("Messages", "%1 and %n more"), "1"},
        {QT_TRANSLATE_NOOP("Messages", "This encoded text will not decode back to your words with "
                                       "the same dictionary and key."),
         ""},
        {QT_TRANSLATE_NOOP("Messages", "This encoded text will not decode back to your words with "
                                       "the same dictionary and key.  "
                                       "Dictionary entries at fault: %1.  Correct the dictionary "
                                       "on both sides before sending this text."),
         "1"},
        {QT_TRANSLATE_NOOP("Messages", "The program folder lacks %1, which Tidy needs to split "
                                       "joined words: they stay as typed."),
         ""},
        {QT_TRANSLATE_NOOP("Messages", "line %1 (empty)"), ""},
        {QT_TRANSLATE_NOOP("Messages", "line %1 %2"), ""},
        {QT_TRANSLATE_NOOP("Messages", "line %1 %2 (holds a blank, line break or punctuation)"),
         ""},
        {QT_TRANSLATE_NOOP("Messages", "line %1 %2 (also on line %3)"), ""},
        {QT_TRANSLATE_N_NOOP("Messages", "and %n more"), ""},
        // Keys.
        {QT_TRANSLATE_NOOP("Messages", "Missing Data.  Enter a Name and a Key or generate one."),
         ""},
        {QT_TRANSLATE_NOOP("Messages",
                           "Key cannot contain a zero.  Change the zero to numeric digit."),
         ""},
        {QT_TRANSLATE_NOOP("Messages", "Key Saved"), ""},
        {QT_TRANSLATE_NOOP("Messages", "Remove Confirm"), ""},
        {QT_TRANSLATE_NOOP("Messages", "Are you sure you want to remove the Key %1?"), ""},
        {QT_TRANSLATE_NOOP("Messages", "Key Delete Confirm"), ""},
        {QT_TRANSLATE_NOOP("Messages", "Please make certain that you transfer the key file before "
                                       "deleting it.  Are you sure you "
                                       "want to delete the Key File?"),
         ""},
        {QT_TRANSLATE_NOOP("Messages", "Keys Transferred."), ""},
        {QT_TRANSLATE_NOOP("Messages", "Keys Restored."), ""},
        {QT_TRANSLATE_NOOP("Messages", "Key File is deleted.  No Cryptions are now possible."), ""},
        {QT_TRANSLATE_NOOP("Messages", "A key name cannot hold a control character (a line break, "
                                       "a tab or an escape).  Type the "
                                       "name without it."),
         ""},
        {QT_TRANSLATE_NOOP("Messages", "Save Confirm"), ""},
        {QT_TRANSLATE_NOOP("Messages", "A key named %1 is stored. Replace its key?"), ""},
        {QT_TRANSLATE_NOOP("Messages", "Transfer Confirm"), ""},
        {QT_TRANSLATE_NOOP("Messages", "The chosen folder holds a key file, %1, that differs from "
                                       "the one here.  Replace it?"),
         ""},
        {QT_TRANSLATE_NOOP("Messages", "No key named %1 is stored."), ""},
        {QT_TRANSLATE_NOOP("Messages", "No key is stored under the name %1."), ""},
        {QT_TRANSLATE_NOOP("Messages", "Cancelled; nothing was changed."), ""},
        {QT_TRANSLATE_NOOP("Messages", "Standard input is not a terminal, so nobody can answer the "
                                       "question: pass %1 to go ahead."),
         ""},
        {QT_TRANSLATE_NOOP(
             "Messages", "A key has at most 18 characters; this one has %1.  Nothing was stored."),
         ""},
        {QT_TRANSLATE_NOOP("Messages", "Restore Confirm"), ""},
        {QT_TRANSLATE_NOOP("Messages", "Restoring the key file of the chosen folder loses or "
                                       "changes 1 key stored now:\n%1Restore anyway?"),
         "1"},
        {QT_TRANSLATE_N_NOOP("Messages", "Restoring the key file of the chosen folder loses or "
                                         "changes %n keys stored now:\n%1Restore anyway?"),
         "1"},
        {QT_TRANSLATE_NOOP("Messages", "- %1 (another key)"), ""},
        {QT_TRANSLATE_NOOP("Messages", "- %1 (lost)"), ""},
        {QT_TRANSLATE_N_NOOP("Messages", "and %n more."), ""},
        {QT_TRANSLATE_NOOP("Messages",
                           "Cannot transfer the key file: the folder %1 does not exist."),
         ""},
        {QT_TRANSLATE_NOOP("Messages", "Cannot transfer the key file to %1: it is the program "
                                       "folder, the file would be copied onto itself."),
         ""},
        {QT_TRANSLATE_NOOP("Messages", "There is no key file to transfer: %1 does not exist."), ""},
        {QT_TRANSLATE_NOOP("Messages",
                           "Cannot restore the key file: the folder %1 does not exist."),
         ""},
        {QT_TRANSLATE_NOOP("Messages", "Cannot restore the key file from %1: it is the program "
                                       "folder itself, there is nothing to restore."),
         ""},
        {QT_TRANSLATE_NOOP("Messages",
                           "There is no key file to restore in %1; the key file was not changed."),
         ""},
        {QT_TRANSLATE_NOOP("Messages", "Cannot draw random numbers from the operating system: %1."),
         "1"},
        // Dictionaries.
        {QT_TRANSLATE_NOOP("Messages", "Cannot load the dictionary %1: %2."), "2"},
        {QT_TRANSLATE_NOOP("Messages", "the file is empty"), ""},
        {QT_TRANSLATE_NOOP("Messages", "it has more than 655000 lines"), ""},
        {QT_TRANSLATE_NOOP("Messages",
                           "line %1 holds the byte %2, which the code page %3 leaves unassigned"),
         ""},
        {QT_TRANSLATE_NOOP("Messages", "No Word defined to Add"), ""},
        {QT_TRANSLATE_NOOP("Messages", "That word is already in the dictionary."), ""},
        {QT_TRANSLATE_NOOP("Messages", "%1 Added."), ""},
        {QT_TRANSLATE_NOOP("Messages", "A word cannot hold a line break: it would become two lines "
                                       "of the dictionary.  Nothing was added."),
         ""},
        {QT_TRANSLATE_NOOP("Messages", "\"%1\" cannot be a word of the dictionary: %2, so it could "
                                       "never be encoded.  Nothing was added."),
         "2"},
        {QT_TRANSLATE_NOOP("Messages",
                           "it holds a blank, and a text is cut into words at every blank"),
         ""},
        {QT_TRANSLATE_NOOP("Messages", "it holds \"%1\", which is dropped from every text"), ""},
        {QT_TRANSLATE_NOOP("Messages", "Cannot add the word: %1"), "1"},
        // Code pages.
        {QT_TRANSLATE_NOOP("Messages", "The code page \"%1\" is not known."), ""},
        {QT_TRANSLATE_NOOP("Messages", "The code page \"%1\" is not a single-byte code page."), ""},
        {QT_TRANSLATE_NOOP("Messages", "The code page \"%1\" reads the bytes %2 as the same "
                                       "character, so a text would not read back "
                                       "as it was written."),
         ""},
        {QT_TRANSLATE_NOOP("Messages", "The character %1 cannot be written in the code page %2."),
         ""},
        {QT_TRANSLATE_NOOP("Messages", "The environment variable %1 cannot be used: %2 It accepts "
                                       "a single-byte code page whose 256 "
                                       "bytes read as 256 different characters, such as %3"),
         "23"},
        // Files.
        {QT_TRANSLATE_NOOP("Messages", "Cannot read %1: %2."), "2"},
        {QT_TRANSLATE_NOOP("Messages", "Cannot read %1: %2. %3"), "23"},
        {QT_TRANSLATE_NOOP("Messages", "Cannot write %1: %2."), "2"},
        {QT_TRANSLATE_NOOP("Messages", "Cannot write %1: %2. %3"), "23"},
        {QT_TRANSLATE_NOOP("Messages", "Cannot read the key file %1: %2."), "2"},
        {QT_TRANSLATE_NOOP("Messages", "Cannot write the key file %1: %2."), "2"},
        {QT_TRANSLATE_NOOP("Messages", "Cannot write the key file %1: %2. %3"), "23"},
        {QT_TRANSLATE_NOOP("Messages", "Cannot read the status of %1: %2."), "2"},
        {QT_TRANSLATE_NOOP("Messages", "Cannot lock the folder %1: %2."), "2"},
        {QT_TRANSLATE_NOOP("Messages", "Cannot lock the folder %1: %2. %3"), "23"},
        {QT_TRANSLATE_NOOP("Messages", "Cannot add to %1: %2."), "2"},
        {QT_TRANSLATE_NOOP("Messages", "Cannot look for unfinished work in the folder %1: %2."),
         "2"},
        {QT_TRANSLATE_NOOP("Messages", "Cannot delete the key file %1: %2."), "2"},
        {QT_TRANSLATE_NOOP("Messages", "Cannot delete the key file %1: %2. %3"), "23"},
        {QT_TRANSLATE_NOOP("Messages", "Cannot use %1: %2."), "2"},
        {QT_TRANSLATE_NOOP("Messages", "it does not exist"), ""},
        {QT_TRANSLATE_NOOP("Messages", "permission denied"), ""},
        {QT_TRANSLATE_NOOP("Messages", "the file system is read-only"), ""},
        {QT_TRANSLATE_NOOP("Messages", "the disk is full"), ""},
        {QT_TRANSLATE_NOOP("Messages", "it is a folder"), ""},
        {QT_TRANSLATE_NOOP("Messages", "it is read-only"), ""},
        {QT_TRANSLATE_NOOP("Messages", "it is not a regular file"), ""},
        {QT_TRANSLATE_NOOP("Messages", "it is not a regular file but a pipe or a device"), ""},
        {QT_TRANSLATE_NOOP("Messages", "it is a symbolic link, and nothing is written through one"),
         ""},
        {QT_TRANSLATE_NOOP("Messages",
                           "it has other hard links, which would keep the old contents"),
         ""},
        {QT_TRANSLATE_NOOP("Messages", "it was changed by another program meanwhile"), ""},
        {QT_TRANSLATE_NOOP("Messages", "it is larger than %1, the most the program reads"), ""},
        {QT_TRANSLATE_NOOP("Messages", "its first line is longer than %1 characters"), ""},
        {QT_TRANSLATE_NOOP("Messages", "The folder %1 is not writable."), ""},
        {QT_TRANSLATE_NOOP("Messages", "The folder %1 does not exist."), ""},
        {QT_TRANSLATE_NOOP("Messages", "The program folder %1 is not writable."), ""},
        {QT_TRANSLATE_NOOP("Messages", "The program folder %1 does not exist."), ""},
        {QT_TRANSLATE_NOOP("Messages", "The file is read-only."), ""},
        {QT_TRANSLATE_NOOP("Messages", "Nothing was done."), ""},
        {QT_TRANSLATE_NOOP("Messages", "The key file %1 is not a regular file."), ""},
        {QT_TRANSLATE_NOOP("Messages", "The key file %1 has other hard links: its contents would "
                                       "survive under the other names."),
         ""},
        {QT_TRANSLATE_NOOP("Messages", "The key file %1 is read-only."), ""},
        {QT_TRANSLATE_NOOP("Messages", "The key file %1 was changed by another program meanwhile."),
         ""},
        {QT_TRANSLATE_NOOP("Messages", "The next change of the file finishes that."), ""},
        {QT_TRANSLATE_NOOP("Messages",
                           "Cannot overwrite the key file %1 (pass %2 of %3): %4. It is gone from "
                           "its folder, but its old "
                           "bytes were not all overwritten; the next command on it tries again."),
         "4"},
        {QT_TRANSLATE_NOOP("Messages",
                           "The key file was overwritten but could not be deleted: %1: %2."),
         "2"},
        {QT_TRANSLATE_NOOP("Messages",
                           "The key file was overwritten but could not be deleted: %1: %2. %3"),
         "23"},
        {QT_TRANSLATE_NOOP(
             "Messages",
             "%1 was written, but the old contents it replaced could not be overwritten: %2."),
         "2"},
        {QT_TRANSLATE_NOOP("Messages", "%1 was written, but its folder %2 could not be flushed: "
                                       "%3.  The change may be lost if the "
                                       "computer stops now."),
         "3"},
        {QT_TRANSLATE_NOOP("Messages", "Another program has been changing the files in %1 for %2 "
                                       "seconds; nothing was changed.  Try "
                                       "again when it has finished."),
         ""},
        {QT_TRANSLATE_NOOP("Messages",
                           "There is not enough memory for this; nothing more was done."),
         ""},
        {QT_TRANSLATE_NOOP("Messages",
                           "The command stopped on an unexpected failure; nothing more was done."),
         ""},
    };
    return table;
}

} // namespace talvora::l10n
