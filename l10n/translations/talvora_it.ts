<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>MessageBox</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sì</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Key has not been defined.  Either Select a Key, define a Key or generate one.</source>
        <translation>La chiave non è definita.  Selezionare una chiave, digitarne una o generarne una.</translation>
    </message>
    <message>
        <source>Cannot this this until you have loaded a Dictionary.</source>
        <translation>Non è possibile finché non è stato caricato un dizionario.</translation>
    </message>
    <message>
        <source>This key cannot be used.  Use a key made of the digits 1 to 9, or generate one.</source>
        <translation>Questa chiave non è utilizzabile.  Usare una chiave composta dalle cifre da 1 a 9, oppure generarne una.</translation>
    </message>
    <message>
        <source>Missing Input Text error.</source>
        <translation>Manca il testo di input.</translation>
    </message>
    <message>
        <source>Dictionary not loaded.  Please select a dictionary.</source>
        <translation>Nessun dizionario caricato.  Selezionare un dizionario.</translation>
    </message>
    <message>
        <source>You must first define the key to use and Process the key before you can proceed.</source>
        <translation>Prima di procedere occorre definire la chiave da usare ed elaborarla.</translation>
    </message>
    <message>
        <source>Creating Keyspace...</source>
        <translation>Creazione dello spazio delle chiavi...</translation>
    </message>
    <message>
        <source>Dictionary is ready for cryption.</source>
        <translation>Il dizionario è pronto per la cifratura.</translation>
    </message>
    <message>
        <source>Parsing Text...</source>
        <translation>Analisi del testo...</translation>
    </message>
    <message>
        <source>Checking with Dictionary...</source>
        <translation>Confronto con il dizionario...</translation>
    </message>
    <message>
        <source>Encoding...</source>
        <translation>Codifica...</translation>
    </message>
    <message>
        <source>Decoding...</source>
        <translation>Decodifica...</translation>
    </message>
    <message>
        <source>Cannot find the word &apos;%1&apos;.  Either it is a misspelling, or needs to be added to the dictionary.</source>
        <translation>Impossibile trovare la parola &apos;%1&apos;.  O è scritta male, o va aggiunta al dizionario.</translation>
    </message>
    <message>
        <source>1 word was not found in the dictionary: %1.</source>
        <translation>1 parola non è stata trovata nel dizionario: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n words were not found in the dictionary: %1.</source>
        <translation>
            <numerusform>%n parola non è stata trovata nel dizionario: %1.</numerusform>
            <numerusform>%n parole non sono state trovate nel dizionario: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n times)</source>
        <translation>
            <numerusform>%1 (%n volta)</numerusform>
            <numerusform>%1 (%n volte)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n more</source>
        <translation>
            <numerusform>%1 e %n altra</numerusform>
            <numerusform>%1 e altre %n</numerusform>
        </translation>
    </message>
    <message>
        <source>This encoded text will not decode back to your words with the same dictionary and key.</source>
        <translation>Questo testo codificato non tornerà alle vostre parole con lo stesso dizionario e la stessa chiave.</translation>
    </message>
    <message>
        <source>This encoded text will not decode back to your words with the same dictionary and key.  Dictionary entries at fault: %1.  Correct the dictionary on both sides before sending this text.</source>
        <translation>Questo testo codificato non tornerà alle vostre parole con lo stesso dizionario e la stessa chiave.  Voci del dizionario difettose: %1.  Correggere il dizionario da entrambe le parti prima di inviare questo testo.</translation>
    </message>
    <message>
        <source>The program folder lacks %1, which Tidy needs to split joined words: they stay as typed.</source>
        <translation>Nella cartella del programma manca %1, che Riordina usa per separare le parole unite: restano come sono state scritte.</translation>
    </message>
    <message>
        <source>line %1 (empty)</source>
        <translation>riga %1 (vuota)</translation>
    </message>
    <message>
        <source>line %1 %2</source>
        <translation>riga %1 %2</translation>
    </message>
    <message>
        <source>line %1 %2 (holds a blank, line break or punctuation)</source>
        <translation>riga %1 %2 (contiene uno spazio, un a capo o un segno di punteggiatura)</translation>
    </message>
    <message>
        <source>line %1 %2 (also on line %3)</source>
        <translation>riga %1 %2 (anche alla riga %3)</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>e %n altra</numerusform>
            <numerusform>e altre %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Missing Data.  Enter a Name and a Key or generate one.</source>
        <translation>Dati mancanti.  Inserire un nome e una chiave, oppure generarne una.</translation>
    </message>
    <message>
        <source>Key cannot contain a zero.  Change the zero to numeric digit.</source>
        <translation>La chiave non può contenere uno zero.  Sostituire lo zero con un&apos;altra cifra.</translation>
    </message>
    <message>
        <source>Key Saved</source>
        <translation>Chiave salvata</translation>
    </message>
    <message>
        <source>Remove Confirm</source>
        <translation>Conferma rimozione</translation>
    </message>
    <message>
        <source>Are you sure you want to remove the Key %1?</source>
        <translation>Rimuovere davvero la chiave %1?</translation>
    </message>
    <message>
        <source>Key Delete Confirm</source>
        <translation>Conferma eliminazione del file delle chiavi</translation>
    </message>
    <message>
        <source>Please make certain that you transfer the key file before deleting it.  Are you sure you want to delete the Key File?</source>
        <translation>Assicurarsi di trasferire il file delle chiavi prima di eliminarlo.  Eliminare davvero il file delle chiavi?</translation>
    </message>
    <message>
        <source>Keys Transferred.</source>
        <translation>Chiavi trasferite.</translation>
    </message>
    <message>
        <source>Keys Restored.</source>
        <translation>Chiavi ripristinate.</translation>
    </message>
    <message>
        <source>Key File is deleted.  No Cryptions are now possible.</source>
        <translation>Il file delle chiavi è stato eliminato.  Non è più possibile cifrare né decifrare.</translation>
    </message>
    <message>
        <source>A key name cannot hold a control character (a line break, a tab or an escape).  Type the name without it.</source>
        <translation>Il nome di una chiave non può contenere un carattere di controllo (a capo, tabulazione o escape).  Digitare il nome senza di esso.</translation>
    </message>
    <message>
        <source>Save Confirm</source>
        <translation>Conferma salvataggio</translation>
    </message>
    <message>
        <source>A key named %1 is stored. Replace its key?</source>
        <translation>È salvata una chiave di nome %1. Sostituirne la chiave?</translation>
    </message>
    <message>
        <source>Transfer Confirm</source>
        <translation>Conferma trasferimento</translation>
    </message>
    <message>
        <source>The chosen folder holds a key file, %1, that differs from the one here.  Replace it?</source>
        <translation>La cartella scelta contiene un file delle chiavi, %1, diverso da quello di qui.  Sostituirlo?</translation>
    </message>
    <message>
        <source>No key named %1 is stored.</source>
        <translation>Nessuna chiave di nome %1 è salvata.</translation>
    </message>
    <message>
        <source>No key is stored under the name %1.</source>
        <translation>Nessuna chiave è salvata con il nome %1.</translation>
    </message>
    <message>
        <source>A key has at most 18 characters; this one has %1.  Nothing was stored.</source>
        <translation>Una chiave ha al massimo 18 caratteri; questa ne ha %1.  Non è stato salvato nulla.</translation>
    </message>
    <message>
        <source>Restore Confirm</source>
        <translation>Conferma ripristino</translation>
    </message>
    <message>
        <source>Restoring the key file of the chosen folder loses or changes 1 key stored now:
%1Restore anyway?</source>
        <translation>Ripristinare il file delle chiavi della cartella scelta fa perdere o cambia 1 chiave salvata ora:
%1Ripristinare comunque?</translation>
    </message>
    <message numerus="yes">
        <source>Restoring the key file of the chosen folder loses or changes %n keys stored now:
%1Restore anyway?</source>
        <translation>
            <numerusform>Ripristinare il file delle chiavi della cartella scelta fa perdere o cambia %n chiave salvata ora:
%1Ripristinare comunque?</numerusform>
            <numerusform>Ripristinare il file delle chiavi della cartella scelta fa perdere o cambia %n chiavi salvate ora:
%1Ripristinare comunque?</numerusform>
        </translation>
    </message>
    <message>
        <source>- %1 (another key)</source>
        <translation>- %1 (un&apos;altra chiave)</translation>
    </message>
    <message>
        <source>- %1 (lost)</source>
        <translation>- %1 (persa)</translation>
    </message>
    <message numerus="yes">
        <source>and %n more.</source>
        <translation>
            <numerusform>e %n altra.</numerusform>
            <numerusform>e altre %n.</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot transfer the key file: the folder %1 does not exist.</source>
        <translation>Impossibile trasferire il file delle chiavi: la cartella %1 non esiste.</translation>
    </message>
    <message>
        <source>Cannot transfer the key file to %1: it is the program folder, the file would be copied onto itself.</source>
        <translation>Impossibile trasferire il file delle chiavi in %1: è la cartella del programma, il file verrebbe copiato su se stesso.</translation>
    </message>
    <message>
        <source>There is no key file to transfer: %1 does not exist.</source>
        <translation>Nessun file delle chiavi da trasferire: %1 non esiste.</translation>
    </message>
    <message>
        <source>Cannot restore the key file: the folder %1 does not exist.</source>
        <translation>Impossibile ripristinare il file delle chiavi: la cartella %1 non esiste.</translation>
    </message>
    <message>
        <source>Cannot restore the key file from %1: it is the program folder itself, there is nothing to restore.</source>
        <translation>Impossibile ripristinare il file delle chiavi da %1: è la cartella stessa del programma, non c&apos;è nulla da ripristinare.</translation>
    </message>
    <message>
        <source>There is no key file to restore in %1; the key file was not changed.</source>
        <translation>Nessun file delle chiavi da ripristinare in %1; il file delle chiavi non è stato modificato.</translation>
    </message>
    <message>
        <source>Cannot draw random numbers from the operating system: %1.</source>
        <translation>Impossibile ottenere numeri casuali dal sistema operativo: %1.</translation>
    </message>
    <message>
        <source>Cannot load the dictionary %1: %2.</source>
        <translation>Impossibile caricare il dizionario %1: %2.</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>il file è vuoto</translation>
    </message>
    <message>
        <source>it has more than 655000 lines</source>
        <translation>ha più di 655000 righe</translation>
    </message>
    <message>
        <source>line %1 holds the byte %2, which the code page %3 leaves unassigned</source>
        <translation>la riga %1 contiene il byte %2, che la codepage %3 non assegna</translation>
    </message>
    <message>
        <source>No Word defined to Add</source>
        <translation>Nessuna parola da aggiungere</translation>
    </message>
    <message>
        <source>That word is already in the dictionary.</source>
        <translation>Questa parola è già nel dizionario.</translation>
    </message>
    <message>
        <source>%1 Added.</source>
        <translation>%1 aggiunta.</translation>
    </message>
    <message>
        <source>A word cannot hold a line break: it would become two lines of the dictionary.  Nothing was added.</source>
        <translation>Una parola non può contenere un a capo: diventerebbe due righe del dizionario.  Non è stato aggiunto nulla.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be a word of the dictionary: %2, so it could never be encoded.  Nothing was added.</source>
        <translation>&quot;%1&quot; non può essere una parola del dizionario: %2, quindi non potrebbe mai essere codificata.  Non è stato aggiunto nulla.</translation>
    </message>
    <message>
        <source>it holds a blank, and a text is cut into words at every blank</source>
        <translation>contiene uno spazio, e un testo viene diviso in parole a ogni spazio</translation>
    </message>
    <message>
        <source>it holds &quot;%1&quot;, which is dropped from every text</source>
        <translation>contiene &quot;%1&quot;, che viene tolto da ogni testo</translation>
    </message>
    <message>
        <source>Cannot add the word: %1</source>
        <translation>Impossibile aggiungere la parola: %1</translation>
    </message>
    <message>
        <source>The code page &quot;%1&quot; is not known.</source>
        <translation>La codepage &quot;%1&quot; non è nota.</translation>
    </message>
    <message>
        <source>The code page &quot;%1&quot; is not a single-byte code page.</source>
        <translation>La codepage &quot;%1&quot; non è una codepage a un byte.</translation>
    </message>
    <message>
        <source>The code page &quot;%1&quot; reads the bytes %2 as the same character, so a text would not read back as it was written.</source>
        <translation>La codepage &quot;%1&quot; legge i byte %2 come lo stesso carattere, quindi un testo non si rileggerebbe come è stato scritto.</translation>
    </message>
    <message>
        <source>The character %1 cannot be written in the code page %2.</source>
        <translation>Il carattere %1 non può essere scritto nella codepage %2.</translation>
    </message>
    <message>
        <source>The environment variable %1 cannot be used: %2 It accepts a single-byte code page whose 256 bytes read as 256 different characters, such as %3</source>
        <translation>La variabile d&apos;ambiente %1 non è utilizzabile: %2 Accetta una codepage a un byte i cui 256 byte si leggono come 256 caratteri diversi, ad esempio %3</translation>
    </message>
    <message>
        <source>Cannot read %1: %2.</source>
        <translation>Impossibile leggere %1: %2.</translation>
    </message>
    <message>
        <source>Cannot read %1: %2. %3</source>
        <translation>Impossibile leggere %1: %2. %3</translation>
    </message>
    <message>
        <source>Cannot write %1: %2.</source>
        <translation>Impossibile scrivere %1: %2.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2. %3</source>
        <translation>Impossibile scrivere %1: %2. %3</translation>
    </message>
    <message>
        <source>Cannot read the key file %1: %2.</source>
        <translation>Impossibile leggere il file delle chiavi %1: %2.</translation>
    </message>
    <message>
        <source>Cannot write the key file %1: %2.</source>
        <translation>Impossibile scrivere il file delle chiavi %1: %2.</translation>
    </message>
    <message>
        <source>Cannot write the key file %1: %2. %3</source>
        <translation>Impossibile scrivere il file delle chiavi %1: %2. %3</translation>
    </message>
    <message>
        <source>Cannot read the status of %1: %2.</source>
        <translation>Impossibile leggere lo stato di %1: %2.</translation>
    </message>
    <message>
        <source>Cannot lock the folder %1: %2.</source>
        <translation>Impossibile bloccare la cartella %1: %2.</translation>
    </message>
    <message>
        <source>Cannot lock the folder %1: %2. %3</source>
        <translation>Impossibile bloccare la cartella %1: %2. %3</translation>
    </message>
    <message>
        <source>Cannot add to %1: %2.</source>
        <translation>Impossibile aggiungere a %1: %2.</translation>
    </message>
    <message>
        <source>Cannot look for unfinished work in the folder %1: %2.</source>
        <translation>Impossibile cercare lavoro incompiuto nella cartella %1: %2.</translation>
    </message>
    <message>
        <source>Cannot delete the key file %1: %2.</source>
        <translation>Impossibile eliminare il file delle chiavi %1: %2.</translation>
    </message>
    <message>
        <source>Cannot delete the key file %1: %2. %3</source>
        <translation>Impossibile eliminare il file delle chiavi %1: %2. %3</translation>
    </message>
    <message>
        <source>Cannot use %1: %2.</source>
        <translation>Impossibile usare %1: %2.</translation>
    </message>
    <message>
        <source>it does not exist</source>
        <translation>non esiste</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>permesso negato</translation>
    </message>
    <message>
        <source>the file system is read-only</source>
        <translation>il file system è di sola lettura</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>il disco è pieno</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>è una cartella</translation>
    </message>
    <message>
        <source>it is read-only</source>
        <translation>è di sola lettura</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>non è un file normale</translation>
    </message>
    <message>
        <source>it is not a regular file but a pipe or a device</source>
        <translation>non è un file normale ma una pipe o un dispositivo</translation>
    </message>
    <message>
        <source>it is a symbolic link, and nothing is written through one</source>
        <translation>è un collegamento simbolico, e attraverso un collegamento non si scrive nulla</translation>
    </message>
    <message>
        <source>it has other hard links, which would keep the old contents</source>
        <translation>ha altri collegamenti fisici, che manterrebbero il vecchio contenuto</translation>
    </message>
    <message>
        <source>it was changed by another program meanwhile</source>
        <translation>è stato modificato nel frattempo da un altro programma</translation>
    </message>
    <message>
        <source>it is larger than %1, the most the program reads</source>
        <translation>è più grande di %1, il massimo che il programma legge</translation>
    </message>
    <message>
        <source>its first line is longer than %1 characters</source>
        <translation>la sua prima riga supera %1 caratteri</translation>
    </message>
    <message>
        <source>The folder %1 is not writable.</source>
        <translation>La cartella %1 non è scrivibile.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>La cartella %1 non esiste.</translation>
    </message>
    <message>
        <source>The program folder %1 is not writable.</source>
        <translation>La cartella del programma %1 non è scrivibile.</translation>
    </message>
    <message>
        <source>The program folder %1 does not exist.</source>
        <translation>La cartella del programma %1 non esiste.</translation>
    </message>
    <message>
        <source>The file is read-only.</source>
        <translation>Il file è di sola lettura.</translation>
    </message>
    <message>
        <source>Nothing was done.</source>
        <translation>Non è stato fatto nulla.</translation>
    </message>
    <message>
        <source>The key file %1 is not a regular file.</source>
        <translation>Il file delle chiavi %1 non è un file normale.</translation>
    </message>
    <message>
        <source>The key file %1 has other hard links: its contents would survive under the other names.</source>
        <translation>Il file delle chiavi %1 ha altri collegamenti fisici: il suo contenuto sopravvivrebbe con gli altri nomi.</translation>
    </message>
    <message>
        <source>The key file %1 is read-only.</source>
        <translation>Il file delle chiavi %1 è di sola lettura.</translation>
    </message>
    <message>
        <source>The key file %1 was changed by another program meanwhile.</source>
        <translation>Il file delle chiavi %1 è stato modificato nel frattempo da un altro programma.</translation>
    </message>
    <message>
        <source>The next change of the file finishes that.</source>
        <translation>La prossima modifica del file lo completerà.</translation>
    </message>
    <message>
        <source>Cannot overwrite the key file %1 (pass %2 of %3): %4. It is gone from its folder, but its old bytes were not all overwritten; the next command on it tries again.</source>
        <translation>Impossibile sovrascrivere il file delle chiavi %1 (passata %2 di %3): %4. Non è più nella sua cartella, ma non tutti i suoi vecchi byte sono stati sovrascritti; il prossimo comando su di esso riproverà.</translation>
    </message>
    <message>
        <source>The key file was overwritten but could not be deleted: %1: %2.</source>
        <translation>Il file delle chiavi è stato sovrascritto ma non è stato possibile eliminarlo: %1: %2.</translation>
    </message>
    <message>
        <source>The key file was overwritten but could not be deleted: %1: %2. %3</source>
        <translation>Il file delle chiavi è stato sovrascritto ma non è stato possibile eliminarlo: %1: %2. %3</translation>
    </message>
    <message>
        <source>%1 was written, but the old contents it replaced could not be overwritten: %2.</source>
        <translation>%1 è stato scritto, ma non è stato possibile sovrascrivere il vecchio contenuto che ha sostituito: %2.</translation>
    </message>
    <message>
        <source>%1 was written, but its folder %2 could not be flushed: %3.  The change may be lost if the computer stops now.</source>
        <translation>%1 è stato scritto, ma non è stato possibile scaricare su disco la sua cartella %2: %3.  La modifica può andare persa se il computer si ferma ora.</translation>
    </message>
    <message>
        <source>Another program has been changing the files in %1 for %2 seconds; nothing was changed.  Try again when it has finished.</source>
        <translation>Un altro programma sta modificando i file in %1 da %2 secondi; non è stato cambiato nulla.  Riprovare quando avrà finito.</translation>
    </message>
    <message>
        <source>There is not enough memory for this; nothing more was done.</source>
        <translation>Memoria insufficiente per questa operazione; non è stato fatto altro.</translation>
    </message>
    <message>
        <source>The command stopped on an unexpected failure; nothing more was done.</source>
        <translation>Il comando si è fermato per un errore imprevisto; non è stato fatto altro.</translation>
    </message>
    <message>
        <source>Cancelled; nothing was changed.</source>
        <translation>Annullato; non è stato cambiato nulla.</translation>
    </message>
    <message>
        <source>Standard input is not a terminal, so nobody can answer the question: pass %1 to go ahead.</source>
        <translation>L&apos;input standard non è un terminale, quindi nessuno può rispondere alla domanda: passare %1 per procedere.</translation>
    </message>
</context>
<context>
    <name>talvora::ui::FrmAbout</name>
    <message>
        <source>About Talvora</source>
        <translation>Informazioni su Talvora</translation>
    </message>
    <message>
        <source>A word-substitution code: each word of a text becomes another word of the same dictionary, chosen by a secret key. Both sides need the same dictionary file and the same key.</source>
        <translation>Un codice a sostituzione di parole: ogni parola di un testo diventa un&apos;altra parola dello stesso dizionario, scelta da una chiave segreta. Entrambe le parti hanno bisogno dello stesso file di dizionario e della stessa chiave.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fatto</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versione %1</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 2 or later. The dictionaries keep the licences of their word lists. Built with Qt %1.</source>
        <translation>Software libero sotto la GNU General Public License, versione 2 o successiva. I dizionari mantengono le licenze dei loro elenchi di parole. Compilato con Qt %1.</translation>
    </message>
    <message>
        <source>No dictionary is loaded.</source>
        <translation>Nessun dizionario caricato.</translation>
    </message>
    <message>
        <source>Fingerprint of %1:</source>
        <translation>Impronta di %1:</translation>
    </message>
    <message>
        <source>Both sides must see the same fingerprint before the first message</source>
        <translation>Entrambe le parti devono vedere la stessa impronta prima del primo messaggio</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
</context>
<context>
    <name>talvora::ui::FrmAdd</name>
    <message>
        <source>Add to Dictionary</source>
        <translation>Aggiungi al dizionario</translation>
    </message>
    <message>
        <source>Word to Add</source>
        <translation>Parola da aggiungere</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>talvora::ui::FrmBrowser</name>
    <message>
        <source>Dictionaries</source>
        <translation>Dizionari</translation>
    </message>
    <message>
        <source>Key Management</source>
        <translation>Gestione delle chiavi</translation>
    </message>
    <message>
        <source>Encoding and Decoding Data</source>
        <translation>Codifica e decodifica dei dati</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Help page not found&lt;/h2&gt;&lt;p&gt;The help page &lt;b&gt;%1&lt;/b&gt; is not in the program folder &lt;b&gt;%2&lt;/b&gt;, or it cannot be read.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Pagina della guida non trovata&lt;/h2&gt;&lt;p&gt;La pagina della guida &lt;b&gt;%1&lt;/b&gt; non è nella cartella del programma &lt;b&gt;%2&lt;/b&gt;, oppure non può essere letta.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Web Message</source>
        <translation>Messaggio web</translation>
    </message>
</context>
<context>
    <name>talvora::ui::FrmMain</name>
    <message>
        <source>1 word</source>
        <translation>1 parola</translation>
    </message>
    <message numerus="yes">
        <source>%Ln words</source>
        <translation>
            <numerusform>%Ln parola</numerusform>
            <numerusform>%Ln parole</numerusform>
        </translation>
    </message>
    <message>
        <source>A key holds at most 18 characters; the key box kept %1.</source>
        <translation>Una chiave ha al massimo 18 caratteri; la casella della chiave ha tenuto %1.</translation>
    </message>
    <message>
        <source>Select Dictionary to Load</source>
        <translation>Selezionare il dizionario da caricare</translation>
    </message>
    <message>
        <source>Welcome.  Select Dictionary, define and process the Key.</source>
        <translation>Benvenuti.  Selezionare un dizionario, definire la chiave ed elaborarla.</translation>
    </message>
    <message>
        <source>There is no dictionary file for &quot;%1&quot;.</source>
        <translation>Non esiste un file di dizionario per &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Loaded</source>
        <translation>Caricato</translation>
    </message>
    <message>
        <source>Not processed</source>
        <translation>Non elaborata</translation>
    </message>
    <message>
        <source>Processed: %1 · %2</source>
        <translation>Elaborata: %1 · %2</translation>
    </message>
    <message>
        <source>unnamed key</source>
        <translation>chiave senza nome</translation>
    </message>
    <message>
        <source>%1 items in Dictionary</source>
        <translation>%1 voci nel dizionario</translation>
    </message>
    <message>
        <source>%1
Code page %2
Fingerprint %3</source>
        <translation>%1
Codepage %2
Impronta %3</translation>
    </message>
    <message>
        <source>Showing the output...</source>
        <translation>Visualizzazione dell&apos;output...</translation>
    </message>
    <message>
        <source>&quot;%1&quot; does not look like a text file: it holds control characters or bytes that are not text.  Load it all the same?</source>
        <translation>&quot;%1&quot; non sembra un file di testo: contiene caratteri di controllo o byte che non sono testo.  Caricarlo comunque?</translation>
    </message>
    <message>
        <source>File Saved</source>
        <translation>File salvato</translation>
    </message>
    <message>
        <source>The output box is empty: nothing was copied.</source>
        <translation>La casella di output è vuota: non è stato copiato nulla.</translation>
    </message>
    <message>
        <source>Copied %1.</source>
        <translation>Copiato: %1.</translation>
    </message>
    <message>
        <source>The clipboard holds no text: the input box is unchanged.</source>
        <translation>Gli appunti non contengono testo: la casella di input è invariata.</translation>
    </message>
    <message>
        <source>Pasted %1.</source>
        <translation>Incollato: %1.</translation>
    </message>
    <message>
        <source>The output box is empty: the input box is unchanged.</source>
        <translation>La casella di output è vuota: la casella di input è invariata.</translation>
    </message>
    <message>
        <source>Moved %1 to the input box.</source>
        <translation>Spostato nella casella di input: %1.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Carica</translation>
    </message>
    <message>
        <source>Vie&amp;w</source>
        <translation>&amp;Visualizza</translation>
    </message>
    <message>
        <source>Sea&amp;rch</source>
        <translation>Ce&amp;rca</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>A&amp;ggiungi</translation>
    </message>
    <message>
        <source>Key Management</source>
        <translation>Gestione delle chiavi</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Nome</translation>
    </message>
    <message>
        <source>&amp;Key</source>
        <translation>C&amp;hiave</translation>
    </message>
    <message>
        <source>&amp;Generate Key</source>
        <translation>Genera c&amp;hiave</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>Ri&amp;muovi</translation>
    </message>
    <message>
        <source>&amp;Process</source>
        <translation>&amp;Elabora</translation>
    </message>
    <message>
        <source>Trans&amp;fer Keys</source>
        <translation>&amp;Trasferisci chiavi</translation>
    </message>
    <message>
        <source>Rest&amp;ore Keys</source>
        <translation>Ripristina c&amp;hiavi</translation>
    </message>
    <message>
        <source>Delete Ke&amp;ys</source>
        <translation>Eli&amp;mina chiavi</translation>
    </message>
    <message>
        <source>Input Text</source>
        <translation>Testo di input</translation>
    </message>
    <message>
        <source>Get Te&amp;xt</source>
        <translation>Apri te&amp;sto</translation>
    </message>
    <message>
        <source>&amp;Encode</source>
        <translation>C&amp;odifica</translation>
    </message>
    <message>
        <source>&amp;Decode</source>
        <translation>&amp;Decodifica</translation>
    </message>
    <message>
        <source>Tidy</source>
        <translation>Riordina</translation>
    </message>
    <message>
        <source>Pas&amp;te</source>
        <translation>&amp;Incolla</translation>
    </message>
    <message>
        <source>Use as &amp;Input</source>
        <translation>Usa come &amp;input</translation>
    </message>
    <message>
        <source>Output Text</source>
        <translation>Testo di output</translation>
    </message>
    <message>
        <source>Sa&amp;ve</source>
        <translation>Sal&amp;va</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>Co&amp;pia</translation>
    </message>
    <message>
        <source>Dress as sentences</source>
        <translation>Vesti come frasi</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Guida</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Informazioni</translation>
    </message>
    <message>
        <source>&amp;Dictionaries</source>
        <translation>&amp;Dizionari</translation>
    </message>
    <message>
        <source>&amp;Key Management</source>
        <translation>Gestione delle &amp;chiavi</translation>
    </message>
    <message>
        <source>&amp;Encoding and Decoding</source>
        <translation>Codifica e dec&amp;odifica</translation>
    </message>
    <message>
        <source>Picking a language loads its dictionary</source>
        <translation>Scegliere una lingua carica il suo dizionario</translation>
    </message>
    <message>
        <source>Dictionary status</source>
        <translation>Stato del dizionario</translation>
    </message>
    <message>
        <source>How many words the loaded dictionary holds</source>
        <translation>Quante parole contiene il dizionario caricato</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Carica</translation>
    </message>
    <message>
        <source>Loads a dictionary file chosen in a file dialog</source>
        <translation>Carica un file di dizionario scelto in una finestra di dialogo</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Visualizza</translation>
    </message>
    <message>
        <source>Lists every word of the loaded dictionary</source>
        <translation>Elenca tutte le parole del dizionario caricato</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Cerca</translation>
    </message>
    <message>
        <source>Finds the words that begin with a text</source>
        <translation>Trova le parole che iniziano con un testo</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>Appends a word to the loaded dictionary file</source>
        <translation>Aggiunge una parola al file di dizionario caricato</translation>
    </message>
    <message>
        <source>Key name</source>
        <translation>Nome della chiave</translation>
    </message>
    <message>
        <source>Picking a stored name puts its key into the key box</source>
        <translation>Scegliere un nome salvato mette la sua chiave nella casella della chiave</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Chiave</translation>
    </message>
    <message>
        <source>The key to process: at most 18 characters, as a rule the digits 1 to 9</source>
        <translation>La chiave da elaborare: al massimo 18 caratteri, di norma le cifre da 1 a 9</translation>
    </message>
    <message>
        <source>Generate Key</source>
        <translation>Genera chiave</translation>
    </message>
    <message>
        <source>Puts a new random key into the key box</source>
        <translation>Mette una nuova chiave casuale nella casella della chiave</translation>
    </message>
    <message>
        <source>Save key</source>
        <translation>Salva chiave</translation>
    </message>
    <message>
        <source>Stores the name and key in the key file</source>
        <translation>Salva il nome e la chiave nel file delle chiavi</translation>
    </message>
    <message>
        <source>Remove key</source>
        <translation>Rimuovi chiave</translation>
    </message>
    <message>
        <source>Removes the named key from the key file</source>
        <translation>Rimuove la chiave indicata dal file delle chiavi</translation>
    </message>
    <message>
        <source>Process</source>
        <translation>Elabora</translation>
    </message>
    <message>
        <source>Prepares the dictionary with the key; needed before Encode and Decode</source>
        <translation>Prepara il dizionario con la chiave; necessario prima di Codifica e Decodifica</translation>
    </message>
    <message>
        <source>Processed key</source>
        <translation>Chiave elaborata</translation>
    </message>
    <message>
        <source>The key and dictionary that Encode and Decode use</source>
        <translation>La chiave e il dizionario che usano Codifica e Decodifica</translation>
    </message>
    <message>
        <source>Transfer Keys</source>
        <translation>Trasferisci chiavi</translation>
    </message>
    <message>
        <source>Copies the key file to a folder you choose</source>
        <translation>Copia il file delle chiavi in una cartella a scelta</translation>
    </message>
    <message>
        <source>Restore Keys</source>
        <translation>Ripristina chiavi</translation>
    </message>
    <message>
        <source>Copies the key file back from a folder you choose</source>
        <translation>Ricopia il file delle chiavi da una cartella a scelta</translation>
    </message>
    <message>
        <source>Delete Keys</source>
        <translation>Elimina chiavi</translation>
    </message>
    <message>
        <source>Overwrites and deletes the key file</source>
        <translation>Sovrascrive ed elimina il file delle chiavi</translation>
    </message>
    <message>
        <source>Input text</source>
        <translation>Testo di input</translation>
    </message>
    <message>
        <source>The text to encode or decode; a text file dropped here is read in</source>
        <translation>Il testo da codificare o decodificare; un file di testo trascinato qui viene letto</translation>
    </message>
    <message>
        <source>Get Text</source>
        <translation>Apri testo</translation>
    </message>
    <message>
        <source>Reads a text file into the input box</source>
        <translation>Legge un file di testo nella casella di input</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Incolla</translation>
    </message>
    <message>
        <source>Replaces the input with the text on the clipboard</source>
        <translation>Sostituisce l&apos;input con il testo degli appunti</translation>
    </message>
    <message>
        <source>Use as Input</source>
        <translation>Usa come input</translation>
    </message>
    <message>
        <source>Moves the output into the input box</source>
        <translation>Sposta l&apos;output nella casella di input</translation>
    </message>
    <message>
        <source>Changes the words the dictionary lacks into words it holds</source>
        <translation>Cambia le parole che mancano al dizionario in parole che contiene</translation>
    </message>
    <message>
        <source>Encode</source>
        <translation>Codifica</translation>
    </message>
    <message>
        <source>Encodes the input into the output box</source>
        <translation>Codifica l&apos;input nella casella di output</translation>
    </message>
    <message>
        <source>Decode</source>
        <translation>Decodifica</translation>
    </message>
    <message>
        <source>Decodes the input into the output box</source>
        <translation>Decodifica l&apos;input nella casella di output</translation>
    </message>
    <message>
        <source>Output text</source>
        <translation>Testo di output</translation>
    </message>
    <message>
        <source>The result of Encode or Decode</source>
        <translation>Il risultato di Codifica o Decodifica</translation>
    </message>
    <message>
        <source>Encode writes the words as sentences; they decode exactly as before</source>
        <translation>Codifica scrive le parole come frasi; si decodificano esattamente come prima</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Copies the whole output to the clipboard</source>
        <translation>Copia tutto l&apos;output negli appunti</translation>
    </message>
    <message>
        <source>Save output</source>
        <translation>Salva output</translation>
    </message>
    <message>
        <source>Writes the output to a text file</source>
        <translation>Scrive l&apos;output in un file di testo</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>What the last command did</source>
        <translation>Che cosa ha fatto l&apos;ultimo comando</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Avanzamento</translation>
    </message>
    <message>
        <source>How far a long command has come</source>
        <translation>A che punto è un comando lungo</translation>
    </message>
    <message>
        <source>Tidy (Ctrl+T): makes the text encodable, changing only words the dictionary lacks.
Quotes, apostrophes, dashes, tabs, joined words, digits, abbreviations and missing accents become dictionary words;
words still unknown are listed with suggestions.</source>
        <translation>Riordina (Ctrl+T): rende il testo codificabile cambiando solo le parole che mancano al dizionario.
Virgolette, apostrofi, trattini, tabulazioni, parole unite, cifre, abbreviazioni e accenti mancanti diventano parole del dizionario;
le parole ancora sconosciute vengono elencate con suggerimenti.</translation>
    </message>
</context>
<context>
    <name>talvora::ui::FrmPathSelect</name>
    <message>
        <source>&amp;Set</source>
        <translation>&amp;Imposta</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>Open a folder with a double click or Enter, go up with Backspace; &quot;Set&quot; takes the open folder.</source>
        <translation>Aprire una cartella con un doppio clic o con Invio, salire di un livello con Backspace; &quot;Imposta&quot; prende la cartella aperta.</translation>
    </message>
    <message>
        <source>Select Path to Transfer Key File To</source>
        <translation>Selezionare la cartella in cui trasferire il file delle chiavi</translation>
    </message>
    <message>
        <source>Select Path to Restore Key File From</source>
        <translation>Selezionare la cartella da cui ripristinare il file delle chiavi</translation>
    </message>
</context>
<context>
    <name>talvora::ui::FrmSearch</name>
    <message>
        <source>Search Dictionary</source>
        <translation>Cerca nel dizionario</translation>
    </message>
    <message>
        <source>Search string</source>
        <translation>Testo da cercare</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Cerca</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fatto</translation>
    </message>
    <message>
        <source>Words found</source>
        <translation>Parole trovate</translation>
    </message>
    <message>
        <source>The words that begin with the search text, in file order</source>
        <translation>Le parole che iniziano con il testo cercato, nell&apos;ordine del file</translation>
    </message>
    <message>
        <source>The beginning of the words to find; letter case does not matter</source>
        <translation>L&apos;inizio delle parole da trovare; maiuscole e minuscole non contano</translation>
    </message>
    <message>
        <source>Search result</source>
        <translation>Risultato della ricerca</translation>
    </message>
    <message>
        <source>No word begins with %1.</source>
        <translation>Nessuna parola inizia con %1.</translation>
    </message>
    <message>
        <source>1 word begins with %1.</source>
        <translation>1 parola inizia con %1.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln words begin with %1.</source>
        <translation>
            <numerusform>%Ln parola inizia con %1.</numerusform>
            <numerusform>%Ln parole iniziano con %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>talvora::ui::FrmUnknown</name>
    <message>
        <source>Words Not in the Dictionary</source>
        <translation>Parole non presenti nel dizionario</translation>
    </message>
    <message>
        <source>The text was not encoded: these words are not in the dictionary.  Double-click a suggestion to put it in place of the word, press Tidy to have the text tidied, or add the word to the dictionary.</source>
        <translation>Il testo non è stato codificato: queste parole non sono nel dizionario.  Fare doppio clic su un suggerimento per metterlo al posto della parola, premere Riordina per far riordinare il testo, oppure aggiungere la parola al dizionario.</translation>
    </message>
    <message>
        <source>These words are not in the dictionary.  Double-click a suggestion to put it in place of the word, or add the word to the dictionary.</source>
        <translation>Queste parole non sono nel dizionario.  Fare doppio clic su un suggerimento per metterlo al posto della parola, oppure aggiungere la parola al dizionario.</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Parola</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Conteggio</translation>
    </message>
    <message>
        <source>(no suggestion)</source>
        <translation>(nessun suggerimento)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Tidy</source>
        <translation>Riordina</translation>
    </message>
    <message>
        <source>Tidy made these changes.  Press Enter or double-click on one to take it back.</source>
        <translation>Riordina ha fatto queste modifiche.  Premere Invio o fare doppio clic su una per annullarla.</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Riga</translation>
    </message>
    <message>
        <source>Spell out</source>
        <translation>Compita</translation>
    </message>
    <message>
        <source>Writes the selected word letter by letter, as a name the dictionary lacks can be sent</source>
        <translation>Scrive la parola scelta lettera per lettera, come si può inviare un nome che manca al dizionario</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>Adds the selected word to the dictionary file</source>
        <translation>Aggiunge la parola scelta al file di dizionario</translation>
    </message>
    <message>
        <source>%1 (added)</source>
        <translation>%1 (aggiunta)</translation>
    </message>
</context>
<context>
    <name>talvora::ui::FrmView</name>
    <message>
        <source>View Dictionary</source>
        <translation>Visualizza dizionario</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fatto</translation>
    </message>
    <message>
        <source>Dictionary words</source>
        <translation>Parole del dizionario</translation>
    </message>
    <message>
        <source>Every word of the dictionary, in file order</source>
        <translation>Tutte le parole del dizionario, nell&apos;ordine del file</translation>
    </message>
</context>
<context>
    <name>talvora::ui::LanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Lingua</translation>
    </message>
</context>
</TS>
