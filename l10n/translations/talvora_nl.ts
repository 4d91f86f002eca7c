<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl" sourcelanguage="en">
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
        <translation>&amp;Nee</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Key has not been defined.  Either Select a Key, define a Key or generate one.</source>
        <translation>Er is geen sleutel bepaald.  Kies een sleutel, typ er een of genereer er een.</translation>
    </message>
    <message>
        <source>Cannot this this until you have loaded a Dictionary.</source>
        <translation>Dit kan pas als u een woordenboek hebt geladen.</translation>
    </message>
    <message>
        <source>This key cannot be used.  Use a key made of the digits 1 to 9, or generate one.</source>
        <translation>Deze sleutel is niet bruikbaar.  Gebruik een sleutel uit de cijfers 1 tot en met 9, of genereer er een.</translation>
    </message>
    <message>
        <source>Missing Input Text error.</source>
        <translation>De invoertekst ontbreekt.</translation>
    </message>
    <message>
        <source>Dictionary not loaded.  Please select a dictionary.</source>
        <translation>Geen woordenboek geladen.  Kies een woordenboek.</translation>
    </message>
    <message>
        <source>You must first define the key to use and Process the key before you can proceed.</source>
        <translation>U moet eerst de te gebruiken sleutel bepalen en verwerken voordat u verder kunt.</translation>
    </message>
    <message>
        <source>Creating Keyspace...</source>
        <translation>Sleutelruimte wordt gemaakt...</translation>
    </message>
    <message>
        <source>Dictionary is ready for cryption.</source>
        <translation>Het woordenboek is klaar voor versleuteling.</translation>
    </message>
    <message>
        <source>Parsing Text...</source>
        <translation>Tekst wordt ontleed...</translation>
    </message>
    <message>
        <source>Checking with Dictionary...</source>
        <translation>Controle met het woordenboek...</translation>
    </message>
    <message>
        <source>Encoding...</source>
        <translation>Coderen...</translation>
    </message>
    <message>
        <source>Decoding...</source>
        <translation>Decoderen...</translation>
    </message>
    <message>
        <source>Cannot find the word &apos;%1&apos;.  Either it is a misspelling, or needs to be added to the dictionary.</source>
        <translation>Het woord &apos;%1&apos; is niet gevonden.  Het is verkeerd gespeld, of het moet aan het woordenboek worden toegevoegd.</translation>
    </message>
    <message>
        <source>1 word was not found in the dictionary: %1.</source>
        <translation>1 woord is niet in het woordenboek gevonden: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n words were not found in the dictionary: %1.</source>
        <translation>
            <numerusform>%n woord is niet in het woordenboek gevonden: %1.</numerusform>
            <numerusform>%n woorden zijn niet in het woordenboek gevonden: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n times)</source>
        <translation>
            <numerusform>%1 (%n keer)</numerusform>
            <numerusform>%1 (%n keer)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n more</source>
        <translation>
            <numerusform>%1 en nog %n</numerusform>
            <numerusform>%1 en nog %n</numerusform>
        </translation>
    </message>
    <message>
        <source>This encoded text will not decode back to your words with the same dictionary and key.</source>
        <translation>Deze gecodeerde tekst wordt met hetzelfde woordenboek en dezelfde sleutel niet weer uw woorden.</translation>
    </message>
    <message>
        <source>This encoded text will not decode back to your words with the same dictionary and key.  Dictionary entries at fault: %1.  Correct the dictionary on both sides before sending this text.</source>
        <translation>Deze gecodeerde tekst wordt met hetzelfde woordenboek en dezelfde sleutel niet weer uw woorden.  Foute woordenboekregels: %1.  Verbeter het woordenboek aan beide kanten voordat u deze tekst verstuurt.</translation>
    </message>
    <message>
        <source>The program folder lacks %1, which Tidy needs to split joined words: they stay as typed.</source>
        <translation>In de programmamap ontbreekt %1, dat Opschonen nodig heeft om aaneengeschreven woorden te splitsen: ze blijven zoals ze getypt zijn.</translation>
    </message>
    <message>
        <source>line %1 (empty)</source>
        <translation>regel %1 (leeg)</translation>
    </message>
    <message>
        <source>line %1 %2</source>
        <translation>regel %1 %2</translation>
    </message>
    <message>
        <source>line %1 %2 (holds a blank, line break or punctuation)</source>
        <translation>regel %1 %2 (bevat een spatie, regeleinde of leesteken)</translation>
    </message>
    <message>
        <source>line %1 %2 (also on line %3)</source>
        <translation>regel %1 %2 (ook op regel %3)</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>en nog %n</numerusform>
            <numerusform>en nog %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Missing Data.  Enter a Name and a Key or generate one.</source>
        <translation>Gegevens ontbreken.  Vul een naam en een sleutel in, of genereer een sleutel.</translation>
    </message>
    <message>
        <source>Key cannot contain a zero.  Change the zero to numeric digit.</source>
        <translation>Een sleutel mag geen nul bevatten.  Vervang de nul door een ander cijfer.</translation>
    </message>
    <message>
        <source>Key Saved</source>
        <translation>Sleutel opgeslagen</translation>
    </message>
    <message>
        <source>Remove Confirm</source>
        <translation>Verwijderen bevestigen</translation>
    </message>
    <message>
        <source>Are you sure you want to remove the Key %1?</source>
        <translation>Weet u zeker dat u de sleutel %1 wilt verwijderen?</translation>
    </message>
    <message>
        <source>Key Delete Confirm</source>
        <translation>Verwijderen van sleutelbestand bevestigen</translation>
    </message>
    <message>
        <source>Please make certain that you transfer the key file before deleting it.  Are you sure you want to delete the Key File?</source>
        <translation>Zorg dat u het sleutelbestand overzet voordat u het verwijdert.  Weet u zeker dat u het sleutelbestand wilt verwijderen?</translation>
    </message>
    <message>
        <source>Keys Transferred.</source>
        <translation>Sleutels overgezet.</translation>
    </message>
    <message>
        <source>Keys Restored.</source>
        <translation>Sleutels hersteld.</translation>
    </message>
    <message>
        <source>Key File is deleted.  No Cryptions are now possible.</source>
        <translation>Het sleutelbestand is verwijderd.  Versleutelen is nu niet meer mogelijk.</translation>
    </message>
    <message>
        <source>A key name cannot hold a control character (a line break, a tab or an escape).  Type the name without it.</source>
        <translation>Een sleutelnaam mag geen stuurteken bevatten (regeleinde, tab of escape).  Typ de naam zonder dat teken.</translation>
    </message>
    <message>
        <source>Save Confirm</source>
        <translation>Opslaan bevestigen</translation>
    </message>
    <message>
        <source>A key named %1 is stored. Replace its key?</source>
        <translation>Er is een sleutel met de naam %1 opgeslagen. Zijn sleutel vervangen?</translation>
    </message>
    <message>
        <source>Transfer Confirm</source>
        <translation>Overzetten bevestigen</translation>
    </message>
    <message>
        <source>The chosen folder holds a key file, %1, that differs from the one here.  Replace it?</source>
        <translation>De gekozen map bevat een sleutelbestand, %1, dat verschilt van dat van hier.  Vervangen?</translation>
    </message>
    <message>
        <source>No key named %1 is stored.</source>
        <translation>Er is geen sleutel met de naam %1 opgeslagen.</translation>
    </message>
    <message>
        <source>No key is stored under the name %1.</source>
        <translation>Er is geen sleutel opgeslagen onder de naam %1.</translation>
    </message>
    <message>
        <source>A key has at most 18 characters; this one has %1.  Nothing was stored.</source>
        <translation>Een sleutel heeft hoogstens 18 tekens; deze heeft er %1.  Er is niets opgeslagen.</translation>
    </message>
    <message>
        <source>Restore Confirm</source>
        <translation>Herstellen bevestigen</translation>
    </message>
    <message>
        <source>Restoring the key file of the chosen folder loses or changes 1 key stored now:
%1Restore anyway?</source>
        <translation>Het sleutelbestand uit de gekozen map herstellen laat 1 nu opgeslagen sleutel verloren gaan of wijzigt die:
%1Toch herstellen?</translation>
    </message>
    <message numerus="yes">
        <source>Restoring the key file of the chosen folder loses or changes %n keys stored now:
%1Restore anyway?</source>
        <translation>
            <numerusform>Het sleutelbestand uit de gekozen map herstellen laat %n nu opgeslagen sleutel verloren gaan of wijzigt die:
%1Toch herstellen?</numerusform>
            <numerusform>Het sleutelbestand uit de gekozen map herstellen laat %n nu opgeslagen sleutels verloren gaan of wijzigt ze:
%1Toch herstellen?</numerusform>
        </translation>
    </message>
    <message>
        <source>- %1 (another key)</source>
        <translation>- %1 (andere sleutel)</translation>
    </message>
    <message>
        <source>- %1 (lost)</source>
        <translation>- %1 (verloren)</translation>
    </message>
    <message numerus="yes">
        <source>and %n more.</source>
        <translation>
            <numerusform>en nog %n.</numerusform>
            <numerusform>en nog %n.</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot transfer the key file: the folder %1 does not exist.</source>
        <translation>Kan het sleutelbestand niet overzetten: de map %1 bestaat niet.</translation>
    </message>
    <message>
        <source>Cannot transfer the key file to %1: it is the program folder, the file would be copied onto itself.</source>
        <translation>Kan het sleutelbestand niet naar %1 overzetten: dat is de programmamap, het bestand zou op zichzelf worden gekopieerd.</translation>
    </message>
    <message>
        <source>There is no key file to transfer: %1 does not exist.</source>
        <translation>Er is geen sleutelbestand om over te zetten: %1 bestaat niet.</translation>
    </message>
    <message>
        <source>Cannot restore the key file: the folder %1 does not exist.</source>
        <translation>Kan het sleutelbestand niet herstellen: de map %1 bestaat niet.</translation>
    </message>
    <message>
        <source>Cannot restore the key file from %1: it is the program folder itself, there is nothing to restore.</source>
        <translation>Kan het sleutelbestand niet uit %1 herstellen: dat is de programmamap zelf, er valt niets te herstellen.</translation>
    </message>
    <message>
        <source>There is no key file to restore in %1; the key file was not changed.</source>
        <translation>Er is geen sleutelbestand om te herstellen in %1; het sleutelbestand is niet gewijzigd.</translation>
    </message>
    <message>
        <source>Cannot draw random numbers from the operating system: %1.</source>
        <translation>Kan geen willekeurige getallen van het besturingssysteem krijgen: %1.</translation>
    </message>
    <message>
        <source>Cannot load the dictionary %1: %2.</source>
        <translation>Kan het woordenboek %1 niet laden: %2.</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>het bestand is leeg</translation>
    </message>
    <message>
        <source>it has more than 655000 lines</source>
        <translation>het heeft meer dan 655000 regels</translation>
    </message>
    <message>
        <source>line %1 holds the byte %2, which the code page %3 leaves unassigned</source>
        <translation>regel %1 bevat de byte %2, die de codetabel %3 niet toewijst</translation>
    </message>
    <message>
        <source>No Word defined to Add</source>
        <translation>Geen woord opgegeven om toe te voegen</translation>
    </message>
    <message>
        <source>That word is already in the dictionary.</source>
        <translation>Dat woord staat al in het woordenboek.</translation>
    </message>
    <message>
        <source>%1 Added.</source>
        <translation>%1 toegevoegd.</translation>
    </message>
    <message>
        <source>A word cannot hold a line break: it would become two lines of the dictionary.  Nothing was added.</source>
        <translation>Een woord mag geen regeleinde bevatten: het zou twee regels van het woordenboek worden.  Er is niets toegevoegd.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be a word of the dictionary: %2, so it could never be encoded.  Nothing was added.</source>
        <translation>&quot;%1&quot; kan geen woord van het woordenboek zijn: %2, dus het zou nooit gecodeerd kunnen worden.  Er is niets toegevoegd.</translation>
    </message>
    <message>
        <source>it holds a blank, and a text is cut into words at every blank</source>
        <translation>het bevat een spatie, en een tekst wordt bij elke spatie in woorden gesplitst</translation>
    </message>
    <message>
        <source>it holds &quot;%1&quot;, which is dropped from every text</source>
        <translation>het bevat &quot;%1&quot;, dat uit elke tekst wordt weggelaten</translation>
    </message>
    <message>
        <source>Cannot add the word: %1</source>
        <translation>Kan het woord niet toevoegen: %1</translation>
    </message>
    <message>
        <source>The code page &quot;%1&quot; is not known.</source>
        <translation>De codetabel &quot;%1&quot; is onbekend.</translation>
    </message>
    <message>
        <source>The code page &quot;%1&quot; is not a single-byte code page.</source>
        <translation>De codetabel &quot;%1&quot; is geen codetabel van één byte.</translation>
    </message>
    <message>
        <source>The code page &quot;%1&quot; reads the bytes %2 as the same character, so a text would not read back as it was written.</source>
        <translation>De codetabel &quot;%1&quot; leest de bytes %2 als hetzelfde teken, dus een tekst zou niet teruggelezen worden zoals hij is geschreven.</translation>
    </message>
    <message>
        <source>The character %1 cannot be written in the code page %2.</source>
        <translation>Het teken %1 kan niet in de codetabel %2 worden geschreven.</translation>
    </message>
    <message>
        <source>The environment variable %1 cannot be used: %2 It accepts a single-byte code page whose 256 bytes read as 256 different characters, such as %3</source>
        <translation>De omgevingsvariabele %1 is niet bruikbaar: %2 Ze aanvaardt een codetabel van één byte waarvan de 256 bytes als 256 verschillende tekens worden gelezen, zoals %3</translation>
    </message>
    <message>
        <source>Cannot read %1: %2.</source>
        <translation>Kan %1 niet lezen: %2.</translation>
    </message>
    <message>
        <source>Cannot read %1: %2. %3</source>
        <translation>Kan %1 niet lezen: %2. %3</translation>
    </message>
    <message>
        <source>Cannot write %1: %2.</source>
        <translation>Kan %1 niet schrijven: %2.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2. %3</source>
        <translation>Kan %1 niet schrijven: %2. %3</translation>
    </message>
    <message>
        <source>Cannot read the key file %1: %2.</source>
        <translation>Kan het sleutelbestand %1 niet lezen: %2.</translation>
    </message>
    <message>
        <source>Cannot write the key file %1: %2.</source>
        <translation>Kan het sleutelbestand %1 niet schrijven: %2.</translation>
    </message>
    <message>
        <source>Cannot write the key file %1: %2. %3</source>
        <translation>Kan het sleutelbestand %1 niet schrijven: %2. %3</translation>
    </message>
    <message>
        <source>Cannot read the status of %1: %2.</source>
        <translation>Kan de status van %1 niet lezen: %2.</translation>
    </message>
    <message>
        <source>Cannot lock the folder %1: %2.</source>
        <translation>Kan de map %1 niet vergrendelen: %2.</translation>
    </message>
    <message>
        <source>Cannot lock the folder %1: %2. %3</source>
        <translation>Kan de map %1 niet vergrendelen: %2. %3</translation>
    </message>
    <message>
        <source>Cannot add to %1: %2.</source>
        <translation>Kan niets toevoegen aan %1: %2.</translation>
    </message>
    <message>
        <source>Cannot look for unfinished work in the folder %1: %2.</source>
        <translation>Kan in de map %1 niet naar onafgemaakt werk zoeken: %2.</translation>
    </message>
    <message>
        <source>Cannot delete the key file %1: %2.</source>
        <translation>Kan het sleutelbestand %1 niet verwijderen: %2.</translation>
    </message>
    <message>
        <source>Cannot delete the key file %1: %2. %3</source>
        <translation>Kan het sleutelbestand %1 niet verwijderen: %2. %3</translation>
    </message>
    <message>
        <source>Cannot use %1: %2.</source>
        <translation>Kan %1 niet gebruiken: %2.</translation>
    </message>
    <message>
        <source>it does not exist</source>
        <translation>het bestaat niet</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>toegang geweigerd</translation>
    </message>
    <message>
        <source>the file system is read-only</source>
        <translation>het bestandssysteem is alleen-lezen</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>de schijf is vol</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>het is een map</translation>
    </message>
    <message>
        <source>it is read-only</source>
        <translation>het is alleen-lezen</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>het is geen gewoon bestand</translation>
    </message>
    <message>
        <source>it is not a regular file but a pipe or a device</source>
        <translation>het is geen gewoon bestand maar een pipe of een apparaat</translation>
    </message>
    <message>
        <source>it is a symbolic link, and nothing is written through one</source>
        <translation>het is een symbolische koppeling, en via zo&apos;n koppeling wordt niets geschreven</translation>
    </message>
    <message>
        <source>it has other hard links, which would keep the old contents</source>
        <translation>het heeft andere harde koppelingen, die de oude inhoud zouden bewaren</translation>
    </message>
    <message>
        <source>it was changed by another program meanwhile</source>
        <translation>het is intussen door een ander programma gewijzigd</translation>
    </message>
    <message>
        <source>it is larger than %1, the most the program reads</source>
        <translation>het is groter dan %1, het maximum dat het programma leest</translation>
    </message>
    <message>
        <source>its first line is longer than %1 characters</source>
        <translation>de eerste regel is langer dan %1 tekens</translation>
    </message>
    <message>
        <source>The folder %1 is not writable.</source>
        <translation>De map %1 is niet beschrijfbaar.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>De map %1 bestaat niet.</translation>
    </message>
    <message>
        <source>The program folder %1 is not writable.</source>
        <translation>De programmamap %1 is niet beschrijfbaar.</translation>
    </message>
    <message>
        <source>The program folder %1 does not exist.</source>
        <translation>De programmamap %1 bestaat niet.</translation>
    </message>
    <message>
        <source>The file is read-only.</source>
        <translation>Het bestand is alleen-lezen.</translation>
    </message>
    <message>
        <source>Nothing was done.</source>
        <translation>Er is niets gedaan.</translation>
    </message>
    <message>
        <source>The key file %1 is not a regular file.</source>
        <translation>Het sleutelbestand %1 is geen gewoon bestand.</translation>
    </message>
    <message>
        <source>The key file %1 has other hard links: its contents would survive under the other names.</source>
        <translation>Het sleutelbestand %1 heeft andere harde koppelingen: de inhoud zou onder de andere namen blijven bestaan.</translation>
    </message>
    <message>
        <source>The key file %1 is read-only.</source>
        <translation>Het sleutelbestand %1 is alleen-lezen.</translation>
    </message>
    <message>
        <source>The key file %1 was changed by another program meanwhile.</source>
        <translation>Het sleutelbestand %1 is intussen door een ander programma gewijzigd.</translation>
    </message>
    <message>
        <source>The next change of the file finishes that.</source>
        <translation>De volgende wijziging van het bestand maakt dat af.</translation>
    </message>
    <message>
        <source>Cannot overwrite the key file %1 (pass %2 of %3): %4. It is gone from its folder, but its old bytes were not all overwritten; the next command on it tries again.</source>
        <translation>Kan het sleutelbestand %1 niet overschrijven (ronde %2 van %3): %4. Het is uit zijn map verdwenen, maar niet alle oude bytes zijn overschreven; de volgende opdracht erop probeert het opnieuw.</translation>
    </message>
    <message>
        <source>The key file was overwritten but could not be deleted: %1: %2.</source>
        <translation>Het sleutelbestand is overschreven maar kon niet worden verwijderd: %1: %2.</translation>
    </message>
    <message>
        <source>The key file was overwritten but could not be deleted: %1: %2. %3</source>
        <translation>Het sleutelbestand is overschreven maar kon niet worden verwijderd: %1: %2. %3</translation>
    </message>
    <message>
        <source>%1 was written, but the old contents it replaced could not be overwritten: %2.</source>
        <translation>%1 is geschreven, maar de oude inhoud die het verving kon niet worden overschreven: %2.</translation>
    </message>
    <message>
        <source>%1 was written, but its folder %2 could not be flushed: %3.  The change may be lost if the computer stops now.</source>
        <translation>%1 is geschreven, maar de map %2 kon niet naar schijf worden geschreven: %3.  De wijziging kan verloren gaan als de computer nu stopt.</translation>
    </message>
    <message>
        <source>Another program has been changing the files in %1 for %2 seconds; nothing was changed.  Try again when it has finished.</source>
        <translation>Een ander programma wijzigt al %2 seconden de bestanden in %1; er is niets gewijzigd.  Probeer het opnieuw als het klaar is.</translation>
    </message>
    <message>
        <source>There is not enough memory for this; nothing more was done.</source>
        <translation>Er is niet genoeg geheugen hiervoor; er is verder niets gedaan.</translation>
    </message>
    <message>
        <source>The command stopped on an unexpected failure; nothing more was done.</source>
        <translation>De opdracht is gestopt door een onverwachte fout; er is verder niets gedaan.</translation>
    </message>
    <message>
        <source>Cancelled; nothing was changed.</source>
        <translation>Geannuleerd; er is niets gewijzigd.</translation>
    </message>
    <message>
        <source>Standard input is not a terminal, so nobody can answer the question: pass %1 to go ahead.</source>
        <translation>Standaardinvoer is geen terminal, dus niemand kan de vraag beantwoorden: geef %1 op om door te gaan.</translation>
    </message>
</context>
<context>
    <name>talvora::ui::FrmAbout</name>
    <message>
        <source>About Talvora</source>
        <translation>Over Talvora</translation>
    </message>
    <message>
        <source>A word-substitution code: each word of a text becomes another word of the same dictionary, chosen by a secret key. Both sides need the same dictionary file and the same key.</source>
        <translation>Een woordvervangingscode: elk woord van een tekst wordt een ander woord uit hetzelfde woordenboek, gekozen door een geheime sleutel. Beide kanten hebben hetzelfde woordenboekbestand en dezelfde sleutel nodig.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Gereed</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versie %1</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 2 or later. The dictionaries keep the licences of their word lists. Built with Qt %1.</source>
        <translation>Vrije software onder de GNU General Public License, versie 2 of later. De woordenboeken houden de licenties van hun woordenlijsten. Gebouwd met Qt %1.</translation>
    </message>
    <message>
        <source>No dictionary is loaded.</source>
        <translation>Er is geen woordenboek geladen.</translation>
    </message>
    <message>
        <source>Fingerprint of %1:</source>
        <translation>Vingerafdruk van %1:</translation>
    </message>
    <message>
        <source>Both sides must see the same fingerprint before the first message</source>
        <translation>Beide kanten moeten vóór het eerste bericht dezelfde vingerafdruk zien</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiëren</translation>
    </message>
</context>
<context>
    <name>talvora::ui::FrmAdd</name>
    <message>
        <source>Add to Dictionary</source>
        <translation>Aan woordenboek toevoegen</translation>
    </message>
    <message>
        <source>Word to Add</source>
        <translation>Toe te voegen woord</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Toevoegen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>talvora::ui::FrmBrowser</name>
    <message>
        <source>Dictionaries</source>
        <translation>Woordenboeken</translation>
    </message>
    <message>
        <source>Key Management</source>
        <translation>Sleutelbeheer</translation>
    </message>
    <message>
        <source>Encoding and Decoding Data</source>
        <translation>Gegevens coderen en decoderen</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Help page not found&lt;/h2&gt;&lt;p&gt;The help page &lt;b&gt;%1&lt;/b&gt; is not in the program folder &lt;b&gt;%2&lt;/b&gt;, or it cannot be read.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Helppagina niet gevonden&lt;/h2&gt;&lt;p&gt;De helppagina &lt;b&gt;%1&lt;/b&gt; staat niet in de programmamap &lt;b&gt;%2&lt;/b&gt;, of ze kan niet worden gelezen.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Web Message</source>
        <translation>Webbericht</translation>
    </message>
</context>
<context>
    <name>talvora::ui::FrmMain</name>
    <message>
        <source>1 word</source>
        <translation>1 woord</translation>
    </message>
    <message numerus="yes">
        <source>%Ln words</source>
        <translation>
            <numerusform>%Ln woord</numerusform>
            <numerusform>%Ln woorden</numerusform>
        </translation>
    </message>
    <message>
        <source>A key holds at most 18 characters; the key box kept %1.</source>
        <translation>Een sleutel heeft hoogstens 18 tekens; het sleutelvak heeft %1 gehouden.</translation>
    </message>
    <message>
        <source>Select Dictionary to Load</source>
        <translation>Kies een woordenboek om te laden</translation>
    </message>
    <message>
        <source>Welcome.  Select Dictionary, define and process the Key.</source>
        <translation>Welkom.  Kies een woordenboek, bepaal de sleutel en verwerk hem.</translation>
    </message>
    <message>
        <source>There is no dictionary file for &quot;%1&quot;.</source>
        <translation>Er is geen woordenboekbestand voor &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Loaded</source>
        <translation>Geladen</translation>
    </message>
    <message>
        <source>Not processed</source>
        <translation>Niet verwerkt</translation>
    </message>
    <message>
        <source>Processed: %1 · %2</source>
        <translation>Verwerkt: %1 · %2</translation>
    </message>
    <message>
        <source>unnamed key</source>
        <translation>naamloze sleutel</translation>
    </message>
    <message>
        <source>%1 items in Dictionary</source>
        <translation>%1 items in woordenboek</translation>
    </message>
    <message>
        <source>%1
Code page %2
Fingerprint %3</source>
        <translation>%1
Codetabel %2
Vingerafdruk %3</translation>
    </message>
    <message>
        <source>Showing the output...</source>
        <translation>De uitvoer wordt getoond...</translation>
    </message>
    <message>
        <source>&quot;%1&quot; does not look like a text file: it holds control characters or bytes that are not text.  Load it all the same?</source>
        <translation>&quot;%1&quot; lijkt geen tekstbestand: het bevat stuurtekens of bytes die geen tekst zijn.  Toch laden?</translation>
    </message>
    <message>
        <source>File Saved</source>
        <translation>Bestand opgeslagen</translation>
    </message>
    <message>
        <source>The output box is empty: nothing was copied.</source>
        <translation>Het uitvoervak is leeg: er is niets gekopieerd.</translation>
    </message>
    <message>
        <source>Copied %1.</source>
        <translation>Gekopieerd: %1.</translation>
    </message>
    <message>
        <source>The clipboard holds no text: the input box is unchanged.</source>
        <translation>Het klembord bevat geen tekst: het invoervak is ongewijzigd.</translation>
    </message>
    <message>
        <source>Pasted %1.</source>
        <translation>Geplakt: %1.</translation>
    </message>
    <message>
        <source>The output box is empty: the input box is unchanged.</source>
        <translation>Het uitvoervak is leeg: het invoervak is ongewijzigd.</translation>
    </message>
    <message>
        <source>Moved %1 to the input box.</source>
        <translation>Naar het invoervak verplaatst: %1.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Taal</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Laden</translation>
    </message>
    <message>
        <source>Vie&amp;w</source>
        <translation>&amp;Bekijken</translation>
    </message>
    <message>
        <source>Sea&amp;rch</source>
        <translation>&amp;Zoeken</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Toevoegen</translation>
    </message>
    <message>
        <source>Key Management</source>
        <translation>Sleutelbeheer</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Naam</translation>
    </message>
    <message>
        <source>&amp;Key</source>
        <translation>S&amp;leutel</translation>
    </message>
    <message>
        <source>&amp;Generate Key</source>
        <translation>Sleutel &amp;genereren</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Opslaan</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>Ver&amp;wijderen</translation>
    </message>
    <message>
        <source>&amp;Process</source>
        <translation>&amp;Verwerken</translation>
    </message>
    <message>
        <source>Trans&amp;fer Keys</source>
        <translation>Sleutels &amp;overzetten</translation>
    </message>
    <message>
        <source>Rest&amp;ore Keys</source>
        <translation>Sleutels &amp;herstellen</translation>
    </message>
    <message>
        <source>Delete Ke&amp;ys</source>
        <translation>Sleutels w&amp;issen</translation>
    </message>
    <message>
        <source>Input Text</source>
        <translation>Invoertekst</translation>
    </message>
    <message>
        <source>Get Te&amp;xt</source>
        <translation>Tekst ope&amp;nen</translation>
    </message>
    <message>
        <source>&amp;Encode</source>
        <translation>&amp;Coderen</translation>
    </message>
    <message>
        <source>&amp;Decode</source>
        <translation>&amp;Decoderen</translation>
    </message>
    <message>
        <source>Tidy</source>
        <translation>Opschonen</translation>
    </message>
    <message>
        <source>Pas&amp;te</source>
        <translation>&amp;Plakken</translation>
    </message>
    <message>
        <source>Use as &amp;Input</source>
        <translation>Als &amp;invoer gebruiken</translation>
    </message>
    <message>
        <source>Output Text</source>
        <translation>Uitvoertekst</translation>
    </message>
    <message>
        <source>Sa&amp;ve</source>
        <translation>Op&amp;slaan</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiëren</translation>
    </message>
    <message>
        <source>Dress as sentences</source>
        <translation>Als zinnen opmaken</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Over</translation>
    </message>
    <message>
        <source>&amp;Dictionaries</source>
        <translation>&amp;Woordenboeken</translation>
    </message>
    <message>
        <source>&amp;Key Management</source>
        <translation>&amp;Sleutelbeheer</translation>
    </message>
    <message>
        <source>&amp;Encoding and Decoding</source>
        <translation>&amp;Coderen en decoderen</translation>
    </message>
    <message>
        <source>Picking a language loads its dictionary</source>
        <translation>Een taal kiezen laadt haar woordenboek</translation>
    </message>
    <message>
        <source>Dictionary status</source>
        <translation>Woordenboekstatus</translation>
    </message>
    <message>
        <source>How many words the loaded dictionary holds</source>
        <translation>Hoeveel woorden het geladen woordenboek bevat</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Laden</translation>
    </message>
    <message>
        <source>Loads a dictionary file chosen in a file dialog</source>
        <translation>Laadt een woordenboekbestand dat in een bestandsvenster is gekozen</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Bekijken</translation>
    </message>
    <message>
        <source>Lists every word of the loaded dictionary</source>
        <translation>Toont elk woord van het geladen woordenboek</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Zoeken</translation>
    </message>
    <message>
        <source>Finds the words that begin with a text</source>
        <translation>Vindt de woorden die met een tekst beginnen</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Toevoegen</translation>
    </message>
    <message>
        <source>Appends a word to the loaded dictionary file</source>
        <translation>Voegt een woord toe aan het geladen woordenboekbestand</translation>
    </message>
    <message>
        <source>Key name</source>
        <translation>Sleutelnaam</translation>
    </message>
    <message>
        <source>Picking a stored name puts its key into the key box</source>
        <translation>Een opgeslagen naam kiezen zet de bijbehorende sleutel in het sleutelvak</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Sleutel</translation>
    </message>
    <message>
        <source>The key to process: at most 18 characters, as a rule the digits 1 to 9</source>
        <translation>De te verwerken sleutel: hoogstens 18 tekens, in de regel de cijfers 1 tot en met 9</translation>
    </message>
    <message>
        <source>Generate Key</source>
        <translation>Sleutel genereren</translation>
    </message>
    <message>
        <source>Puts a new random key into the key box</source>
        <translation>Zet een nieuwe willekeurige sleutel in het sleutelvak</translation>
    </message>
    <message>
        <source>Save key</source>
        <translation>Sleutel opslaan</translation>
    </message>
    <message>
        <source>Stores the name and key in the key file</source>
        <translation>Slaat de naam en de sleutel op in het sleutelbestand</translation>
    </message>
    <message>
        <source>Remove key</source>
        <translation>Sleutel verwijderen</translation>
    </message>
    <message>
        <source>Removes the named key from the key file</source>
        <translation>Verwijdert de genoemde sleutel uit het sleutelbestand</translation>
    </message>
    <message>
        <source>Process</source>
        <translation>Verwerken</translation>
    </message>
    <message>
        <source>Prepares the dictionary with the key; needed before Encode and Decode</source>
        <translation>Bereidt het woordenboek voor met de sleutel; nodig vóór Coderen en Decoderen</translation>
    </message>
    <message>
        <source>Processed key</source>
        <translation>Verwerkte sleutel</translation>
    </message>
    <message>
        <source>The key and dictionary that Encode and Decode use</source>
        <translation>De sleutel en het woordenboek die Coderen en Decoderen gebruiken</translation>
    </message>
    <message>
        <source>Transfer Keys</source>
        <translation>Sleutels overzetten</translation>
    </message>
    <message>
        <source>Copies the key file to a folder you choose</source>
        <translation>Kopieert het sleutelbestand naar een map die u kiest</translation>
    </message>
    <message>
        <source>Restore Keys</source>
        <translation>Sleutels herstellen</translation>
    </message>
    <message>
        <source>Copies the key file back from a folder you choose</source>
        <translation>Kopieert het sleutelbestand terug uit een map die u kiest</translation>
    </message>
    <message>
        <source>Delete Keys</source>
        <translation>Sleutels wissen</translation>
    </message>
    <message>
        <source>Overwrites and deletes the key file</source>
        <translation>Overschrijft en verwijdert het sleutelbestand</translation>
    </message>
    <message>
        <source>Input text</source>
        <translation>Invoertekst</translation>
    </message>
    <message>
        <source>The text to encode or decode; a text file dropped here is read in</source>
        <translation>De te coderen of te decoderen tekst; een tekstbestand dat hier wordt neergezet, wordt ingelezen</translation>
    </message>
    <message>
        <source>Get Text</source>
        <translation>Tekst openen</translation>
    </message>
    <message>
        <source>Reads a text file into the input box</source>
        <translation>Leest een tekstbestand in het invoervak</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Plakken</translation>
    </message>
    <message>
        <source>Replaces the input with the text on the clipboard</source>
        <translation>Vervangt de invoer door de tekst op het klembord</translation>
    </message>
    <message>
        <source>Use as Input</source>
        <translation>Als invoer gebruiken</translation>
    </message>
    <message>
        <source>Moves the output into the input box</source>
        <translation>Verplaatst de uitvoer naar het invoervak</translation>
    </message>
    <message>
        <source>Changes the words the dictionary lacks into words it holds</source>
        <translation>Verandert de woorden die het woordenboek mist in woorden die het bevat</translation>
    </message>
    <message>
        <source>Encode</source>
        <translation>Coderen</translation>
    </message>
    <message>
        <source>Encodes the input into the output box</source>
        <translation>Codeert de invoer naar het uitvoervak</translation>
    </message>
    <message>
        <source>Decode</source>
        <translation>Decoderen</translation>
    </message>
    <message>
        <source>Decodes the input into the output box</source>
        <translation>Decodeert de invoer naar het uitvoervak</translation>
    </message>
    <message>
        <source>Output text</source>
        <translation>Uitvoertekst</translation>
    </message>
    <message>
        <source>The result of Encode or Decode</source>
        <translation>Het resultaat van Coderen of Decoderen</translation>
    </message>
    <message>
        <source>Encode writes the words as sentences; they decode exactly as before</source>
        <translation>Coderen schrijft de woorden als zinnen; ze worden precies zo gedecodeerd als eerst</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiëren</translation>
    </message>
    <message>
        <source>Copies the whole output to the clipboard</source>
        <translation>Kopieert de hele uitvoer naar het klembord</translation>
    </message>
    <message>
        <source>Save output</source>
        <translation>Uitvoer opslaan</translation>
    </message>
    <message>
        <source>Writes the output to a text file</source>
        <translation>Schrijft de uitvoer naar een tekstbestand</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>What the last command did</source>
        <translation>Wat de laatste opdracht deed</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Voortgang</translation>
    </message>
    <message>
        <source>How far a long command has come</source>
        <translation>Hoe ver een lange opdracht is gekomen</translation>
    </message>
    <message>
        <source>Tidy (Ctrl+T): makes the text encodable, changing only words the dictionary lacks.
Quotes, apostrophes, dashes, tabs, joined words, digits, abbreviations and missing accents become dictionary words;
words still unknown are listed with suggestions.</source>
        <translation>Opschonen (Ctrl+T): maakt de tekst codeerbaar en verandert alleen woorden die het woordenboek mist.
Aanhalingstekens, apostrofs, gedachtestreepjes, tabs, aaneengeschreven woorden, cijfers, afkortingen en ontbrekende accenten worden woorden uit het woordenboek;
woorden die onbekend blijven, worden met suggesties getoond.</translation>
    </message>
</context>
<context>
    <name>talvora::ui::FrmPathSelect</name>
    <message>
        <source>&amp;Set</source>
        <translation>&amp;Instellen</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuleren</translation>
    </message>
    <message>
        <source>Open a folder with a double click or Enter, go up with Backspace; &quot;Set&quot; takes the open folder.</source>
        <translation>Open een map met een dubbelklik of Enter, ga een niveau omhoog met Backspace; &quot;Instellen&quot; neemt de geopende map.</translation>
    </message>
    <message>
        <source>Select Path to Transfer Key File To</source>
        <translation>Kies de map waarnaar het sleutelbestand wordt overgezet</translation>
    </message>
    <message>
        <source>Select Path to Restore Key File From</source>
        <translation>Kies de map waaruit het sleutelbestand wordt hersteld</translation>
    </message>
</context>
<context>
    <name>talvora::ui::FrmSearch</name>
    <message>
        <source>Search Dictionary</source>
        <translation>Woordenboek doorzoeken</translation>
    </message>
    <message>
        <source>Search string</source>
        <translation>Zoektekst</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Zoeken</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Gereed</translation>
    </message>
    <message>
        <source>Words found</source>
        <translation>Gevonden woorden</translation>
    </message>
    <message>
        <source>The words that begin with the search text, in file order</source>
        <translation>De woorden die met de zoektekst beginnen, in de volgorde van het bestand</translation>
    </message>
    <message>
        <source>The beginning of the words to find; letter case does not matter</source>
        <translation>Het begin van de te zoeken woorden; hoofdletters en kleine letters maken niet uit</translation>
    </message>
    <message>
        <source>Search result</source>
        <translation>Zoekresultaat</translation>
    </message>
    <message>
        <source>No word begins with %1.</source>
        <translation>Geen woord begint met %1.</translation>
    </message>
    <message>
        <source>1 word begins with %1.</source>
        <translation>1 woord begint met %1.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln words begin with %1.</source>
        <translation>
            <numerusform>%Ln woord begint met %1.</numerusform>
            <numerusform>%Ln woorden beginnen met %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>talvora::ui::FrmUnknown</name>
    <message>
        <source>Words Not in the Dictionary</source>
        <translation>Woorden die niet in het woordenboek staan</translation>
    </message>
    <message>
        <source>The text was not encoded: these words are not in the dictionary.  Double-click a suggestion to put it in place of the word, press Tidy to have the text tidied, or add the word to the dictionary.</source>
        <translation>De tekst is niet gecodeerd: deze woorden staan niet in het woordenboek.  Dubbelklik op een suggestie om die in de plaats van het woord te zetten, klik op Opschonen om de tekst te laten opschonen, of voeg het woord aan het woordenboek toe.</translation>
    </message>
    <message>
        <source>These words are not in the dictionary.  Double-click a suggestion to put it in place of the word, or add the word to the dictionary.</source>
        <translation>Deze woorden staan niet in het woordenboek.  Dubbelklik op een suggestie om die in de plaats van het woord te zetten, of voeg het woord aan het woordenboek toe.</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Woord</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Aantal</translation>
    </message>
    <message>
        <source>(no suggestion)</source>
        <translation>(geen suggestie)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Tidy</source>
        <translation>Opschonen</translation>
    </message>
    <message>
        <source>Tidy made these changes.  Press Enter or double-click on one to take it back.</source>
        <translation>Opschonen heeft deze wijzigingen aangebracht.  Druk op Enter of dubbelklik op een wijziging om haar terug te draaien.</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Wijziging</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Regel</translation>
    </message>
    <message>
        <source>Spell out</source>
        <translation>Spellen</translation>
    </message>
    <message>
        <source>Writes the selected word letter by letter, as a name the dictionary lacks can be sent</source>
        <translation>Schrijft het gekozen woord letter voor letter, zoals een naam die het woordenboek mist kan worden verstuurd</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Toevoegen</translation>
    </message>
    <message>
        <source>Adds the selected word to the dictionary file</source>
        <translation>Voegt het gekozen woord toe aan het woordenboekbestand</translation>
    </message>
    <message>
        <source>%1 (added)</source>
        <translation>%1 (toegevoegd)</translation>
    </message>
</context>
<context>
    <name>talvora::ui::FrmView</name>
    <message>
        <source>View Dictionary</source>
        <translation>Woordenboek bekijken</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Gereed</translation>
    </message>
    <message>
        <source>Dictionary words</source>
        <translation>Woorden van het woordenboek</translation>
    </message>
    <message>
        <source>Every word of the dictionary, in file order</source>
        <translation>Elk woord van het woordenboek, in de volgorde van het bestand</translation>
    </message>
</context>
<context>
    <name>talvora::ui::LanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Taal</translation>
    </message>
</context>
</TS>
