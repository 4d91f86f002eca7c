<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>MessageBox</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Oui</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Non</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Key has not been defined.  Either Select a Key, define a Key or generate one.</source>
        <translation>La clé n&apos;est pas définie.  Choisissez une clé, saisissez-en une ou générez-en une.</translation>
    </message>
    <message>
        <source>Cannot this this until you have loaded a Dictionary.</source>
        <translation>Impossible tant que vous n&apos;avez pas chargé de dictionnaire.</translation>
    </message>
    <message>
        <source>This key cannot be used.  Use a key made of the digits 1 to 9, or generate one.</source>
        <translation>Cette clé est inutilisable.  Utilisez une clé composée des chiffres 1 à 9, ou générez-en une.</translation>
    </message>
    <message>
        <source>Missing Input Text error.</source>
        <translation>Le texte d&apos;entrée manque.</translation>
    </message>
    <message>
        <source>Dictionary not loaded.  Please select a dictionary.</source>
        <translation>Aucun dictionnaire chargé.  Veuillez choisir un dictionnaire.</translation>
    </message>
    <message>
        <source>You must first define the key to use and Process the key before you can proceed.</source>
        <translation>Vous devez d&apos;abord définir la clé à utiliser et la traiter avant de continuer.</translation>
    </message>
    <message>
        <source>Creating Keyspace...</source>
        <translation>Création de l&apos;espace de clés...</translation>
    </message>
    <message>
        <source>Dictionary is ready for cryption.</source>
        <translation>Le dictionnaire est prêt pour le chiffrement.</translation>
    </message>
    <message>
        <source>Parsing Text...</source>
        <translation>Analyse du texte...</translation>
    </message>
    <message>
        <source>Checking with Dictionary...</source>
        <translation>Vérification dans le dictionnaire...</translation>
    </message>
    <message>
        <source>Encoding...</source>
        <translation>Codage...</translation>
    </message>
    <message>
        <source>Decoding...</source>
        <translation>Décodage...</translation>
    </message>
    <message>
        <source>Cannot find the word &apos;%1&apos;.  Either it is a misspelling, or needs to be added to the dictionary.</source>
        <translation>Le mot « %1 » est introuvable.  Soit il est mal orthographié, soit il faut l&apos;ajouter au dictionnaire.</translation>
    </message>
    <message>
        <source>1 word was not found in the dictionary: %1.</source>
        <translation>1 mot est absent du dictionnaire : %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n words were not found in the dictionary: %1.</source>
        <translation>
            <numerusform>%n mot est absent du dictionnaire : %1.</numerusform>
            <numerusform>%n mots sont absents du dictionnaire : %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n times)</source>
        <translation>
            <numerusform>%1 (%n fois)</numerusform>
            <numerusform>%1 (%n fois)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n more</source>
        <translation>
            <numerusform>%1 et %n autre</numerusform>
            <numerusform>%1 et %n autres</numerusform>
        </translation>
    </message>
    <message>
        <source>This encoded text will not decode back to your words with the same dictionary and key.</source>
        <translation>Ce texte codé ne redonnera pas vos mots avec le même dictionnaire et la même clé.</translation>
    </message>
    <message>
        <source>This encoded text will not decode back to your words with the same dictionary and key.  Dictionary entries at fault: %1.  Correct the dictionary on both sides before sending this text.</source>
        <translation>Ce texte codé ne redonnera pas vos mots avec le même dictionnaire et la même clé.  Entrées du dictionnaire en cause : %1.  Corrigez le dictionnaire des deux côtés avant d&apos;envoyer ce texte.</translation>
    </message>
    <message>
        <source>The program folder lacks %1, which Tidy needs to split joined words: they stay as typed.</source>
        <translation>Le dossier du programme ne contient pas %1, dont Nettoyer a besoin pour séparer les mots accolés : ils restent tels qu&apos;ils ont été tapés.</translation>
    </message>
    <message>
        <source>line %1 (empty)</source>
        <translation>ligne %1 (vide)</translation>
    </message>
    <message>
        <source>line %1 %2</source>
        <translation>ligne %1 %2</translation>
    </message>
    <message>
        <source>line %1 %2 (holds a blank, line break or punctuation)</source>
        <translation>ligne %1 %2 (contient une espace, un saut de ligne ou une ponctuation)</translation>
    </message>
    <message>
        <source>line %1 %2 (also on line %3)</source>
        <translation>ligne %1 %2 (aussi à la ligne %3)</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>et %n autre</numerusform>
            <numerusform>et %n autres</numerusform>
        </translation>
    </message>
    <message>
        <source>Missing Data.  Enter a Name and a Key or generate one.</source>
        <translation>Données manquantes.  Saisissez un nom et une clé, ou générez une clé.</translation>
    </message>
    <message>
        <source>Key cannot contain a zero.  Change the zero to numeric digit.</source>
        <translation>La clé ne peut pas contenir de zéro.  Remplacez le zéro par un autre chiffre.</translation>
    </message>
    <message>
        <source>Key Saved</source>
        <translation>Clé enregistrée</translation>
    </message>
    <message>
        <source>Remove Confirm</source>
        <translation>Confirmer la suppression</translation>
    </message>
    <message>
        <source>Are you sure you want to remove the Key %1?</source>
        <translation>Voulez-vous vraiment supprimer la clé %1 ?</translation>
    </message>
    <message>
        <source>Key Delete Confirm</source>
        <translation>Confirmer la suppression du fichier de clés</translation>
    </message>
    <message>
        <source>Please make certain that you transfer the key file before deleting it.  Are you sure you want to delete the Key File?</source>
        <translation>Veillez à transférer le fichier de clés avant de le supprimer.  Voulez-vous vraiment supprimer le fichier de clés ?</translation>
    </message>
    <message>
        <source>Keys Transferred.</source>
        <translation>Clés transférées.</translation>
    </message>
    <message>
        <source>Keys Restored.</source>
        <translation>Clés restaurées.</translation>
    </message>
    <message>
        <source>Key File is deleted.  No Cryptions are now possible.</source>
        <translation>Le fichier de clés est supprimé.  Aucun chiffrement n&apos;est désormais possible.</translation>
    </message>
    <message>
        <source>A key name cannot hold a control character (a line break, a tab or an escape).  Type the name without it.</source>
        <translation>Un nom de clé ne peut pas contenir de caractère de contrôle (saut de ligne, tabulation ou échappement).  Saisissez le nom sans ce caractère.</translation>
    </message>
    <message>
        <source>Save Confirm</source>
        <translation>Confirmer l&apos;enregistrement</translation>
    </message>
    <message>
        <source>A key named %1 is stored. Replace its key?</source>
        <translation>Une clé nommée %1 est enregistrée. Remplacer sa clé ?</translation>
    </message>
    <message>
        <source>Transfer Confirm</source>
        <translation>Confirmer le transfert</translation>
    </message>
    <message>
        <source>The chosen folder holds a key file, %1, that differs from the one here.  Replace it?</source>
        <translation>Le dossier choisi contient un fichier de clés, %1, différent de celui d&apos;ici.  Le remplacer ?</translation>
    </message>
    <message>
        <source>No key named %1 is stored.</source>
        <translation>Aucune clé nommée %1 n&apos;est enregistrée.</translation>
    </message>
    <message>
        <source>No key is stored under the name %1.</source>
        <translation>Aucune clé n&apos;est enregistrée sous le nom %1.</translation>
    </message>
    <message>
        <source>A key has at most 18 characters; this one has %1.  Nothing was stored.</source>
        <translation>Une clé a au plus 18 caractères ; celle-ci en a %1.  Rien n&apos;a été enregistré.</translation>
    </message>
    <message>
        <source>Restore Confirm</source>
        <translation>Confirmer la restauration</translation>
    </message>
    <message>
        <source>Restoring the key file of the chosen folder loses or changes 1 key stored now:
%1Restore anyway?</source>
        <translation>Restaurer le fichier de clés du dossier choisi fait perdre ou modifie 1 clé enregistrée actuellement :
%1Restaurer quand même ?</translation>
    </message>
    <message numerus="yes">
        <source>Restoring the key file of the chosen folder loses or changes %n keys stored now:
%1Restore anyway?</source>
        <translation>
            <numerusform>Restaurer le fichier de clés du dossier choisi fait perdre ou modifie %n clé enregistrée actuellement :
%1Restaurer quand même ?</numerusform>
            <numerusform>Restaurer le fichier de clés du dossier choisi fait perdre ou modifie %n clés enregistrées actuellement :
%1Restaurer quand même ?</numerusform>
        </translation>
    </message>
    <message>
        <source>- %1 (another key)</source>
        <translation>- %1 (autre clé)</translation>
    </message>
    <message>
        <source>- %1 (lost)</source>
        <translation>- %1 (perdue)</translation>
    </message>
    <message numerus="yes">
        <source>and %n more.</source>
        <translation>
            <numerusform>et %n autre.</numerusform>
            <numerusform>et %n autres.</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot transfer the key file: the folder %1 does not exist.</source>
        <translation>Impossible de transférer le fichier de clés : le dossier %1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>Cannot transfer the key file to %1: it is the program folder, the file would be copied onto itself.</source>
        <translation>Impossible de transférer le fichier de clés vers %1 : c&apos;est le dossier du programme, le fichier serait copié sur lui-même.</translation>
    </message>
    <message>
        <source>There is no key file to transfer: %1 does not exist.</source>
        <translation>Aucun fichier de clés à transférer : %1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>Cannot restore the key file: the folder %1 does not exist.</source>
        <translation>Impossible de restaurer le fichier de clés : le dossier %1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>Cannot restore the key file from %1: it is the program folder itself, there is nothing to restore.</source>
        <translation>Impossible de restaurer le fichier de clés depuis %1 : c&apos;est le dossier du programme lui-même, il n&apos;y a rien à restaurer.</translation>
    </message>
    <message>
        <source>There is no key file to restore in %1; the key file was not changed.</source>
        <translation>Aucun fichier de clés à restaurer dans %1 ; le fichier de clés n&apos;a pas été modifié.</translation>
    </message>
    <message>
        <source>Cannot draw random numbers from the operating system: %1.</source>
        <translation>Impossible d&apos;obtenir des nombres aléatoires du système d&apos;exploitation : %1.</translation>
    </message>
    <message>
        <source>Cannot load the dictionary %1: %2.</source>
        <translation>Impossible de charger le dictionnaire %1 : %2.</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>le fichier est vide</translation>
    </message>
    <message>
        <source>it has more than 655000 lines</source>
        <translation>il a plus de 655000 lignes</translation>
    </message>
    <message>
        <source>line %1 holds the byte %2, which the code page %3 leaves unassigned</source>
        <translation>la ligne %1 contient l&apos;octet %2, que la page de codes %3 n&apos;attribue pas</translation>
    </message>
    <message>
        <source>No Word defined to Add</source>
        <translation>Aucun mot à ajouter</translation>
    </message>
    <message>
        <source>That word is already in the dictionary.</source>
        <translation>Ce mot est déjà dans le dictionnaire.</translation>
    </message>
    <message>
        <source>%1 Added.</source>
        <translation>%1 ajouté.</translation>
    </message>
    <message>
        <source>A word cannot hold a line break: it would become two lines of the dictionary.  Nothing was added.</source>
        <translation>Un mot ne peut pas contenir de saut de ligne : il deviendrait deux lignes du dictionnaire.  Rien n&apos;a été ajouté.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be a word of the dictionary: %2, so it could never be encoded.  Nothing was added.</source>
        <translation>« %1 » ne peut pas être un mot du dictionnaire : %2, il ne pourrait donc jamais être codé.  Rien n&apos;a été ajouté.</translation>
    </message>
    <message>
        <source>it holds a blank, and a text is cut into words at every blank</source>
        <translation>il contient une espace, et un texte est découpé en mots à chaque espace</translation>
    </message>
    <message>
        <source>it holds &quot;%1&quot;, which is dropped from every text</source>
        <translation>il contient « %1 », qui est retiré de tout texte</translation>
    </message>
    <message>
        <source>Cannot add the word: %1</source>
        <translation>Impossible d&apos;ajouter le mot : %1</translation>
    </message>
    <message>
        <source>The code page &quot;%1&quot; is not known.</source>
        <translation>La page de codes « %1 » est inconnue.</translation>
    </message>
    <message>
        <source>The code page &quot;%1&quot; is not a single-byte code page.</source>
        <translation>La page de codes « %1 » n&apos;est pas une page de codes à un octet.</translation>
    </message>
    <message>
        <source>The code page &quot;%1&quot; reads the bytes %2 as the same character, so a text would not read back as it was written.</source>
        <translation>La page de codes « %1 » lit les octets %2 comme le même caractère ; un texte ne se relirait donc pas tel qu&apos;il a été écrit.</translation>
    </message>
    <message>
        <source>The character %1 cannot be written in the code page %2.</source>
        <translation>Le caractère %1 ne peut pas être écrit dans la page de codes %2.</translation>
    </message>
    <message>
        <source>The environment variable %1 cannot be used: %2 It accepts a single-byte code page whose 256 bytes read as 256 different characters, such as %3</source>
        <translation>La variable d&apos;environnement %1 est inutilisable : %2 Elle accepte une page de codes à un octet dont les 256 octets se lisent comme 256 caractères différents, par exemple %3</translation>
    </message>
    <message>
        <source>Cannot read %1: %2.</source>
        <translation>Impossible de lire %1 : %2.</translation>
    </message>
    <message>
        <source>Cannot read %1: %2. %3</source>
        <translation>Impossible de lire %1 : %2. %3</translation>
    </message>
    <message>
        <source>Cannot write %1: %2.</source>
        <translation>Impossible d&apos;écrire %1 : %2.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2. %3</source>
        <translation>Impossible d&apos;écrire %1 : %2. %3</translation>
    </message>
    <message>
        <source>Cannot read the key file %1: %2.</source>
        <translation>Impossible de lire le fichier de clés %1 : %2.</translation>
    </message>
    <message>
        <source>Cannot write the key file %1: %2.</source>
        <translation>Impossible d&apos;écrire le fichier de clés %1 : %2.</translation>
    </message>
    <message>
        <source>Cannot write the key file %1: %2. %3</source>
        <translation>Impossible d&apos;écrire le fichier de clés %1 : %2. %3</translation>
    </message>
    <message>
        <source>Cannot read the status of %1: %2.</source>
        <translation>Impossible de lire l&apos;état de %1 : %2.</translation>
    </message>
    <message>
        <source>Cannot lock the folder %1: %2.</source>
        <translation>Impossible de verrouiller le dossier %1 : %2.</translation>
    </message>
    <message>
        <source>Cannot lock the folder %1: %2. %3</source>
        <translation>Impossible de verrouiller le dossier %1 : %2. %3</translation>
    </message>
    <message>
        <source>Cannot add to %1: %2.</source>
        <translation>Impossible d&apos;ajouter à %1 : %2.</translation>
    </message>
    <message>
        <source>Cannot look for unfinished work in the folder %1: %2.</source>
        <translation>Impossible de rechercher un travail inachevé dans le dossier %1 : %2.</translation>
    </message>
    <message>
        <source>Cannot delete the key file %1: %2.</source>
        <translation>Impossible de supprimer le fichier de clés %1 : %2.</translation>
    </message>
    <message>
        <source>Cannot delete the key file %1: %2. %3</source>
        <translation>Impossible de supprimer le fichier de clés %1 : %2. %3</translation>
    </message>
    <message>
        <source>Cannot use %1: %2.</source>
        <translation>Impossible d&apos;utiliser %1 : %2.</translation>
    </message>
    <message>
        <source>it does not exist</source>
        <translation>il n&apos;existe pas</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>accès refusé</translation>
    </message>
    <message>
        <source>the file system is read-only</source>
        <translation>le système de fichiers est en lecture seule</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>le disque est plein</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>c&apos;est un dossier</translation>
    </message>
    <message>
        <source>it is read-only</source>
        <translation>il est en lecture seule</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it is not a regular file but a pipe or a device</source>
        <translation>ce n&apos;est pas un fichier ordinaire mais un tube ou un périphérique</translation>
    </message>
    <message>
        <source>it is a symbolic link, and nothing is written through one</source>
        <translation>c&apos;est un lien symbolique, et rien n&apos;est écrit à travers un tel lien</translation>
    </message>
    <message>
        <source>it has other hard links, which would keep the old contents</source>
        <translation>il a d&apos;autres liens physiques, qui garderaient l&apos;ancien contenu</translation>
    </message>
    <message>
        <source>it was changed by another program meanwhile</source>
        <translation>il a été modifié entre-temps par un autre programme</translation>
    </message>
    <message>
        <source>it is larger than %1, the most the program reads</source>
        <translation>il dépasse %1, le maximum que lit le programme</translation>
    </message>
    <message>
        <source>its first line is longer than %1 characters</source>
        <translation>sa première ligne dépasse %1 caractères</translation>
    </message>
    <message>
        <source>The folder %1 is not writable.</source>
        <translation>Le dossier %1 n&apos;est pas accessible en écriture.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>Le dossier %1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>The program folder %1 is not writable.</source>
        <translation>Le dossier du programme %1 n&apos;est pas accessible en écriture.</translation>
    </message>
    <message>
        <source>The program folder %1 does not exist.</source>
        <translation>Le dossier du programme %1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>The file is read-only.</source>
        <translation>Le fichier est en lecture seule.</translation>
    </message>
    <message>
        <source>Nothing was done.</source>
        <translation>Rien n&apos;a été fait.</translation>
    </message>
    <message>
        <source>The key file %1 is not a regular file.</source>
        <translation>Le fichier de clés %1 n&apos;est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>The key file %1 has other hard links: its contents would survive under the other names.</source>
        <translation>Le fichier de clés %1 a d&apos;autres liens physiques : son contenu survivrait sous les autres noms.</translation>
    </message>
    <message>
        <source>The key file %1 is read-only.</source>
        <translation>Le fichier de clés %1 est en lecture seule.</translation>
    </message>
    <message>
        <source>The key file %1 was changed by another program meanwhile.</source>
        <translation>Le fichier de clés %1 a été modifié entre-temps par un autre programme.</translation>
    </message>
    <message>
        <source>The next change of the file finishes that.</source>
        <translation>La prochaine modification du fichier s&apos;en chargera.</translation>
    </message>
    <message>
        <source>Cannot overwrite the key file %1 (pass %2 of %3): %4. It is gone from its folder, but its old bytes were not all overwritten; the next command on it tries again.</source>
        <translation>Impossible d&apos;écraser le fichier de clés %1 (passe %2 sur %3) : %4. Il a disparu de son dossier, mais ses anciens octets n&apos;ont pas tous été écrasés ; la prochaine commande qui le touche réessaiera.</translation>
    </message>
    <message>
        <source>The key file was overwritten but could not be deleted: %1: %2.</source>
        <translation>Le fichier de clés a été écrasé mais n&apos;a pas pu être supprimé : %1 : %2.</translation>
    </message>
    <message>
        <source>The key file was overwritten but could not be deleted: %1: %2. %3</source>
        <translation>Le fichier de clés a été écrasé mais n&apos;a pas pu être supprimé : %1 : %2. %3</translation>
    </message>
    <message>
        <source>%1 was written, but the old contents it replaced could not be overwritten: %2.</source>
        <translation>%1 a été écrit, mais l&apos;ancien contenu qu&apos;il remplace n&apos;a pas pu être écrasé : %2.</translation>
    </message>
    <message>
        <source>%1 was written, but its folder %2 could not be flushed: %3.  The change may be lost if the computer stops now.</source>
        <translation>%1 a été écrit, mais son dossier %2 n&apos;a pas pu être vidé sur le disque : %3.  La modification peut être perdue si l&apos;ordinateur s&apos;arrête maintenant.</translation>
    </message>
    <message>
        <source>Another program has been changing the files in %1 for %2 seconds; nothing was changed.  Try again when it has finished.</source>
        <translation>Un autre programme modifie les fichiers de %1 depuis %2 secondes ; rien n&apos;a été modifié.  Réessayez quand il aura fini.</translation>
    </message>
    <message>
        <source>There is not enough memory for this; nothing more was done.</source>
        <translation>La mémoire ne suffit pas pour cela ; rien de plus n&apos;a été fait.</translation>
    </message>
    <message>
        <source>The command stopped on an unexpected failure; nothing more was done.</source>
        <translation>La commande s&apos;est arrêtée sur une erreur inattendue ; rien de plus n&apos;a été fait.</translation>
    </message>
    <message>
        <source>Cancelled; nothing was changed.</source>
        <translation>Annulé ; rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>Standard input is not a terminal, so nobody can answer the question: pass %1 to go ahead.</source>
        <translation>L&apos;entrée standard n&apos;est pas un terminal, personne ne peut donc répondre à la question : passez %1 pour continuer.</translation>
    </message>
</context>
<context>
    <name>talvora::ui::FrmAbout</name>
    <message>
        <source>About Talvora</source>
        <translation>À propos de Talvora</translation>
    </message>
    <message>
        <source>A word-substitution code: each word of a text becomes another word of the same dictionary, chosen by a secret key. Both sides need the same dictionary file and the same key.</source>
        <translation>Un code de substitution de mots : chaque mot d&apos;un texte devient un autre mot du même dictionnaire, choisi par une clé secrète. Les deux parties ont besoin du même fichier de dictionnaire et de la même clé.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 2 or later. The dictionaries keep the licences of their word lists. Built with Qt %1.</source>
        <translation>Logiciel libre sous la GNU General Public License, version 2 ou ultérieure. Les dictionnaires conservent les licences de leurs listes de mots. Construit avec Qt %1.</translation>
    </message>
    <message>
        <source>No dictionary is loaded.</source>
        <translation>Aucun dictionnaire n&apos;est chargé.</translation>
    </message>
    <message>
        <source>Fingerprint of %1:</source>
        <translation>Empreinte de %1 :</translation>
    </message>
    <message>
        <source>Both sides must see the same fingerprint before the first message</source>
        <translation>Les deux parties doivent voir la même empreinte avant le premier message</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
</context>
<context>
    <name>talvora::ui::FrmAdd</name>
    <message>
        <source>Add to Dictionary</source>
        <translation>Ajouter au dictionnaire</translation>
    </message>
    <message>
        <source>Word to Add</source>
        <translation>Mot à ajouter</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>talvora::ui::FrmBrowser</name>
    <message>
        <source>Dictionaries</source>
        <translation>Dictionnaires</translation>
    </message>
    <message>
        <source>Key Management</source>
        <translation>Gestion des clés</translation>
    </message>
    <message>
        <source>Encoding and Decoding Data</source>
        <translation>Codage et décodage des données</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Help page not found&lt;/h2&gt;&lt;p&gt;The help page &lt;b&gt;%1&lt;/b&gt; is not in the program folder &lt;b&gt;%2&lt;/b&gt;, or it cannot be read.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Page d&apos;aide introuvable&lt;/h2&gt;&lt;p&gt;La page d&apos;aide &lt;b&gt;%1&lt;/b&gt; n&apos;est pas dans le dossier du programme &lt;b&gt;%2&lt;/b&gt;, ou elle ne peut pas être lue.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Web Message</source>
        <translation>Message Web</translation>
    </message>
</context>
<context>
    <name>talvora::ui::FrmMain</name>
    <message>
        <source>1 word</source>
        <translation>1 mot</translation>
    </message>
    <message numerus="yes">
        <source>%Ln words</source>
        <translation>
            <numerusform>%Ln mot</numerusform>
            <numerusform>%Ln mots</numerusform>
        </translation>
    </message>
    <message>
        <source>A key holds at most 18 characters; the key box kept %1.</source>
        <translation>Une clé a au plus 18 caractères ; la zone de clé a gardé %1.</translation>
    </message>
    <message>
        <source>Select Dictionary to Load</source>
        <translation>Choisissez le dictionnaire à charger</translation>
    </message>
    <message>
        <source>Welcome.  Select Dictionary, define and process the Key.</source>
        <translation>Bienvenue.  Choisissez un dictionnaire, définissez la clé et traitez-la.</translation>
    </message>
    <message>
        <source>There is no dictionary file for &quot;%1&quot;.</source>
        <translation>Il n&apos;y a pas de fichier de dictionnaire pour « %1 ».</translation>
    </message>
    <message>
        <source>Loaded</source>
        <translation>Chargé</translation>
    </message>
    <message>
        <source>Not processed</source>
        <translation>Non traité</translation>
    </message>
    <message>
        <source>Processed: %1 · %2</source>
        <translation>Traité : %1 · %2</translation>
    </message>
    <message>
        <source>unnamed key</source>
        <translation>clé sans nom</translation>
    </message>
    <message>
        <source>%1 items in Dictionary</source>
        <translation>%1 entrées dans le dictionnaire</translation>
    </message>
    <message>
        <source>%1
Code page %2
Fingerprint %3</source>
        <translation>%1
Page de codes %2
Empreinte %3</translation>
    </message>
    <message>
        <source>Showing the output...</source>
        <translation>Affichage de la sortie...</translation>
    </message>
    <message>
        <source>&quot;%1&quot; does not look like a text file: it holds control characters or bytes that are not text.  Load it all the same?</source>
        <translation>« %1 » ne ressemble pas à un fichier texte : il contient des caractères de contrôle ou des octets qui ne sont pas du texte.  Le charger quand même ?</translation>
    </message>
    <message>
        <source>File Saved</source>
        <translation>Fichier enregistré</translation>
    </message>
    <message>
        <source>The output box is empty: nothing was copied.</source>
        <translation>La zone de sortie est vide : rien n&apos;a été copié.</translation>
    </message>
    <message>
        <source>Copied %1.</source>
        <translation>Copié : %1.</translation>
    </message>
    <message>
        <source>The clipboard holds no text: the input box is unchanged.</source>
        <translation>Le presse-papiers ne contient pas de texte : la zone d&apos;entrée n&apos;a pas changé.</translation>
    </message>
    <message>
        <source>Pasted %1.</source>
        <translation>Collé : %1.</translation>
    </message>
    <message>
        <source>The output box is empty: the input box is unchanged.</source>
        <translation>La zone de sortie est vide : la zone d&apos;entrée n&apos;a pas changé.</translation>
    </message>
    <message>
        <source>Moved %1 to the input box.</source>
        <translation>Déplacé dans la zone d&apos;entrée : %1.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Charger</translation>
    </message>
    <message>
        <source>Vie&amp;w</source>
        <translation>Affic&amp;her</translation>
    </message>
    <message>
        <source>Sea&amp;rch</source>
        <translation>&amp;Rechercher</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>A&amp;jouter</translation>
    </message>
    <message>
        <source>Key Management</source>
        <translation>Gestion des clés</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Nom</translation>
    </message>
    <message>
        <source>&amp;Key</source>
        <translation>Cl&amp;é</translation>
    </message>
    <message>
        <source>&amp;Generate Key</source>
        <translation>&amp;Générer une clé</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>Re&amp;tirer</translation>
    </message>
    <message>
        <source>&amp;Process</source>
        <translation>Tra&amp;iter</translation>
    </message>
    <message>
        <source>Trans&amp;fer Keys</source>
        <translation>Tran&amp;sférer les clés</translation>
    </message>
    <message>
        <source>Rest&amp;ore Keys</source>
        <translation>Resta&amp;urer les clés</translation>
    </message>
    <message>
        <source>Delete Ke&amp;ys</source>
        <translation>E&amp;ffacer les clés</translation>
    </message>
    <message>
        <source>Input Text</source>
        <translation>Texte d&apos;entrée</translation>
    </message>
    <message>
        <source>Get Te&amp;xt</source>
        <translation>Ouvrir un te&amp;xte</translation>
    </message>
    <message>
        <source>&amp;Encode</source>
        <translation>C&amp;oder</translation>
    </message>
    <message>
        <source>&amp;Decode</source>
        <translation>&amp;Décoder</translation>
    </message>
    <message>
        <source>Tidy</source>
        <translation>Nettoyer</translation>
    </message>
    <message>
        <source>Pas&amp;te</source>
        <translation>Co&amp;ller</translation>
    </message>
    <message>
        <source>Use as &amp;Input</source>
        <translation>Utiliser co&amp;mme entrée</translation>
    </message>
    <message>
        <source>Output Text</source>
        <translation>Texte de sortie</translation>
    </message>
    <message>
        <source>Sa&amp;ve</source>
        <translation>Enregis&amp;trer</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>Co&amp;pier</translation>
    </message>
    <message>
        <source>Dress as sentences</source>
        <translation>Habiller en phrases</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>&amp;Dictionaries</source>
        <translation>&amp;Dictionnaires</translation>
    </message>
    <message>
        <source>&amp;Key Management</source>
        <translation>&amp;Gestion des clés</translation>
    </message>
    <message>
        <source>&amp;Encoding and Decoding</source>
        <translation>&amp;Codage et décodage</translation>
    </message>
    <message>
        <source>Picking a language loads its dictionary</source>
        <translation>Choisir une langue charge son dictionnaire</translation>
    </message>
    <message>
        <source>Dictionary status</source>
        <translation>État du dictionnaire</translation>
    </message>
    <message>
        <source>How many words the loaded dictionary holds</source>
        <translation>Nombre de mots du dictionnaire chargé</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Charger</translation>
    </message>
    <message>
        <source>Loads a dictionary file chosen in a file dialog</source>
        <translation>Charge un fichier de dictionnaire choisi dans une boîte de dialogue</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Afficher</translation>
    </message>
    <message>
        <source>Lists every word of the loaded dictionary</source>
        <translation>Liste tous les mots du dictionnaire chargé</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Finds the words that begin with a text</source>
        <translation>Trouve les mots qui commencent par un texte</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Appends a word to the loaded dictionary file</source>
        <translation>Ajoute un mot au fichier de dictionnaire chargé</translation>
    </message>
    <message>
        <source>Key name</source>
        <translation>Nom de la clé</translation>
    </message>
    <message>
        <source>Picking a stored name puts its key into the key box</source>
        <translation>Choisir un nom enregistré place sa clé dans la zone de clé</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Clé</translation>
    </message>
    <message>
        <source>The key to process: at most 18 characters, as a rule the digits 1 to 9</source>
        <translation>La clé à traiter : au plus 18 caractères, en règle générale les chiffres 1 à 9</translation>
    </message>
    <message>
        <source>Generate Key</source>
        <translation>Générer une clé</translation>
    </message>
    <message>
        <source>Puts a new random key into the key box</source>
        <translation>Place une nouvelle clé aléatoire dans la zone de clé</translation>
    </message>
    <message>
        <source>Save key</source>
        <translation>Enregistrer la clé</translation>
    </message>
    <message>
        <source>Stores the name and key in the key file</source>
        <translation>Enregistre le nom et la clé dans le fichier de clés</translation>
    </message>
    <message>
        <source>Remove key</source>
        <translation>Retirer la clé</translation>
    </message>
    <message>
        <source>Removes the named key from the key file</source>
        <translation>Retire la clé nommée du fichier de clés</translation>
    </message>
    <message>
        <source>Process</source>
        <translation>Traiter</translation>
    </message>
    <message>
        <source>Prepares the dictionary with the key; needed before Encode and Decode</source>
        <translation>Prépare le dictionnaire avec la clé ; nécessaire avant Coder et Décoder</translation>
    </message>
    <message>
        <source>Processed key</source>
        <translation>Clé traitée</translation>
    </message>
    <message>
        <source>The key and dictionary that Encode and Decode use</source>
        <translation>La clé et le dictionnaire qu&apos;utilisent Coder et Décoder</translation>
    </message>
    <message>
        <source>Transfer Keys</source>
        <translation>Transférer les clés</translation>
    </message>
    <message>
        <source>Copies the key file to a folder you choose</source>
        <translation>Copie le fichier de clés dans un dossier de votre choix</translation>
    </message>
    <message>
        <source>Restore Keys</source>
        <translation>Restaurer les clés</translation>
    </message>
    <message>
        <source>Copies the key file back from a folder you choose</source>
        <translation>Recopie le fichier de clés depuis un dossier de votre choix</translation>
    </message>
    <message>
        <source>Delete Keys</source>
        <translation>Effacer les clés</translation>
    </message>
    <message>
        <source>Overwrites and deletes the key file</source>
        <translation>Écrase puis supprime le fichier de clés</translation>
    </message>
    <message>
        <source>Input text</source>
        <translation>Texte d&apos;entrée</translation>
    </message>
    <message>
        <source>The text to encode or decode; a text file dropped here is read in</source>
        <translation>Le texte à coder ou à décoder ; un fichier texte déposé ici est lu</translation>
    </message>
    <message>
        <source>Get Text</source>
        <translation>Ouvrir un texte</translation>
    </message>
    <message>
        <source>Reads a text file into the input box</source>
        <translation>Lit un fichier texte dans la zone d&apos;entrée</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Replaces the input with the text on the clipboard</source>
        <translation>Remplace l&apos;entrée par le texte du presse-papiers</translation>
    </message>
    <message>
        <source>Use as Input</source>
        <translation>Utiliser comme entrée</translation>
    </message>
    <message>
        <source>Moves the output into the input box</source>
        <translation>Déplace la sortie dans la zone d&apos;entrée</translation>
    </message>
    <message>
        <source>Changes the words the dictionary lacks into words it holds</source>
        <translation>Change les mots absents du dictionnaire en mots qu&apos;il contient</translation>
    </message>
    <message>
        <source>Encode</source>
        <translation>Coder</translation>
    </message>
    <message>
        <source>Encodes the input into the output box</source>
        <translation>Code l&apos;entrée dans la zone de sortie</translation>
    </message>
    <message>
        <source>Decode</source>
        <translation>Décoder</translation>
    </message>
    <message>
        <source>Decodes the input into the output box</source>
        <translation>Décode l&apos;entrée dans la zone de sortie</translation>
    </message>
    <message>
        <source>Output text</source>
        <translation>Texte de sortie</translation>
    </message>
    <message>
        <source>The result of Encode or Decode</source>
        <translation>Le résultat de Coder ou Décoder</translation>
    </message>
    <message>
        <source>Encode writes the words as sentences; they decode exactly as before</source>
        <translation>Coder écrit les mots sous forme de phrases ; ils se décodent exactement comme avant</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Copies the whole output to the clipboard</source>
        <translation>Copie toute la sortie dans le presse-papiers</translation>
    </message>
    <message>
        <source>Save output</source>
        <translation>Enregistrer la sortie</translation>
    </message>
    <message>
        <source>Writes the output to a text file</source>
        <translation>Écrit la sortie dans un fichier texte</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>What the last command did</source>
        <translation>Ce qu&apos;a fait la dernière commande</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>How far a long command has come</source>
        <translation>L&apos;avancement d&apos;une longue commande</translation>
    </message>
    <message>
        <source>Tidy (Ctrl+T): makes the text encodable, changing only words the dictionary lacks.
Quotes, apostrophes, dashes, tabs, joined words, digits, abbreviations and missing accents become dictionary words;
words still unknown are listed with suggestions.</source>
        <translation>Nettoyer (Ctrl+T) : rend le texte codable en ne modifiant que les mots absents du dictionnaire.
Guillemets, apostrophes, tirets, tabulations, mots soudés, chiffres, abréviations et accents manquants deviennent des mots du dictionnaire ;
les mots encore inconnus sont listés avec des suggestions.</translation>
    </message>
</context>
<context>
    <name>talvora::ui::FrmPathSelect</name>
    <message>
        <source>&amp;Set</source>
        <translation>&amp;Valider</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Open a folder with a double click or Enter, go up with Backspace; &quot;Set&quot; takes the open folder.</source>
        <translation>Ouvrez un dossier par un double-clic ou avec Entrée, remontez avec Retour arrière ; « Valider » prend le dossier ouvert.</translation>
    </message>
    <message>
        <source>Select Path to Transfer Key File To</source>
        <translation>Choisir le dossier vers lequel transférer le fichier de clés</translation>
    </message>
    <message>
        <source>Select Path to Restore Key File From</source>
        <translation>Choisir le dossier d&apos;où restaurer le fichier de clés</translation>
    </message>
</context>
<context>
    <name>talvora::ui::FrmSearch</name>
    <message>
        <source>Search Dictionary</source>
        <translation>Rechercher dans le dictionnaire</translation>
    </message>
    <message>
        <source>Search string</source>
        <translation>Texte recherché</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Words found</source>
        <translation>Mots trouvés</translation>
    </message>
    <message>
        <source>The words that begin with the search text, in file order</source>
        <translation>Les mots qui commencent par le texte recherché, dans l&apos;ordre du fichier</translation>
    </message>
    <message>
        <source>The beginning of the words to find; letter case does not matter</source>
        <translation>Le début des mots à trouver ; majuscules et minuscules sont indifférentes</translation>
    </message>
    <message>
        <source>Search result</source>
        <translation>Résultat de la recherche</translation>
    </message>
    <message>
        <source>No word begins with %1.</source>
        <translation>Aucun mot ne commence par %1.</translation>
    </message>
    <message>
        <source>1 word begins with %1.</source>
        <translation>1 mot commence par %1.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln words begin with %1.</source>
        <translation>
            <numerusform>%Ln mot commence par %1.</numerusform>
            <numerusform>%Ln mots commencent par %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>talvora::ui::FrmUnknown</name>
    <message>
        <source>Words Not in the Dictionary</source>
        <translation>Mots absents du dictionnaire</translation>
    </message>
    <message>
        <source>The text was not encoded: these words are not in the dictionary.  Double-click a suggestion to put it in place of the word, press Tidy to have the text tidied, or add the word to the dictionary.</source>
        <translation>Le texte n&apos;a pas été codé : ces mots sont absents du dictionnaire.  Double-cliquez sur une suggestion pour la mettre à la place du mot, cliquez sur Nettoyer pour faire nettoyer le texte, ou ajoutez le mot au dictionnaire.</translation>
    </message>
    <message>
        <source>These words are not in the dictionary.  Double-click a suggestion to put it in place of the word, or add the word to the dictionary.</source>
        <translation>Ces mots sont absents du dictionnaire.  Double-cliquez sur une suggestion pour la mettre à la place du mot, ou ajoutez le mot au dictionnaire.</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Mot</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>(no suggestion)</source>
        <translation>(aucune suggestion)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Tidy</source>
        <translation>Nettoyer</translation>
    </message>
    <message>
        <source>Tidy made these changes.  Press Enter or double-click on one to take it back.</source>
        <translation>Nettoyer a fait ces modifications.  Appuyez sur Entrée ou double-cliquez sur l&apos;une d&apos;elles pour l&apos;annuler.</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Modification</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Ligne</translation>
    </message>
    <message>
        <source>Spell out</source>
        <translation>Épeler</translation>
    </message>
    <message>
        <source>Writes the selected word letter by letter, as a name the dictionary lacks can be sent</source>
        <translation>Écrit le mot choisi lettre par lettre, comme on peut envoyer un nom absent du dictionnaire</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Adds the selected word to the dictionary file</source>
        <translation>Ajoute le mot choisi au fichier de dictionnaire</translation>
    </message>
    <message>
        <source>%1 (added)</source>
        <translation>%1 (ajouté)</translation>
    </message>
</context>
<context>
    <name>talvora::ui::FrmView</name>
    <message>
        <source>View Dictionary</source>
        <translation>Afficher le dictionnaire</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Dictionary words</source>
        <translation>Mots du dictionnaire</translation>
    </message>
    <message>
        <source>Every word of the dictionary, in file order</source>
        <translation>Tous les mots du dictionnaire, dans l&apos;ordre du fichier</translation>
    </message>
</context>
<context>
    <name>talvora::ui::LanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
</context>
</TS>
