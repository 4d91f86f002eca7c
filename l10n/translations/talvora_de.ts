<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>MessageBox</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Key has not been defined.  Either Select a Key, define a Key or generate one.</source>
        <translation>Der Schlüssel ist nicht festgelegt.  Wählen Sie einen Schlüssel, geben Sie einen ein oder erzeugen Sie einen.</translation>
    </message>
    <message>
        <source>Cannot this this until you have loaded a Dictionary.</source>
        <translation>Das geht erst, wenn Sie ein Wörterbuch geladen haben.</translation>
    </message>
    <message>
        <source>This key cannot be used.  Use a key made of the digits 1 to 9, or generate one.</source>
        <translation>Dieser Schlüssel ist nicht verwendbar.  Verwenden Sie einen Schlüssel aus den Ziffern 1 bis 9, oder erzeugen Sie einen.</translation>
    </message>
    <message>
        <source>Missing Input Text error.</source>
        <translation>Der Eingabetext fehlt.</translation>
    </message>
    <message>
        <source>Dictionary not loaded.  Please select a dictionary.</source>
        <translation>Kein Wörterbuch geladen.  Bitte wählen Sie ein Wörterbuch.</translation>
    </message>
    <message>
        <source>You must first define the key to use and Process the key before you can proceed.</source>
        <translation>Legen Sie zuerst den Schlüssel fest und verarbeiten Sie ihn, bevor Sie fortfahren.</translation>
    </message>
    <message>
        <source>Creating Keyspace...</source>
        <translation>Schlüsselraum wird erstellt...</translation>
    </message>
    <message>
        <source>Dictionary is ready for cryption.</source>
        <translation>Das Wörterbuch ist zum Verschlüsseln bereit.</translation>
    </message>
    <message>
        <source>Parsing Text...</source>
        <translation>Text wird zerlegt...</translation>
    </message>
    <message>
        <source>Checking with Dictionary...</source>
        <translation>Abgleich mit dem Wörterbuch...</translation>
    </message>
    <message>
        <source>Encoding...</source>
        <translation>Verschlüsseln...</translation>
    </message>
    <message>
        <source>Decoding...</source>
        <translation>Entschlüsseln...</translation>
    </message>
    <message>
        <source>Cannot find the word &apos;%1&apos;.  Either it is a misspelling, or needs to be added to the dictionary.</source>
        <translation>Das Wort &apos;%1&apos; wurde nicht gefunden.  Entweder ist es falsch geschrieben, oder es muss dem Wörterbuch hinzugefügt werden.</translation>
    </message>
    <message>
        <source>1 word was not found in the dictionary: %1.</source>
        <translation>1 Wort wurde im Wörterbuch nicht gefunden: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n words were not found in the dictionary: %1.</source>
        <translation>
            <numerusform>%n Wort wurde im Wörterbuch nicht gefunden: %1.</numerusform>
            <numerusform>%n Wörter wurden im Wörterbuch nicht gefunden: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n times)</source>
        <translation>
            <numerusform>%1 (%n-mal)</numerusform>
            <numerusform>%1 (%n-mal)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n more</source>
        <translation>
            <numerusform>%1 und %n weiteres</numerusform>
            <numerusform>%1 und %n weitere</numerusform>
        </translation>
    </message>
    <message>
        <source>This encoded text will not decode back to your words with the same dictionary and key.</source>
        <translation>Dieser verschlüsselte Text lässt sich mit demselben Wörterbuch und Schlüssel nicht wieder in Ihre Wörter zurückverwandeln.</translation>
    </message>
    <message>
        <source>This encoded text will not decode back to your words with the same dictionary and key.  Dictionary entries at fault: %1.  Correct the dictionary on both sides before sending this text.</source>
        <translation>Dieser verschlüsselte Text lässt sich mit demselben Wörterbuch und Schlüssel nicht wieder in Ihre Wörter zurückverwandeln.  Fehlerhafte Wörterbucheinträge: %1.  Berichtigen Sie das Wörterbuch auf beiden Seiten, bevor Sie diesen Text senden.</translation>
    </message>
    <message>
        <source>The program folder lacks %1, which Tidy needs to split joined words: they stay as typed.</source>
        <translation>Im Programmordner fehlt %1, das Aufräumen zum Trennen zusammengeschriebener Wörter braucht: Sie bleiben, wie sie geschrieben sind.</translation>
    </message>
    <message>
        <source>line %1 (empty)</source>
        <translation>Zeile %1 (leer)</translation>
    </message>
    <message>
        <source>line %1 %2</source>
        <translation>Zeile %1 %2</translation>
    </message>
    <message>
        <source>line %1 %2 (holds a blank, line break or punctuation)</source>
        <translation>Zeile %1 %2 (enthält ein Leerzeichen, einen Zeilenumbruch oder ein Satzzeichen)</translation>
    </message>
    <message>
        <source>line %1 %2 (also on line %3)</source>
        <translation>Zeile %1 %2 (auch in Zeile %3)</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>und %n weiteres</numerusform>
            <numerusform>und %n weitere</numerusform>
        </translation>
    </message>
    <message>
        <source>Missing Data.  Enter a Name and a Key or generate one.</source>
        <translation>Daten fehlen.  Geben Sie einen Namen und einen Schlüssel ein oder erzeugen Sie einen.</translation>
    </message>
    <message>
        <source>Key cannot contain a zero.  Change the zero to numeric digit.</source>
        <translation>Der Schlüssel darf keine Null enthalten.  Ersetzen Sie die Null durch eine andere Ziffer.</translation>
    </message>
    <message>
        <source>Key Saved</source>
        <translation>Schlüssel gespeichert</translation>
    </message>
    <message>
        <source>Remove Confirm</source>
        <translation>Entfernen bestätigen</translation>
    </message>
    <message>
        <source>Are you sure you want to remove the Key %1?</source>
        <translation>Möchten Sie den Schlüssel %1 wirklich entfernen?</translation>
    </message>
    <message>
        <source>Key Delete Confirm</source>
        <translation>Löschen der Schlüsseldatei bestätigen</translation>
    </message>
    <message>
        <source>Please make certain that you transfer the key file before deleting it.  Are you sure you want to delete the Key File?</source>
        <translation>Übertragen Sie die Schlüsseldatei unbedingt, bevor Sie sie löschen.  Möchten Sie die Schlüsseldatei wirklich löschen?</translation>
    </message>
    <message>
        <source>Keys Transferred.</source>
        <translation>Schlüssel übertragen.</translation>
    </message>
    <message>
        <source>Keys Restored.</source>
        <translation>Schlüssel wiederhergestellt.</translation>
    </message>
    <message>
        <source>Key File is deleted.  No Cryptions are now possible.</source>
        <translation>Die Schlüsseldatei ist gelöscht.  Es ist nun keine Ver- oder Entschlüsselung mehr möglich.</translation>
    </message>
    <message>
        <source>A key name cannot hold a control character (a line break, a tab or an escape).  Type the name without it.</source>
        <translation>Ein Schlüsselname darf kein Steuerzeichen enthalten (Zeilenumbruch, Tabulator oder Escape).  Geben Sie den Namen ohne es ein.</translation>
    </message>
    <message>
        <source>Save Confirm</source>
        <translation>Speichern bestätigen</translation>
    </message>
    <message>
        <source>A key named %1 is stored. Replace its key?</source>
        <translation>Ein Schlüssel namens %1 ist gespeichert. Seinen Schlüssel ersetzen?</translation>
    </message>
    <message>
        <source>Transfer Confirm</source>
        <translation>Übertragen bestätigen</translation>
    </message>
    <message>
        <source>The chosen folder holds a key file, %1, that differs from the one here.  Replace it?</source>
        <translation>Der gewählte Ordner enthält eine Schlüsseldatei, %1, die sich von der hiesigen unterscheidet.  Ersetzen?</translation>
    </message>
    <message>
        <source>No key named %1 is stored.</source>
        <translation>Kein Schlüssel namens %1 ist gespeichert.</translation>
    </message>
    <message>
        <source>No key is stored under the name %1.</source>
        <translation>Unter dem Namen %1 ist kein Schlüssel gespeichert.</translation>
    </message>
    <message>
        <source>A key has at most 18 characters; this one has %1.  Nothing was stored.</source>
        <translation>Ein Schlüssel hat höchstens 18 Zeichen; dieser hat %1.  Es wurde nichts gespeichert.</translation>
    </message>
    <message>
        <source>Restore Confirm</source>
        <translation>Wiederherstellen bestätigen</translation>
    </message>
    <message>
        <source>Restoring the key file of the chosen folder loses or changes 1 key stored now:
%1Restore anyway?</source>
        <translation>Wenn Sie die Schlüsseldatei aus dem gewählten Ordner wiederherstellen, geht 1 jetzt gespeicherter Schlüssel verloren oder ändert sich:
%1Trotzdem wiederherstellen?</translation>
    </message>
    <message numerus="yes">
        <source>Restoring the key file of the chosen folder loses or changes %n keys stored now:
%1Restore anyway?</source>
        <translation>
            <numerusform>Wenn Sie die Schlüsseldatei aus dem gewählten Ordner wiederherstellen, geht %n jetzt gespeicherter Schlüssel verloren oder ändert sich:
%1Trotzdem wiederherstellen?</numerusform>
            <numerusform>Wenn Sie die Schlüsseldatei aus dem gewählten Ordner wiederherstellen, gehen %n jetzt gespeicherte Schlüssel verloren oder ändern sich:
%1Trotzdem wiederherstellen?</numerusform>
        </translation>
    </message>
    <message>
        <source>- %1 (another key)</source>
        <translation>- %1 (anderer Schlüssel)</translation>
    </message>
    <message>
        <source>- %1 (lost)</source>
        <translation>- %1 (verloren)</translation>
    </message>
    <message numerus="yes">
        <source>and %n more.</source>
        <translation>
            <numerusform>und %n weiterer.</numerusform>
            <numerusform>und %n weitere.</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot transfer the key file: the folder %1 does not exist.</source>
        <translation>Die Schlüsseldatei kann nicht übertragen werden: Der Ordner %1 existiert nicht.</translation>
    </message>
    <message>
        <source>Cannot transfer the key file to %1: it is the program folder, the file would be copied onto itself.</source>
        <translation>Die Schlüsseldatei kann nicht nach %1 übertragen werden: Das ist der Programmordner, die Datei würde auf sich selbst kopiert.</translation>
    </message>
    <message>
        <source>There is no key file to transfer: %1 does not exist.</source>
        <translation>Es gibt keine Schlüsseldatei zum Übertragen: %1 existiert nicht.</translation>
    </message>
    <message>
        <source>Cannot restore the key file: the folder %1 does not exist.</source>
        <translation>Die Schlüsseldatei kann nicht wiederhergestellt werden: Der Ordner %1 existiert nicht.</translation>
    </message>
    <message>
        <source>Cannot restore the key file from %1: it is the program folder itself, there is nothing to restore.</source>
        <translation>Die Schlüsseldatei kann nicht aus %1 wiederhergestellt werden: Das ist der Programmordner selbst, es gibt nichts wiederherzustellen.</translation>
    </message>
    <message>
        <source>There is no key file to restore in %1; the key file was not changed.</source>
        <translation>In %1 gibt es keine Schlüsseldatei zum Wiederherstellen; die Schlüsseldatei wurde nicht geändert.</translation>
    </message>
    <message>
        <source>Cannot draw random numbers from the operating system: %1.</source>
        <translation>Vom Betriebssystem können keine Zufallszahlen bezogen werden: %1.</translation>
    </message>
    <message>
        <source>Cannot load the dictionary %1: %2.</source>
        <translation>Das Wörterbuch %1 kann nicht geladen werden: %2.</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>die Datei ist leer</translation>
    </message>
    <message>
        <source>it has more than 655000 lines</source>
        <translation>sie hat mehr als 655000 Zeilen</translation>
    </message>
    <message>
        <source>line %1 holds the byte %2, which the code page %3 leaves unassigned</source>
        <translation>Zeile %1 enthält das Byte %2, das in der Codepage %3 nicht belegt ist</translation>
    </message>
    <message>
        <source>No Word defined to Add</source>
        <translation>Kein Wort zum Hinzufügen angegeben</translation>
    </message>
    <message>
        <source>That word is already in the dictionary.</source>
        <translation>Dieses Wort steht bereits im Wörterbuch.</translation>
    </message>
    <message>
        <source>%1 Added.</source>
        <translation>%1 hinzugefügt.</translation>
    </message>
    <message>
        <source>A word cannot hold a line break: it would become two lines of the dictionary.  Nothing was added.</source>
        <translation>Ein Wort darf keinen Zeilenumbruch enthalten: Es würde zu zwei Zeilen des Wörterbuchs.  Es wurde nichts hinzugefügt.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be a word of the dictionary: %2, so it could never be encoded.  Nothing was added.</source>
        <translation>&quot;%1&quot; kann kein Wort des Wörterbuchs sein: %2, es könnte also nie verschlüsselt werden.  Es wurde nichts hinzugefügt.</translation>
    </message>
    <message>
        <source>it holds a blank, and a text is cut into words at every blank</source>
        <translation>es enthält ein Leerzeichen, und ein Text wird an jedem Leerzeichen in Wörter geteilt</translation>
    </message>
    <message>
        <source>it holds &quot;%1&quot;, which is dropped from every text</source>
        <translation>es enthält &quot;%1&quot;, das aus jedem Text entfernt wird</translation>
    </message>
    <message>
        <source>Cannot add the word: %1</source>
        <translation>Das Wort kann nicht hinzugefügt werden: %1</translation>
    </message>
    <message>
        <source>The code page &quot;%1&quot; is not known.</source>
        <translation>Die Codepage &quot;%1&quot; ist nicht bekannt.</translation>
    </message>
    <message>
        <source>The code page &quot;%1&quot; is not a single-byte code page.</source>
        <translation>Die Codepage &quot;%1&quot; ist keine Ein-Byte-Codepage.</translation>
    </message>
    <message>
        <source>The code page &quot;%1&quot; reads the bytes %2 as the same character, so a text would not read back as it was written.</source>
        <translation>Die Codepage &quot;%1&quot; liest die Bytes %2 als dasselbe Zeichen, ein Text ließe sich also nicht so zurücklesen, wie er geschrieben wurde.</translation>
    </message>
    <message>
        <source>The character %1 cannot be written in the code page %2.</source>
        <translation>Das Zeichen %1 kann in der Codepage %2 nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>The environment variable %1 cannot be used: %2 It accepts a single-byte code page whose 256 bytes read as 256 different characters, such as %3</source>
        <translation>Die Umgebungsvariable %1 ist nicht verwendbar: %2 Sie nimmt eine Ein-Byte-Codepage, deren 256 Bytes als 256 verschiedene Zeichen gelesen werden, etwa %3</translation>
    </message>
    <message>
        <source>Cannot read %1: %2.</source>
        <translation>%1 kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>Cannot read %1: %2. %3</source>
        <translation>%1 kann nicht gelesen werden: %2. %3</translation>
    </message>
    <message>
        <source>Cannot write %1: %2.</source>
        <translation>%1 kann nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2. %3</source>
        <translation>%1 kann nicht geschrieben werden: %2. %3</translation>
    </message>
    <message>
        <source>Cannot read the key file %1: %2.</source>
        <translation>Die Schlüsseldatei %1 kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>Cannot write the key file %1: %2.</source>
        <translation>Die Schlüsseldatei %1 kann nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>Cannot write the key file %1: %2. %3</source>
        <translation>Die Schlüsseldatei %1 kann nicht geschrieben werden: %2. %3</translation>
    </message>
    <message>
        <source>Cannot read the status of %1: %2.</source>
        <translation>Der Status von %1 kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>Cannot lock the folder %1: %2.</source>
        <translation>Der Ordner %1 kann nicht gesperrt werden: %2.</translation>
    </message>
    <message>
        <source>Cannot lock the folder %1: %2. %3</source>
        <translation>Der Ordner %1 kann nicht gesperrt werden: %2. %3</translation>
    </message>
    <message>
        <source>Cannot add to %1: %2.</source>
        <translation>An %1 kann nichts angefügt werden: %2.</translation>
    </message>
    <message>
        <source>Cannot look for unfinished work in the folder %1: %2.</source>
        <translation>Im Ordner %1 kann nicht nach unvollendeter Arbeit gesucht werden: %2.</translation>
    </message>
    <message>
        <source>Cannot delete the key file %1: %2.</source>
        <translation>Die Schlüsseldatei %1 kann nicht gelöscht werden: %2.</translation>
    </message>
    <message>
        <source>Cannot delete the key file %1: %2. %3</source>
        <translation>Die Schlüsseldatei %1 kann nicht gelöscht werden: %2. %3</translation>
    </message>
    <message>
        <source>Cannot use %1: %2.</source>
        <translation>%1 kann nicht verwendet werden: %2.</translation>
    </message>
    <message>
        <source>it does not exist</source>
        <translation>sie existiert nicht</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <source>the file system is read-only</source>
        <translation>das Dateisystem ist schreibgeschützt</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>der Datenträger ist voll</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>es ist ein Ordner</translation>
    </message>
    <message>
        <source>it is read-only</source>
        <translation>sie ist schreibgeschützt</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>sie ist keine normale Datei</translation>
    </message>
    <message>
        <source>it is not a regular file but a pipe or a device</source>
        <translation>sie ist keine normale Datei, sondern eine Pipe oder ein Gerät</translation>
    </message>
    <message>
        <source>it is a symbolic link, and nothing is written through one</source>
        <translation>sie ist ein symbolischer Link, und durch einen solchen wird nichts geschrieben</translation>
    </message>
    <message>
        <source>it has other hard links, which would keep the old contents</source>
        <translation>sie hat weitere harte Links, die den alten Inhalt behalten würden</translation>
    </message>
    <message>
        <source>it was changed by another program meanwhile</source>
        <translation>sie wurde inzwischen von einem anderen Programm geändert</translation>
    </message>
    <message>
        <source>it is larger than %1, the most the program reads</source>
        <translation>sie ist größer als %1, das Höchste, was das Programm liest</translation>
    </message>
    <message>
        <source>its first line is longer than %1 characters</source>
        <translation>ihre erste Zeile ist länger als %1 Zeichen</translation>
    </message>
    <message>
        <source>The folder %1 is not writable.</source>
        <translation>Der Ordner %1 ist nicht beschreibbar.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>Der Ordner %1 existiert nicht.</translation>
    </message>
    <message>
        <source>The program folder %1 is not writable.</source>
        <translation>Der Programmordner %1 ist nicht beschreibbar.</translation>
    </message>
    <message>
        <source>The program folder %1 does not exist.</source>
        <translation>Der Programmordner %1 existiert nicht.</translation>
    </message>
    <message>
        <source>The file is read-only.</source>
        <translation>Die Datei ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>Nothing was done.</source>
        <translation>Es wurde nichts getan.</translation>
    </message>
    <message>
        <source>The key file %1 is not a regular file.</source>
        <translation>Die Schlüsseldatei %1 ist keine normale Datei.</translation>
    </message>
    <message>
        <source>The key file %1 has other hard links: its contents would survive under the other names.</source>
        <translation>Die Schlüsseldatei %1 hat weitere harte Links: Ihr Inhalt bliebe unter den anderen Namen erhalten.</translation>
    </message>
    <message>
        <source>The key file %1 is read-only.</source>
        <translation>Die Schlüsseldatei %1 ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>The key file %1 was changed by another program meanwhile.</source>
        <translation>Die Schlüsseldatei %1 wurde inzwischen von einem anderen Programm geändert.</translation>
    </message>
    <message>
        <source>The next change of the file finishes that.</source>
        <translation>Die nächste Änderung der Datei erledigt das.</translation>
    </message>
    <message>
        <source>Cannot overwrite the key file %1 (pass %2 of %3): %4. It is gone from its folder, but its old bytes were not all overwritten; the next command on it tries again.</source>
        <translation>Die Schlüsseldatei %1 kann nicht überschrieben werden (Durchgang %2 von %3): %4. Sie ist aus ihrem Ordner verschwunden, aber ihre alten Bytes wurden nicht alle überschrieben; der nächste Befehl darauf versucht es erneut.</translation>
    </message>
    <message>
        <source>The key file was overwritten but could not be deleted: %1: %2.</source>
        <translation>Die Schlüsseldatei wurde überschrieben, konnte aber nicht gelöscht werden: %1: %2.</translation>
    </message>
    <message>
        <source>The key file was overwritten but could not be deleted: %1: %2. %3</source>
        <translation>Die Schlüsseldatei wurde überschrieben, konnte aber nicht gelöscht werden: %1: %2. %3</translation>
    </message>
    <message>
        <source>%1 was written, but the old contents it replaced could not be overwritten: %2.</source>
        <translation>%1 wurde geschrieben, aber der alte Inhalt, den sie ersetzt hat, konnte nicht überschrieben werden: %2.</translation>
    </message>
    <message>
        <source>%1 was written, but its folder %2 could not be flushed: %3.  The change may be lost if the computer stops now.</source>
        <translation>%1 wurde geschrieben, aber ihr Ordner %2 konnte nicht auf den Datenträger gebracht werden: %3.  Die Änderung kann verloren gehen, wenn der Computer jetzt ausfällt.</translation>
    </message>
    <message>
        <source>Another program has been changing the files in %1 for %2 seconds; nothing was changed.  Try again when it has finished.</source>
        <translation>Ein anderes Programm ändert seit %2 Sekunden die Dateien in %1; es wurde nichts geändert.  Versuchen Sie es erneut, wenn es fertig ist.</translation>
    </message>
    <message>
        <source>There is not enough memory for this; nothing more was done.</source>
        <translation>Dafür reicht der Speicher nicht; es wurde nichts weiter getan.</translation>
    </message>
    <message>
        <source>The command stopped on an unexpected failure; nothing more was done.</source>
        <translation>Der Befehl ist an einem unerwarteten Fehler gescheitert; es wurde nichts weiter getan.</translation>
    </message>
    <message>
        <source>Cancelled; nothing was changed.</source>
        <translation>Abgebrochen; es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>Standard input is not a terminal, so nobody can answer the question: pass %1 to go ahead.</source>
        <translation>Die Standardeingabe ist kein Terminal, also kann niemand die Frage beantworten: Geben Sie %1 an, um fortzufahren.</translation>
    </message>
</context>
<context>
    <name>talvora::ui::FrmAbout</name>
    <message>
        <source>About Talvora</source>
        <translation>Über Talvora</translation>
    </message>
    <message>
        <source>A word-substitution code: each word of a text becomes another word of the same dictionary, chosen by a secret key. Both sides need the same dictionary file and the same key.</source>
        <translation>Ein Wortersetzungscode: Jedes Wort eines Textes wird zu einem anderen Wort desselben Wörterbuchs, gewählt durch einen geheimen Schlüssel. Beide Seiten brauchen dieselbe Wörterbuchdatei und denselben Schlüssel.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 2 or later. The dictionaries keep the licences of their word lists. Built with Qt %1.</source>
        <translation>Freie Software unter der GNU General Public License, Version 2 oder später. Die Wörterbücher behalten die Lizenzen ihrer Wortlisten. Erstellt mit Qt %1.</translation>
    </message>
    <message>
        <source>No dictionary is loaded.</source>
        <translation>Kein Wörterbuch geladen.</translation>
    </message>
    <message>
        <source>Fingerprint of %1:</source>
        <translation>Fingerabdruck von %1:</translation>
    </message>
    <message>
        <source>Both sides must see the same fingerprint before the first message</source>
        <translation>Beide Seiten müssen vor der ersten Nachricht denselben Fingerabdruck sehen</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
</context>
<context>
    <name>talvora::ui::FrmAdd</name>
    <message>
        <source>Add to Dictionary</source>
        <translation>Zum Wörterbuch hinzufügen</translation>
    </message>
    <message>
        <source>Word to Add</source>
        <translation>Hinzuzufügendes Wort</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>talvora::ui::FrmBrowser</name>
    <message>
        <source>Dictionaries</source>
        <translation>Wörterbücher</translation>
    </message>
    <message>
        <source>Key Management</source>
        <translation>Schlüsselverwaltung</translation>
    </message>
    <message>
        <source>Encoding and Decoding Data</source>
        <translation>Ver- und Entschlüsseln von Daten</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Help page not found&lt;/h2&gt;&lt;p&gt;The help page &lt;b&gt;%1&lt;/b&gt; is not in the program folder &lt;b&gt;%2&lt;/b&gt;, or it cannot be read.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Hilfeseite nicht gefunden&lt;/h2&gt;&lt;p&gt;Die Hilfeseite &lt;b&gt;%1&lt;/b&gt; liegt nicht im Programmordner &lt;b&gt;%2&lt;/b&gt;, oder sie kann nicht gelesen werden.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Web Message</source>
        <translation>Webnachricht</translation>
    </message>
</context>
<context>
    <name>talvora::ui::FrmMain</name>
    <message>
        <source>1 word</source>
        <translation>1 Wort</translation>
    </message>
    <message numerus="yes">
        <source>%Ln words</source>
        <translation>
            <numerusform>%Ln Wort</numerusform>
            <numerusform>%Ln Wörter</numerusform>
        </translation>
    </message>
    <message>
        <source>A key holds at most 18 characters; the key box kept %1.</source>
        <translation>Ein Schlüssel hat höchstens 18 Zeichen; das Schlüsselfeld hat %1 behalten.</translation>
    </message>
    <message>
        <source>Select Dictionary to Load</source>
        <translation>Wörterbuch zum Laden wählen</translation>
    </message>
    <message>
        <source>Welcome.  Select Dictionary, define and process the Key.</source>
        <translation>Willkommen.  Wörterbuch wählen, Schlüssel festlegen und verarbeiten.</translation>
    </message>
    <message>
        <source>There is no dictionary file for &quot;%1&quot;.</source>
        <translation>Für &quot;%1&quot; gibt es keine Wörterbuchdatei.</translation>
    </message>
    <message>
        <source>Loaded</source>
        <translation>Geladen</translation>
    </message>
    <message>
        <source>Not processed</source>
        <translation>Nicht verarbeitet</translation>
    </message>
    <message>
        <source>Processed: %1 · %2</source>
        <translation>Verarbeitet: %1 · %2</translation>
    </message>
    <message>
        <source>unnamed key</source>
        <translation>unbenannter Schlüssel</translation>
    </message>
    <message>
        <source>%1 items in Dictionary</source>
        <translation>%1 Einträge im Wörterbuch</translation>
    </message>
    <message>
        <source>%1
Code page %2
Fingerprint %3</source>
        <translation>%1
Codepage %2
Fingerabdruck %3</translation>
    </message>
    <message>
        <source>Showing the output...</source>
        <translation>Die Ausgabe wird angezeigt...</translation>
    </message>
    <message>
        <source>&quot;%1&quot; does not look like a text file: it holds control characters or bytes that are not text.  Load it all the same?</source>
        <translation>&quot;%1&quot; sieht nicht wie eine Textdatei aus: Sie enthält Steuerzeichen oder Bytes, die kein Text sind.  Trotzdem laden?</translation>
    </message>
    <message>
        <source>File Saved</source>
        <translation>Datei gespeichert</translation>
    </message>
    <message>
        <source>The output box is empty: nothing was copied.</source>
        <translation>Das Ausgabefeld ist leer: Es wurde nichts kopiert.</translation>
    </message>
    <message>
        <source>Copied %1.</source>
        <translation>%1 kopiert.</translation>
    </message>
    <message>
        <source>The clipboard holds no text: the input box is unchanged.</source>
        <translation>Die Zwischenablage enthält keinen Text: Das Eingabefeld ist unverändert.</translation>
    </message>
    <message>
        <source>Pasted %1.</source>
        <translation>%1 eingefügt.</translation>
    </message>
    <message>
        <source>The output box is empty: the input box is unchanged.</source>
        <translation>Das Ausgabefeld ist leer: Das Eingabefeld ist unverändert.</translation>
    </message>
    <message>
        <source>Moved %1 to the input box.</source>
        <translation>%1 in das Eingabefeld verschoben.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Laden</translation>
    </message>
    <message>
        <source>Vie&amp;w</source>
        <translation>&amp;Anzeigen</translation>
    </message>
    <message>
        <source>Sea&amp;rch</source>
        <translation>S&amp;uchen</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>Hin&amp;zufügen</translation>
    </message>
    <message>
        <source>Key Management</source>
        <translation>Schlüsselverwaltung</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Name</translation>
    </message>
    <message>
        <source>&amp;Key</source>
        <translation>&amp;Schlüssel</translation>
    </message>
    <message>
        <source>&amp;Generate Key</source>
        <translation>Schlüssel &amp;erzeugen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>S&amp;peichern</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>Ent&amp;fernen</translation>
    </message>
    <message>
        <source>&amp;Process</source>
        <translation>&amp;Verarbeiten</translation>
    </message>
    <message>
        <source>Trans&amp;fer Keys</source>
        <translation>Schlüssel ü&amp;bertragen</translation>
    </message>
    <message>
        <source>Rest&amp;ore Keys</source>
        <translation>Schlüssel &amp;wiederherstellen</translation>
    </message>
    <message>
        <source>Delete Ke&amp;ys</source>
        <translation>Schlüssel l&amp;öschen</translation>
    </message>
    <message>
        <source>Input Text</source>
        <translation>Eingabetext</translation>
    </message>
    <message>
        <source>Get Te&amp;xt</source>
        <translation>Te&amp;xt holen</translation>
    </message>
    <message>
        <source>&amp;Encode</source>
        <translation>Ve&amp;rschlüsseln</translation>
    </message>
    <message>
        <source>&amp;Decode</source>
        <translation>En&amp;tschlüsseln</translation>
    </message>
    <message>
        <source>Tidy</source>
        <translation>Aufräumen</translation>
    </message>
    <message>
        <source>Pas&amp;te</source>
        <translation>E&amp;infügen</translation>
    </message>
    <message>
        <source>Use as &amp;Input</source>
        <translation>Als Ein&amp;gabe verwenden</translation>
    </message>
    <message>
        <source>Output Text</source>
        <translation>Ausgabetext</translation>
    </message>
    <message>
        <source>Sa&amp;ve</source>
        <translation>Spei&amp;chern</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Dress as sentences</source>
        <translation>Als Sätze einkleiden</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>&amp;Dictionaries</source>
        <translation>&amp;Wörterbücher</translation>
    </message>
    <message>
        <source>&amp;Key Management</source>
        <translation>&amp;Schlüsselverwaltung</translation>
    </message>
    <message>
        <source>&amp;Encoding and Decoding</source>
        <translation>&amp;Ver- und Entschlüsseln</translation>
    </message>
    <message>
        <source>Picking a language loads its dictionary</source>
        <translation>Die Wahl einer Sprache lädt ihr Wörterbuch</translation>
    </message>
    <message>
        <source>Dictionary status</source>
        <translation>Wörterbuchstatus</translation>
    </message>
    <message>
        <source>How many words the loaded dictionary holds</source>
        <translation>Wie viele Wörter das geladene Wörterbuch enthält</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Laden</translation>
    </message>
    <message>
        <source>Loads a dictionary file chosen in a file dialog</source>
        <translation>Lädt eine in einem Dateidialog gewählte Wörterbuchdatei</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Anzeigen</translation>
    </message>
    <message>
        <source>Lists every word of the loaded dictionary</source>
        <translation>Listet jedes Wort des geladenen Wörterbuchs</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Finds the words that begin with a text</source>
        <translation>Findet die Wörter, die mit einem Text beginnen</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Appends a word to the loaded dictionary file</source>
        <translation>Hängt ein Wort an die geladene Wörterbuchdatei an</translation>
    </message>
    <message>
        <source>Key name</source>
        <translation>Schlüsselname</translation>
    </message>
    <message>
        <source>Picking a stored name puts its key into the key box</source>
        <translation>Die Wahl eines gespeicherten Namens setzt seinen Schlüssel in das Schlüsselfeld</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Schlüssel</translation>
    </message>
    <message>
        <source>The key to process: at most 18 characters, as a rule the digits 1 to 9</source>
        <translation>Der zu verarbeitende Schlüssel: höchstens 18 Zeichen, in der Regel die Ziffern 1 bis 9</translation>
    </message>
    <message>
        <source>Generate Key</source>
        <translation>Schlüssel erzeugen</translation>
    </message>
    <message>
        <source>Puts a new random key into the key box</source>
        <translation>Setzt einen neuen zufälligen Schlüssel in das Schlüsselfeld</translation>
    </message>
    <message>
        <source>Save key</source>
        <translation>Schlüssel speichern</translation>
    </message>
    <message>
        <source>Stores the name and key in the key file</source>
        <translation>Speichert Namen und Schlüssel in der Schlüsseldatei</translation>
    </message>
    <message>
        <source>Remove key</source>
        <translation>Schlüssel entfernen</translation>
    </message>
    <message>
        <source>Removes the named key from the key file</source>
        <translation>Entfernt den genannten Schlüssel aus der Schlüsseldatei</translation>
    </message>
    <message>
        <source>Process</source>
        <translation>Verarbeiten</translation>
    </message>
    <message>
        <source>Prepares the dictionary with the key; needed before Encode and Decode</source>
        <translation>Bereitet das Wörterbuch mit dem Schlüssel vor; nötig vor Verschlüsseln und Entschlüsseln</translation>
    </message>
    <message>
        <source>Processed key</source>
        <translation>Verarbeiteter Schlüssel</translation>
    </message>
    <message>
        <source>The key and dictionary that Encode and Decode use</source>
        <translation>Schlüssel und Wörterbuch, die Verschlüsseln und Entschlüsseln verwenden</translation>
    </message>
    <message>
        <source>Transfer Keys</source>
        <translation>Schlüssel übertragen</translation>
    </message>
    <message>
        <source>Copies the key file to a folder you choose</source>
        <translation>Kopiert die Schlüsseldatei in einen Ordner Ihrer Wahl</translation>
    </message>
    <message>
        <source>Restore Keys</source>
        <translation>Schlüssel wiederherstellen</translation>
    </message>
    <message>
        <source>Copies the key file back from a folder you choose</source>
        <translation>Kopiert die Schlüsseldatei aus einem Ordner Ihrer Wahl zurück</translation>
    </message>
    <message>
        <source>Delete Keys</source>
        <translation>Schlüssel löschen</translation>
    </message>
    <message>
        <source>Overwrites and deletes the key file</source>
        <translation>Überschreibt und löscht die Schlüsseldatei</translation>
    </message>
    <message>
        <source>Input text</source>
        <translation>Eingabetext</translation>
    </message>
    <message>
        <source>The text to encode or decode; a text file dropped here is read in</source>
        <translation>Der zu ver- oder entschlüsselnde Text; eine hier abgelegte Textdatei wird eingelesen</translation>
    </message>
    <message>
        <source>Get Text</source>
        <translation>Text holen</translation>
    </message>
    <message>
        <source>Reads a text file into the input box</source>
        <translation>Liest eine Textdatei in das Eingabefeld</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Replaces the input with the text on the clipboard</source>
        <translation>Ersetzt die Eingabe durch den Text in der Zwischenablage</translation>
    </message>
    <message>
        <source>Use as Input</source>
        <translation>Als Eingabe verwenden</translation>
    </message>
    <message>
        <source>Moves the output into the input box</source>
        <translation>Verschiebt die Ausgabe in das Eingabefeld</translation>
    </message>
    <message>
        <source>Changes the words the dictionary lacks into words it holds</source>
        <translation>Ändert die Wörter, die dem Wörterbuch fehlen, in Wörter, die es enthält</translation>
    </message>
    <message>
        <source>Encode</source>
        <translation>Verschlüsseln</translation>
    </message>
    <message>
        <source>Encodes the input into the output box</source>
        <translation>Verschlüsselt die Eingabe in das Ausgabefeld</translation>
    </message>
    <message>
        <source>Decode</source>
        <translation>Entschlüsseln</translation>
    </message>
    <message>
        <source>Decodes the input into the output box</source>
        <translation>Entschlüsselt die Eingabe in das Ausgabefeld</translation>
    </message>
    <message>
        <source>Output text</source>
        <translation>Ausgabetext</translation>
    </message>
    <message>
        <source>The result of Encode or Decode</source>
        <translation>Das Ergebnis von Verschlüsseln oder Entschlüsseln</translation>
    </message>
    <message>
        <source>Encode writes the words as sentences; they decode exactly as before</source>
        <translation>Verschlüsseln schreibt die Wörter als Sätze; sie werden genau wie vorher entschlüsselt</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Copies the whole output to the clipboard</source>
        <translation>Kopiert die ganze Ausgabe in die Zwischenablage</translation>
    </message>
    <message>
        <source>Save output</source>
        <translation>Ausgabe speichern</translation>
    </message>
    <message>
        <source>Writes the output to a text file</source>
        <translation>Schreibt die Ausgabe in eine Textdatei</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>What the last command did</source>
        <translation>Was der letzte Befehl getan hat</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>How far a long command has come</source>
        <translation>Wie weit ein langer Befehl gekommen ist</translation>
    </message>
    <message>
        <source>Tidy (Ctrl+T): makes the text encodable, changing only words the dictionary lacks.
Quotes, apostrophes, dashes, tabs, joined words, digits, abbreviations and missing accents become dictionary words;
words still unknown are listed with suggestions.</source>
        <translation>Aufräumen (Strg+T): macht den Text verschlüsselbar und ändert nur Wörter, die dem Wörterbuch fehlen.
Anführungszeichen, Apostrophe, Gedankenstriche, Tabulatoren, zusammengeschriebene Wörter, Ziffern, Abkürzungen und fehlende Akzente werden zu Wörtern des Wörterbuchs;
Wörter, die unbekannt bleiben, werden mit Vorschlägen aufgeführt.</translation>
    </message>
</context>
<context>
    <name>talvora::ui::FrmPathSelect</name>
    <message>
        <source>&amp;Set</source>
        <translation>&amp;Festlegen</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Open a folder with a double click or Enter, go up with Backspace; &quot;Set&quot; takes the open folder.</source>
        <translation>Öffnen Sie einen Ordner per Doppelklick oder mit der Eingabetaste, mit der Rücktaste geht es eine Ebene höher; &quot;Festlegen&quot; übernimmt den geöffneten Ordner.</translation>
    </message>
    <message>
        <source>Select Path to Transfer Key File To</source>
        <translation>Ordner wählen, in den die Schlüsseldatei übertragen wird</translation>
    </message>
    <message>
        <source>Select Path to Restore Key File From</source>
        <translation>Ordner wählen, aus dem die Schlüsseldatei wiederhergestellt wird</translation>
    </message>
</context>
<context>
    <name>talvora::ui::FrmSearch</name>
    <message>
        <source>Search Dictionary</source>
        <translation>Wörterbuch durchsuchen</translation>
    </message>
    <message>
        <source>Search string</source>
        <translation>Suchbegriff</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Words found</source>
        <translation>Gefundene Wörter</translation>
    </message>
    <message>
        <source>The words that begin with the search text, in file order</source>
        <translation>Die Wörter, die mit dem Suchtext beginnen, in der Reihenfolge der Datei</translation>
    </message>
    <message>
        <source>The beginning of the words to find; letter case does not matter</source>
        <translation>Der Anfang der gesuchten Wörter; Groß- und Kleinschreibung spielen keine Rolle</translation>
    </message>
    <message>
        <source>Search result</source>
        <translation>Suchergebnis</translation>
    </message>
    <message>
        <source>No word begins with %1.</source>
        <translation>Kein Wort beginnt mit %1.</translation>
    </message>
    <message>
        <source>1 word begins with %1.</source>
        <translation>1 Wort beginnt mit %1.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln words begin with %1.</source>
        <translation>
            <numerusform>%Ln Wort beginnt mit %1.</numerusform>
            <numerusform>%Ln Wörter beginnen mit %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>talvora::ui::FrmUnknown</name>
    <message>
        <source>Words Not in the Dictionary</source>
        <translation>Wörter, die nicht im Wörterbuch stehen</translation>
    </message>
    <message>
        <source>The text was not encoded: these words are not in the dictionary.  Double-click a suggestion to put it in place of the word, press Tidy to have the text tidied, or add the word to the dictionary.</source>
        <translation>Der Text wurde nicht verschlüsselt: Diese Wörter stehen nicht im Wörterbuch.  Doppelklicken Sie auf einen Vorschlag, um ihn an die Stelle des Wortes zu setzen, klicken Sie auf Aufräumen, um den Text aufräumen zu lassen, oder fügen Sie das Wort dem Wörterbuch hinzu.</translation>
    </message>
    <message>
        <source>These words are not in the dictionary.  Double-click a suggestion to put it in place of the word, or add the word to the dictionary.</source>
        <translation>Diese Wörter stehen nicht im Wörterbuch.  Doppelklicken Sie auf einen Vorschlag, um ihn an die Stelle des Wortes zu setzen, oder fügen Sie das Wort dem Wörterbuch hinzu.</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Wort</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Anzahl</translation>
    </message>
    <message>
        <source>(no suggestion)</source>
        <translation>(kein Vorschlag)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Tidy</source>
        <translation>Aufräumen</translation>
    </message>
    <message>
        <source>Tidy made these changes.  Press Enter or double-click on one to take it back.</source>
        <translation>Aufräumen hat diese Änderungen vorgenommen.  Drücken Sie die Eingabetaste oder doppelklicken Sie auf eine, um sie zurückzunehmen.</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Änderung</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Zeile</translation>
    </message>
    <message>
        <source>Spell out</source>
        <translation>Buchstabieren</translation>
    </message>
    <message>
        <source>Writes the selected word letter by letter, as a name the dictionary lacks can be sent</source>
        <translation>Schreibt das gewählte Wort Buchstabe für Buchstabe, so wie sich ein Name senden lässt, der dem Wörterbuch fehlt</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Adds the selected word to the dictionary file</source>
        <translation>Fügt das gewählte Wort der Wörterbuchdatei hinzu</translation>
    </message>
    <message>
        <source>%1 (added)</source>
        <translation>%1 (hinzugefügt)</translation>
    </message>
</context>
<context>
    <name>talvora::ui::FrmView</name>
    <message>
        <source>View Dictionary</source>
        <translation>Wörterbuch anzeigen</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Dictionary words</source>
        <translation>Wörter des Wörterbuchs</translation>
    </message>
    <message>
        <source>Every word of the dictionary, in file order</source>
        <translation>Jedes Wort des Wörterbuchs, in der Reihenfolge der Datei</translation>
    </message>
</context>
<context>
    <name>talvora::ui::LanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
</context>
</TS>
