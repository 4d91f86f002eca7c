<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv" sourcelanguage="en">
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
        <translation>&amp;Nej</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Key has not been defined.  Either Select a Key, define a Key or generate one.</source>
        <translation>Ingen nyckel är angiven.  Välj en nyckel, skriv en eller skapa en.</translation>
    </message>
    <message>
        <source>Cannot this this until you have loaded a Dictionary.</source>
        <translation>Det går inte förrän du har läst in en ordlista.</translation>
    </message>
    <message>
        <source>This key cannot be used.  Use a key made of the digits 1 to 9, or generate one.</source>
        <translation>Den här nyckeln går inte att använda.  Använd en nyckel av siffrorna 1 till 9, eller skapa en.</translation>
    </message>
    <message>
        <source>Missing Input Text error.</source>
        <translation>Indatatext saknas.</translation>
    </message>
    <message>
        <source>Dictionary not loaded.  Please select a dictionary.</source>
        <translation>Ingen ordlista inläst.  Välj en ordlista.</translation>
    </message>
    <message>
        <source>You must first define the key to use and Process the key before you can proceed.</source>
        <translation>Du måste först ange vilken nyckel du vill använda och bearbeta den innan du kan fortsätta.</translation>
    </message>
    <message>
        <source>Creating Keyspace...</source>
        <translation>Skapar nyckelrymden...</translation>
    </message>
    <message>
        <source>Dictionary is ready for cryption.</source>
        <translation>Ordlistan är klar för kryptering.</translation>
    </message>
    <message>
        <source>Parsing Text...</source>
        <translation>Tolkar texten...</translation>
    </message>
    <message>
        <source>Checking with Dictionary...</source>
        <translation>Kontrollerar mot ordlistan...</translation>
    </message>
    <message>
        <source>Encoding...</source>
        <translation>Kodar...</translation>
    </message>
    <message>
        <source>Decoding...</source>
        <translation>Avkodar...</translation>
    </message>
    <message>
        <source>Cannot find the word &apos;%1&apos;.  Either it is a misspelling, or needs to be added to the dictionary.</source>
        <translation>Ordet &apos;%1&apos; hittades inte.  Antingen är det felstavat, eller så behöver det läggas till i ordlistan.</translation>
    </message>
    <message>
        <source>1 word was not found in the dictionary: %1.</source>
        <translation>1 ord hittades inte i ordlistan: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n words were not found in the dictionary: %1.</source>
        <translation>
            <numerusform>%n ord hittades inte i ordlistan: %1.</numerusform>
            <numerusform>%n ord hittades inte i ordlistan: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n times)</source>
        <translation>
            <numerusform>%1 (%n gång)</numerusform>
            <numerusform>%1 (%n gånger)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n more</source>
        <translation>
            <numerusform>%1 och %n till</numerusform>
            <numerusform>%1 och %n till</numerusform>
        </translation>
    </message>
    <message>
        <source>This encoded text will not decode back to your words with the same dictionary and key.</source>
        <translation>Den här kodade texten blir inte dina ord igen med samma ordlista och nyckel.</translation>
    </message>
    <message>
        <source>This encoded text will not decode back to your words with the same dictionary and key.  Dictionary entries at fault: %1.  Correct the dictionary on both sides before sending this text.</source>
        <translation>Den här kodade texten blir inte dina ord igen med samma ordlista och nyckel.  Felaktiga poster i ordlistan: %1.  Rätta ordlistan hos båda parter innan du skickar texten.</translation>
    </message>
    <message>
        <source>The program folder lacks %1, which Tidy needs to split joined words: they stay as typed.</source>
        <translation>Programmappen saknar %1, som Städa behöver för att dela sammanskrivna ord: de står kvar som de skrevs.</translation>
    </message>
    <message>
        <source>line %1 (empty)</source>
        <translation>rad %1 (tom)</translation>
    </message>
    <message>
        <source>line %1 %2</source>
        <translation>rad %1 %2</translation>
    </message>
    <message>
        <source>line %1 %2 (holds a blank, line break or punctuation)</source>
        <translation>rad %1 %2 (innehåller ett blanksteg, en radbrytning eller ett skiljetecken)</translation>
    </message>
    <message>
        <source>line %1 %2 (also on line %3)</source>
        <translation>rad %1 %2 (även på rad %3)</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>och %n till</numerusform>
            <numerusform>och %n till</numerusform>
        </translation>
    </message>
    <message>
        <source>Missing Data.  Enter a Name and a Key or generate one.</source>
        <translation>Uppgifter saknas.  Ange ett namn och en nyckel, eller skapa en nyckel.</translation>
    </message>
    <message>
        <source>Key cannot contain a zero.  Change the zero to numeric digit.</source>
        <translation>Nyckeln får inte innehålla en nolla.  Byt nollan mot en annan siffra.</translation>
    </message>
    <message>
        <source>Key Saved</source>
        <translation>Nyckeln sparad</translation>
    </message>
    <message>
        <source>Remove Confirm</source>
        <translation>Bekräfta borttagning</translation>
    </message>
    <message>
        <source>Are you sure you want to remove the Key %1?</source>
        <translation>Vill du verkligen ta bort nyckeln %1?</translation>
    </message>
    <message>
        <source>Key Delete Confirm</source>
        <translation>Bekräfta radering av nyckelfilen</translation>
    </message>
    <message>
        <source>Please make certain that you transfer the key file before deleting it.  Are you sure you want to delete the Key File?</source>
        <translation>Se till att föra över nyckelfilen innan du raderar den.  Vill du verkligen radera nyckelfilen?</translation>
    </message>
    <message>
        <source>Keys Transferred.</source>
        <translation>Nycklarna överförda.</translation>
    </message>
    <message>
        <source>Keys Restored.</source>
        <translation>Nycklarna återställda.</translation>
    </message>
    <message>
        <source>Key File is deleted.  No Cryptions are now possible.</source>
        <translation>Nyckelfilen är raderad.  Ingen kryptering är längre möjlig.</translation>
    </message>
    <message>
        <source>A key name cannot hold a control character (a line break, a tab or an escape).  Type the name without it.</source>
        <translation>Ett nyckelnamn får inte innehålla ett styrtecken (radbrytning, tabb eller escape).  Skriv namnet utan det.</translation>
    </message>
    <message>
        <source>Save Confirm</source>
        <translation>Bekräfta sparande</translation>
    </message>
    <message>
        <source>A key named %1 is stored. Replace its key?</source>
        <translation>En nyckel med namnet %1 är sparad. Vill du ersätta dess nyckel?</translation>
    </message>
    <message>
        <source>Transfer Confirm</source>
        <translation>Bekräfta överföring</translation>
    </message>
    <message>
        <source>The chosen folder holds a key file, %1, that differs from the one here.  Replace it?</source>
        <translation>Den valda mappen innehåller en nyckelfil, %1, som skiljer sig från den här.  Vill du ersätta den?</translation>
    </message>
    <message>
        <source>No key named %1 is stored.</source>
        <translation>Ingen nyckel med namnet %1 är sparad.</translation>
    </message>
    <message>
        <source>No key is stored under the name %1.</source>
        <translation>Ingen nyckel är sparad under namnet %1.</translation>
    </message>
    <message>
        <source>A key has at most 18 characters; this one has %1.  Nothing was stored.</source>
        <translation>En nyckel har högst 18 tecken; den här har %1.  Inget sparades.</translation>
    </message>
    <message>
        <source>Restore Confirm</source>
        <translation>Bekräfta återställning</translation>
    </message>
    <message>
        <source>Restoring the key file of the chosen folder loses or changes 1 key stored now:
%1Restore anyway?</source>
        <translation>Om nyckelfilen i den valda mappen återställs förloras eller ändras 1 nyckel som är sparad nu:
%1Återställa ändå?</translation>
    </message>
    <message numerus="yes">
        <source>Restoring the key file of the chosen folder loses or changes %n keys stored now:
%1Restore anyway?</source>
        <translation>
            <numerusform>Om nyckelfilen i den valda mappen återställs förloras eller ändras %n nyckel som är sparad nu:
%1Återställa ändå?</numerusform>
            <numerusform>Om nyckelfilen i den valda mappen återställs förloras eller ändras %n nycklar som är sparade nu:
%1Återställa ändå?</numerusform>
        </translation>
    </message>
    <message>
        <source>- %1 (another key)</source>
        <translation>- %1 (en annan nyckel)</translation>
    </message>
    <message>
        <source>- %1 (lost)</source>
        <translation>- %1 (förlorad)</translation>
    </message>
    <message numerus="yes">
        <source>and %n more.</source>
        <translation>
            <numerusform>och %n till.</numerusform>
            <numerusform>och %n till.</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot transfer the key file: the folder %1 does not exist.</source>
        <translation>Nyckelfilen kan inte överföras: mappen %1 finns inte.</translation>
    </message>
    <message>
        <source>Cannot transfer the key file to %1: it is the program folder, the file would be copied onto itself.</source>
        <translation>Nyckelfilen kan inte överföras till %1: det är programmappen, filen skulle kopieras till sig själv.</translation>
    </message>
    <message>
        <source>There is no key file to transfer: %1 does not exist.</source>
        <translation>Det finns ingen nyckelfil att överföra: %1 finns inte.</translation>
    </message>
    <message>
        <source>Cannot restore the key file: the folder %1 does not exist.</source>
        <translation>Nyckelfilen kan inte återställas: mappen %1 finns inte.</translation>
    </message>
    <message>
        <source>Cannot restore the key file from %1: it is the program folder itself, there is nothing to restore.</source>
        <translation>Nyckelfilen kan inte återställas från %1: det är själva programmappen, det finns inget att återställa.</translation>
    </message>
    <message>
        <source>There is no key file to restore in %1; the key file was not changed.</source>
        <translation>Det finns ingen nyckelfil att återställa i %1; nyckelfilen ändrades inte.</translation>
    </message>
    <message>
        <source>Cannot draw random numbers from the operating system: %1.</source>
        <translation>Det går inte att få slumptal från operativsystemet: %1.</translation>
    </message>
    <message>
        <source>Cannot load the dictionary %1: %2.</source>
        <translation>Ordlistan %1 kan inte läsas in: %2.</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>filen är tom</translation>
    </message>
    <message>
        <source>it has more than 655000 lines</source>
        <translation>den har fler än 655000 rader</translation>
    </message>
    <message>
        <source>line %1 holds the byte %2, which the code page %3 leaves unassigned</source>
        <translation>rad %1 innehåller byten %2, som teckentabellen %3 inte tilldelar</translation>
    </message>
    <message>
        <source>No Word defined to Add</source>
        <translation>Inget ord angivet att lägga till</translation>
    </message>
    <message>
        <source>That word is already in the dictionary.</source>
        <translation>Ordet finns redan i ordlistan.</translation>
    </message>
    <message>
        <source>%1 Added.</source>
        <translation>%1 tillagt.</translation>
    </message>
    <message>
        <source>A word cannot hold a line break: it would become two lines of the dictionary.  Nothing was added.</source>
        <translation>Ett ord får inte innehålla en radbrytning: det skulle bli två rader i ordlistan.  Inget lades till.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be a word of the dictionary: %2, so it could never be encoded.  Nothing was added.</source>
        <translation>&quot;%1&quot; kan inte vara ett ord i ordlistan: %2, så det skulle aldrig kunna kodas.  Inget lades till.</translation>
    </message>
    <message>
        <source>it holds a blank, and a text is cut into words at every blank</source>
        <translation>det innehåller ett blanksteg, och en text delas upp i ord vid varje blanksteg</translation>
    </message>
    <message>
        <source>it holds &quot;%1&quot;, which is dropped from every text</source>
        <translation>det innehåller &quot;%1&quot;, som tas bort ur varje text</translation>
    </message>
    <message>
        <source>Cannot add the word: %1</source>
        <translation>Ordet kan inte läggas till: %1</translation>
    </message>
    <message>
        <source>The code page &quot;%1&quot; is not known.</source>
        <translation>Teckentabellen &quot;%1&quot; är okänd.</translation>
    </message>
    <message>
        <source>The code page &quot;%1&quot; is not a single-byte code page.</source>
        <translation>Teckentabellen &quot;%1&quot; är inte en enbytes teckentabell.</translation>
    </message>
    <message>
        <source>The code page &quot;%1&quot; reads the bytes %2 as the same character, so a text would not read back as it was written.</source>
        <translation>Teckentabellen &quot;%1&quot; läser byten %2 som samma tecken, så en text skulle inte läsas tillbaka som den skrevs.</translation>
    </message>
    <message>
        <source>The character %1 cannot be written in the code page %2.</source>
        <translation>Tecknet %1 kan inte skrivas i teckentabellen %2.</translation>
    </message>
    <message>
        <source>The environment variable %1 cannot be used: %2 It accepts a single-byte code page whose 256 bytes read as 256 different characters, such as %3</source>
        <translation>Miljövariabeln %1 går inte att använda: %2 Den tar en enbytes teckentabell vars 256 byte läses som 256 olika tecken, till exempel %3</translation>
    </message>
    <message>
        <source>Cannot read %1: %2.</source>
        <translation>%1 kan inte läsas: %2.</translation>
    </message>
    <message>
        <source>Cannot read %1: %2. %3</source>
        <translation>%1 kan inte läsas: %2. %3</translation>
    </message>
    <message>
        <source>Cannot write %1: %2.</source>
        <translation>%1 kan inte skrivas: %2.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2. %3</source>
        <translation>%1 kan inte skrivas: %2. %3</translation>
    </message>
    <message>
        <source>Cannot read the key file %1: %2.</source>
        <translation>Nyckelfilen %1 kan inte läsas: %2.</translation>
    </message>
    <message>
        <source>Cannot write the key file %1: %2.</source>
        <translation>Nyckelfilen %1 kan inte skrivas: %2.</translation>
    </message>
    <message>
        <source>Cannot write the key file %1: %2. %3</source>
        <translation>Nyckelfilen %1 kan inte skrivas: %2. %3</translation>
    </message>
    <message>
        <source>Cannot read the status of %1: %2.</source>
        <translation>Statusen för %1 kan inte läsas: %2.</translation>
    </message>
    <message>
        <source>Cannot lock the folder %1: %2.</source>
        <translation>Mappen %1 kan inte låsas: %2.</translation>
    </message>
    <message>
        <source>Cannot lock the folder %1: %2. %3</source>
        <translation>Mappen %1 kan inte låsas: %2. %3</translation>
    </message>
    <message>
        <source>Cannot add to %1: %2.</source>
        <translation>Det går inte att lägga till i %1: %2.</translation>
    </message>
    <message>
        <source>Cannot look for unfinished work in the folder %1: %2.</source>
        <translation>Det går inte att söka efter oavslutat arbete i mappen %1: %2.</translation>
    </message>
    <message>
        <source>Cannot delete the key file %1: %2.</source>
        <translation>Nyckelfilen %1 kan inte raderas: %2.</translation>
    </message>
    <message>
        <source>Cannot delete the key file %1: %2. %3</source>
        <translation>Nyckelfilen %1 kan inte raderas: %2. %3</translation>
    </message>
    <message>
        <source>Cannot use %1: %2.</source>
        <translation>%1 kan inte användas: %2.</translation>
    </message>
    <message>
        <source>it does not exist</source>
        <translation>den finns inte</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>åtkomst nekad</translation>
    </message>
    <message>
        <source>the file system is read-only</source>
        <translation>filsystemet är skrivskyddat</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>disken är full</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>det är en mapp</translation>
    </message>
    <message>
        <source>it is read-only</source>
        <translation>den är skrivskyddad</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>den är inte en vanlig fil</translation>
    </message>
    <message>
        <source>it is not a regular file but a pipe or a device</source>
        <translation>den är inte en vanlig fil utan ett rör eller en enhet</translation>
    </message>
    <message>
        <source>it is a symbolic link, and nothing is written through one</source>
        <translation>den är en symbolisk länk, och inget skrivs genom en sådan</translation>
    </message>
    <message>
        <source>it has other hard links, which would keep the old contents</source>
        <translation>den har andra hårda länkar, som skulle behålla det gamla innehållet</translation>
    </message>
    <message>
        <source>it was changed by another program meanwhile</source>
        <translation>den har ändrats av ett annat program under tiden</translation>
    </message>
    <message>
        <source>it is larger than %1, the most the program reads</source>
        <translation>den är större än %1, det mesta programmet läser</translation>
    </message>
    <message>
        <source>its first line is longer than %1 characters</source>
        <translation>dess första rad är längre än %1 tecken</translation>
    </message>
    <message>
        <source>The folder %1 is not writable.</source>
        <translation>Mappen %1 är inte skrivbar.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>Mappen %1 finns inte.</translation>
    </message>
    <message>
        <source>The program folder %1 is not writable.</source>
        <translation>Programmappen %1 är inte skrivbar.</translation>
    </message>
    <message>
        <source>The program folder %1 does not exist.</source>
        <translation>Programmappen %1 finns inte.</translation>
    </message>
    <message>
        <source>The file is read-only.</source>
        <translation>Filen är skrivskyddad.</translation>
    </message>
    <message>
        <source>Nothing was done.</source>
        <translation>Inget gjordes.</translation>
    </message>
    <message>
        <source>The key file %1 is not a regular file.</source>
        <translation>Nyckelfilen %1 är inte en vanlig fil.</translation>
    </message>
    <message>
        <source>The key file %1 has other hard links: its contents would survive under the other names.</source>
        <translation>Nyckelfilen %1 har andra hårda länkar: dess innehåll skulle finnas kvar under de andra namnen.</translation>
    </message>
    <message>
        <source>The key file %1 is read-only.</source>
        <translation>Nyckelfilen %1 är skrivskyddad.</translation>
    </message>
    <message>
        <source>The key file %1 was changed by another program meanwhile.</source>
        <translation>Nyckelfilen %1 har ändrats av ett annat program under tiden.</translation>
    </message>
    <message>
        <source>The next change of the file finishes that.</source>
        <translation>Nästa ändring av filen slutför det.</translation>
    </message>
    <message>
        <source>Cannot overwrite the key file %1 (pass %2 of %3): %4. It is gone from its folder, but its old bytes were not all overwritten; the next command on it tries again.</source>
        <translation>Nyckelfilen %1 kan inte skrivas över (omgång %2 av %3): %4. Den är borta ur sin mapp, men alla dess gamla byte skrevs inte över; nästa kommando på den försöker igen.</translation>
    </message>
    <message>
        <source>The key file was overwritten but could not be deleted: %1: %2.</source>
        <translation>Nyckelfilen skrevs över men kunde inte raderas: %1: %2.</translation>
    </message>
    <message>
        <source>The key file was overwritten but could not be deleted: %1: %2. %3</source>
        <translation>Nyckelfilen skrevs över men kunde inte raderas: %1: %2. %3</translation>
    </message>
    <message>
        <source>%1 was written, but the old contents it replaced could not be overwritten: %2.</source>
        <translation>%1 skrevs, men det gamla innehållet som den ersatte kunde inte skrivas över: %2.</translation>
    </message>
    <message>
        <source>%1 was written, but its folder %2 could not be flushed: %3.  The change may be lost if the computer stops now.</source>
        <translation>%1 skrevs, men dess mapp %2 kunde inte skrivas till disk: %3.  Ändringen kan gå förlorad om datorn stannar nu.</translation>
    </message>
    <message>
        <source>Another program has been changing the files in %1 for %2 seconds; nothing was changed.  Try again when it has finished.</source>
        <translation>Ett annat program har ändrat filerna i %1 i %2 sekunder; inget ändrades.  Försök igen när det är klart.</translation>
    </message>
    <message>
        <source>There is not enough memory for this; nothing more was done.</source>
        <translation>Minnet räcker inte till detta; inget mer gjordes.</translation>
    </message>
    <message>
        <source>The command stopped on an unexpected failure; nothing more was done.</source>
        <translation>Kommandot stoppade på ett oväntat fel; inget mer gjordes.</translation>
    </message>
    <message>
        <source>Cancelled; nothing was changed.</source>
        <translation>Avbrutet; inget ändrades.</translation>
    </message>
    <message>
        <source>Standard input is not a terminal, so nobody can answer the question: pass %1 to go ahead.</source>
        <translation>Standard in är ingen terminal, så ingen kan svara på frågan: ange %1 för att fortsätta.</translation>
    </message>
</context>
<context>
    <name>talvora::ui::FrmAbout</name>
    <message>
        <source>About Talvora</source>
        <translation>Om Talvora</translation>
    </message>
    <message>
        <source>A word-substitution code: each word of a text becomes another word of the same dictionary, chosen by a secret key. Both sides need the same dictionary file and the same key.</source>
        <translation>En ordersättningskod: varje ord i en text blir ett annat ord ur samma ordlista, valt av en hemlig nyckel. Båda parter behöver samma ordlistefil och samma nyckel.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Klar</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 2 or later. The dictionaries keep the licences of their word lists. Built with Qt %1.</source>
        <translation>Fri programvara under GNU General Public License, version 2 eller senare. Ordlistorna behåller licenserna för sina ordlistor. Byggd med Qt %1.</translation>
    </message>
    <message>
        <source>No dictionary is loaded.</source>
        <translation>Ingen ordlista är inläst.</translation>
    </message>
    <message>
        <source>Fingerprint of %1:</source>
        <translation>Fingeravtryck för %1:</translation>
    </message>
    <message>
        <source>Both sides must see the same fingerprint before the first message</source>
        <translation>Båda parter måste se samma fingeravtryck före det första meddelandet</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiera</translation>
    </message>
</context>
<context>
    <name>talvora::ui::FrmAdd</name>
    <message>
        <source>Add to Dictionary</source>
        <translation>Lägg till i ordlistan</translation>
    </message>
    <message>
        <source>Word to Add</source>
        <translation>Ord att lägga till</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Lägg till</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
</context>
<context>
    <name>talvora::ui::FrmBrowser</name>
    <message>
        <source>Dictionaries</source>
        <translation>Ordlistor</translation>
    </message>
    <message>
        <source>Key Management</source>
        <translation>Nyckelhantering</translation>
    </message>
    <message>
        <source>Encoding and Decoding Data</source>
        <translation>Kodning och avkodning av data</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Help page not found&lt;/h2&gt;&lt;p&gt;The help page &lt;b&gt;%1&lt;/b&gt; is not in the program folder &lt;b&gt;%2&lt;/b&gt;, or it cannot be read.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Hjälpsidan hittades inte&lt;/h2&gt;&lt;p&gt;Hjälpsidan &lt;b&gt;%1&lt;/b&gt; finns inte i programmappen &lt;b&gt;%2&lt;/b&gt;, eller så kan den inte läsas.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Web Message</source>
        <translation>Webbmeddelande</translation>
    </message>
</context>
<context>
    <name>talvora::ui::FrmMain</name>
    <message>
        <source>1 word</source>
        <translation>1 ord</translation>
    </message>
    <message numerus="yes">
        <source>%Ln words</source>
        <translation>
            <numerusform>%Ln ord</numerusform>
            <numerusform>%Ln ord</numerusform>
        </translation>
    </message>
    <message>
        <source>A key holds at most 18 characters; the key box kept %1.</source>
        <translation>En nyckel har högst 18 tecken; nyckelrutan behöll %1.</translation>
    </message>
    <message>
        <source>Select Dictionary to Load</source>
        <translation>Välj ordlista att läsa in</translation>
    </message>
    <message>
        <source>Welcome.  Select Dictionary, define and process the Key.</source>
        <translation>Välkommen.  Välj ordlista, ange nyckeln och bearbeta den.</translation>
    </message>
    <message>
        <source>There is no dictionary file for &quot;%1&quot;.</source>
        <translation>Det finns ingen ordlistefil för &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Loaded</source>
        <translation>Inläst</translation>
    </message>
    <message>
        <source>Not processed</source>
        <translation>Inte bearbetad</translation>
    </message>
    <message>
        <source>Processed: %1 · %2</source>
        <translation>Bearbetad: %1 · %2</translation>
    </message>
    <message>
        <source>unnamed key</source>
        <translation>namnlös nyckel</translation>
    </message>
    <message>
        <source>%1 items in Dictionary</source>
        <translation>%1 poster i ordlistan</translation>
    </message>
    <message>
        <source>%1
Code page %2
Fingerprint %3</source>
        <translation>%1
Teckentabell %2
Fingeravtryck %3</translation>
    </message>
    <message>
        <source>Showing the output...</source>
        <translation>Visar utdata...</translation>
    </message>
    <message>
        <source>&quot;%1&quot; does not look like a text file: it holds control characters or bytes that are not text.  Load it all the same?</source>
        <translation>&quot;%1&quot; ser inte ut som en textfil: den innehåller styrtecken eller byte som inte är text.  Läsa in den ändå?</translation>
    </message>
    <message>
        <source>File Saved</source>
        <translation>Filen sparad</translation>
    </message>
    <message>
        <source>The output box is empty: nothing was copied.</source>
        <translation>Utdatarutan är tom: inget kopierades.</translation>
    </message>
    <message>
        <source>Copied %1.</source>
        <translation>Kopierat: %1.</translation>
    </message>
    <message>
        <source>The clipboard holds no text: the input box is unchanged.</source>
        <translation>Urklipp innehåller ingen text: indatarutan är oförändrad.</translation>
    </message>
    <message>
        <source>Pasted %1.</source>
        <translation>Inklistrat: %1.</translation>
    </message>
    <message>
        <source>The output box is empty: the input box is unchanged.</source>
        <translation>Utdatarutan är tom: indatarutan är oförändrad.</translation>
    </message>
    <message>
        <source>Moved %1 to the input box.</source>
        <translation>Flyttat till indatarutan: %1.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Språk</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Läs in</translation>
    </message>
    <message>
        <source>Vie&amp;w</source>
        <translation>&amp;Visa</translation>
    </message>
    <message>
        <source>Sea&amp;rch</source>
        <translation>S&amp;ök</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>Lä&amp;gg till</translation>
    </message>
    <message>
        <source>Key Management</source>
        <translation>Nyckelhantering</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Namn</translation>
    </message>
    <message>
        <source>&amp;Key</source>
        <translation>N&amp;yckel</translation>
    </message>
    <message>
        <source>&amp;Generate Key</source>
        <translation>S&amp;kapa nyckel</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Spara</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>Ta &amp;bort</translation>
    </message>
    <message>
        <source>&amp;Process</source>
        <translation>Bea&amp;rbeta</translation>
    </message>
    <message>
        <source>Trans&amp;fer Keys</source>
        <translation>Över&amp;för nycklar</translation>
    </message>
    <message>
        <source>Rest&amp;ore Keys</source>
        <translation>Åter&amp;ställ nycklar</translation>
    </message>
    <message>
        <source>Delete Ke&amp;ys</source>
        <translation>Ra&amp;dera nycklar</translation>
    </message>
    <message>
        <source>Input Text</source>
        <translation>Indatatext</translation>
    </message>
    <message>
        <source>Get Te&amp;xt</source>
        <translation>Hämta te&amp;xt</translation>
    </message>
    <message>
        <source>&amp;Encode</source>
        <translation>K&amp;oda</translation>
    </message>
    <message>
        <source>&amp;Decode</source>
        <translation>&amp;Avkoda</translation>
    </message>
    <message>
        <source>Tidy</source>
        <translation>Städa</translation>
    </message>
    <message>
        <source>Pas&amp;te</source>
        <translation>Klistra &amp;in</translation>
    </message>
    <message>
        <source>Use as &amp;Input</source>
        <translation>Använd som in&amp;data</translation>
    </message>
    <message>
        <source>Output Text</source>
        <translation>Utdatatext</translation>
    </message>
    <message>
        <source>Sa&amp;ve</source>
        <translation>Spa&amp;ra</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiera</translation>
    </message>
    <message>
        <source>Dress as sentences</source>
        <translation>Klä i meningar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hjälp</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Om</translation>
    </message>
    <message>
        <source>&amp;Dictionaries</source>
        <translation>O&amp;rdlistor</translation>
    </message>
    <message>
        <source>&amp;Key Management</source>
        <translation>&amp;Nyckelhantering</translation>
    </message>
    <message>
        <source>&amp;Encoding and Decoding</source>
        <translation>&amp;Kodning och avkodning</translation>
    </message>
    <message>
        <source>Picking a language loads its dictionary</source>
        <translation>Att välja ett språk läser in dess ordlista</translation>
    </message>
    <message>
        <source>Dictionary status</source>
        <translation>Ordlistans status</translation>
    </message>
    <message>
        <source>How many words the loaded dictionary holds</source>
        <translation>Hur många ord den inlästa ordlistan innehåller</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Läs in</translation>
    </message>
    <message>
        <source>Loads a dictionary file chosen in a file dialog</source>
        <translation>Läser in en ordlistefil som valts i en fildialog</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Visa</translation>
    </message>
    <message>
        <source>Lists every word of the loaded dictionary</source>
        <translation>Listar varje ord i den inlästa ordlistan</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Sök</translation>
    </message>
    <message>
        <source>Finds the words that begin with a text</source>
        <translation>Hittar de ord som börjar med en text</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Lägg till</translation>
    </message>
    <message>
        <source>Appends a word to the loaded dictionary file</source>
        <translation>Lägger till ett ord i den inlästa ordlistefilen</translation>
    </message>
    <message>
        <source>Key name</source>
        <translation>Nyckelnamn</translation>
    </message>
    <message>
        <source>Picking a stored name puts its key into the key box</source>
        <translation>Att välja ett sparat namn sätter dess nyckel i nyckelrutan</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Nyckel</translation>
    </message>
    <message>
        <source>The key to process: at most 18 characters, as a rule the digits 1 to 9</source>
        <translation>Nyckeln som ska bearbetas: högst 18 tecken, som regel siffrorna 1 till 9</translation>
    </message>
    <message>
        <source>Generate Key</source>
        <translation>Skapa nyckel</translation>
    </message>
    <message>
        <source>Puts a new random key into the key box</source>
        <translation>Sätter en ny slumpmässig nyckel i nyckelrutan</translation>
    </message>
    <message>
        <source>Save key</source>
        <translation>Spara nyckel</translation>
    </message>
    <message>
        <source>Stores the name and key in the key file</source>
        <translation>Sparar namnet och nyckeln i nyckelfilen</translation>
    </message>
    <message>
        <source>Remove key</source>
        <translation>Ta bort nyckel</translation>
    </message>
    <message>
        <source>Removes the named key from the key file</source>
        <translation>Tar bort den namngivna nyckeln ur nyckelfilen</translation>
    </message>
    <message>
        <source>Process</source>
        <translation>Bearbeta</translation>
    </message>
    <message>
        <source>Prepares the dictionary with the key; needed before Encode and Decode</source>
        <translation>Förbereder ordlistan med nyckeln; behövs före Koda och Avkoda</translation>
    </message>
    <message>
        <source>Processed key</source>
        <translation>Bearbetad nyckel</translation>
    </message>
    <message>
        <source>The key and dictionary that Encode and Decode use</source>
        <translation>Den nyckel och ordlista som Koda och Avkoda använder</translation>
    </message>
    <message>
        <source>Transfer Keys</source>
        <translation>Överför nycklar</translation>
    </message>
    <message>
        <source>Copies the key file to a folder you choose</source>
        <translation>Kopierar nyckelfilen till en mapp du väljer</translation>
    </message>
    <message>
        <source>Restore Keys</source>
        <translation>Återställ nycklar</translation>
    </message>
    <message>
        <source>Copies the key file back from a folder you choose</source>
        <translation>Kopierar tillbaka nyckelfilen från en mapp du väljer</translation>
    </message>
    <message>
        <source>Delete Keys</source>
        <translation>Radera nycklar</translation>
    </message>
    <message>
        <source>Overwrites and deletes the key file</source>
        <translation>Skriver över och raderar nyckelfilen</translation>
    </message>
    <message>
        <source>Input text</source>
        <translation>Indatatext</translation>
    </message>
    <message>
        <source>The text to encode or decode; a text file dropped here is read in</source>
        <translation>Texten som ska kodas eller avkodas; en textfil som släpps här läses in</translation>
    </message>
    <message>
        <source>Get Text</source>
        <translation>Hämta text</translation>
    </message>
    <message>
        <source>Reads a text file into the input box</source>
        <translation>Läser en textfil till indatarutan</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Klistra in</translation>
    </message>
    <message>
        <source>Replaces the input with the text on the clipboard</source>
        <translation>Ersätter indata med texten i urklipp</translation>
    </message>
    <message>
        <source>Use as Input</source>
        <translation>Använd som indata</translation>
    </message>
    <message>
        <source>Moves the output into the input box</source>
        <translation>Flyttar utdata till indatarutan</translation>
    </message>
    <message>
        <source>Changes the words the dictionary lacks into words it holds</source>
        <translation>Ändrar de ord som ordlistan saknar till ord som den innehåller</translation>
    </message>
    <message>
        <source>Encode</source>
        <translation>Koda</translation>
    </message>
    <message>
        <source>Encodes the input into the output box</source>
        <translation>Kodar indata till utdatarutan</translation>
    </message>
    <message>
        <source>Decode</source>
        <translation>Avkoda</translation>
    </message>
    <message>
        <source>Decodes the input into the output box</source>
        <translation>Avkodar indata till utdatarutan</translation>
    </message>
    <message>
        <source>Output text</source>
        <translation>Utdatatext</translation>
    </message>
    <message>
        <source>The result of Encode or Decode</source>
        <translation>Resultatet av Koda eller Avkoda</translation>
    </message>
    <message>
        <source>Encode writes the words as sentences; they decode exactly as before</source>
        <translation>Koda skriver orden som meningar; de avkodas precis som förut</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiera</translation>
    </message>
    <message>
        <source>Copies the whole output to the clipboard</source>
        <translation>Kopierar hela utdata till urklipp</translation>
    </message>
    <message>
        <source>Save output</source>
        <translation>Spara utdata</translation>
    </message>
    <message>
        <source>Writes the output to a text file</source>
        <translation>Skriver utdata till en textfil</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>What the last command did</source>
        <translation>Vad det senaste kommandot gjorde</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Förlopp</translation>
    </message>
    <message>
        <source>How far a long command has come</source>
        <translation>Hur långt ett långt kommando har kommit</translation>
    </message>
    <message>
        <source>Tidy (Ctrl+T): makes the text encodable, changing only words the dictionary lacks.
Quotes, apostrophes, dashes, tabs, joined words, digits, abbreviations and missing accents become dictionary words;
words still unknown are listed with suggestions.</source>
        <translation>Städa (Ctrl+T): gör texten kodbar och ändrar bara ord som ordlistan saknar.
Citattecken, apostrofer, tankstreck, tabbar, ihopskrivna ord, siffror, förkortningar och saknade accenter blir ord i ordlistan;
ord som fortfarande är okända listas med förslag.</translation>
    </message>
</context>
<context>
    <name>talvora::ui::FrmPathSelect</name>
    <message>
        <source>&amp;Set</source>
        <translation>&amp;Välj</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Avbryt</translation>
    </message>
    <message>
        <source>Open a folder with a double click or Enter, go up with Backspace; &quot;Set&quot; takes the open folder.</source>
        <translation>Öppna en mapp med dubbelklick eller Enter, gå uppåt med Backsteg; &quot;Välj&quot; tar den öppna mappen.</translation>
    </message>
    <message>
        <source>Select Path to Transfer Key File To</source>
        <translation>Välj mapp att överföra nyckelfilen till</translation>
    </message>
    <message>
        <source>Select Path to Restore Key File From</source>
        <translation>Välj mapp att återställa nyckelfilen från</translation>
    </message>
</context>
<context>
    <name>talvora::ui::FrmSearch</name>
    <message>
        <source>Search Dictionary</source>
        <translation>Sök i ordlistan</translation>
    </message>
    <message>
        <source>Search string</source>
        <translation>Söktext</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Sök</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Klar</translation>
    </message>
    <message>
        <source>Words found</source>
        <translation>Funna ord</translation>
    </message>
    <message>
        <source>The words that begin with the search text, in file order</source>
        <translation>De ord som börjar med söktexten, i filens ordning</translation>
    </message>
    <message>
        <source>The beginning of the words to find; letter case does not matter</source>
        <translation>Början av orden som ska hittas; stora och små bokstäver spelar ingen roll</translation>
    </message>
    <message>
        <source>Search result</source>
        <translation>Sökresultat</translation>
    </message>
    <message>
        <source>No word begins with %1.</source>
        <translation>Inget ord börjar med %1.</translation>
    </message>
    <message>
        <source>1 word begins with %1.</source>
        <translation>1 ord börjar med %1.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln words begin with %1.</source>
        <translation>
            <numerusform>%Ln ord börjar med %1.</numerusform>
            <numerusform>%Ln ord börjar med %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>talvora::ui::FrmUnknown</name>
    <message>
        <source>Words Not in the Dictionary</source>
        <translation>Ord som inte finns i ordlistan</translation>
    </message>
    <message>
        <source>The text was not encoded: these words are not in the dictionary.  Double-click a suggestion to put it in place of the word, press Tidy to have the text tidied, or add the word to the dictionary.</source>
        <translation>Texten kodades inte: de här orden finns inte i ordlistan.  Dubbelklicka på ett förslag för att sätta det i ordets ställe, tryck på Städa för att få texten städad, eller lägg till ordet i ordlistan.</translation>
    </message>
    <message>
        <source>These words are not in the dictionary.  Double-click a suggestion to put it in place of the word, or add the word to the dictionary.</source>
        <translation>De här orden finns inte i ordlistan.  Dubbelklicka på ett förslag för att sätta det i ordets ställe, eller lägg till ordet i ordlistan.</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Ord</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Antal</translation>
    </message>
    <message>
        <source>(no suggestion)</source>
        <translation>(inget förslag)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Stäng</translation>
    </message>
    <message>
        <source>Tidy</source>
        <translation>Städa</translation>
    </message>
    <message>
        <source>Tidy made these changes.  Press Enter or double-click on one to take it back.</source>
        <translation>Städa gjorde de här ändringarna.  Tryck på Enter eller dubbelklicka på en för att ta tillbaka den.</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Ändring</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Rad</translation>
    </message>
    <message>
        <source>Spell out</source>
        <translation>Stava</translation>
    </message>
    <message>
        <source>Writes the selected word letter by letter, as a name the dictionary lacks can be sent</source>
        <translation>Skriver det valda ordet bokstav för bokstav, så som ett namn som ordlistan saknar kan skickas</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Lägg till</translation>
    </message>
    <message>
        <source>Adds the selected word to the dictionary file</source>
        <translation>Lägger till det valda ordet i ordlistefilen</translation>
    </message>
    <message>
        <source>%1 (added)</source>
        <translation>%1 (tillagt)</translation>
    </message>
</context>
<context>
    <name>talvora::ui::FrmView</name>
    <message>
        <source>View Dictionary</source>
        <translation>Visa ordlistan</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Klar</translation>
    </message>
    <message>
        <source>Dictionary words</source>
        <translation>Ordlistans ord</translation>
    </message>
    <message>
        <source>Every word of the dictionary, in file order</source>
        <translation>Varje ord i ordlistan, i filens ordning</translation>
    </message>
</context>
<context>
    <name>talvora::ui::LanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Språk</translation>
    </message>
</context>
</TS>
