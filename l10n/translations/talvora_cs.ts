<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs" sourcelanguage="en">
<context>
    <name>MessageBox</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ano</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Ne</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Key has not been defined.  Either Select a Key, define a Key or generate one.</source>
        <translation>Klíč není určen.  Vyberte klíč, zadejte ho, nebo ho vygenerujte.</translation>
    </message>
    <message>
        <source>Cannot this this until you have loaded a Dictionary.</source>
        <translation>To nelze, dokud nenačtete slovník.</translation>
    </message>
    <message>
        <source>This key cannot be used.  Use a key made of the digits 1 to 9, or generate one.</source>
        <translation>Tento klíč nelze použít.  Použijte klíč z číslic 1 až 9, nebo ho vygenerujte.</translation>
    </message>
    <message>
        <source>Missing Input Text error.</source>
        <translation>Chybí vstupní text.</translation>
    </message>
    <message>
        <source>Dictionary not loaded.  Please select a dictionary.</source>
        <translation>Není načten slovník.  Vyberte prosím slovník.</translation>
    </message>
    <message>
        <source>You must first define the key to use and Process the key before you can proceed.</source>
        <translation>Než budete pokračovat, musíte určit klíč, který chcete použít, a zpracovat ho.</translation>
    </message>
    <message>
        <source>Creating Keyspace...</source>
        <translation>Vytváří se prostor klíče...</translation>
    </message>
    <message>
        <source>Dictionary is ready for cryption.</source>
        <translation>Slovník je připraven k šifrování.</translation>
    </message>
    <message>
        <source>Parsing Text...</source>
        <translation>Rozebírá se text...</translation>
    </message>
    <message>
        <source>Checking with Dictionary...</source>
        <translation>Porovnává se se slovníkem...</translation>
    </message>
    <message>
        <source>Encoding...</source>
        <translation>Kódování...</translation>
    </message>
    <message>
        <source>Decoding...</source>
        <translation>Dekódování...</translation>
    </message>
    <message>
        <source>Cannot find the word &apos;%1&apos;.  Either it is a misspelling, or needs to be added to the dictionary.</source>
        <translation>Slovo &apos;%1&apos; nebylo nalezeno.  Buď je napsáno chybně, nebo je třeba ho přidat do slovníku.</translation>
    </message>
    <message>
        <source>1 word was not found in the dictionary: %1.</source>
        <translation>1 slovo nebylo ve slovníku nalezeno: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n words were not found in the dictionary: %1.</source>
        <translation>
            <numerusform>%n slovo nebylo ve slovníku nalezeno: %1.</numerusform>
            <numerusform>%n slova nebyla ve slovníku nalezena: %1.</numerusform>
            <numerusform>%n slov nebylo ve slovníku nalezeno: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n times)</source>
        <translation>
            <numerusform>%1 (%nkrát)</numerusform>
            <numerusform>%1 (%nkrát)</numerusform>
            <numerusform>%1 (%nkrát)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n more</source>
        <translation>
            <numerusform>%1 a %n další</numerusform>
            <numerusform>%1 a %n další</numerusform>
            <numerusform>%1 a %n dalších</numerusform>
        </translation>
    </message>
    <message>
        <source>This encoded text will not decode back to your words with the same dictionary and key.</source>
        <translation>Tento zakódovaný text se stejným slovníkem a klíčem nedekóduje zpět na vaše slova.</translation>
    </message>
    <message>
        <source>This encoded text will not decode back to your words with the same dictionary and key.  Dictionary entries at fault: %1.  Correct the dictionary on both sides before sending this text.</source>
        <translation>Tento zakódovaný text se stejným slovníkem a klíčem nedekóduje zpět na vaše slova.  Chybné položky slovníku: %1.  Než tento text odešlete, opravte slovník na obou stranách.</translation>
    </message>
    <message>
        <source>The program folder lacks %1, which Tidy needs to split joined words: they stay as typed.</source>
        <translation>Ve složce programu chybí %1, který Uklidit potřebuje k dělení spojených slov: zůstanou tak, jak byla napsána.</translation>
    </message>
    <message>
        <source>line %1 (empty)</source>
        <translation>řádek %1 (prázdný)</translation>
    </message>
    <message>
        <source>line %1 %2</source>
        <translation>řádek %1 %2</translation>
    </message>
    <message>
        <source>line %1 %2 (holds a blank, line break or punctuation)</source>
        <translation>řádek %1 %2 (obsahuje mezeru, konec řádku nebo interpunkci)</translation>
    </message>
    <message>
        <source>line %1 %2 (also on line %3)</source>
        <translation>řádek %1 %2 (také na řádku %3)</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>a %n další</numerusform>
            <numerusform>a %n další</numerusform>
            <numerusform>a %n dalších</numerusform>
        </translation>
    </message>
    <message>
        <source>Missing Data.  Enter a Name and a Key or generate one.</source>
        <translation>Chybí údaje.  Zadejte název a klíč, nebo klíč vygenerujte.</translation>
    </message>
    <message>
        <source>Key cannot contain a zero.  Change the zero to numeric digit.</source>
        <translation>Klíč nesmí obsahovat nulu.  Nahraďte nulu jinou číslicí.</translation>
    </message>
    <message>
        <source>Key Saved</source>
        <translation>Klíč uložen</translation>
    </message>
    <message>
        <source>Remove Confirm</source>
        <translation>Potvrzení odebrání</translation>
    </message>
    <message>
        <source>Are you sure you want to remove the Key %1?</source>
        <translation>Opravdu chcete odebrat klíč %1?</translation>
    </message>
    <message>
        <source>Key Delete Confirm</source>
        <translation>Potvrzení smazání souboru klíčů</translation>
    </message>
    <message>
        <source>Please make certain that you transfer the key file before deleting it.  Are you sure you want to delete the Key File?</source>
        <translation>Než soubor klíčů smažete, nezapomeňte ho přenést.  Opravdu chcete soubor klíčů smazat?</translation>
    </message>
    <message>
        <source>Keys Transferred.</source>
        <translation>Klíče přeneseny.</translation>
    </message>
    <message>
        <source>Keys Restored.</source>
        <translation>Klíče obnoveny.</translation>
    </message>
    <message>
        <source>Key File is deleted.  No Cryptions are now possible.</source>
        <translation>Soubor klíčů je smazán.  Šifrování už není možné.</translation>
    </message>
    <message>
        <source>A key name cannot hold a control character (a line break, a tab or an escape).  Type the name without it.</source>
        <translation>Název klíče nesmí obsahovat řídicí znak (konec řádku, tabulátor ani Escape).  Zadejte název bez něj.</translation>
    </message>
    <message>
        <source>Save Confirm</source>
        <translation>Potvrzení uložení</translation>
    </message>
    <message>
        <source>A key named %1 is stored. Replace its key?</source>
        <translation>Klíč s názvem %1 je uložen. Nahradit jeho klíč?</translation>
    </message>
    <message>
        <source>Transfer Confirm</source>
        <translation>Potvrzení přenosu</translation>
    </message>
    <message>
        <source>The chosen folder holds a key file, %1, that differs from the one here.  Replace it?</source>
        <translation>Vybraná složka obsahuje soubor klíčů %1, který se liší od zdejšího.  Nahradit ho?</translation>
    </message>
    <message>
        <source>No key named %1 is stored.</source>
        <translation>Klíč s názvem %1 není uložen.</translation>
    </message>
    <message>
        <source>No key is stored under the name %1.</source>
        <translation>Pod názvem %1 není uložen žádný klíč.</translation>
    </message>
    <message>
        <source>A key has at most 18 characters; this one has %1.  Nothing was stored.</source>
        <translation>Klíč má nejvýše 18 znaků; tento jich má %1.  Nic nebylo uloženo.</translation>
    </message>
    <message>
        <source>Restore Confirm</source>
        <translation>Potvrzení obnovení</translation>
    </message>
    <message>
        <source>Restoring the key file of the chosen folder loses or changes 1 key stored now:
%1Restore anyway?</source>
        <translation>Obnovením souboru klíčů z vybrané složky se ztratí nebo změní 1 nyní uložený klíč:
%1Přesto obnovit?</translation>
    </message>
    <message numerus="yes">
        <source>Restoring the key file of the chosen folder loses or changes %n keys stored now:
%1Restore anyway?</source>
        <translation>
            <numerusform>Obnovením souboru klíčů z vybrané složky se ztratí nebo změní %n nyní uložený klíč:
%1Přesto obnovit?</numerusform>
            <numerusform>Obnovením souboru klíčů z vybrané složky se ztratí nebo změní %n nyní uložené klíče:
%1Přesto obnovit?</numerusform>
            <numerusform>Obnovením souboru klíčů z vybrané složky se ztratí nebo změní %n nyní uložených klíčů:
%1Přesto obnovit?</numerusform>
        </translation>
    </message>
    <message>
        <source>- %1 (another key)</source>
        <translation>- %1 (jiný klíč)</translation>
    </message>
    <message>
        <source>- %1 (lost)</source>
        <translation>- %1 (ztracen)</translation>
    </message>
    <message numerus="yes">
        <source>and %n more.</source>
        <translation>
            <numerusform>a %n další.</numerusform>
            <numerusform>a %n další.</numerusform>
            <numerusform>a %n dalších.</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot transfer the key file: the folder %1 does not exist.</source>
        <translation>Soubor klíčů nelze přenést: složka %1 neexistuje.</translation>
    </message>
    <message>
        <source>Cannot transfer the key file to %1: it is the program folder, the file would be copied onto itself.</source>
        <translation>Soubor klíčů nelze přenést do %1: je to složka programu, soubor by se kopíroval sám na sebe.</translation>
    </message>
    <message>
        <source>There is no key file to transfer: %1 does not exist.</source>
        <translation>Není žádný soubor klíčů k přenesení: %1 neexistuje.</translation>
    </message>
    <message>
        <source>Cannot restore the key file: the folder %1 does not exist.</source>
        <translation>Soubor klíčů nelze obnovit: složka %1 neexistuje.</translation>
    </message>
    <message>
        <source>Cannot restore the key file from %1: it is the program folder itself, there is nothing to restore.</source>
        <translation>Soubor klíčů nelze obnovit z %1: je to sama složka programu, není co obnovit.</translation>
    </message>
    <message>
        <source>There is no key file to restore in %1; the key file was not changed.</source>
        <translation>V %1 není žádný soubor klíčů k obnovení; soubor klíčů nebyl změněn.</translation>
    </message>
    <message>
        <source>Cannot draw random numbers from the operating system: %1.</source>
        <translation>Od operačního systému nelze získat náhodná čísla: %1.</translation>
    </message>
    <message>
        <source>Cannot load the dictionary %1: %2.</source>
        <translation>Slovník %1 nelze načíst: %2.</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>soubor je prázdný</translation>
    </message>
    <message>
        <source>it has more than 655000 lines</source>
        <translation>má více než 655000 řádků</translation>
    </message>
    <message>
        <source>line %1 holds the byte %2, which the code page %3 leaves unassigned</source>
        <translation>řádek %1 obsahuje bajt %2, který kódová stránka %3 nepřiřazuje</translation>
    </message>
    <message>
        <source>No Word defined to Add</source>
        <translation>Není zadáno slovo k přidání</translation>
    </message>
    <message>
        <source>That word is already in the dictionary.</source>
        <translation>Toto slovo už ve slovníku je.</translation>
    </message>
    <message>
        <source>%1 Added.</source>
        <translation>%1 přidáno.</translation>
    </message>
    <message>
        <source>A word cannot hold a line break: it would become two lines of the dictionary.  Nothing was added.</source>
        <translation>Slovo nesmí obsahovat konec řádku: staly by se z něj dva řádky slovníku.  Nic nebylo přidáno.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be a word of the dictionary: %2, so it could never be encoded.  Nothing was added.</source>
        <translation>&quot;%1&quot; nemůže být slovem slovníku: %2, takže by ho nikdy nešlo zakódovat.  Nic nebylo přidáno.</translation>
    </message>
    <message>
        <source>it holds a blank, and a text is cut into words at every blank</source>
        <translation>obsahuje mezeru a text se na slova dělí u každé mezery</translation>
    </message>
    <message>
        <source>it holds &quot;%1&quot;, which is dropped from every text</source>
        <translation>obsahuje &quot;%1&quot;, který se z každého textu vypouští</translation>
    </message>
    <message>
        <source>Cannot add the word: %1</source>
        <translation>Slovo nelze přidat: %1</translation>
    </message>
    <message>
        <source>The code page &quot;%1&quot; is not known.</source>
        <translation>Kódová stránka &quot;%1&quot; není známa.</translation>
    </message>
    <message>
        <source>The code page &quot;%1&quot; is not a single-byte code page.</source>
        <translation>Kódová stránka &quot;%1&quot; není jednobajtová.</translation>
    </message>
    <message>
        <source>The code page &quot;%1&quot; reads the bytes %2 as the same character, so a text would not read back as it was written.</source>
        <translation>Kódová stránka &quot;%1&quot; čte bajty %2 jako tentýž znak, takže text by se nepřečetl zpět tak, jak byl zapsán.</translation>
    </message>
    <message>
        <source>The character %1 cannot be written in the code page %2.</source>
        <translation>Znak %1 nelze zapsat v kódové stránce %2.</translation>
    </message>
    <message>
        <source>The environment variable %1 cannot be used: %2 It accepts a single-byte code page whose 256 bytes read as 256 different characters, such as %3</source>
        <translation>Proměnnou prostředí %1 nelze použít: %2 Přijímá jednobajtovou kódovou stránku, jejíchž 256 bajtů se čte jako 256 různých znaků, například %3</translation>
    </message>
    <message>
        <source>Cannot read %1: %2.</source>
        <translation>%1 nelze přečíst: %2.</translation>
    </message>
    <message>
        <source>Cannot read %1: %2. %3</source>
        <translation>%1 nelze přečíst: %2. %3</translation>
    </message>
    <message>
        <source>Cannot write %1: %2.</source>
        <translation>%1 nelze zapsat: %2.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2. %3</source>
        <translation>%1 nelze zapsat: %2. %3</translation>
    </message>
    <message>
        <source>Cannot read the key file %1: %2.</source>
        <translation>Soubor klíčů %1 nelze přečíst: %2.</translation>
    </message>
    <message>
        <source>Cannot write the key file %1: %2.</source>
        <translation>Soubor klíčů %1 nelze zapsat: %2.</translation>
    </message>
    <message>
        <source>Cannot write the key file %1: %2. %3</source>
        <translation>Soubor klíčů %1 nelze zapsat: %2. %3</translation>
    </message>
    <message>
        <source>Cannot read the status of %1: %2.</source>
        <translation>Stav %1 nelze zjistit: %2.</translation>
    </message>
    <message>
        <source>Cannot lock the folder %1: %2.</source>
        <translation>Složku %1 nelze zamknout: %2.</translation>
    </message>
    <message>
        <source>Cannot lock the folder %1: %2. %3</source>
        <translation>Složku %1 nelze zamknout: %2. %3</translation>
    </message>
    <message>
        <source>Cannot add to %1: %2.</source>
        <translation>Do %1 nelze přidávat: %2.</translation>
    </message>
    <message>
        <source>Cannot look for unfinished work in the folder %1: %2.</source>
        <translation>Ve složce %1 nelze hledat nedokončenou práci: %2.</translation>
    </message>
    <message>
        <source>Cannot delete the key file %1: %2.</source>
        <translation>Soubor klíčů %1 nelze smazat: %2.</translation>
    </message>
    <message>
        <source>Cannot delete the key file %1: %2. %3</source>
        <translation>Soubor klíčů %1 nelze smazat: %2. %3</translation>
    </message>
    <message>
        <source>Cannot use %1: %2.</source>
        <translation>%1 nelze použít: %2.</translation>
    </message>
    <message>
        <source>it does not exist</source>
        <translation>neexistuje</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>přístup odepřen</translation>
    </message>
    <message>
        <source>the file system is read-only</source>
        <translation>systém souborů je jen pro čtení</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>disk je plný</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>je to složka</translation>
    </message>
    <message>
        <source>it is read-only</source>
        <translation>je jen pro čtení</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>není to běžný soubor</translation>
    </message>
    <message>
        <source>it is not a regular file but a pipe or a device</source>
        <translation>není to běžný soubor, ale roura nebo zařízení</translation>
    </message>
    <message>
        <source>it is a symbolic link, and nothing is written through one</source>
        <translation>je to symbolický odkaz a přes něj se nic nezapisuje</translation>
    </message>
    <message>
        <source>it has other hard links, which would keep the old contents</source>
        <translation>má další pevné odkazy, které by uchovaly starý obsah</translation>
    </message>
    <message>
        <source>it was changed by another program meanwhile</source>
        <translation>mezitím ho změnil jiný program</translation>
    </message>
    <message>
        <source>it is larger than %1, the most the program reads</source>
        <translation>je větší než %1, nejvíce, co program čte</translation>
    </message>
    <message>
        <source>its first line is longer than %1 characters</source>
        <translation>jeho první řádek je delší než %1 znaků</translation>
    </message>
    <message>
        <source>The folder %1 is not writable.</source>
        <translation>Do složky %1 nelze zapisovat.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>Složka %1 neexistuje.</translation>
    </message>
    <message>
        <source>The program folder %1 is not writable.</source>
        <translation>Do složky programu %1 nelze zapisovat.</translation>
    </message>
    <message>
        <source>The program folder %1 does not exist.</source>
        <translation>Složka programu %1 neexistuje.</translation>
    </message>
    <message>
        <source>The file is read-only.</source>
        <translation>Soubor je jen pro čtení.</translation>
    </message>
    <message>
        <source>Nothing was done.</source>
        <translation>Nic nebylo provedeno.</translation>
    </message>
    <message>
        <source>The key file %1 is not a regular file.</source>
        <translation>Soubor klíčů %1 není běžný soubor.</translation>
    </message>
    <message>
        <source>The key file %1 has other hard links: its contents would survive under the other names.</source>
        <translation>Soubor klíčů %1 má další pevné odkazy: jeho obsah by přetrval pod ostatními názvy.</translation>
    </message>
    <message>
        <source>The key file %1 is read-only.</source>
        <translation>Soubor klíčů %1 je jen pro čtení.</translation>
    </message>
    <message>
        <source>The key file %1 was changed by another program meanwhile.</source>
        <translation>Soubor klíčů %1 mezitím změnil jiný program.</translation>
    </message>
    <message>
        <source>The next change of the file finishes that.</source>
        <translation>Příští změna souboru to dokončí.</translation>
    </message>
    <message>
        <source>Cannot overwrite the key file %1 (pass %2 of %3): %4. It is gone from its folder, but its old bytes were not all overwritten; the next command on it tries again.</source>
        <translation>Soubor klíčů %1 nelze přepsat (průchod %2 z %3): %4. Ze své složky zmizel, ale ne všechny jeho staré bajty byly přepsány; příští příkaz na něm to zkusí znovu.</translation>
    </message>
    <message>
        <source>The key file was overwritten but could not be deleted: %1: %2.</source>
        <translation>Soubor klíčů byl přepsán, ale nešlo ho smazat: %1: %2.</translation>
    </message>
    <message>
        <source>The key file was overwritten but could not be deleted: %1: %2. %3</source>
        <translation>Soubor klíčů byl přepsán, ale nešlo ho smazat: %1: %2. %3</translation>
    </message>
    <message>
        <source>%1 was written, but the old contents it replaced could not be overwritten: %2.</source>
        <translation>%1 byl zapsán, ale starý obsah, který nahradil, nešlo přepsat: %2.</translation>
    </message>
    <message>
        <source>%1 was written, but its folder %2 could not be flushed: %3.  The change may be lost if the computer stops now.</source>
        <translation>%1 byl zapsán, ale jeho složku %2 nešlo zapsat na disk: %3.  Pokud se počítač nyní zastaví, změna se může ztratit.</translation>
    </message>
    <message>
        <source>Another program has been changing the files in %1 for %2 seconds; nothing was changed.  Try again when it has finished.</source>
        <translation>Jiný program už %2 sekund mění soubory v %1; nic nebylo změněno.  Zkuste to znovu, až skončí.</translation>
    </message>
    <message>
        <source>There is not enough memory for this; nothing more was done.</source>
        <translation>Na to nestačí paměť; nic dalšího nebylo provedeno.</translation>
    </message>
    <message>
        <source>The command stopped on an unexpected failure; nothing more was done.</source>
        <translation>Příkaz se zastavil na nečekané chybě; nic dalšího nebylo provedeno.</translation>
    </message>
    <message>
        <source>Cancelled; nothing was changed.</source>
        <translation>Zrušeno; nic nebylo změněno.</translation>
    </message>
    <message>
        <source>Standard input is not a terminal, so nobody can answer the question: pass %1 to go ahead.</source>
        <translation>Standardní vstup není terminál, takže na otázku nemůže nikdo odpovědět: pokračujte zadáním %1.</translation>
    </message>
</context>
<context>
    <name>talvora::ui::FrmAbout</name>
    <message>
        <source>About Talvora</source>
        <translation>O programu Talvora</translation>
    </message>
    <message>
        <source>A word-substitution code: each word of a text becomes another word of the same dictionary, chosen by a secret key. Both sides need the same dictionary file and the same key.</source>
        <translation>Kód záměny slov: každé slovo textu se změní v jiné slovo téhož slovníku, vybrané tajným klíčem. Obě strany potřebují stejný soubor slovníku a stejný klíč.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Hotovo</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Verze %1</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 2 or later. The dictionaries keep the licences of their word lists. Built with Qt %1.</source>
        <translation>Svobodný software pod licencí GNU General Public License, verze 2 nebo novější. Slovníky si ponechávají licence svých seznamů slov. Sestaveno s Qt %1.</translation>
    </message>
    <message>
        <source>No dictionary is loaded.</source>
        <translation>Není načten žádný slovník.</translation>
    </message>
    <message>
        <source>Fingerprint of %1:</source>
        <translation>Otisk %1:</translation>
    </message>
    <message>
        <source>Both sides must see the same fingerprint before the first message</source>
        <translation>Obě strany musí před první zprávou vidět stejný otisk</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopírovat</translation>
    </message>
</context>
<context>
    <name>talvora::ui::FrmAdd</name>
    <message>
        <source>Add to Dictionary</source>
        <translation>Přidat do slovníku</translation>
    </message>
    <message>
        <source>Word to Add</source>
        <translation>Slovo k přidání</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Přidat</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
</context>
<context>
    <name>talvora::ui::FrmBrowser</name>
    <message>
        <source>Dictionaries</source>
        <translation>Slovníky</translation>
    </message>
    <message>
        <source>Key Management</source>
        <translation>Správa klíčů</translation>
    </message>
    <message>
        <source>Encoding and Decoding Data</source>
        <translation>Kódování a dekódování dat</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Help page not found&lt;/h2&gt;&lt;p&gt;The help page &lt;b&gt;%1&lt;/b&gt; is not in the program folder &lt;b&gt;%2&lt;/b&gt;, or it cannot be read.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Stránka nápovědy nenalezena&lt;/h2&gt;&lt;p&gt;Stránka nápovědy &lt;b&gt;%1&lt;/b&gt; není ve složce programu &lt;b&gt;%2&lt;/b&gt;, nebo ji nelze přečíst.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Web Message</source>
        <translation>Webová zpráva</translation>
    </message>
</context>
<context>
    <name>talvora::ui::FrmMain</name>
    <message>
        <source>1 word</source>
        <translation>1 slovo</translation>
    </message>
    <message numerus="yes">
        <source>%Ln words</source>
        <translation>
            <numerusform>%Ln slovo</numerusform>
            <numerusform>%Ln slova</numerusform>
            <numerusform>%Ln slov</numerusform>
        </translation>
    </message>
    <message>
        <source>A key holds at most 18 characters; the key box kept %1.</source>
        <translation>Klíč má nejvýše 18 znaků; pole klíče si ponechalo %1.</translation>
    </message>
    <message>
        <source>Select Dictionary to Load</source>
        <translation>Vyberte slovník k načtení</translation>
    </message>
    <message>
        <source>Welcome.  Select Dictionary, define and process the Key.</source>
        <translation>Vítejte.  Vyberte slovník, určete klíč a zpracujte ho.</translation>
    </message>
    <message>
        <source>There is no dictionary file for &quot;%1&quot;.</source>
        <translation>Pro &quot;%1&quot; neexistuje soubor slovníku.</translation>
    </message>
    <message>
        <source>Loaded</source>
        <translation>Načteno</translation>
    </message>
    <message>
        <source>Not processed</source>
        <translation>Nezpracováno</translation>
    </message>
    <message>
        <source>Processed: %1 · %2</source>
        <translation>Zpracováno: %1 · %2</translation>
    </message>
    <message>
        <source>unnamed key</source>
        <translation>nepojmenovaný klíč</translation>
    </message>
    <message>
        <source>%1 items in Dictionary</source>
        <translation>Položek ve slovníku: %1</translation>
    </message>
    <message>
        <source>%1
Code page %2
Fingerprint %3</source>
        <translation>%1
Kódová stránka %2
Otisk %3</translation>
    </message>
    <message>
        <source>Showing the output...</source>
        <translation>Zobrazuje se výstup...</translation>
    </message>
    <message>
        <source>&quot;%1&quot; does not look like a text file: it holds control characters or bytes that are not text.  Load it all the same?</source>
        <translation>&quot;%1&quot; nevypadá jako textový soubor: obsahuje řídicí znaky nebo bajty, které nejsou text.  Přesto načíst?</translation>
    </message>
    <message>
        <source>File Saved</source>
        <translation>Soubor uložen</translation>
    </message>
    <message>
        <source>The output box is empty: nothing was copied.</source>
        <translation>Výstupní pole je prázdné: nic nebylo zkopírováno.</translation>
    </message>
    <message>
        <source>Copied %1.</source>
        <translation>Zkopírováno: %1.</translation>
    </message>
    <message>
        <source>The clipboard holds no text: the input box is unchanged.</source>
        <translation>Schránka neobsahuje text: vstupní pole se nezměnilo.</translation>
    </message>
    <message>
        <source>Pasted %1.</source>
        <translation>Vloženo: %1.</translation>
    </message>
    <message>
        <source>The output box is empty: the input box is unchanged.</source>
        <translation>Výstupní pole je prázdné: vstupní pole se nezměnilo.</translation>
    </message>
    <message>
        <source>Moved %1 to the input box.</source>
        <translation>Přesunuto do vstupního pole: %1.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Jazyk</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Načíst</translation>
    </message>
    <message>
        <source>Vie&amp;w</source>
        <translation>Zo&amp;brazit</translation>
    </message>
    <message>
        <source>Sea&amp;rch</source>
        <translation>&amp;Hledat</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>Př&amp;idat</translation>
    </message>
    <message>
        <source>Key Management</source>
        <translation>Správa klíčů</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>N&amp;ázev</translation>
    </message>
    <message>
        <source>&amp;Key</source>
        <translation>&amp;Klíč</translation>
    </message>
    <message>
        <source>&amp;Generate Key</source>
        <translation>Vy&amp;generovat klíč</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Uložit</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>&amp;Odebrat</translation>
    </message>
    <message>
        <source>&amp;Process</source>
        <translation>&amp;Zpracovat</translation>
    </message>
    <message>
        <source>Trans&amp;fer Keys</source>
        <translation>&amp;Přenést klíče</translation>
    </message>
    <message>
        <source>Rest&amp;ore Keys</source>
        <translation>Obnovi&amp;t klíče</translation>
    </message>
    <message>
        <source>Delete Ke&amp;ys</source>
        <translation>S&amp;mazat klíče</translation>
    </message>
    <message>
        <source>Input Text</source>
        <translation>Vstupní text</translation>
    </message>
    <message>
        <source>Get Te&amp;xt</source>
        <translation>Načíst te&amp;xt</translation>
    </message>
    <message>
        <source>&amp;Encode</source>
        <translation>Zakó&amp;dovat</translation>
    </message>
    <message>
        <source>&amp;Decode</source>
        <translation>D&amp;ekódovat</translation>
    </message>
    <message>
        <source>Tidy</source>
        <translation>Uklidit</translation>
    </message>
    <message>
        <source>Pas&amp;te</source>
        <translation>Vlo&amp;žit</translation>
    </message>
    <message>
        <source>Use as &amp;Input</source>
        <translation>Použít j&amp;ako vstup</translation>
    </message>
    <message>
        <source>Output Text</source>
        <translation>Výstupní text</translation>
    </message>
    <message>
        <source>Sa&amp;ve</source>
        <translation>Uložit výs&amp;ledek</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>Kopí&amp;rovat</translation>
    </message>
    <message>
        <source>Dress as sentences</source>
        <translation>Obléct do vět</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Nápo&amp;věda</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;O programu</translation>
    </message>
    <message>
        <source>&amp;Dictionaries</source>
        <translation>&amp;Slovníky</translation>
    </message>
    <message>
        <source>&amp;Key Management</source>
        <translation>Správa &amp;klíčů</translation>
    </message>
    <message>
        <source>&amp;Encoding and Decoding</source>
        <translation>&amp;Kódování a dekódování</translation>
    </message>
    <message>
        <source>Picking a language loads its dictionary</source>
        <translation>Výběr jazyka načte jeho slovník</translation>
    </message>
    <message>
        <source>Dictionary status</source>
        <translation>Stav slovníku</translation>
    </message>
    <message>
        <source>How many words the loaded dictionary holds</source>
        <translation>Kolik slov obsahuje načtený slovník</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Načíst</translation>
    </message>
    <message>
        <source>Loads a dictionary file chosen in a file dialog</source>
        <translation>Načte soubor slovníku vybraný v dialogu</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Zobrazit</translation>
    </message>
    <message>
        <source>Lists every word of the loaded dictionary</source>
        <translation>Vypíše všechna slova načteného slovníku</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Hledat</translation>
    </message>
    <message>
        <source>Finds the words that begin with a text</source>
        <translation>Najde slova, která začínají textem</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Přidat</translation>
    </message>
    <message>
        <source>Appends a word to the loaded dictionary file</source>
        <translation>Připojí slovo k načtenému souboru slovníku</translation>
    </message>
    <message>
        <source>Key name</source>
        <translation>Název klíče</translation>
    </message>
    <message>
        <source>Picking a stored name puts its key into the key box</source>
        <translation>Výběr uloženého názvu vloží jeho klíč do pole klíče</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Klíč</translation>
    </message>
    <message>
        <source>The key to process: at most 18 characters, as a rule the digits 1 to 9</source>
        <translation>Klíč ke zpracování: nejvýše 18 znaků, zpravidla číslice 1 až 9</translation>
    </message>
    <message>
        <source>Generate Key</source>
        <translation>Vygenerovat klíč</translation>
    </message>
    <message>
        <source>Puts a new random key into the key box</source>
        <translation>Vloží do pole klíče nový náhodný klíč</translation>
    </message>
    <message>
        <source>Save key</source>
        <translation>Uložit klíč</translation>
    </message>
    <message>
        <source>Stores the name and key in the key file</source>
        <translation>Uloží název a klíč do souboru klíčů</translation>
    </message>
    <message>
        <source>Remove key</source>
        <translation>Odebrat klíč</translation>
    </message>
    <message>
        <source>Removes the named key from the key file</source>
        <translation>Odebere uvedený klíč ze souboru klíčů</translation>
    </message>
    <message>
        <source>Process</source>
        <translation>Zpracovat</translation>
    </message>
    <message>
        <source>Prepares the dictionary with the key; needed before Encode and Decode</source>
        <translation>Připraví slovník s klíčem; nutné před kódováním a dekódováním</translation>
    </message>
    <message>
        <source>Processed key</source>
        <translation>Zpracovaný klíč</translation>
    </message>
    <message>
        <source>The key and dictionary that Encode and Decode use</source>
        <translation>Klíč a slovník, které používá kódování a dekódování</translation>
    </message>
    <message>
        <source>Transfer Keys</source>
        <translation>Přenést klíče</translation>
    </message>
    <message>
        <source>Copies the key file to a folder you choose</source>
        <translation>Zkopíruje soubor klíčů do zvolené složky</translation>
    </message>
    <message>
        <source>Restore Keys</source>
        <translation>Obnovit klíče</translation>
    </message>
    <message>
        <source>Copies the key file back from a folder you choose</source>
        <translation>Zkopíruje soubor klíčů zpět ze zvolené složky</translation>
    </message>
    <message>
        <source>Delete Keys</source>
        <translation>Smazat klíče</translation>
    </message>
    <message>
        <source>Overwrites and deletes the key file</source>
        <translation>Přepíše a smaže soubor klíčů</translation>
    </message>
    <message>
        <source>Input text</source>
        <translation>Vstupní text</translation>
    </message>
    <message>
        <source>The text to encode or decode; a text file dropped here is read in</source>
        <translation>Text ke kódování nebo dekódování; textový soubor přetažený sem se načte</translation>
    </message>
    <message>
        <source>Get Text</source>
        <translation>Načíst text</translation>
    </message>
    <message>
        <source>Reads a text file into the input box</source>
        <translation>Načte textový soubor do vstupního pole</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Vložit</translation>
    </message>
    <message>
        <source>Replaces the input with the text on the clipboard</source>
        <translation>Nahradí vstup textem ze schránky</translation>
    </message>
    <message>
        <source>Use as Input</source>
        <translation>Použít jako vstup</translation>
    </message>
    <message>
        <source>Moves the output into the input box</source>
        <translation>Přesune výstup do vstupního pole</translation>
    </message>
    <message>
        <source>Changes the words the dictionary lacks into words it holds</source>
        <translation>Změní slova, která slovník nemá, na slova, která obsahuje</translation>
    </message>
    <message>
        <source>Encode</source>
        <translation>Zakódovat</translation>
    </message>
    <message>
        <source>Encodes the input into the output box</source>
        <translation>Zakóduje vstup do výstupního pole</translation>
    </message>
    <message>
        <source>Decode</source>
        <translation>Dekódovat</translation>
    </message>
    <message>
        <source>Decodes the input into the output box</source>
        <translation>Dekóduje vstup do výstupního pole</translation>
    </message>
    <message>
        <source>Output text</source>
        <translation>Výstupní text</translation>
    </message>
    <message>
        <source>The result of Encode or Decode</source>
        <translation>Výsledek kódování nebo dekódování</translation>
    </message>
    <message>
        <source>Encode writes the words as sentences; they decode exactly as before</source>
        <translation>Zakódovat zapíše slova jako věty; dekódují se přesně jako předtím</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopírovat</translation>
    </message>
    <message>
        <source>Copies the whole output to the clipboard</source>
        <translation>Zkopíruje celý výstup do schránky</translation>
    </message>
    <message>
        <source>Save output</source>
        <translation>Uložit výstup</translation>
    </message>
    <message>
        <source>Writes the output to a text file</source>
        <translation>Zapíše výstup do textového souboru</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stav</translation>
    </message>
    <message>
        <source>What the last command did</source>
        <translation>Co udělal poslední příkaz</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Průběh</translation>
    </message>
    <message>
        <source>How far a long command has come</source>
        <translation>Kam až došel dlouhý příkaz</translation>
    </message>
    <message>
        <source>Tidy (Ctrl+T): makes the text encodable, changing only words the dictionary lacks.
Quotes, apostrophes, dashes, tabs, joined words, digits, abbreviations and missing accents become dictionary words;
words still unknown are listed with suggestions.</source>
        <translation>Uklidit (Ctrl+T): umožní text zakódovat a mění jen slova, která slovník nemá.
Uvozovky, apostrofy, pomlčky, tabulátory, spojená slova, číslice, zkratky a chybějící diakritika se stanou slovy slovníku;
slova, která zůstanou neznámá, se vypíší s návrhy.</translation>
    </message>
</context>
<context>
    <name>talvora::ui::FrmPathSelect</name>
    <message>
        <source>&amp;Set</source>
        <translation>&amp;Nastavit</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Zrušit</translation>
    </message>
    <message>
        <source>Open a folder with a double click or Enter, go up with Backspace; &quot;Set&quot; takes the open folder.</source>
        <translation>Složku otevřete dvojklikem nebo klávesou Enter, o úroveň výš se dostanete klávesou Backspace; &quot;Nastavit&quot; převezme otevřenou složku.</translation>
    </message>
    <message>
        <source>Select Path to Transfer Key File To</source>
        <translation>Vyberte složku, do které se přenese soubor klíčů</translation>
    </message>
    <message>
        <source>Select Path to Restore Key File From</source>
        <translation>Vyberte složku, ze které se obnoví soubor klíčů</translation>
    </message>
</context>
<context>
    <name>talvora::ui::FrmSearch</name>
    <message>
        <source>Search Dictionary</source>
        <translation>Hledat ve slovníku</translation>
    </message>
    <message>
        <source>Search string</source>
        <translation>Hledaný text</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Hledat</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Hotovo</translation>
    </message>
    <message>
        <source>Words found</source>
        <translation>Nalezená slova</translation>
    </message>
    <message>
        <source>The words that begin with the search text, in file order</source>
        <translation>Slova, která začínají hledaným textem, v pořadí souboru</translation>
    </message>
    <message>
        <source>The beginning of the words to find; letter case does not matter</source>
        <translation>Začátek hledaných slov; na velikosti písmen nezáleží</translation>
    </message>
    <message>
        <source>Search result</source>
        <translation>Výsledek hledání</translation>
    </message>
    <message>
        <source>No word begins with %1.</source>
        <translation>Žádné slovo nezačíná na %1.</translation>
    </message>
    <message>
        <source>1 word begins with %1.</source>
        <translation>1 slovo začíná na %1.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln words begin with %1.</source>
        <translation>
            <numerusform>%Ln slovo začíná na %1.</numerusform>
            <numerusform>%Ln slova začínají na %1.</numerusform>
            <numerusform>%Ln slov začíná na %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>talvora::ui::FrmUnknown</name>
    <message>
        <source>Words Not in the Dictionary</source>
        <translation>Slova, která nejsou ve slovníku</translation>
    </message>
    <message>
        <source>The text was not encoded: these words are not in the dictionary.  Double-click a suggestion to put it in place of the word, press Tidy to have the text tidied, or add the word to the dictionary.</source>
        <translation>Text nebyl zakódován: tato slova nejsou ve slovníku.  Dvojklikem na návrh ho dosadíte místo slova, tlačítkem Uklidit necháte text uklidit, nebo slovo přidejte do slovníku.</translation>
    </message>
    <message>
        <source>These words are not in the dictionary.  Double-click a suggestion to put it in place of the word, or add the word to the dictionary.</source>
        <translation>Tato slova nejsou ve slovníku.  Dvojklikem na návrh ho dosadíte místo slova, nebo slovo přidejte do slovníku.</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Slovo</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Počet</translation>
    </message>
    <message>
        <source>(no suggestion)</source>
        <translation>(žádný návrh)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zavřít</translation>
    </message>
    <message>
        <source>Tidy</source>
        <translation>Uklidit</translation>
    </message>
    <message>
        <source>Tidy made these changes.  Press Enter or double-click on one to take it back.</source>
        <translation>Uklidit provedlo tyto změny.  Stiskněte Enter nebo na některou poklepejte, chcete-li ji vrátit.</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Změna</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Řádek</translation>
    </message>
    <message>
        <source>Spell out</source>
        <translation>Hláskovat</translation>
    </message>
    <message>
        <source>Writes the selected word letter by letter, as a name the dictionary lacks can be sent</source>
        <translation>Zapíše vybrané slovo písmeno po písmenu, jak lze poslat jméno, které slovník nemá</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Přidat</translation>
    </message>
    <message>
        <source>Adds the selected word to the dictionary file</source>
        <translation>Přidá vybrané slovo do souboru slovníku</translation>
    </message>
    <message>
        <source>%1 (added)</source>
        <translation>%1 (přidáno)</translation>
    </message>
</context>
<context>
    <name>talvora::ui::FrmView</name>
    <message>
        <source>View Dictionary</source>
        <translation>Zobrazit slovník</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Hotovo</translation>
    </message>
    <message>
        <source>Dictionary words</source>
        <translation>Slova slovníku</translation>
    </message>
    <message>
        <source>Every word of the dictionary, in file order</source>
        <translation>Všechna slova slovníku, v pořadí souboru</translation>
    </message>
</context>
<context>
    <name>talvora::ui::LanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Jazyk</translation>
    </message>
</context>
</TS>
