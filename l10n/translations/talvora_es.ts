<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>MessageBox</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sí</translation>
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
        <translation>La clave no está definida.  Seleccione una clave, escriba una o genere una.</translation>
    </message>
    <message>
        <source>Cannot this this until you have loaded a Dictionary.</source>
        <translation>No es posible hasta que haya cargado un diccionario.</translation>
    </message>
    <message>
        <source>This key cannot be used.  Use a key made of the digits 1 to 9, or generate one.</source>
        <translation>Esta clave no se puede usar.  Use una clave formada por las cifras 1 a 9, o genere una.</translation>
    </message>
    <message>
        <source>Missing Input Text error.</source>
        <translation>Falta el texto de entrada.</translation>
    </message>
    <message>
        <source>Dictionary not loaded.  Please select a dictionary.</source>
        <translation>No hay ningún diccionario cargado.  Seleccione un diccionario.</translation>
    </message>
    <message>
        <source>You must first define the key to use and Process the key before you can proceed.</source>
        <translation>Antes de continuar debe definir la clave que va a usar y procesarla.</translation>
    </message>
    <message>
        <source>Creating Keyspace...</source>
        <translation>Creando el espacio de claves...</translation>
    </message>
    <message>
        <source>Dictionary is ready for cryption.</source>
        <translation>El diccionario está listo para cifrar.</translation>
    </message>
    <message>
        <source>Parsing Text...</source>
        <translation>Analizando el texto...</translation>
    </message>
    <message>
        <source>Checking with Dictionary...</source>
        <translation>Comprobando con el diccionario...</translation>
    </message>
    <message>
        <source>Encoding...</source>
        <translation>Codificando...</translation>
    </message>
    <message>
        <source>Decoding...</source>
        <translation>Descodificando...</translation>
    </message>
    <message>
        <source>Cannot find the word &apos;%1&apos;.  Either it is a misspelling, or needs to be added to the dictionary.</source>
        <translation>No se encuentra la palabra &apos;%1&apos;.  O está mal escrita, o hay que añadirla al diccionario.</translation>
    </message>
    <message>
        <source>1 word was not found in the dictionary: %1.</source>
        <translation>1 palabra no se encontró en el diccionario: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n words were not found in the dictionary: %1.</source>
        <translation>
            <numerusform>%n palabra no se encontró en el diccionario: %1.</numerusform>
            <numerusform>%n palabras no se encontraron en el diccionario: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n times)</source>
        <translation>
            <numerusform>%1 (%n vez)</numerusform>
            <numerusform>%1 (%n veces)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n more</source>
        <translation>
            <numerusform>%1 y %n más</numerusform>
            <numerusform>%1 y %n más</numerusform>
        </translation>
    </message>
    <message>
        <source>This encoded text will not decode back to your words with the same dictionary and key.</source>
        <translation>Este texto codificado no volverá a dar sus palabras con el mismo diccionario y la misma clave.</translation>
    </message>
    <message>
        <source>This encoded text will not decode back to your words with the same dictionary and key.  Dictionary entries at fault: %1.  Correct the dictionary on both sides before sending this text.</source>
        <translation>Este texto codificado no volverá a dar sus palabras con el mismo diccionario y la misma clave.  Entradas del diccionario con errores: %1.  Corrija el diccionario en ambos lados antes de enviar este texto.</translation>
    </message>
    <message>
        <source>The program folder lacks %1, which Tidy needs to split joined words: they stay as typed.</source>
        <translation>En la carpeta del programa falta %1, que Limpiar necesita para separar palabras unidas: se quedan como se escribieron.</translation>
    </message>
    <message>
        <source>line %1 (empty)</source>
        <translation>línea %1 (vacía)</translation>
    </message>
    <message>
        <source>line %1 %2</source>
        <translation>línea %1 %2</translation>
    </message>
    <message>
        <source>line %1 %2 (holds a blank, line break or punctuation)</source>
        <translation>línea %1 %2 (contiene un espacio, un salto de línea o un signo de puntuación)</translation>
    </message>
    <message>
        <source>line %1 %2 (also on line %3)</source>
        <translation>línea %1 %2 (también en la línea %3)</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>y %n más</numerusform>
            <numerusform>y %n más</numerusform>
        </translation>
    </message>
    <message>
        <source>Missing Data.  Enter a Name and a Key or generate one.</source>
        <translation>Faltan datos.  Escriba un nombre y una clave, o genere una.</translation>
    </message>
    <message>
        <source>Key cannot contain a zero.  Change the zero to numeric digit.</source>
        <translation>La clave no puede contener un cero.  Cambie el cero por otra cifra.</translation>
    </message>
    <message>
        <source>Key Saved</source>
        <translation>Clave guardada</translation>
    </message>
    <message>
        <source>Remove Confirm</source>
        <translation>Confirmar eliminación</translation>
    </message>
    <message>
        <source>Are you sure you want to remove the Key %1?</source>
        <translation>¿Seguro que desea eliminar la clave %1?</translation>
    </message>
    <message>
        <source>Key Delete Confirm</source>
        <translation>Confirmar borrado del archivo de claves</translation>
    </message>
    <message>
        <source>Please make certain that you transfer the key file before deleting it.  Are you sure you want to delete the Key File?</source>
        <translation>Asegúrese de transferir el archivo de claves antes de borrarlo.  ¿Seguro que desea borrar el archivo de claves?</translation>
    </message>
    <message>
        <source>Keys Transferred.</source>
        <translation>Claves transferidas.</translation>
    </message>
    <message>
        <source>Keys Restored.</source>
        <translation>Claves restauradas.</translation>
    </message>
    <message>
        <source>Key File is deleted.  No Cryptions are now possible.</source>
        <translation>El archivo de claves se ha borrado.  Ya no es posible cifrar ni descifrar.</translation>
    </message>
    <message>
        <source>A key name cannot hold a control character (a line break, a tab or an escape).  Type the name without it.</source>
        <translation>Un nombre de clave no puede contener un carácter de control (salto de línea, tabulador o escape).  Escriba el nombre sin él.</translation>
    </message>
    <message>
        <source>Save Confirm</source>
        <translation>Confirmar guardado</translation>
    </message>
    <message>
        <source>A key named %1 is stored. Replace its key?</source>
        <translation>Hay una clave guardada con el nombre %1. ¿Reemplazar su clave?</translation>
    </message>
    <message>
        <source>Transfer Confirm</source>
        <translation>Confirmar transferencia</translation>
    </message>
    <message>
        <source>The chosen folder holds a key file, %1, that differs from the one here.  Replace it?</source>
        <translation>La carpeta elegida contiene un archivo de claves, %1, distinto del de aquí.  ¿Reemplazarlo?</translation>
    </message>
    <message>
        <source>No key named %1 is stored.</source>
        <translation>No hay ninguna clave guardada con el nombre %1.</translation>
    </message>
    <message>
        <source>No key is stored under the name %1.</source>
        <translation>No hay ninguna clave guardada bajo el nombre %1.</translation>
    </message>
    <message>
        <source>A key has at most 18 characters; this one has %1.  Nothing was stored.</source>
        <translation>Una clave tiene como máximo 18 caracteres; esta tiene %1.  No se ha guardado nada.</translation>
    </message>
    <message>
        <source>Restore Confirm</source>
        <translation>Confirmar restauración</translation>
    </message>
    <message>
        <source>Restoring the key file of the chosen folder loses or changes 1 key stored now:
%1Restore anyway?</source>
        <translation>Restaurar el archivo de claves de la carpeta elegida pierde o cambia 1 clave guardada ahora:
%1¿Restaurar de todos modos?</translation>
    </message>
    <message numerus="yes">
        <source>Restoring the key file of the chosen folder loses or changes %n keys stored now:
%1Restore anyway?</source>
        <translation>
            <numerusform>Restaurar el archivo de claves de la carpeta elegida pierde o cambia %n clave guardada ahora:
%1¿Restaurar de todos modos?</numerusform>
            <numerusform>Restaurar el archivo de claves de la carpeta elegida pierde o cambia %n claves guardadas ahora:
%1¿Restaurar de todos modos?</numerusform>
        </translation>
    </message>
    <message>
        <source>- %1 (another key)</source>
        <translation>- %1 (otra clave)</translation>
    </message>
    <message>
        <source>- %1 (lost)</source>
        <translation>- %1 (perdida)</translation>
    </message>
    <message numerus="yes">
        <source>and %n more.</source>
        <translation>
            <numerusform>y %n más.</numerusform>
            <numerusform>y %n más.</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot transfer the key file: the folder %1 does not exist.</source>
        <translation>No se puede transferir el archivo de claves: la carpeta %1 no existe.</translation>
    </message>
    <message>
        <source>Cannot transfer the key file to %1: it is the program folder, the file would be copied onto itself.</source>
        <translation>No se puede transferir el archivo de claves a %1: es la carpeta del programa, el archivo se copiaría sobre sí mismo.</translation>
    </message>
    <message>
        <source>There is no key file to transfer: %1 does not exist.</source>
        <translation>No hay ningún archivo de claves que transferir: %1 no existe.</translation>
    </message>
    <message>
        <source>Cannot restore the key file: the folder %1 does not exist.</source>
        <translation>No se puede restaurar el archivo de claves: la carpeta %1 no existe.</translation>
    </message>
    <message>
        <source>Cannot restore the key file from %1: it is the program folder itself, there is nothing to restore.</source>
        <translation>No se puede restaurar el archivo de claves desde %1: es la propia carpeta del programa, no hay nada que restaurar.</translation>
    </message>
    <message>
        <source>There is no key file to restore in %1; the key file was not changed.</source>
        <translation>No hay ningún archivo de claves que restaurar en %1; el archivo de claves no se ha modificado.</translation>
    </message>
    <message>
        <source>Cannot draw random numbers from the operating system: %1.</source>
        <translation>No se pueden obtener números aleatorios del sistema operativo: %1.</translation>
    </message>
    <message>
        <source>Cannot load the dictionary %1: %2.</source>
        <translation>No se puede cargar el diccionario %1: %2.</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>el archivo está vacío</translation>
    </message>
    <message>
        <source>it has more than 655000 lines</source>
        <translation>tiene más de 655000 líneas</translation>
    </message>
    <message>
        <source>line %1 holds the byte %2, which the code page %3 leaves unassigned</source>
        <translation>la línea %1 contiene el byte %2, que la página de códigos %3 no asigna</translation>
    </message>
    <message>
        <source>No Word defined to Add</source>
        <translation>No se ha indicado ninguna palabra para añadir</translation>
    </message>
    <message>
        <source>That word is already in the dictionary.</source>
        <translation>Esa palabra ya está en el diccionario.</translation>
    </message>
    <message>
        <source>%1 Added.</source>
        <translation>%1 añadida.</translation>
    </message>
    <message>
        <source>A word cannot hold a line break: it would become two lines of the dictionary.  Nothing was added.</source>
        <translation>Una palabra no puede contener un salto de línea: se convertiría en dos líneas del diccionario.  No se ha añadido nada.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be a word of the dictionary: %2, so it could never be encoded.  Nothing was added.</source>
        <translation>&quot;%1&quot; no puede ser una palabra del diccionario: %2, así que nunca podría codificarse.  No se ha añadido nada.</translation>
    </message>
    <message>
        <source>it holds a blank, and a text is cut into words at every blank</source>
        <translation>contiene un espacio, y un texto se divide en palabras en cada espacio</translation>
    </message>
    <message>
        <source>it holds &quot;%1&quot;, which is dropped from every text</source>
        <translation>contiene &quot;%1&quot;, que se elimina de todo texto</translation>
    </message>
    <message>
        <source>Cannot add the word: %1</source>
        <translation>No se puede añadir la palabra: %1</translation>
    </message>
    <message>
        <source>The code page &quot;%1&quot; is not known.</source>
        <translation>La página de códigos &quot;%1&quot; no se conoce.</translation>
    </message>
    <message>
        <source>The code page &quot;%1&quot; is not a single-byte code page.</source>
        <translation>La página de códigos &quot;%1&quot; no es una página de códigos de un byte.</translation>
    </message>
    <message>
        <source>The code page &quot;%1&quot; reads the bytes %2 as the same character, so a text would not read back as it was written.</source>
        <translation>La página de códigos &quot;%1&quot; lee los bytes %2 como el mismo carácter, así que un texto no se leería tal como se escribió.</translation>
    </message>
    <message>
        <source>The character %1 cannot be written in the code page %2.</source>
        <translation>El carácter %1 no se puede escribir en la página de códigos %2.</translation>
    </message>
    <message>
        <source>The environment variable %1 cannot be used: %2 It accepts a single-byte code page whose 256 bytes read as 256 different characters, such as %3</source>
        <translation>La variable de entorno %1 no se puede usar: %2 Admite una página de códigos de un byte cuyos 256 bytes se leen como 256 caracteres distintos, por ejemplo %3</translation>
    </message>
    <message>
        <source>Cannot read %1: %2.</source>
        <translation>No se puede leer %1: %2.</translation>
    </message>
    <message>
        <source>Cannot read %1: %2. %3</source>
        <translation>No se puede leer %1: %2. %3</translation>
    </message>
    <message>
        <source>Cannot write %1: %2.</source>
        <translation>No se puede escribir %1: %2.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2. %3</source>
        <translation>No se puede escribir %1: %2. %3</translation>
    </message>
    <message>
        <source>Cannot read the key file %1: %2.</source>
        <translation>No se puede leer el archivo de claves %1: %2.</translation>
    </message>
    <message>
        <source>Cannot write the key file %1: %2.</source>
        <translation>No se puede escribir el archivo de claves %1: %2.</translation>
    </message>
    <message>
        <source>Cannot write the key file %1: %2. %3</source>
        <translation>No se puede escribir el archivo de claves %1: %2. %3</translation>
    </message>
    <message>
        <source>Cannot read the status of %1: %2.</source>
        <translation>No se puede leer el estado de %1: %2.</translation>
    </message>
    <message>
        <source>Cannot lock the folder %1: %2.</source>
        <translation>No se puede bloquear la carpeta %1: %2.</translation>
    </message>
    <message>
        <source>Cannot lock the folder %1: %2. %3</source>
        <translation>No se puede bloquear la carpeta %1: %2. %3</translation>
    </message>
    <message>
        <source>Cannot add to %1: %2.</source>
        <translation>No se puede añadir a %1: %2.</translation>
    </message>
    <message>
        <source>Cannot look for unfinished work in the folder %1: %2.</source>
        <translation>No se puede buscar trabajo sin terminar en la carpeta %1: %2.</translation>
    </message>
    <message>
        <source>Cannot delete the key file %1: %2.</source>
        <translation>No se puede borrar el archivo de claves %1: %2.</translation>
    </message>
    <message>
        <source>Cannot delete the key file %1: %2. %3</source>
        <translation>No se puede borrar el archivo de claves %1: %2. %3</translation>
    </message>
    <message>
        <source>Cannot use %1: %2.</source>
        <translation>No se puede usar %1: %2.</translation>
    </message>
    <message>
        <source>it does not exist</source>
        <translation>no existe</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>permiso denegado</translation>
    </message>
    <message>
        <source>the file system is read-only</source>
        <translation>el sistema de archivos es de solo lectura</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>el disco está lleno</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>es una carpeta</translation>
    </message>
    <message>
        <source>it is read-only</source>
        <translation>es de solo lectura</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>it is not a regular file but a pipe or a device</source>
        <translation>no es un archivo normal sino una tubería o un dispositivo</translation>
    </message>
    <message>
        <source>it is a symbolic link, and nothing is written through one</source>
        <translation>es un enlace simbólico, y no se escribe nada a través de uno</translation>
    </message>
    <message>
        <source>it has other hard links, which would keep the old contents</source>
        <translation>tiene otros enlaces físicos, que conservarían el contenido antiguo</translation>
    </message>
    <message>
        <source>it was changed by another program meanwhile</source>
        <translation>otro programa lo ha modificado entretanto</translation>
    </message>
    <message>
        <source>it is larger than %1, the most the program reads</source>
        <translation>es mayor que %1, lo máximo que lee el programa</translation>
    </message>
    <message>
        <source>its first line is longer than %1 characters</source>
        <translation>su primera línea tiene más de %1 caracteres</translation>
    </message>
    <message>
        <source>The folder %1 is not writable.</source>
        <translation>La carpeta %1 no admite escritura.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>La carpeta %1 no existe.</translation>
    </message>
    <message>
        <source>The program folder %1 is not writable.</source>
        <translation>La carpeta del programa %1 no admite escritura.</translation>
    </message>
    <message>
        <source>The program folder %1 does not exist.</source>
        <translation>La carpeta del programa %1 no existe.</translation>
    </message>
    <message>
        <source>The file is read-only.</source>
        <translation>El archivo es de solo lectura.</translation>
    </message>
    <message>
        <source>Nothing was done.</source>
        <translation>No se ha hecho nada.</translation>
    </message>
    <message>
        <source>The key file %1 is not a regular file.</source>
        <translation>El archivo de claves %1 no es un archivo normal.</translation>
    </message>
    <message>
        <source>The key file %1 has other hard links: its contents would survive under the other names.</source>
        <translation>El archivo de claves %1 tiene otros enlaces físicos: su contenido sobreviviría con los otros nombres.</translation>
    </message>
    <message>
        <source>The key file %1 is read-only.</source>
        <translation>El archivo de claves %1 es de solo lectura.</translation>
    </message>
    <message>
        <source>The key file %1 was changed by another program meanwhile.</source>
        <translation>Otro programa ha modificado entretanto el archivo de claves %1.</translation>
    </message>
    <message>
        <source>The next change of the file finishes that.</source>
        <translation>El próximo cambio del archivo lo completará.</translation>
    </message>
    <message>
        <source>Cannot overwrite the key file %1 (pass %2 of %3): %4. It is gone from its folder, but its old bytes were not all overwritten; the next command on it tries again.</source>
        <translation>No se puede sobrescribir el archivo de claves %1 (pasada %2 de %3): %4. Ya no está en su carpeta, pero no todos sus bytes antiguos se han sobrescrito; la próxima orden sobre él lo volverá a intentar.</translation>
    </message>
    <message>
        <source>The key file was overwritten but could not be deleted: %1: %2.</source>
        <translation>El archivo de claves se ha sobrescrito, pero no se ha podido borrar: %1: %2.</translation>
    </message>
    <message>
        <source>The key file was overwritten but could not be deleted: %1: %2. %3</source>
        <translation>El archivo de claves se ha sobrescrito, pero no se ha podido borrar: %1: %2. %3</translation>
    </message>
    <message>
        <source>%1 was written, but the old contents it replaced could not be overwritten: %2.</source>
        <translation>%1 se ha escrito, pero el contenido antiguo que reemplazó no se ha podido sobrescribir: %2.</translation>
    </message>
    <message>
        <source>%1 was written, but its folder %2 could not be flushed: %3.  The change may be lost if the computer stops now.</source>
        <translation>%1 se ha escrito, pero su carpeta %2 no se ha podido volcar al disco: %3.  El cambio puede perderse si el equipo se detiene ahora.</translation>
    </message>
    <message>
        <source>Another program has been changing the files in %1 for %2 seconds; nothing was changed.  Try again when it has finished.</source>
        <translation>Otro programa lleva %2 segundos modificando los archivos de %1; no se ha cambiado nada.  Vuelva a intentarlo cuando haya terminado.</translation>
    </message>
    <message>
        <source>There is not enough memory for this; nothing more was done.</source>
        <translation>No hay memoria suficiente para esto; no se ha hecho nada más.</translation>
    </message>
    <message>
        <source>The command stopped on an unexpected failure; nothing more was done.</source>
        <translation>La orden se detuvo por un fallo inesperado; no se ha hecho nada más.</translation>
    </message>
    <message>
        <source>Cancelled; nothing was changed.</source>
        <translation>Cancelado; no se ha cambiado nada.</translation>
    </message>
    <message>
        <source>Standard input is not a terminal, so nobody can answer the question: pass %1 to go ahead.</source>
        <translation>La entrada estándar no es un terminal, así que nadie puede responder a la pregunta: indique %1 para continuar.</translation>
    </message>
</context>
<context>
    <name>talvora::ui::FrmAbout</name>
    <message>
        <source>About Talvora</source>
        <translation>Acerca de Talvora</translation>
    </message>
    <message>
        <source>A word-substitution code: each word of a text becomes another word of the same dictionary, chosen by a secret key. Both sides need the same dictionary file and the same key.</source>
        <translation>Un código de sustitución de palabras: cada palabra de un texto se convierte en otra palabra del mismo diccionario, elegida por una clave secreta. Ambas partes necesitan el mismo archivo de diccionario y la misma clave.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Hecho</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 2 or later. The dictionaries keep the licences of their word lists. Built with Qt %1.</source>
        <translation>Software libre bajo la GNU General Public License, versión 2 o posterior. Los diccionarios conservan las licencias de sus listas de palabras. Compilado con Qt %1.</translation>
    </message>
    <message>
        <source>No dictionary is loaded.</source>
        <translation>No hay ningún diccionario cargado.</translation>
    </message>
    <message>
        <source>Fingerprint of %1:</source>
        <translation>Huella de %1:</translation>
    </message>
    <message>
        <source>Both sides must see the same fingerprint before the first message</source>
        <translation>Ambas partes deben ver la misma huella antes del primer mensaje</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
</context>
<context>
    <name>talvora::ui::FrmAdd</name>
    <message>
        <source>Add to Dictionary</source>
        <translation>Añadir al diccionario</translation>
    </message>
    <message>
        <source>Word to Add</source>
        <translation>Palabra que añadir</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>talvora::ui::FrmBrowser</name>
    <message>
        <source>Dictionaries</source>
        <translation>Diccionarios</translation>
    </message>
    <message>
        <source>Key Management</source>
        <translation>Gestión de claves</translation>
    </message>
    <message>
        <source>Encoding and Decoding Data</source>
        <translation>Codificación y descodificación de datos</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Help page not found&lt;/h2&gt;&lt;p&gt;The help page &lt;b&gt;%1&lt;/b&gt; is not in the program folder &lt;b&gt;%2&lt;/b&gt;, or it cannot be read.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;No se encuentra la página de ayuda&lt;/h2&gt;&lt;p&gt;La página de ayuda &lt;b&gt;%1&lt;/b&gt; no está en la carpeta del programa &lt;b&gt;%2&lt;/b&gt;, o no se puede leer.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Web Message</source>
        <translation>Mensaje web</translation>
    </message>
</context>
<context>
    <name>talvora::ui::FrmMain</name>
    <message>
        <source>1 word</source>
        <translation>1 palabra</translation>
    </message>
    <message numerus="yes">
        <source>%Ln words</source>
        <translation>
            <numerusform>%Ln palabra</numerusform>
            <numerusform>%Ln palabras</numerusform>
        </translation>
    </message>
    <message>
        <source>A key holds at most 18 characters; the key box kept %1.</source>
        <translation>Una clave tiene como máximo 18 caracteres; el cuadro de la clave se ha quedado con %1.</translation>
    </message>
    <message>
        <source>Select Dictionary to Load</source>
        <translation>Seleccione el diccionario que cargar</translation>
    </message>
    <message>
        <source>Welcome.  Select Dictionary, define and process the Key.</source>
        <translation>Bienvenido.  Seleccione un diccionario, defina la clave y procésela.</translation>
    </message>
    <message>
        <source>There is no dictionary file for &quot;%1&quot;.</source>
        <translation>No hay ningún archivo de diccionario para &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Loaded</source>
        <translation>Cargado</translation>
    </message>
    <message>
        <source>Not processed</source>
        <translation>Sin procesar</translation>
    </message>
    <message>
        <source>Processed: %1 · %2</source>
        <translation>Procesada: %1 · %2</translation>
    </message>
    <message>
        <source>unnamed key</source>
        <translation>clave sin nombre</translation>
    </message>
    <message>
        <source>%1 items in Dictionary</source>
        <translation>%1 entradas en el diccionario</translation>
    </message>
    <message>
        <source>%1
Code page %2
Fingerprint %3</source>
        <translation>%1
Página de códigos %2
Huella %3</translation>
    </message>
    <message>
        <source>Showing the output...</source>
        <translation>Mostrando la salida...</translation>
    </message>
    <message>
        <source>&quot;%1&quot; does not look like a text file: it holds control characters or bytes that are not text.  Load it all the same?</source>
        <translation>&quot;%1&quot; no parece un archivo de texto: contiene caracteres de control o bytes que no son texto.  ¿Cargarlo de todos modos?</translation>
    </message>
    <message>
        <source>File Saved</source>
        <translation>Archivo guardado</translation>
    </message>
    <message>
        <source>The output box is empty: nothing was copied.</source>
        <translation>El cuadro de salida está vacío: no se ha copiado nada.</translation>
    </message>
    <message>
        <source>Copied %1.</source>
        <translation>Copiado: %1.</translation>
    </message>
    <message>
        <source>The clipboard holds no text: the input box is unchanged.</source>
        <translation>El portapapeles no contiene texto: el cuadro de entrada no ha cambiado.</translation>
    </message>
    <message>
        <source>Pasted %1.</source>
        <translation>Pegado: %1.</translation>
    </message>
    <message>
        <source>The output box is empty: the input box is unchanged.</source>
        <translation>El cuadro de salida está vacío: el cuadro de entrada no ha cambiado.</translation>
    </message>
    <message>
        <source>Moved %1 to the input box.</source>
        <translation>Pasado al cuadro de entrada: %1.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Cargar</translation>
    </message>
    <message>
        <source>Vie&amp;w</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>Sea&amp;rch</source>
        <translation>&amp;Buscar</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>Aña&amp;dir</translation>
    </message>
    <message>
        <source>Key Management</source>
        <translation>Gestión de claves</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Nombre</translation>
    </message>
    <message>
        <source>&amp;Key</source>
        <translation>C&amp;lave</translation>
    </message>
    <message>
        <source>&amp;Generate Key</source>
        <translation>&amp;Generar clave</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>G&amp;uardar</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>&amp;Process</source>
        <translation>&amp;Procesar</translation>
    </message>
    <message>
        <source>Trans&amp;fer Keys</source>
        <translation>&amp;Transferir claves</translation>
    </message>
    <message>
        <source>Rest&amp;ore Keys</source>
        <translation>&amp;Restaurar claves</translation>
    </message>
    <message>
        <source>Delete Ke&amp;ys</source>
        <translation>B&amp;orrar claves</translation>
    </message>
    <message>
        <source>Input Text</source>
        <translation>Texto de entrada</translation>
    </message>
    <message>
        <source>Get Te&amp;xt</source>
        <translation>Abrir te&amp;xto</translation>
    </message>
    <message>
        <source>&amp;Encode</source>
        <translation>Codi&amp;ficar</translation>
    </message>
    <message>
        <source>&amp;Decode</source>
        <translation>D&amp;escodificar</translation>
    </message>
    <message>
        <source>Tidy</source>
        <translation>Limpiar</translation>
    </message>
    <message>
        <source>Pas&amp;te</source>
        <translation>Peg&amp;ar</translation>
    </message>
    <message>
        <source>Use as &amp;Input</source>
        <translation>Usar co&amp;mo entrada</translation>
    </message>
    <message>
        <source>Output Text</source>
        <translation>Texto de salida</translation>
    </message>
    <message>
        <source>Sa&amp;ve</source>
        <translation>Guardar &amp;salida</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>Cop&amp;iar</translation>
    </message>
    <message>
        <source>Dress as sentences</source>
        <translation>Vestir como frases</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>&amp;Dictionaries</source>
        <translation>&amp;Diccionarios</translation>
    </message>
    <message>
        <source>&amp;Key Management</source>
        <translation>&amp;Gestión de claves</translation>
    </message>
    <message>
        <source>&amp;Encoding and Decoding</source>
        <translation>&amp;Codificación y descodificación</translation>
    </message>
    <message>
        <source>Picking a language loads its dictionary</source>
        <translation>Elegir un idioma carga su diccionario</translation>
    </message>
    <message>
        <source>Dictionary status</source>
        <translation>Estado del diccionario</translation>
    </message>
    <message>
        <source>How many words the loaded dictionary holds</source>
        <translation>Cuántas palabras tiene el diccionario cargado</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Cargar</translation>
    </message>
    <message>
        <source>Loads a dictionary file chosen in a file dialog</source>
        <translation>Carga un archivo de diccionario elegido en un cuadro de diálogo</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ver</translation>
    </message>
    <message>
        <source>Lists every word of the loaded dictionary</source>
        <translation>Lista todas las palabras del diccionario cargado</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Finds the words that begin with a text</source>
        <translation>Encuentra las palabras que empiezan por un texto</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Appends a word to the loaded dictionary file</source>
        <translation>Añade una palabra al archivo de diccionario cargado</translation>
    </message>
    <message>
        <source>Key name</source>
        <translation>Nombre de la clave</translation>
    </message>
    <message>
        <source>Picking a stored name puts its key into the key box</source>
        <translation>Elegir un nombre guardado pone su clave en el cuadro de la clave</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Clave</translation>
    </message>
    <message>
        <source>The key to process: at most 18 characters, as a rule the digits 1 to 9</source>
        <translation>La clave que procesar: como máximo 18 caracteres, por lo general las cifras 1 a 9</translation>
    </message>
    <message>
        <source>Generate Key</source>
        <translation>Generar clave</translation>
    </message>
    <message>
        <source>Puts a new random key into the key box</source>
        <translation>Pone una nueva clave aleatoria en el cuadro de la clave</translation>
    </message>
    <message>
        <source>Save key</source>
        <translation>Guardar clave</translation>
    </message>
    <message>
        <source>Stores the name and key in the key file</source>
        <translation>Guarda el nombre y la clave en el archivo de claves</translation>
    </message>
    <message>
        <source>Remove key</source>
        <translation>Quitar clave</translation>
    </message>
    <message>
        <source>Removes the named key from the key file</source>
        <translation>Quita la clave nombrada del archivo de claves</translation>
    </message>
    <message>
        <source>Process</source>
        <translation>Procesar</translation>
    </message>
    <message>
        <source>Prepares the dictionary with the key; needed before Encode and Decode</source>
        <translation>Prepara el diccionario con la clave; necesario antes de Codificar y Descodificar</translation>
    </message>
    <message>
        <source>Processed key</source>
        <translation>Clave procesada</translation>
    </message>
    <message>
        <source>The key and dictionary that Encode and Decode use</source>
        <translation>La clave y el diccionario que usan Codificar y Descodificar</translation>
    </message>
    <message>
        <source>Transfer Keys</source>
        <translation>Transferir claves</translation>
    </message>
    <message>
        <source>Copies the key file to a folder you choose</source>
        <translation>Copia el archivo de claves a una carpeta que usted elija</translation>
    </message>
    <message>
        <source>Restore Keys</source>
        <translation>Restaurar claves</translation>
    </message>
    <message>
        <source>Copies the key file back from a folder you choose</source>
        <translation>Copia de vuelta el archivo de claves desde una carpeta que usted elija</translation>
    </message>
    <message>
        <source>Delete Keys</source>
        <translation>Borrar claves</translation>
    </message>
    <message>
        <source>Overwrites and deletes the key file</source>
        <translation>Sobrescribe y borra el archivo de claves</translation>
    </message>
    <message>
        <source>Input text</source>
        <translation>Texto de entrada</translation>
    </message>
    <message>
        <source>The text to encode or decode; a text file dropped here is read in</source>
        <translation>El texto que codificar o descodificar; un archivo de texto que se suelte aquí se lee</translation>
    </message>
    <message>
        <source>Get Text</source>
        <translation>Abrir texto</translation>
    </message>
    <message>
        <source>Reads a text file into the input box</source>
        <translation>Lee un archivo de texto en el cuadro de entrada</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>Replaces the input with the text on the clipboard</source>
        <translation>Reemplaza la entrada por el texto del portapapeles</translation>
    </message>
    <message>
        <source>Use as Input</source>
        <translation>Usar como entrada</translation>
    </message>
    <message>
        <source>Moves the output into the input box</source>
        <translation>Pasa la salida al cuadro de entrada</translation>
    </message>
    <message>
        <source>Changes the words the dictionary lacks into words it holds</source>
        <translation>Cambia las palabras que faltan en el diccionario por palabras que contiene</translation>
    </message>
    <message>
        <source>Encode</source>
        <translation>Codificar</translation>
    </message>
    <message>
        <source>Encodes the input into the output box</source>
        <translation>Codifica la entrada en el cuadro de salida</translation>
    </message>
    <message>
        <source>Decode</source>
        <translation>Descodificar</translation>
    </message>
    <message>
        <source>Decodes the input into the output box</source>
        <translation>Descodifica la entrada en el cuadro de salida</translation>
    </message>
    <message>
        <source>Output text</source>
        <translation>Texto de salida</translation>
    </message>
    <message>
        <source>The result of Encode or Decode</source>
        <translation>El resultado de Codificar o Descodificar</translation>
    </message>
    <message>
        <source>Encode writes the words as sentences; they decode exactly as before</source>
        <translation>Codificar escribe las palabras como frases; se descodifican exactamente igual que antes</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Copies the whole output to the clipboard</source>
        <translation>Copia toda la salida al portapapeles</translation>
    </message>
    <message>
        <source>Save output</source>
        <translation>Guardar salida</translation>
    </message>
    <message>
        <source>Writes the output to a text file</source>
        <translation>Escribe la salida en un archivo de texto</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>What the last command did</source>
        <translation>Lo que hizo la última orden</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>How far a long command has come</source>
        <translation>Cuánto ha avanzado una orden larga</translation>
    </message>
    <message>
        <source>Tidy (Ctrl+T): makes the text encodable, changing only words the dictionary lacks.
Quotes, apostrophes, dashes, tabs, joined words, digits, abbreviations and missing accents become dictionary words;
words still unknown are listed with suggestions.</source>
        <translation>Limpiar (Ctrl+T): hace que el texto se pueda codificar cambiando solo las palabras que faltan en el diccionario.
Comillas, apóstrofos, rayas, tabuladores, palabras unidas, cifras, abreviaturas y acentos que faltan pasan a ser palabras del diccionario;
las palabras que siguen siendo desconocidas se listan con sugerencias.</translation>
    </message>
</context>
<context>
    <name>talvora::ui::FrmPathSelect</name>
    <message>
        <source>&amp;Set</source>
        <translation>&amp;Establecer</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Open a folder with a double click or Enter, go up with Backspace; &quot;Set&quot; takes the open folder.</source>
        <translation>Abra una carpeta con doble clic o Intro, suba un nivel con Retroceso; &quot;Establecer&quot; toma la carpeta abierta.</translation>
    </message>
    <message>
        <source>Select Path to Transfer Key File To</source>
        <translation>Seleccione la carpeta a la que transferir el archivo de claves</translation>
    </message>
    <message>
        <source>Select Path to Restore Key File From</source>
        <translation>Seleccione la carpeta desde la que restaurar el archivo de claves</translation>
    </message>
</context>
<context>
    <name>talvora::ui::FrmSearch</name>
    <message>
        <source>Search Dictionary</source>
        <translation>Buscar en el diccionario</translation>
    </message>
    <message>
        <source>Search string</source>
        <translation>Texto de búsqueda</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Hecho</translation>
    </message>
    <message>
        <source>Words found</source>
        <translation>Palabras encontradas</translation>
    </message>
    <message>
        <source>The words that begin with the search text, in file order</source>
        <translation>Las palabras que empiezan por el texto buscado, en el orden del archivo</translation>
    </message>
    <message>
        <source>The beginning of the words to find; letter case does not matter</source>
        <translation>El principio de las palabras que buscar; no importan mayúsculas ni minúsculas</translation>
    </message>
    <message>
        <source>Search result</source>
        <translation>Resultado de la búsqueda</translation>
    </message>
    <message>
        <source>No word begins with %1.</source>
        <translation>Ninguna palabra empieza por %1.</translation>
    </message>
    <message>
        <source>1 word begins with %1.</source>
        <translation>1 palabra empieza por %1.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln words begin with %1.</source>
        <translation>
            <numerusform>%Ln palabra empieza por %1.</numerusform>
            <numerusform>%Ln palabras empiezan por %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>talvora::ui::FrmUnknown</name>
    <message>
        <source>Words Not in the Dictionary</source>
        <translation>Palabras que no están en el diccionario</translation>
    </message>
    <message>
        <source>The text was not encoded: these words are not in the dictionary.  Double-click a suggestion to put it in place of the word, press Tidy to have the text tidied, or add the word to the dictionary.</source>
        <translation>El texto no se ha codificado: estas palabras no están en el diccionario.  Haga doble clic en una sugerencia para ponerla en lugar de la palabra, pulse Limpiar para que se limpie el texto, o añada la palabra al diccionario.</translation>
    </message>
    <message>
        <source>These words are not in the dictionary.  Double-click a suggestion to put it in place of the word, or add the word to the dictionary.</source>
        <translation>Estas palabras no están en el diccionario.  Haga doble clic en una sugerencia para ponerla en lugar de la palabra, o añada la palabra al diccionario.</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Palabra</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Veces</translation>
    </message>
    <message>
        <source>(no suggestion)</source>
        <translation>(sin sugerencia)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Tidy</source>
        <translation>Limpiar</translation>
    </message>
    <message>
        <source>Tidy made these changes.  Press Enter or double-click on one to take it back.</source>
        <translation>Limpiar hizo estos cambios.  Pulse Intro o haga doble clic en uno para deshacerlo.</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Cambio</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Línea</translation>
    </message>
    <message>
        <source>Spell out</source>
        <translation>Deletrear</translation>
    </message>
    <message>
        <source>Writes the selected word letter by letter, as a name the dictionary lacks can be sent</source>
        <translation>Escribe la palabra elegida letra a letra, como puede enviarse un nombre que falta en el diccionario</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Adds the selected word to the dictionary file</source>
        <translation>Añade la palabra elegida al archivo de diccionario</translation>
    </message>
    <message>
        <source>%1 (added)</source>
        <translation>%1 (añadida)</translation>
    </message>
</context>
<context>
    <name>talvora::ui::FrmView</name>
    <message>
        <source>View Dictionary</source>
        <translation>Ver diccionario</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Hecho</translation>
    </message>
    <message>
        <source>Dictionary words</source>
        <translation>Palabras del diccionario</translation>
    </message>
    <message>
        <source>Every word of the dictionary, in file order</source>
        <translation>Todas las palabras del diccionario, en el orden del archivo</translation>
    </message>
</context>
<context>
    <name>talvora::ui::LanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
</context>
</TS>
