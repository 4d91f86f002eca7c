<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="da" sourcelanguage="en">
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
        <translation>Der er ikke angivet en nøgle.  Vælg en nøgle, skriv en, eller lav en.</translation>
    </message>
    <message>
        <source>Cannot this this until you have loaded a Dictionary.</source>
        <translation>Det kan ikke lade sig gøre, før du har indlæst en ordbog.</translation>
    </message>
    <message>
        <source>This key cannot be used.  Use a key made of the digits 1 to 9, or generate one.</source>
        <translation>Denne nøgle kan ikke bruges.  Brug en nøgle af cifrene 1 til 9, eller lav en.</translation>
    </message>
    <message>
        <source>Missing Input Text error.</source>
        <translation>Inputteksten mangler.</translation>
    </message>
    <message>
        <source>Dictionary not loaded.  Please select a dictionary.</source>
        <translation>Ingen ordbog indlæst.  Vælg en ordbog.</translation>
    </message>
    <message>
        <source>You must first define the key to use and Process the key before you can proceed.</source>
        <translation>Du skal først angive den nøgle, der skal bruges, og behandle den, før du kan fortsætte.</translation>
    </message>
    <message>
        <source>Creating Keyspace...</source>
        <translation>Opretter nøglerummet...</translation>
    </message>
    <message>
        <source>Dictionary is ready for cryption.</source>
        <translation>Ordbogen er klar til kryptering.</translation>
    </message>
    <message>
        <source>Parsing Text...</source>
        <translation>Fortolker teksten...</translation>
    </message>
    <message>
        <source>Checking with Dictionary...</source>
        <translation>Kontrollerer mod ordbogen...</translation>
    </message>
    <message>
        <source>Encoding...</source>
        <translation>Koder...</translation>
    </message>
    <message>
        <source>Decoding...</source>
        <translation>Afkoder...</translation>
    </message>
    <message>
        <source>Cannot find the word &apos;%1&apos;.  Either it is a misspelling, or needs to be added to the dictionary.</source>
        <translation>Ordet &apos;%1&apos; blev ikke fundet.  Enten er det stavet forkert, eller også skal det føjes til ordbogen.</translation>
    </message>
    <message>
        <source>1 word was not found in the dictionary: %1.</source>
        <translation>1 ord blev ikke fundet i ordbogen: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n words were not found in the dictionary: %1.</source>
        <translation>
            <numerusform>%n ord blev ikke fundet i ordbogen: %1.</numerusform>
            <numerusform>%n ord blev ikke fundet i ordbogen: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n times)</source>
        <translation>
            <numerusform>%1 (%n gang)</numerusform>
            <numerusform>%1 (%n gange)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n more</source>
        <translation>
            <numerusform>%1 og %n mere</numerusform>
            <numerusform>%1 og %n mere</numerusform>
        </translation>
    </message>
    <message>
        <source>This encoded text will not decode back to your words with the same dictionary and key.</source>
        <translation>Denne kodede tekst bliver ikke til dine ord igen med samme ordbog og nøgle.</translation>
    </message>
    <message>
        <source>This encoded text will not decode back to your words with the same dictionary and key.  Dictionary entries at fault: %1.  Correct the dictionary on both sides before sending this text.</source>
        <translation>Denne kodede tekst bliver ikke til dine ord igen med samme ordbog og nøgle.  Fejlagtige ordbogsposter: %1.  Ret ordbogen hos begge parter, før du sender denne tekst.</translation>
    </message>
    <message>
        <source>The program folder lacks %1, which Tidy needs to split joined words: they stay as typed.</source>
        <translation>Programmappen mangler %1, som Ryd op skal bruge for at dele sammenskrevne ord: de bliver stående, som de er skrevet.</translation>
    </message>
    <message>
        <source>line %1 (empty)</source>
        <translation>linje %1 (tom)</translation>
    </message>
    <message>
        <source>line %1 %2</source>
        <translation>linje %1 %2</translation>
    </message>
    <message>
        <source>line %1 %2 (holds a blank, line break or punctuation)</source>
        <translation>linje %1 %2 (indeholder et mellemrum, et linjeskift eller et tegnsætningstegn)</translation>
    </message>
    <message>
        <source>line %1 %2 (also on line %3)</source>
        <translation>linje %1 %2 (også på linje %3)</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>og %n mere</numerusform>
            <numerusform>og %n mere</numerusform>
        </translation>
    </message>
    <message>
        <source>Missing Data.  Enter a Name and a Key or generate one.</source>
        <translation>Data mangler.  Skriv et navn og en nøgle, eller lav en nøgle.</translation>
    </message>
    <message>
        <source>Key cannot contain a zero.  Change the zero to numeric digit.</source>
        <translation>Nøglen må ikke indeholde et nul.  Skift nullet ud med et andet ciffer.</translation>
    </message>
    <message>
        <source>Key Saved</source>
        <translation>Nøglen er gemt</translation>
    </message>
    <message>
        <source>Remove Confirm</source>
        <translation>Bekræft fjernelse</translation>
    </message>
    <message>
        <source>Are you sure you want to remove the Key %1?</source>
        <translation>Er du sikker på, at du vil fjerne nøglen %1?</translation>
    </message>
    <message>
        <source>Key Delete Confirm</source>
        <translation>Bekræft sletning af nøglefilen</translation>
    </message>
    <message>
        <source>Please make certain that you transfer the key file before deleting it.  Are you sure you want to delete the Key File?</source>
        <translation>Sørg for at overføre nøglefilen, før du sletter den.  Er du sikker på, at du vil slette nøglefilen?</translation>
    </message>
    <message>
        <source>Keys Transferred.</source>
        <translation>Nøglerne er overført.</translation>
    </message>
    <message>
        <source>Keys Restored.</source>
        <translation>Nøglerne er gendannet.</translation>
    </message>
    <message>
        <source>Key File is deleted.  No Cryptions are now possible.</source>
        <translation>Nøglefilen er slettet.  Der kan ikke længere krypteres.</translation>
    </message>
    <message>
        <source>A key name cannot hold a control character (a line break, a tab or an escape).  Type the name without it.</source>
        <translation>Et nøglenavn må ikke indeholde et styretegn (linjeskift, tabulator eller escape).  Skriv navnet uden det.</translation>
    </message>
    <message>
        <source>Save Confirm</source>
        <translation>Bekræft gemning</translation>
    </message>
    <message>
        <source>A key named %1 is stored. Replace its key?</source>
        <translation>Der er gemt en nøgle med navnet %1. Vil du erstatte dens nøgle?</translation>
    </message>
    <message>
        <source>Transfer Confirm</source>
        <translation>Bekræft overførsel</translation>
    </message>
    <message>
        <source>The chosen folder holds a key file, %1, that differs from the one here.  Replace it?</source>
        <translation>Den valgte mappe indeholder en nøglefil, %1, som er forskellig fra den her.  Vil du erstatte den?</translation>
    </message>
    <message>
        <source>No key named %1 is stored.</source>
        <translation>Der er ikke gemt nogen nøgle med navnet %1.</translation>
    </message>
    <message>
        <source>No key is stored under the name %1.</source>
        <translation>Der er ikke gemt nogen nøgle under navnet %1.</translation>
    </message>
    <message>
        <source>A key has at most 18 characters; this one has %1.  Nothing was stored.</source>
        <translation>En nøgle har højst 18 tegn; denne har %1.  Intet blev gemt.</translation>
    </message>
    <message>
        <source>Restore Confirm</source>
        <translation>Bekræft gendannelse</translation>
    </message>
    <message>
        <source>Restoring the key file of the chosen folder loses or changes 1 key stored now:
%1Restore anyway?</source>
        <translation>Hvis nøglefilen i den valgte mappe gendannes, mistes eller ændres 1 nøgle, der er gemt nu:
%1Gendan alligevel?</translation>
    </message>
    <message numerus="yes">
        <source>Restoring the key file of the chosen folder loses or changes %n keys stored now:
%1Restore anyway?</source>
        <translation>
            <numerusform>Hvis nøglefilen i den valgte mappe gendannes, mistes eller ændres %n nøgle, der er gemt nu:
%1Gendan alligevel?</numerusform>
            <numerusform>Hvis nøglefilen i den valgte mappe gendannes, mistes eller ændres %n nøgler, der er gemt nu:
%1Gendan alligevel?</numerusform>
        </translation>
    </message>
    <message>
        <source>- %1 (another key)</source>
        <translation>- %1 (en anden nøgle)</translation>
    </message>
    <message>
        <source>- %1 (lost)</source>
        <translation>- %1 (mistet)</translation>
    </message>
    <message numerus="yes">
        <source>and %n more.</source>
        <translation>
            <numerusform>og %n mere.</numerusform>
            <numerusform>og %n mere.</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot transfer the key file: the folder %1 does not exist.</source>
        <translation>Nøglefilen kan ikke overføres: mappen %1 findes ikke.</translation>
    </message>
    <message>
        <source>Cannot transfer the key file to %1: it is the program folder, the file would be copied onto itself.</source>
        <translation>Nøglefilen kan ikke overføres til %1: det er programmappen, filen ville blive kopieret over sig selv.</translation>
    </message>
    <message>
        <source>There is no key file to transfer: %1 does not exist.</source>
        <translation>Der er ingen nøglefil at overføre: %1 findes ikke.</translation>
    </message>
    <message>
        <source>Cannot restore the key file: the folder %1 does not exist.</source>
        <translation>Nøglefilen kan ikke gendannes: mappen %1 findes ikke.</translation>
    </message>
    <message>
        <source>Cannot restore the key file from %1: it is the program folder itself, there is nothing to restore.</source>
        <translation>Nøglefilen kan ikke gendannes fra %1: det er selve programmappen, der er intet at gendanne.</translation>
    </message>
    <message>
        <source>There is no key file to restore in %1; the key file was not changed.</source>
        <translation>Der er ingen nøglefil at gendanne i %1; nøglefilen blev ikke ændret.</translation>
    </message>
    <message>
        <source>Cannot draw random numbers from the operating system: %1.</source>
        <translation>Der kan ikke hentes tilfældige tal fra styresystemet: %1.</translation>
    </message>
    <message>
        <source>Cannot load the dictionary %1: %2.</source>
        <translation>Ordbogen %1 kan ikke indlæses: %2.</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>filen er tom</translation>
    </message>
    <message>
        <source>it has more than 655000 lines</source>
        <translation>den har mere end 655000 linjer</translation>
    </message>
    <message>
        <source>line %1 holds the byte %2, which the code page %3 leaves unassigned</source>
        <translation>linje %1 indeholder byten %2, som tegnsættet %3 ikke tildeler</translation>
    </message>
    <message>
        <source>No Word defined to Add</source>
        <translation>Intet ord angivet til tilføjelse</translation>
    </message>
    <message>
        <source>That word is already in the dictionary.</source>
        <translation>Ordet står allerede i ordbogen.</translation>
    </message>
    <message>
        <source>%1 Added.</source>
        <translation>%1 tilføjet.</translation>
    </message>
    <message>
        <source>A word cannot hold a line break: it would become two lines of the dictionary.  Nothing was added.</source>
        <translation>Et ord må ikke indeholde et linjeskift: det ville blive til to linjer i ordbogen.  Intet blev tilføjet.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be a word of the dictionary: %2, so it could never be encoded.  Nothing was added.</source>
        <translation>&quot;%1&quot; kan ikke være et ord i ordbogen: %2, så det kunne aldrig blive kodet.  Intet blev tilføjet.</translation>
    </message>
    <message>
        <source>it holds a blank, and a text is cut into words at every blank</source>
        <translation>det indeholder et mellemrum, og en tekst deles op i ord ved hvert mellemrum</translation>
    </message>
    <message>
        <source>it holds &quot;%1&quot;, which is dropped from every text</source>
        <translation>det indeholder &quot;%1&quot;, som fjernes fra enhver tekst</translation>
    </message>
    <message>
        <source>Cannot add the word: %1</source>
        <translation>Ordet kan ikke tilføjes: %1</translation>
    </message>
    <message>
        <source>The code page &quot;%1&quot; is not known.</source>
        <translation>Tegnsættet &quot;%1&quot; er ukendt.</translation>
    </message>
    <message>
        <source>The code page &quot;%1&quot; is not a single-byte code page.</source>
        <translation>Tegnsættet &quot;%1&quot; er ikke et enkeltbyte-tegnsæt.</translation>
    </message>
    <message>
        <source>The code page &quot;%1&quot; reads the bytes %2 as the same character, so a text would not read back as it was written.</source>
        <translation>Tegnsættet &quot;%1&quot; læser byte %2 som samme tegn, så en tekst ville ikke blive læst tilbage, som den blev skrevet.</translation>
    </message>
    <message>
        <source>The character %1 cannot be written in the code page %2.</source>
        <translation>Tegnet %1 kan ikke skrives i tegnsættet %2.</translation>
    </message>
    <message>
        <source>The environment variable %1 cannot be used: %2 It accepts a single-byte code page whose 256 bytes read as 256 different characters, such as %3</source>
        <translation>Miljøvariablen %1 kan ikke bruges: %2 Den tager et enkeltbyte-tegnsæt, hvis 256 byte læses som 256 forskellige tegn, for eksempel %3</translation>
    </message>
    <message>
        <source>Cannot read %1: %2.</source>
        <translation>%1 kan ikke læses: %2.</translation>
    </message>
    <message>
        <source>Cannot read %1: %2. %3</source>
        <translation>%1 kan ikke læses: %2. %3</translation>
    </message>
    <message>
        <source>Cannot write %1: %2.</source>
        <translation>%1 kan ikke skrives: %2.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2. %3</source>
        <translation>%1 kan ikke skrives: %2. %3</translation>
    </message>
    <message>
        <source>Cannot read the key file %1: %2.</source>
        <translation>Nøglefilen %1 kan ikke læses: %2.</translation>
    </message>
    <message>
        <source>Cannot write the key file %1: %2.</source>
        <translation>Nøglefilen %1 kan ikke skrives: %2.</translation>
    </message>
    <message>
        <source>Cannot write the key file %1: %2. %3</source>
        <translation>Nøglefilen %1 kan ikke skrives: %2. %3</translation>
    </message>
    <message>
        <source>Cannot read the status of %1: %2.</source>
        <translation>Status for %1 kan ikke læses: %2.</translation>
    </message>
    <message>
        <source>Cannot lock the folder %1: %2.</source>
        <translation>Mappen %1 kan ikke låses: %2.</translation>
    </message>
    <message>
        <source>Cannot lock the folder %1: %2. %3</source>
        <translation>Mappen %1 kan ikke låses: %2. %3</translation>
    </message>
    <message>
        <source>Cannot add to %1: %2.</source>
        <translation>Der kan ikke tilføjes til %1: %2.</translation>
    </message>
    <message>
        <source>Cannot look for unfinished work in the folder %1: %2.</source>
        <translation>Der kan ikke søges efter ufærdigt arbejde i mappen %1: %2.</translation>
    </message>
    <message>
        <source>Cannot delete the key file %1: %2.</source>
        <translation>Nøglefilen %1 kan ikke slettes: %2.</translation>
    </message>
    <message>
        <source>Cannot delete the key file %1: %2. %3</source>
        <translation>Nøglefilen %1 kan ikke slettes: %2. %3</translation>
    </message>
    <message>
        <source>Cannot use %1: %2.</source>
        <translation>%1 kan ikke bruges: %2.</translation>
    </message>
    <message>
        <source>it does not exist</source>
        <translation>den findes ikke</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>adgang nægtet</translation>
    </message>
    <message>
        <source>the file system is read-only</source>
        <translation>filsystemet er skrivebeskyttet</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>disken er fuld</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>det er en mappe</translation>
    </message>
    <message>
        <source>it is read-only</source>
        <translation>den er skrivebeskyttet</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>den er ikke en almindelig fil</translation>
    </message>
    <message>
        <source>it is not a regular file but a pipe or a device</source>
        <translation>den er ikke en almindelig fil, men en pipe eller en enhed</translation>
    </message>
    <message>
        <source>it is a symbolic link, and nothing is written through one</source>
        <translation>den er et symbolsk link, og der skrives intet gennem et sådant</translation>
    </message>
    <message>
        <source>it has other hard links, which would keep the old contents</source>
        <translation>den har andre hårde links, som ville beholde det gamle indhold</translation>
    </message>
    <message>
        <source>it was changed by another program meanwhile</source>
        <translation>den er blevet ændret af et andet program i mellemtiden</translation>
    </message>
    <message>
        <source>it is larger than %1, the most the program reads</source>
        <translation>den er større end %1, det meste programmet læser</translation>
    </message>
    <message>
        <source>its first line is longer than %1 characters</source>
        <translation>dens første linje er længere end %1 tegn</translation>
    </message>
    <message>
        <source>The folder %1 is not writable.</source>
        <translation>Mappen %1 er ikke skrivbar.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>Mappen %1 findes ikke.</translation>
    </message>
    <message>
        <source>The program folder %1 is not writable.</source>
        <translation>Programmappen %1 er ikke skrivbar.</translation>
    </message>
    <message>
        <source>The program folder %1 does not exist.</source>
        <translation>Programmappen %1 findes ikke.</translation>
    </message>
    <message>
        <source>The file is read-only.</source>
        <translation>Filen er skrivebeskyttet.</translation>
    </message>
    <message>
        <source>Nothing was done.</source>
        <translation>Intet blev gjort.</translation>
    </message>
    <message>
        <source>The key file %1 is not a regular file.</source>
        <translation>Nøglefilen %1 er ikke en almindelig fil.</translation>
    </message>
    <message>
        <source>The key file %1 has other hard links: its contents would survive under the other names.</source>
        <translation>Nøglefilen %1 har andre hårde links: dens indhold ville overleve under de andre navne.</translation>
    </message>
    <message>
        <source>The key file %1 is read-only.</source>
        <translation>Nøglefilen %1 er skrivebeskyttet.</translation>
    </message>
    <message>
        <source>The key file %1 was changed by another program meanwhile.</source>
        <translation>Nøglefilen %1 er blevet ændret af et andet program i mellemtiden.</translation>
    </message>
    <message>
        <source>The next change of the file finishes that.</source>
        <translation>Næste ændring af filen gør det færdigt.</translation>
    </message>
    <message>
        <source>Cannot overwrite the key file %1 (pass %2 of %3): %4. It is gone from its folder, but its old bytes were not all overwritten; the next command on it tries again.</source>
        <translation>Nøglefilen %1 kan ikke overskrives (gennemløb %2 af %3): %4. Den er væk fra sin mappe, men ikke alle dens gamle byte blev overskrevet; næste kommando på den prøver igen.</translation>
    </message>
    <message>
        <source>The key file was overwritten but could not be deleted: %1: %2.</source>
        <translation>Nøglefilen blev overskrevet, men kunne ikke slettes: %1: %2.</translation>
    </message>
    <message>
        <source>The key file was overwritten but could not be deleted: %1: %2. %3</source>
        <translation>Nøglefilen blev overskrevet, men kunne ikke slettes: %1: %2. %3</translation>
    </message>
    <message>
        <source>%1 was written, but the old contents it replaced could not be overwritten: %2.</source>
        <translation>%1 blev skrevet, men det gamle indhold, den erstattede, kunne ikke overskrives: %2.</translation>
    </message>
    <message>
        <source>%1 was written, but its folder %2 could not be flushed: %3.  The change may be lost if the computer stops now.</source>
        <translation>%1 blev skrevet, men dens mappe %2 kunne ikke skrives til disken: %3.  Ændringen kan gå tabt, hvis computeren stopper nu.</translation>
    </message>
    <message>
        <source>Another program has been changing the files in %1 for %2 seconds; nothing was changed.  Try again when it has finished.</source>
        <translation>Et andet program har ændret filerne i %1 i %2 sekunder; intet blev ændret.  Prøv igen, når det er færdigt.</translation>
    </message>
    <message>
        <source>There is not enough memory for this; nothing more was done.</source>
        <translation>Der er ikke hukommelse nok til dette; intet mere blev gjort.</translation>
    </message>
    <message>
        <source>The command stopped on an unexpected failure; nothing more was done.</source>
        <translation>Kommandoen stoppede på en uventet fejl; intet mere blev gjort.</translation>
    </message>
    <message>
        <source>Cancelled; nothing was changed.</source>
        <translation>Annulleret; intet blev ændret.</translation>
    </message>
    <message>
        <source>Standard input is not a terminal, so nobody can answer the question: pass %1 to go ahead.</source>
        <translation>Standardinput er ikke en terminal, så ingen kan svare på spørgsmålet: angiv %1 for at fortsætte.</translation>
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
        <translation>En ordudskiftningskode: hvert ord i en tekst bliver til et andet ord fra samme ordbog, valgt af en hemmelig nøgle. Begge parter skal have samme ordbogsfil og samme nøgle.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Færdig</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 2 or later. The dictionaries keep the licences of their word lists. Built with Qt %1.</source>
        <translation>Fri software under GNU General Public License, version 2 eller senere. Ordbøgerne beholder licenserne for deres ordlister. Bygget med Qt %1.</translation>
    </message>
    <message>
        <source>No dictionary is loaded.</source>
        <translation>Der er ikke indlæst nogen ordbog.</translation>
    </message>
    <message>
        <source>Fingerprint of %1:</source>
        <translation>Fingeraftryk for %1:</translation>
    </message>
    <message>
        <source>Both sides must see the same fingerprint before the first message</source>
        <translation>Begge parter skal se samme fingeraftryk før den første besked</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiér</translation>
    </message>
</context>
<context>
    <name>talvora::ui::FrmAdd</name>
    <message>
        <source>Add to Dictionary</source>
        <translation>Føj til ordbogen</translation>
    </message>
    <message>
        <source>Word to Add</source>
        <translation>Ord, der skal tilføjes</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Tilføj</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annullér</translation>
    </message>
</context>
<context>
    <name>talvora::ui::FrmBrowser</name>
    <message>
        <source>Dictionaries</source>
        <translation>Ordbøger</translation>
    </message>
    <message>
        <source>Key Management</source>
        <translation>Nøglehåndtering</translation>
    </message>
    <message>
        <source>Encoding and Decoding Data</source>
        <translation>Kodning og afkodning af data</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Help page not found&lt;/h2&gt;&lt;p&gt;The help page &lt;b&gt;%1&lt;/b&gt; is not in the program folder &lt;b&gt;%2&lt;/b&gt;, or it cannot be read.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Hjælpesiden blev ikke fundet&lt;/h2&gt;&lt;p&gt;Hjælpesiden &lt;b&gt;%1&lt;/b&gt; findes ikke i programmappen &lt;b&gt;%2&lt;/b&gt;, eller den kan ikke læses.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Web Message</source>
        <translation>Webmeddelelse</translation>
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
        <translation>En nøgle har højst 18 tegn; nøglefeltet beholdt %1.</translation>
    </message>
    <message>
        <source>Select Dictionary to Load</source>
        <translation>Vælg ordbog, der skal indlæses</translation>
    </message>
    <message>
        <source>Welcome.  Select Dictionary, define and process the Key.</source>
        <translation>Velkommen.  Vælg en ordbog, angiv nøglen, og behandl den.</translation>
    </message>
    <message>
        <source>There is no dictionary file for &quot;%1&quot;.</source>
        <translation>Der er ingen ordbogsfil for &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Loaded</source>
        <translation>Indlæst</translation>
    </message>
    <message>
        <source>Not processed</source>
        <translation>Ikke behandlet</translation>
    </message>
    <message>
        <source>Processed: %1 · %2</source>
        <translation>Behandlet: %1 · %2</translation>
    </message>
    <message>
        <source>unnamed key</source>
        <translation>unavngiven nøgle</translation>
    </message>
    <message>
        <source>%1 items in Dictionary</source>
        <translation>%1 poster i ordbogen</translation>
    </message>
    <message>
        <source>%1
Code page %2
Fingerprint %3</source>
        <translation>%1
Tegnsæt %2
Fingeraftryk %3</translation>
    </message>
    <message>
        <source>Showing the output...</source>
        <translation>Viser output...</translation>
    </message>
    <message>
        <source>&quot;%1&quot; does not look like a text file: it holds control characters or bytes that are not text.  Load it all the same?</source>
        <translation>&quot;%1&quot; ligner ikke en tekstfil: den indeholder styretegn eller byte, der ikke er tekst.  Indlæs den alligevel?</translation>
    </message>
    <message>
        <source>File Saved</source>
        <translation>Filen er gemt</translation>
    </message>
    <message>
        <source>The output box is empty: nothing was copied.</source>
        <translation>Outputfeltet er tomt: intet blev kopieret.</translation>
    </message>
    <message>
        <source>Copied %1.</source>
        <translation>Kopieret: %1.</translation>
    </message>
    <message>
        <source>The clipboard holds no text: the input box is unchanged.</source>
        <translation>Udklipsholderen indeholder ingen tekst: inputfeltet er uændret.</translation>
    </message>
    <message>
        <source>Pasted %1.</source>
        <translation>Indsat: %1.</translation>
    </message>
    <message>
        <source>The output box is empty: the input box is unchanged.</source>
        <translation>Outputfeltet er tomt: inputfeltet er uændret.</translation>
    </message>
    <message>
        <source>Moved %1 to the input box.</source>
        <translation>Flyttet til inputfeltet: %1.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprog</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Indlæs</translation>
    </message>
    <message>
        <source>Vie&amp;w</source>
        <translation>&amp;Vis</translation>
    </message>
    <message>
        <source>Sea&amp;rch</source>
        <translation>&amp;Søg</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Tilføj</translation>
    </message>
    <message>
        <source>Key Management</source>
        <translation>Nøglehåndtering</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Navn</translation>
    </message>
    <message>
        <source>&amp;Key</source>
        <translation>N&amp;øgle</translation>
    </message>
    <message>
        <source>&amp;Generate Key</source>
        <translation>&amp;Lav nøgle</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Gem</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>&amp;Fjern</translation>
    </message>
    <message>
        <source>&amp;Process</source>
        <translation>&amp;Behandl</translation>
    </message>
    <message>
        <source>Trans&amp;fer Keys</source>
        <translation>&amp;Overfør nøgler</translation>
    </message>
    <message>
        <source>Rest&amp;ore Keys</source>
        <translation>Gen&amp;dan nøgler</translation>
    </message>
    <message>
        <source>Delete Ke&amp;ys</source>
        <translation>Sl&amp;et nøgler</translation>
    </message>
    <message>
        <source>Input Text</source>
        <translation>Inputtekst</translation>
    </message>
    <message>
        <source>Get Te&amp;xt</source>
        <translation>&amp;Hent tekst</translation>
    </message>
    <message>
        <source>&amp;Encode</source>
        <translation>&amp;Kod</translation>
    </message>
    <message>
        <source>&amp;Decode</source>
        <translation>&amp;Afkod</translation>
    </message>
    <message>
        <source>Tidy</source>
        <translation>Ryd op</translation>
    </message>
    <message>
        <source>Pas&amp;te</source>
        <translation>Inds&amp;æt</translation>
    </message>
    <message>
        <source>Use as &amp;Input</source>
        <translation>Brug som in&amp;put</translation>
    </message>
    <message>
        <source>Output Text</source>
        <translation>Outputtekst</translation>
    </message>
    <message>
        <source>Sa&amp;ve</source>
        <translation>Ge&amp;m</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>Kopié&amp;r</translation>
    </message>
    <message>
        <source>Dress as sentences</source>
        <translation>Klæd som sætninger</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>H&amp;jælp</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Om</translation>
    </message>
    <message>
        <source>&amp;Dictionaries</source>
        <translation>&amp;Ordbøger</translation>
    </message>
    <message>
        <source>&amp;Key Management</source>
        <translation>&amp;Nøglehåndtering</translation>
    </message>
    <message>
        <source>&amp;Encoding and Decoding</source>
        <translation>&amp;Kodning og afkodning</translation>
    </message>
    <message>
        <source>Picking a language loads its dictionary</source>
        <translation>Valg af et sprog indlæser dets ordbog</translation>
    </message>
    <message>
        <source>Dictionary status</source>
        <translation>Ordbogens status</translation>
    </message>
    <message>
        <source>How many words the loaded dictionary holds</source>
        <translation>Hvor mange ord den indlæste ordbog indeholder</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Indlæs</translation>
    </message>
    <message>
        <source>Loads a dictionary file chosen in a file dialog</source>
        <translation>Indlæser en ordbogsfil valgt i en fildialog</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Vis</translation>
    </message>
    <message>
        <source>Lists every word of the loaded dictionary</source>
        <translation>Viser alle ord i den indlæste ordbog</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Søg</translation>
    </message>
    <message>
        <source>Finds the words that begin with a text</source>
        <translation>Finder de ord, der begynder med en tekst</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Tilføj</translation>
    </message>
    <message>
        <source>Appends a word to the loaded dictionary file</source>
        <translation>Føjer et ord til den indlæste ordbogsfil</translation>
    </message>
    <message>
        <source>Key name</source>
        <translation>Nøglenavn</translation>
    </message>
    <message>
        <source>Picking a stored name puts its key into the key box</source>
        <translation>Valg af et gemt navn sætter dets nøgle i nøglefeltet</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Nøgle</translation>
    </message>
    <message>
        <source>The key to process: at most 18 characters, as a rule the digits 1 to 9</source>
        <translation>Nøglen, der skal behandles: højst 18 tegn, som regel cifrene 1 til 9</translation>
    </message>
    <message>
        <source>Generate Key</source>
        <translation>Lav nøgle</translation>
    </message>
    <message>
        <source>Puts a new random key into the key box</source>
        <translation>Sætter en ny tilfældig nøgle i nøglefeltet</translation>
    </message>
    <message>
        <source>Save key</source>
        <translation>Gem nøgle</translation>
    </message>
    <message>
        <source>Stores the name and key in the key file</source>
        <translation>Gemmer navnet og nøglen i nøglefilen</translation>
    </message>
    <message>
        <source>Remove key</source>
        <translation>Fjern nøgle</translation>
    </message>
    <message>
        <source>Removes the named key from the key file</source>
        <translation>Fjerner den navngivne nøgle fra nøglefilen</translation>
    </message>
    <message>
        <source>Process</source>
        <translation>Behandl</translation>
    </message>
    <message>
        <source>Prepares the dictionary with the key; needed before Encode and Decode</source>
        <translation>Forbereder ordbogen med nøglen; nødvendigt før Kod og Afkod</translation>
    </message>
    <message>
        <source>Processed key</source>
        <translation>Behandlet nøgle</translation>
    </message>
    <message>
        <source>The key and dictionary that Encode and Decode use</source>
        <translation>Den nøgle og ordbog, som Kod og Afkod bruger</translation>
    </message>
    <message>
        <source>Transfer Keys</source>
        <translation>Overfør nøgler</translation>
    </message>
    <message>
        <source>Copies the key file to a folder you choose</source>
        <translation>Kopierer nøglefilen til en mappe, du vælger</translation>
    </message>
    <message>
        <source>Restore Keys</source>
        <translation>Gendan nøgler</translation>
    </message>
    <message>
        <source>Copies the key file back from a folder you choose</source>
        <translation>Kopierer nøglefilen tilbage fra en mappe, du vælger</translation>
    </message>
    <message>
        <source>Delete Keys</source>
        <translation>Slet nøgler</translation>
    </message>
    <message>
        <source>Overwrites and deletes the key file</source>
        <translation>Overskriver og sletter nøglefilen</translation>
    </message>
    <message>
        <source>Input text</source>
        <translation>Inputtekst</translation>
    </message>
    <message>
        <source>The text to encode or decode; a text file dropped here is read in</source>
        <translation>Teksten, der skal kodes eller afkodes; en tekstfil, der slippes her, indlæses</translation>
    </message>
    <message>
        <source>Get Text</source>
        <translation>Hent tekst</translation>
    </message>
    <message>
        <source>Reads a text file into the input box</source>
        <translation>Læser en tekstfil ind i inputfeltet</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Indsæt</translation>
    </message>
    <message>
        <source>Replaces the input with the text on the clipboard</source>
        <translation>Erstatter input med teksten i udklipsholderen</translation>
    </message>
    <message>
        <source>Use as Input</source>
        <translation>Brug som input</translation>
    </message>
    <message>
        <source>Moves the output into the input box</source>
        <translation>Flytter output til inputfeltet</translation>
    </message>
    <message>
        <source>Changes the words the dictionary lacks into words it holds</source>
        <translation>Ændrer de ord, som ordbogen mangler, til ord, den indeholder</translation>
    </message>
    <message>
        <source>Encode</source>
        <translation>Kod</translation>
    </message>
    <message>
        <source>Encodes the input into the output box</source>
        <translation>Koder input til outputfeltet</translation>
    </message>
    <message>
        <source>Decode</source>
        <translation>Afkod</translation>
    </message>
    <message>
        <source>Decodes the input into the output box</source>
        <translation>Afkoder input til outputfeltet</translation>
    </message>
    <message>
        <source>Output text</source>
        <translation>Outputtekst</translation>
    </message>
    <message>
        <source>The result of Encode or Decode</source>
        <translation>Resultatet af Kod eller Afkod</translation>
    </message>
    <message>
        <source>Encode writes the words as sentences; they decode exactly as before</source>
        <translation>Kod skriver ordene som sætninger; de afkodes præcis som før</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiér</translation>
    </message>
    <message>
        <source>Copies the whole output to the clipboard</source>
        <translation>Kopierer hele output til udklipsholderen</translation>
    </message>
    <message>
        <source>Save output</source>
        <translation>Gem output</translation>
    </message>
    <message>
        <source>Writes the output to a text file</source>
        <translation>Skriver output til en tekstfil</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>What the last command did</source>
        <translation>Hvad den sidste kommando gjorde</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fremskridt</translation>
    </message>
    <message>
        <source>How far a long command has come</source>
        <translation>Hvor langt en lang kommando er nået</translation>
    </message>
    <message>
        <source>Tidy (Ctrl+T): makes the text encodable, changing only words the dictionary lacks.
Quotes, apostrophes, dashes, tabs, joined words, digits, abbreviations and missing accents become dictionary words;
words still unknown are listed with suggestions.</source>
        <translation>Ryd op (Ctrl+T): gør teksten kodbar og ændrer kun ord, som ordbogen mangler.
Anførselstegn, apostroffer, tankestreger, tabulatorer, sammenskrevne ord, cifre, forkortelser og manglende accenter bliver til ord i ordbogen;
ord, der stadig er ukendte, vises med forslag.</translation>
    </message>
</context>
<context>
    <name>talvora::ui::FrmPathSelect</name>
    <message>
        <source>&amp;Set</source>
        <translation>&amp;Vælg</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annullér</translation>
    </message>
    <message>
        <source>Open a folder with a double click or Enter, go up with Backspace; &quot;Set&quot; takes the open folder.</source>
        <translation>Åbn en mappe med dobbeltklik eller Enter, gå et niveau op med Tilbage; &quot;Vælg&quot; tager den åbne mappe.</translation>
    </message>
    <message>
        <source>Select Path to Transfer Key File To</source>
        <translation>Vælg mappen, som nøglefilen skal overføres til</translation>
    </message>
    <message>
        <source>Select Path to Restore Key File From</source>
        <translation>Vælg mappen, som nøglefilen skal gendannes fra</translation>
    </message>
</context>
<context>
    <name>talvora::ui::FrmSearch</name>
    <message>
        <source>Search Dictionary</source>
        <translation>Søg i ordbogen</translation>
    </message>
    <message>
        <source>Search string</source>
        <translation>Søgetekst</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Søg</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Færdig</translation>
    </message>
    <message>
        <source>Words found</source>
        <translation>Fundne ord</translation>
    </message>
    <message>
        <source>The words that begin with the search text, in file order</source>
        <translation>De ord, der begynder med søgeteksten, i filens rækkefølge</translation>
    </message>
    <message>
        <source>The beginning of the words to find; letter case does not matter</source>
        <translation>Begyndelsen af de ord, der skal findes; store og små bogstaver er ligegyldige</translation>
    </message>
    <message>
        <source>Search result</source>
        <translation>Søgeresultat</translation>
    </message>
    <message>
        <source>No word begins with %1.</source>
        <translation>Intet ord begynder med %1.</translation>
    </message>
    <message>
        <source>1 word begins with %1.</source>
        <translation>1 ord begynder med %1.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln words begin with %1.</source>
        <translation>
            <numerusform>%Ln ord begynder med %1.</numerusform>
            <numerusform>%Ln ord begynder med %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>talvora::ui::FrmUnknown</name>
    <message>
        <source>Words Not in the Dictionary</source>
        <translation>Ord, der ikke står i ordbogen</translation>
    </message>
    <message>
        <source>The text was not encoded: these words are not in the dictionary.  Double-click a suggestion to put it in place of the word, press Tidy to have the text tidied, or add the word to the dictionary.</source>
        <translation>Teksten blev ikke kodet: disse ord står ikke i ordbogen.  Dobbeltklik på et forslag for at sætte det i ordets sted, tryk på Ryd op for at få teksten ryddet op, eller føj ordet til ordbogen.</translation>
    </message>
    <message>
        <source>These words are not in the dictionary.  Double-click a suggestion to put it in place of the word, or add the word to the dictionary.</source>
        <translation>Disse ord står ikke i ordbogen.  Dobbeltklik på et forslag for at sætte det i ordets sted, eller føj ordet til ordbogen.</translation>
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
        <translation>(intet forslag)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Luk</translation>
    </message>
    <message>
        <source>Tidy</source>
        <translation>Ryd op</translation>
    </message>
    <message>
        <source>Tidy made these changes.  Press Enter or double-click on one to take it back.</source>
        <translation>Ryd op lavede disse ændringer.  Tryk på Enter, eller dobbeltklik på en af dem for at tage den tilbage.</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Ændring</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Linje</translation>
    </message>
    <message>
        <source>Spell out</source>
        <translation>Stav</translation>
    </message>
    <message>
        <source>Writes the selected word letter by letter, as a name the dictionary lacks can be sent</source>
        <translation>Skriver det valgte ord bogstav for bogstav, sådan som et navn, ordbogen mangler, kan sendes</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Tilføj</translation>
    </message>
    <message>
        <source>Adds the selected word to the dictionary file</source>
        <translation>Føjer det valgte ord til ordbogsfilen</translation>
    </message>
    <message>
        <source>%1 (added)</source>
        <translation>%1 (tilføjet)</translation>
    </message>
</context>
<context>
    <name>talvora::ui::FrmView</name>
    <message>
        <source>View Dictionary</source>
        <translation>Vis ordbogen</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Færdig</translation>
    </message>
    <message>
        <source>Dictionary words</source>
        <translation>Ordbogens ord</translation>
    </message>
    <message>
        <source>Every word of the dictionary, in file order</source>
        <translation>Alle ord i ordbogen, i filens rækkefølge</translation>
    </message>
</context>
<context>
    <name>talvora::ui::LanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Sprog</translation>
    </message>
</context>
</TS>
