<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="en">
<context>
    <name>MessageBox</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Tak</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nie</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Key has not been defined.  Either Select a Key, define a Key or generate one.</source>
        <translation>Klucz nie został określony.  Wybierz klucz, wpisz go lub wygeneruj.</translation>
    </message>
    <message>
        <source>Cannot this this until you have loaded a Dictionary.</source>
        <translation>Nie można tego zrobić, dopóki nie zostanie wczytany słownik.</translation>
    </message>
    <message>
        <source>This key cannot be used.  Use a key made of the digits 1 to 9, or generate one.</source>
        <translation>Tego klucza nie można użyć.  Użyj klucza złożonego z cyfr od 1 do 9 lub wygeneruj klucz.</translation>
    </message>
    <message>
        <source>Missing Input Text error.</source>
        <translation>Brak tekstu wejściowego.</translation>
    </message>
    <message>
        <source>Dictionary not loaded.  Please select a dictionary.</source>
        <translation>Nie wczytano słownika.  Wybierz słownik.</translation>
    </message>
    <message>
        <source>You must first define the key to use and Process the key before you can proceed.</source>
        <translation>Zanim przejdziesz dalej, określ klucz, którego chcesz użyć, i przetwórz go.</translation>
    </message>
    <message>
        <source>Creating Keyspace...</source>
        <translation>Tworzenie przestrzeni klucza...</translation>
    </message>
    <message>
        <source>Dictionary is ready for cryption.</source>
        <translation>Słownik jest gotowy do szyfrowania.</translation>
    </message>
    <message>
        <source>Parsing Text...</source>
        <translation>Analiza tekstu...</translation>
    </message>
    <message>
        <source>Checking with Dictionary...</source>
        <translation>Sprawdzanie w słowniku...</translation>
    </message>
    <message>
        <source>Encoding...</source>
        <translation>Kodowanie...</translation>
    </message>
    <message>
        <source>Decoding...</source>
        <translation>Dekodowanie...</translation>
    </message>
    <message>
        <source>Cannot find the word &apos;%1&apos;.  Either it is a misspelling, or needs to be added to the dictionary.</source>
        <translation>Nie znaleziono słowa &apos;%1&apos;.  Albo zawiera błąd pisowni, albo trzeba je dodać do słownika.</translation>
    </message>
    <message>
        <source>1 word was not found in the dictionary: %1.</source>
        <translation>1 słowa nie znaleziono w słowniku: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n words were not found in the dictionary: %1.</source>
        <translation>
            <numerusform>%n słowa nie znaleziono w słowniku: %1.</numerusform>
            <numerusform>%n słów nie znaleziono w słowniku: %1.</numerusform>
            <numerusform>%n słów nie znaleziono w słowniku: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n times)</source>
        <translation>
            <numerusform>%1 (%n raz)</numerusform>
            <numerusform>%1 (%n razy)</numerusform>
            <numerusform>%1 (%n razy)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n more</source>
        <translation>
            <numerusform>%1 i %n inne</numerusform>
            <numerusform>%1 i %n inne</numerusform>
            <numerusform>%1 i %n innych</numerusform>
        </translation>
    </message>
    <message>
        <source>This encoded text will not decode back to your words with the same dictionary and key.</source>
        <translation>Tego zakodowanego tekstu nie da się odkodować z powrotem na Twoje słowa tym samym słownikiem i kluczem.</translation>
    </message>
    <message>
        <source>This encoded text will not decode back to your words with the same dictionary and key.  Dictionary entries at fault: %1.  Correct the dictionary on both sides before sending this text.</source>
        <translation>Tego zakodowanego tekstu nie da się odkodować z powrotem na Twoje słowa tym samym słownikiem i kluczem.  Błędne pozycje słownika: %1.  Popraw słownik po obu stronach, zanim wyślesz ten tekst.</translation>
    </message>
    <message>
        <source>The program folder lacks %1, which Tidy needs to split joined words: they stay as typed.</source>
        <translation>W folderze programu brakuje %1, którego Porządkuj potrzebuje do dzielenia złączonych słów: zostają tak, jak je wpisano.</translation>
    </message>
    <message>
        <source>line %1 (empty)</source>
        <translation>wiersz %1 (pusty)</translation>
    </message>
    <message>
        <source>line %1 %2</source>
        <translation>wiersz %1 %2</translation>
    </message>
    <message>
        <source>line %1 %2 (holds a blank, line break or punctuation)</source>
        <translation>wiersz %1 %2 (zawiera spację, znak końca wiersza lub znak interpunkcyjny)</translation>
    </message>
    <message>
        <source>line %1 %2 (also on line %3)</source>
        <translation>wiersz %1 %2 (także w wierszu %3)</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>i %n inne</numerusform>
            <numerusform>i %n inne</numerusform>
            <numerusform>i %n innych</numerusform>
        </translation>
    </message>
    <message>
        <source>Missing Data.  Enter a Name and a Key or generate one.</source>
        <translation>Brak danych.  Wpisz nazwę i klucz lub wygeneruj klucz.</translation>
    </message>
    <message>
        <source>Key cannot contain a zero.  Change the zero to numeric digit.</source>
        <translation>Klucz nie może zawierać zera.  Zamień zero na inną cyfrę.</translation>
    </message>
    <message>
        <source>Key Saved</source>
        <translation>Klucz zapisany</translation>
    </message>
    <message>
        <source>Remove Confirm</source>
        <translation>Potwierdzenie usunięcia</translation>
    </message>
    <message>
        <source>Are you sure you want to remove the Key %1?</source>
        <translation>Czy na pewno usunąć klucz %1?</translation>
    </message>
    <message>
        <source>Key Delete Confirm</source>
        <translation>Potwierdzenie usunięcia pliku kluczy</translation>
    </message>
    <message>
        <source>Please make certain that you transfer the key file before deleting it.  Are you sure you want to delete the Key File?</source>
        <translation>Przed usunięciem pliku kluczy koniecznie go przenieś.  Czy na pewno usunąć plik kluczy?</translation>
    </message>
    <message>
        <source>Keys Transferred.</source>
        <translation>Klucze przeniesione.</translation>
    </message>
    <message>
        <source>Keys Restored.</source>
        <translation>Klucze przywrócone.</translation>
    </message>
    <message>
        <source>Key File is deleted.  No Cryptions are now possible.</source>
        <translation>Plik kluczy został usunięty.  Szyfrowanie nie jest już możliwe.</translation>
    </message>
    <message>
        <source>A key name cannot hold a control character (a line break, a tab or an escape).  Type the name without it.</source>
        <translation>Nazwa klucza nie może zawierać znaku sterującego (końca wiersza, tabulatora ani znaku Escape).  Wpisz nazwę bez niego.</translation>
    </message>
    <message>
        <source>Save Confirm</source>
        <translation>Potwierdzenie zapisu</translation>
    </message>
    <message>
        <source>A key named %1 is stored. Replace its key?</source>
        <translation>Zapisano już klucz o nazwie %1. Zastąpić jego klucz?</translation>
    </message>
    <message>
        <source>Transfer Confirm</source>
        <translation>Potwierdzenie przeniesienia</translation>
    </message>
    <message>
        <source>The chosen folder holds a key file, %1, that differs from the one here.  Replace it?</source>
        <translation>Wybrany folder zawiera plik kluczy %1, który różni się od tutejszego.  Zastąpić go?</translation>
    </message>
    <message>
        <source>No key named %1 is stored.</source>
        <translation>Nie zapisano klucza o nazwie %1.</translation>
    </message>
    <message>
        <source>No key is stored under the name %1.</source>
        <translation>Pod nazwą %1 nie zapisano żadnego klucza.</translation>
    </message>
    <message>
        <source>A key has at most 18 characters; this one has %1.  Nothing was stored.</source>
        <translation>Klucz ma najwyżej 18 znaków; ten ma %1.  Niczego nie zapisano.</translation>
    </message>
    <message>
        <source>Restore Confirm</source>
        <translation>Potwierdzenie przywrócenia</translation>
    </message>
    <message>
        <source>Restoring the key file of the chosen folder loses or changes 1 key stored now:
%1Restore anyway?</source>
        <translation>Przywrócenie pliku kluczy z wybranego folderu usunie lub zmieni 1 zapisany teraz klucz:
%1Przywrócić mimo to?</translation>
    </message>
    <message numerus="yes">
        <source>Restoring the key file of the chosen folder loses or changes %n keys stored now:
%1Restore anyway?</source>
        <translation>
            <numerusform>Przywrócenie pliku kluczy z wybranego folderu usunie lub zmieni %n zapisany teraz klucz:
%1Przywrócić mimo to?</numerusform>
            <numerusform>Przywrócenie pliku kluczy z wybranego folderu usunie lub zmieni %n zapisane teraz klucze:
%1Przywrócić mimo to?</numerusform>
            <numerusform>Przywrócenie pliku kluczy z wybranego folderu usunie lub zmieni %n zapisanych teraz kluczy:
%1Przywrócić mimo to?</numerusform>
        </translation>
    </message>
    <message>
        <source>- %1 (another key)</source>
        <translation>- %1 (inny klucz)</translation>
    </message>
    <message>
        <source>- %1 (lost)</source>
        <translation>- %1 (utracony)</translation>
    </message>
    <message numerus="yes">
        <source>and %n more.</source>
        <translation>
            <numerusform>i %n inny.</numerusform>
            <numerusform>i %n inne.</numerusform>
            <numerusform>i %n innych.</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot transfer the key file: the folder %1 does not exist.</source>
        <translation>Nie można przenieść pliku kluczy: folder %1 nie istnieje.</translation>
    </message>
    <message>
        <source>Cannot transfer the key file to %1: it is the program folder, the file would be copied onto itself.</source>
        <translation>Nie można przenieść pliku kluczy do %1: to folder programu, plik zostałby skopiowany sam na siebie.</translation>
    </message>
    <message>
        <source>There is no key file to transfer: %1 does not exist.</source>
        <translation>Brak pliku kluczy do przeniesienia: %1 nie istnieje.</translation>
    </message>
    <message>
        <source>Cannot restore the key file: the folder %1 does not exist.</source>
        <translation>Nie można przywrócić pliku kluczy: folder %1 nie istnieje.</translation>
    </message>
    <message>
        <source>Cannot restore the key file from %1: it is the program folder itself, there is nothing to restore.</source>
        <translation>Nie można przywrócić pliku kluczy z %1: to sam folder programu, nie ma czego przywracać.</translation>
    </message>
    <message>
        <source>There is no key file to restore in %1; the key file was not changed.</source>
        <translation>W %1 nie ma pliku kluczy do przywrócenia; plik kluczy nie został zmieniony.</translation>
    </message>
    <message>
        <source>Cannot draw random numbers from the operating system: %1.</source>
        <translation>Nie można pobrać liczb losowych z systemu operacyjnego: %1.</translation>
    </message>
    <message>
        <source>Cannot load the dictionary %1: %2.</source>
        <translation>Nie można wczytać słownika %1: %2.</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>plik jest pusty</translation>
    </message>
    <message>
        <source>it has more than 655000 lines</source>
        <translation>ma więcej niż 655000 wierszy</translation>
    </message>
    <message>
        <source>line %1 holds the byte %2, which the code page %3 leaves unassigned</source>
        <translation>wiersz %1 zawiera bajt %2, którego strona kodowa %3 nie przypisuje</translation>
    </message>
    <message>
        <source>No Word defined to Add</source>
        <translation>Nie podano słowa do dodania</translation>
    </message>
    <message>
        <source>That word is already in the dictionary.</source>
        <translation>To słowo już jest w słowniku.</translation>
    </message>
    <message>
        <source>%1 Added.</source>
        <translation>Dodano %1.</translation>
    </message>
    <message>
        <source>A word cannot hold a line break: it would become two lines of the dictionary.  Nothing was added.</source>
        <translation>Słowo nie może zawierać znaku końca wiersza: stałoby się dwoma wierszami słownika.  Niczego nie dodano.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be a word of the dictionary: %2, so it could never be encoded.  Nothing was added.</source>
        <translation>&quot;%1&quot; nie może być słowem słownika: %2, więc nigdy nie dałoby się go zakodować.  Niczego nie dodano.</translation>
    </message>
    <message>
        <source>it holds a blank, and a text is cut into words at every blank</source>
        <translation>zawiera spację, a tekst jest dzielony na słowa przy każdej spacji</translation>
    </message>
    <message>
        <source>it holds &quot;%1&quot;, which is dropped from every text</source>
        <translation>zawiera &quot;%1&quot;, który jest usuwany z każdego tekstu</translation>
    </message>
    <message>
        <source>Cannot add the word: %1</source>
        <translation>Nie można dodać słowa: %1</translation>
    </message>
    <message>
        <source>The code page &quot;%1&quot; is not known.</source>
        <translation>Strona kodowa &quot;%1&quot; jest nieznana.</translation>
    </message>
    <message>
        <source>The code page &quot;%1&quot; is not a single-byte code page.</source>
        <translation>Strona kodowa &quot;%1&quot; nie jest jednobajtową stroną kodową.</translation>
    </message>
    <message>
        <source>The code page &quot;%1&quot; reads the bytes %2 as the same character, so a text would not read back as it was written.</source>
        <translation>Strona kodowa &quot;%1&quot; odczytuje bajty %2 jako ten sam znak, więc tekst nie dałby się odczytać tak, jak został zapisany.</translation>
    </message>
    <message>
        <source>The character %1 cannot be written in the code page %2.</source>
        <translation>Znaku %1 nie można zapisać w stronie kodowej %2.</translation>
    </message>
    <message>
        <source>The environment variable %1 cannot be used: %2 It accepts a single-byte code page whose 256 bytes read as 256 different characters, such as %3</source>
        <translation>Zmiennej środowiskowej %1 nie można użyć: %2 Przyjmuje ona jednobajtową stronę kodową, której 256 bajtów odczytuje się jako 256 różnych znaków, na przykład %3</translation>
    </message>
    <message>
        <source>Cannot read %1: %2.</source>
        <translation>Nie można odczytać %1: %2.</translation>
    </message>
    <message>
        <source>Cannot read %1: %2. %3</source>
        <translation>Nie można odczytać %1: %2. %3</translation>
    </message>
    <message>
        <source>Cannot write %1: %2.</source>
        <translation>Nie można zapisać %1: %2.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2. %3</source>
        <translation>Nie można zapisać %1: %2. %3</translation>
    </message>
    <message>
        <source>Cannot read the key file %1: %2.</source>
        <translation>Nie można odczytać pliku kluczy %1: %2.</translation>
    </message>
    <message>
        <source>Cannot write the key file %1: %2.</source>
        <translation>Nie można zapisać pliku kluczy %1: %2.</translation>
    </message>
    <message>
        <source>Cannot write the key file %1: %2. %3</source>
        <translation>Nie można zapisać pliku kluczy %1: %2. %3</translation>
    </message>
    <message>
        <source>Cannot read the status of %1: %2.</source>
        <translation>Nie można odczytać stanu %1: %2.</translation>
    </message>
    <message>
        <source>Cannot lock the folder %1: %2.</source>
        <translation>Nie można zablokować folderu %1: %2.</translation>
    </message>
    <message>
        <source>Cannot lock the folder %1: %2. %3</source>
        <translation>Nie można zablokować folderu %1: %2. %3</translation>
    </message>
    <message>
        <source>Cannot add to %1: %2.</source>
        <translation>Nie można dopisać do %1: %2.</translation>
    </message>
    <message>
        <source>Cannot look for unfinished work in the folder %1: %2.</source>
        <translation>Nie można poszukać niedokończonej pracy w folderze %1: %2.</translation>
    </message>
    <message>
        <source>Cannot delete the key file %1: %2.</source>
        <translation>Nie można usunąć pliku kluczy %1: %2.</translation>
    </message>
    <message>
        <source>Cannot delete the key file %1: %2. %3</source>
        <translation>Nie można usunąć pliku kluczy %1: %2. %3</translation>
    </message>
    <message>
        <source>Cannot use %1: %2.</source>
        <translation>Nie można użyć %1: %2.</translation>
    </message>
    <message>
        <source>it does not exist</source>
        <translation>nie istnieje</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>odmowa dostępu</translation>
    </message>
    <message>
        <source>the file system is read-only</source>
        <translation>system plików jest tylko do odczytu</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>dysk jest pełny</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>to jest folder</translation>
    </message>
    <message>
        <source>it is read-only</source>
        <translation>jest tylko do odczytu</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>nie jest zwykłym plikiem</translation>
    </message>
    <message>
        <source>it is not a regular file but a pipe or a device</source>
        <translation>nie jest zwykłym plikiem, lecz potokiem lub urządzeniem</translation>
    </message>
    <message>
        <source>it is a symbolic link, and nothing is written through one</source>
        <translation>jest dowiązaniem symbolicznym, a przez takie dowiązanie nic nie jest zapisywane</translation>
    </message>
    <message>
        <source>it has other hard links, which would keep the old contents</source>
        <translation>ma inne dowiązania twarde, które zachowałyby starą zawartość</translation>
    </message>
    <message>
        <source>it was changed by another program meanwhile</source>
        <translation>w międzyczasie zmienił go inny program</translation>
    </message>
    <message>
        <source>it is larger than %1, the most the program reads</source>
        <translation>jest większy niż %1, najwięcej, ile program czyta</translation>
    </message>
    <message>
        <source>its first line is longer than %1 characters</source>
        <translation>jego pierwszy wiersz ma więcej niż %1 znaków</translation>
    </message>
    <message>
        <source>The folder %1 is not writable.</source>
        <translation>Folder %1 nie jest zapisywalny.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>Folder %1 nie istnieje.</translation>
    </message>
    <message>
        <source>The program folder %1 is not writable.</source>
        <translation>Folder programu %1 nie jest zapisywalny.</translation>
    </message>
    <message>
        <source>The program folder %1 does not exist.</source>
        <translation>Folder programu %1 nie istnieje.</translation>
    </message>
    <message>
        <source>The file is read-only.</source>
        <translation>Plik jest tylko do odczytu.</translation>
    </message>
    <message>
        <source>Nothing was done.</source>
        <translation>Nic nie zostało zrobione.</translation>
    </message>
    <message>
        <source>The key file %1 is not a regular file.</source>
        <translation>Plik kluczy %1 nie jest zwykłym plikiem.</translation>
    </message>
    <message>
        <source>The key file %1 has other hard links: its contents would survive under the other names.</source>
        <translation>Plik kluczy %1 ma inne dowiązania twarde: jego zawartość przetrwałaby pod innymi nazwami.</translation>
    </message>
    <message>
        <source>The key file %1 is read-only.</source>
        <translation>Plik kluczy %1 jest tylko do odczytu.</translation>
    </message>
    <message>
        <source>The key file %1 was changed by another program meanwhile.</source>
        <translation>Plik kluczy %1 został w międzyczasie zmieniony przez inny program.</translation>
    </message>
    <message>
        <source>The next change of the file finishes that.</source>
        <translation>Następna zmiana pliku to dokończy.</translation>
    </message>
    <message>
        <source>Cannot overwrite the key file %1 (pass %2 of %3): %4. It is gone from its folder, but its old bytes were not all overwritten; the next command on it tries again.</source>
        <translation>Nie można nadpisać pliku kluczy %1 (przebieg %2 z %3): %4. Zniknął ze swojego folderu, ale nie wszystkie jego stare bajty zostały nadpisane; następne polecenie na nim spróbuje ponownie.</translation>
    </message>
    <message>
        <source>The key file was overwritten but could not be deleted: %1: %2.</source>
        <translation>Plik kluczy został nadpisany, ale nie można go było usunąć: %1: %2.</translation>
    </message>
    <message>
        <source>The key file was overwritten but could not be deleted: %1: %2. %3</source>
        <translation>Plik kluczy został nadpisany, ale nie można go było usunąć: %1: %2. %3</translation>
    </message>
    <message>
        <source>%1 was written, but the old contents it replaced could not be overwritten: %2.</source>
        <translation>Zapisano %1, ale starej zawartości, którą zastąpił, nie można było nadpisać: %2.</translation>
    </message>
    <message>
        <source>%1 was written, but its folder %2 could not be flushed: %3.  The change may be lost if the computer stops now.</source>
        <translation>Zapisano %1, ale jego folderu %2 nie można było zapisać na dysk: %3.  Zmiana może przepaść, jeśli komputer teraz się zatrzyma.</translation>
    </message>
    <message>
        <source>Another program has been changing the files in %1 for %2 seconds; nothing was changed.  Try again when it has finished.</source>
        <translation>Inny program od %2 sekund zmienia pliki w %1; niczego nie zmieniono.  Spróbuj ponownie, gdy skończy.</translation>
    </message>
    <message>
        <source>There is not enough memory for this; nothing more was done.</source>
        <translation>Brak pamięci na tę operację; nic więcej nie zostało zrobione.</translation>
    </message>
    <message>
        <source>The command stopped on an unexpected failure; nothing more was done.</source>
        <translation>Polecenie zatrzymało się na nieoczekiwanym błędzie; nic więcej nie zostało zrobione.</translation>
    </message>
    <message>
        <source>Cancelled; nothing was changed.</source>
        <translation>Anulowano; niczego nie zmieniono.</translation>
    </message>
    <message>
        <source>Standard input is not a terminal, so nobody can answer the question: pass %1 to go ahead.</source>
        <translation>Standardowe wejście nie jest terminalem, więc nikt nie może odpowiedzieć na pytanie: podaj %1, aby kontynuować.</translation>
    </message>
</context>
<context>
    <name>talvora::ui::FrmAbout</name>
    <message>
        <source>About Talvora</source>
        <translation>O programie Talvora</translation>
    </message>
    <message>
        <source>A word-substitution code: each word of a text becomes another word of the same dictionary, chosen by a secret key. Both sides need the same dictionary file and the same key.</source>
        <translation>Szyfr podstawieniowy słów: każde słowo tekstu staje się innym słowem tego samego słownika, wybranym przez tajny klucz. Obie strony potrzebują tego samego pliku słownika i tego samego klucza.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Gotowe</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Wersja %1</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 2 or later. The dictionaries keep the licences of their word lists. Built with Qt %1.</source>
        <translation>Wolne oprogramowanie na licencji GNU General Public License, wersja 2 lub późniejsza. Słowniki zachowują licencje swoich list słów. Zbudowano z Qt %1.</translation>
    </message>
    <message>
        <source>No dictionary is loaded.</source>
        <translation>Nie wczytano słownika.</translation>
    </message>
    <message>
        <source>Fingerprint of %1:</source>
        <translation>Odcisk %1:</translation>
    </message>
    <message>
        <source>Both sides must see the same fingerprint before the first message</source>
        <translation>Obie strony muszą przed pierwszą wiadomością widzieć ten sam odcisk</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiuj</translation>
    </message>
</context>
<context>
    <name>talvora::ui::FrmAdd</name>
    <message>
        <source>Add to Dictionary</source>
        <translation>Dodaj do słownika</translation>
    </message>
    <message>
        <source>Word to Add</source>
        <translation>Słowo do dodania</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Dodaj</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>talvora::ui::FrmBrowser</name>
    <message>
        <source>Dictionaries</source>
        <translation>Słowniki</translation>
    </message>
    <message>
        <source>Key Management</source>
        <translation>Zarządzanie kluczami</translation>
    </message>
    <message>
        <source>Encoding and Decoding Data</source>
        <translation>Kodowanie i dekodowanie danych</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Help page not found&lt;/h2&gt;&lt;p&gt;The help page &lt;b&gt;%1&lt;/b&gt; is not in the program folder &lt;b&gt;%2&lt;/b&gt;, or it cannot be read.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Nie znaleziono strony pomocy&lt;/h2&gt;&lt;p&gt;Strony pomocy &lt;b&gt;%1&lt;/b&gt; nie ma w folderze programu &lt;b&gt;%2&lt;/b&gt; albo nie można jej odczytać.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Web Message</source>
        <translation>Komunikat WWW</translation>
    </message>
</context>
<context>
    <name>talvora::ui::FrmMain</name>
    <message>
        <source>1 word</source>
        <translation>1 słowo</translation>
    </message>
    <message numerus="yes">
        <source>%Ln words</source>
        <translation>
            <numerusform>%Ln słowo</numerusform>
            <numerusform>%Ln słowa</numerusform>
            <numerusform>%Ln słów</numerusform>
        </translation>
    </message>
    <message>
        <source>A key holds at most 18 characters; the key box kept %1.</source>
        <translation>Klucz ma najwyżej 18 znaków; w polu klucza zostało %1.</translation>
    </message>
    <message>
        <source>Select Dictionary to Load</source>
        <translation>Wybierz słownik do wczytania</translation>
    </message>
    <message>
        <source>Welcome.  Select Dictionary, define and process the Key.</source>
        <translation>Witamy.  Wybierz słownik, określ klucz i przetwórz go.</translation>
    </message>
    <message>
        <source>There is no dictionary file for &quot;%1&quot;.</source>
        <translation>Nie ma pliku słownika dla &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Loaded</source>
        <translation>Wczytano</translation>
    </message>
    <message>
        <source>Not processed</source>
        <translation>Nie przetworzono</translation>
    </message>
    <message>
        <source>Processed: %1 · %2</source>
        <translation>Przetworzono: %1 · %2</translation>
    </message>
    <message>
        <source>unnamed key</source>
        <translation>klucz bez nazwy</translation>
    </message>
    <message>
        <source>%1 items in Dictionary</source>
        <translation>Pozycje w słowniku: %1</translation>
    </message>
    <message>
        <source>%1
Code page %2
Fingerprint %3</source>
        <translation>%1
Strona kodowa %2
Odcisk %3</translation>
    </message>
    <message>
        <source>Showing the output...</source>
        <translation>Wyświetlanie wyniku...</translation>
    </message>
    <message>
        <source>&quot;%1&quot; does not look like a text file: it holds control characters or bytes that are not text.  Load it all the same?</source>
        <translation>&quot;%1&quot; nie wygląda na plik tekstowy: zawiera znaki sterujące lub bajty, które nie są tekstem.  Wczytać mimo to?</translation>
    </message>
    <message>
        <source>File Saved</source>
        <translation>Plik zapisany</translation>
    </message>
    <message>
        <source>The output box is empty: nothing was copied.</source>
        <translation>Pole wyjściowe jest puste: niczego nie skopiowano.</translation>
    </message>
    <message>
        <source>Copied %1.</source>
        <translation>Skopiowano: %1.</translation>
    </message>
    <message>
        <source>The clipboard holds no text: the input box is unchanged.</source>
        <translation>Schowek nie zawiera tekstu: pole wejściowe się nie zmieniło.</translation>
    </message>
    <message>
        <source>Pasted %1.</source>
        <translation>Wklejono: %1.</translation>
    </message>
    <message>
        <source>The output box is empty: the input box is unchanged.</source>
        <translation>Pole wyjściowe jest puste: pole wejściowe się nie zmieniło.</translation>
    </message>
    <message>
        <source>Moved %1 to the input box.</source>
        <translation>Przeniesiono do pola wejściowego: %1.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Język</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Wczytaj</translation>
    </message>
    <message>
        <source>Vie&amp;w</source>
        <translation>&amp;Pokaż</translation>
    </message>
    <message>
        <source>Sea&amp;rch</source>
        <translation>Sz&amp;ukaj</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Dodaj</translation>
    </message>
    <message>
        <source>Key Management</source>
        <translation>Zarządzanie kluczami</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Nazwa</translation>
    </message>
    <message>
        <source>&amp;Key</source>
        <translation>&amp;Klucz</translation>
    </message>
    <message>
        <source>&amp;Generate Key</source>
        <translation>&amp;Generuj klucz</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Zapisz</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>U&amp;suń</translation>
    </message>
    <message>
        <source>&amp;Process</source>
        <translation>P&amp;rzetwórz</translation>
    </message>
    <message>
        <source>Trans&amp;fer Keys</source>
        <translation>Przenieś klucz&amp;e</translation>
    </message>
    <message>
        <source>Rest&amp;ore Keys</source>
        <translation>Przywróć klu&amp;cze</translation>
    </message>
    <message>
        <source>Delete Ke&amp;ys</source>
        <translation>Skasuj kl&amp;ucze</translation>
    </message>
    <message>
        <source>Input Text</source>
        <translation>Tekst wejściowy</translation>
    </message>
    <message>
        <source>Get Te&amp;xt</source>
        <translation>Wczytaj te&amp;kst</translation>
    </message>
    <message>
        <source>&amp;Encode</source>
        <translation>K&amp;oduj</translation>
    </message>
    <message>
        <source>&amp;Decode</source>
        <translation>D&amp;ekoduj</translation>
    </message>
    <message>
        <source>Tidy</source>
        <translation>Porządkuj</translation>
    </message>
    <message>
        <source>Pas&amp;te</source>
        <translation>Wk&amp;lej</translation>
    </message>
    <message>
        <source>Use as &amp;Input</source>
        <translation>Użyj jako &amp;wejścia</translation>
    </message>
    <message>
        <source>Output Text</source>
        <translation>Tekst wyjściowy</translation>
    </message>
    <message>
        <source>Sa&amp;ve</source>
        <translation>Zapisz wyni&amp;k</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>Kop&amp;iuj</translation>
    </message>
    <message>
        <source>Dress as sentences</source>
        <translation>Ubierz w zdania</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;O programie</translation>
    </message>
    <message>
        <source>&amp;Dictionaries</source>
        <translation>&amp;Słowniki</translation>
    </message>
    <message>
        <source>&amp;Key Management</source>
        <translation>&amp;Zarządzanie kluczami</translation>
    </message>
    <message>
        <source>&amp;Encoding and Decoding</source>
        <translation>&amp;Kodowanie i dekodowanie</translation>
    </message>
    <message>
        <source>Picking a language loads its dictionary</source>
        <translation>Wybór języka wczytuje jego słownik</translation>
    </message>
    <message>
        <source>Dictionary status</source>
        <translation>Stan słownika</translation>
    </message>
    <message>
        <source>How many words the loaded dictionary holds</source>
        <translation>Ile słów zawiera wczytany słownik</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Wczytaj</translation>
    </message>
    <message>
        <source>Loads a dictionary file chosen in a file dialog</source>
        <translation>Wczytuje plik słownika wybrany w oknie dialogowym</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Pokaż</translation>
    </message>
    <message>
        <source>Lists every word of the loaded dictionary</source>
        <translation>Wyświetla wszystkie słowa wczytanego słownika</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Szukaj</translation>
    </message>
    <message>
        <source>Finds the words that begin with a text</source>
        <translation>Znajduje słowa zaczynające się od tekstu</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Dodaj</translation>
    </message>
    <message>
        <source>Appends a word to the loaded dictionary file</source>
        <translation>Dopisuje słowo do wczytanego pliku słownika</translation>
    </message>
    <message>
        <source>Key name</source>
        <translation>Nazwa klucza</translation>
    </message>
    <message>
        <source>Picking a stored name puts its key into the key box</source>
        <translation>Wybór zapisanej nazwy wstawia jej klucz do pola klucza</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Klucz</translation>
    </message>
    <message>
        <source>The key to process: at most 18 characters, as a rule the digits 1 to 9</source>
        <translation>Klucz do przetworzenia: najwyżej 18 znaków, zwykle cyfry od 1 do 9</translation>
    </message>
    <message>
        <source>Generate Key</source>
        <translation>Generuj klucz</translation>
    </message>
    <message>
        <source>Puts a new random key into the key box</source>
        <translation>Wstawia nowy losowy klucz do pola klucza</translation>
    </message>
    <message>
        <source>Save key</source>
        <translation>Zapisz klucz</translation>
    </message>
    <message>
        <source>Stores the name and key in the key file</source>
        <translation>Zapisuje nazwę i klucz w pliku kluczy</translation>
    </message>
    <message>
        <source>Remove key</source>
        <translation>Usuń klucz</translation>
    </message>
    <message>
        <source>Removes the named key from the key file</source>
        <translation>Usuwa wskazany klucz z pliku kluczy</translation>
    </message>
    <message>
        <source>Process</source>
        <translation>Przetwórz</translation>
    </message>
    <message>
        <source>Prepares the dictionary with the key; needed before Encode and Decode</source>
        <translation>Przygotowuje słownik z kluczem; potrzebne przed Koduj i Dekoduj</translation>
    </message>
    <message>
        <source>Processed key</source>
        <translation>Przetworzony klucz</translation>
    </message>
    <message>
        <source>The key and dictionary that Encode and Decode use</source>
        <translation>Klucz i słownik, których używają Koduj i Dekoduj</translation>
    </message>
    <message>
        <source>Transfer Keys</source>
        <translation>Przenieś klucze</translation>
    </message>
    <message>
        <source>Copies the key file to a folder you choose</source>
        <translation>Kopiuje plik kluczy do wybranego folderu</translation>
    </message>
    <message>
        <source>Restore Keys</source>
        <translation>Przywróć klucze</translation>
    </message>
    <message>
        <source>Copies the key file back from a folder you choose</source>
        <translation>Kopiuje plik kluczy z powrotem z wybranego folderu</translation>
    </message>
    <message>
        <source>Delete Keys</source>
        <translation>Skasuj klucze</translation>
    </message>
    <message>
        <source>Overwrites and deletes the key file</source>
        <translation>Nadpisuje i usuwa plik kluczy</translation>
    </message>
    <message>
        <source>Input text</source>
        <translation>Tekst wejściowy</translation>
    </message>
    <message>
        <source>The text to encode or decode; a text file dropped here is read in</source>
        <translation>Tekst do zakodowania lub zdekodowania; upuszczony tu plik tekstowy zostanie wczytany</translation>
    </message>
    <message>
        <source>Get Text</source>
        <translation>Wczytaj tekst</translation>
    </message>
    <message>
        <source>Reads a text file into the input box</source>
        <translation>Wczytuje plik tekstowy do pola wejściowego</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Wklej</translation>
    </message>
    <message>
        <source>Replaces the input with the text on the clipboard</source>
        <translation>Zastępuje tekst wejściowy tekstem ze schowka</translation>
    </message>
    <message>
        <source>Use as Input</source>
        <translation>Użyj jako wejścia</translation>
    </message>
    <message>
        <source>Moves the output into the input box</source>
        <translation>Przenosi wynik do pola wejściowego</translation>
    </message>
    <message>
        <source>Changes the words the dictionary lacks into words it holds</source>
        <translation>Zamienia słowa, których brak w słowniku, na słowa, które zawiera</translation>
    </message>
    <message>
        <source>Encode</source>
        <translation>Koduj</translation>
    </message>
    <message>
        <source>Encodes the input into the output box</source>
        <translation>Koduje tekst wejściowy do pola wyjściowego</translation>
    </message>
    <message>
        <source>Decode</source>
        <translation>Dekoduj</translation>
    </message>
    <message>
        <source>Decodes the input into the output box</source>
        <translation>Dekoduje tekst wejściowy do pola wyjściowego</translation>
    </message>
    <message>
        <source>Output text</source>
        <translation>Tekst wyjściowy</translation>
    </message>
    <message>
        <source>The result of Encode or Decode</source>
        <translation>Wynik kodowania lub dekodowania</translation>
    </message>
    <message>
        <source>Encode writes the words as sentences; they decode exactly as before</source>
        <translation>Koduj zapisuje słowa jako zdania; dekodują się dokładnie tak jak przedtem</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiuj</translation>
    </message>
    <message>
        <source>Copies the whole output to the clipboard</source>
        <translation>Kopiuje cały wynik do schowka</translation>
    </message>
    <message>
        <source>Save output</source>
        <translation>Zapisz wynik</translation>
    </message>
    <message>
        <source>Writes the output to a text file</source>
        <translation>Zapisuje wynik do pliku tekstowego</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stan</translation>
    </message>
    <message>
        <source>What the last command did</source>
        <translation>Co zrobiło ostatnie polecenie</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Postęp</translation>
    </message>
    <message>
        <source>How far a long command has come</source>
        <translation>Jak daleko doszło długie polecenie</translation>
    </message>
    <message>
        <source>Tidy (Ctrl+T): makes the text encodable, changing only words the dictionary lacks.
Quotes, apostrophes, dashes, tabs, joined words, digits, abbreviations and missing accents become dictionary words;
words still unknown are listed with suggestions.</source>
        <translation>Porządkuj (Ctrl+T): sprawia, że tekst da się zakodować, zmieniając tylko słowa, których brak w słowniku.
Cudzysłowy, apostrofy, myślniki, tabulatory, złączone słowa, cyfry, skróty i brakujące znaki diakrytyczne stają się słowami ze słownika;
słowa wciąż nieznane są wyświetlane z propozycjami.</translation>
    </message>
</context>
<context>
    <name>talvora::ui::FrmPathSelect</name>
    <message>
        <source>&amp;Set</source>
        <translation>&amp;Ustaw</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Anuluj</translation>
    </message>
    <message>
        <source>Open a folder with a double click or Enter, go up with Backspace; &quot;Set&quot; takes the open folder.</source>
        <translation>Otwórz folder dwukrotnym kliknięciem lub klawiszem Enter, przejdź wyżej klawiszem Backspace; &quot;Ustaw&quot; wybiera otwarty folder.</translation>
    </message>
    <message>
        <source>Select Path to Transfer Key File To</source>
        <translation>Wybierz folder, do którego przenieść plik kluczy</translation>
    </message>
    <message>
        <source>Select Path to Restore Key File From</source>
        <translation>Wybierz folder, z którego przywrócić plik kluczy</translation>
    </message>
</context>
<context>
    <name>talvora::ui::FrmSearch</name>
    <message>
        <source>Search Dictionary</source>
        <translation>Przeszukaj słownik</translation>
    </message>
    <message>
        <source>Search string</source>
        <translation>Szukany tekst</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Szukaj</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Gotowe</translation>
    </message>
    <message>
        <source>Words found</source>
        <translation>Znalezione słowa</translation>
    </message>
    <message>
        <source>The words that begin with the search text, in file order</source>
        <translation>Słowa zaczynające się od szukanego tekstu, w kolejności pliku</translation>
    </message>
    <message>
        <source>The beginning of the words to find; letter case does not matter</source>
        <translation>Początek szukanych słów; wielkość liter nie ma znaczenia</translation>
    </message>
    <message>
        <source>Search result</source>
        <translation>Wynik wyszukiwania</translation>
    </message>
    <message>
        <source>No word begins with %1.</source>
        <translation>Żadne słowo nie zaczyna się od %1.</translation>
    </message>
    <message>
        <source>1 word begins with %1.</source>
        <translation>1 słowo zaczyna się od %1.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln words begin with %1.</source>
        <translation>
            <numerusform>%Ln słowo zaczyna się od %1.</numerusform>
            <numerusform>%Ln słowa zaczynają się od %1.</numerusform>
            <numerusform>%Ln słów zaczyna się od %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>talvora::ui::FrmUnknown</name>
    <message>
        <source>Words Not in the Dictionary</source>
        <translation>Słowa spoza słownika</translation>
    </message>
    <message>
        <source>The text was not encoded: these words are not in the dictionary.  Double-click a suggestion to put it in place of the word, press Tidy to have the text tidied, or add the word to the dictionary.</source>
        <translation>Tekst nie został zakodowany: tych słów nie ma w słowniku.  Kliknij dwukrotnie propozycję, aby wstawić ją w miejsce słowa, naciśnij Porządkuj, aby uporządkować tekst, lub dodaj słowo do słownika.</translation>
    </message>
    <message>
        <source>These words are not in the dictionary.  Double-click a suggestion to put it in place of the word, or add the word to the dictionary.</source>
        <translation>Tych słów nie ma w słowniku.  Kliknij dwukrotnie propozycję, aby wstawić ją w miejsce słowa, lub dodaj słowo do słownika.</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Słowo</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Liczba</translation>
    </message>
    <message>
        <source>(no suggestion)</source>
        <translation>(brak propozycji)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Tidy</source>
        <translation>Porządkuj</translation>
    </message>
    <message>
        <source>Tidy made these changes.  Press Enter or double-click on one to take it back.</source>
        <translation>Porządkuj wprowadziło te zmiany.  Naciśnij Enter lub kliknij dwukrotnie jedną z nich, aby ją cofnąć.</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Zmiana</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Wiersz</translation>
    </message>
    <message>
        <source>Spell out</source>
        <translation>Przeliteruj</translation>
    </message>
    <message>
        <source>Writes the selected word letter by letter, as a name the dictionary lacks can be sent</source>
        <translation>Zapisuje wybrane słowo litera po literze, tak jak można wysłać nazwę, której brak w słowniku</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Dodaj</translation>
    </message>
    <message>
        <source>Adds the selected word to the dictionary file</source>
        <translation>Dodaje wybrane słowo do pliku słownika</translation>
    </message>
    <message>
        <source>%1 (added)</source>
        <translation>%1 (dodano)</translation>
    </message>
</context>
<context>
    <name>talvora::ui::FrmView</name>
    <message>
        <source>View Dictionary</source>
        <translation>Pokaż słownik</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Gotowe</translation>
    </message>
    <message>
        <source>Dictionary words</source>
        <translation>Słowa słownika</translation>
    </message>
    <message>
        <source>Every word of the dictionary, in file order</source>
        <translation>Wszystkie słowa słownika, w kolejności pliku</translation>
    </message>
</context>
<context>
    <name>talvora::ui::LanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Język</translation>
    </message>
</context>
</TS>
