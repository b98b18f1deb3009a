<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>Norvane</name>
    <message>
        <source>Norvane</source>
        <translation>Norvane</translation>
    </message>
    <message>
        <source>InputFolders</source>
        <translation>Eingabeordner</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>Add input directories (or drag it from explorer on this form)</source>
        <translation>Eingabeordner hinzufügen (oder aus dem Dateimanager hierher ziehen)</translation>
    </message>
    <message>
        <source>Add...</source>
        <translation>Hinzufügen...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Recursive</source>
        <translation>Mit Unterordnern</translation>
    </message>
    <message>
        <source>Only these extensions:</source>
        <translation>Nur diese Endungen:</translation>
    </message>
    <message>
        <source>(1 per line)</source>
        <translation>(1 pro Zeile)</translation>
    </message>
    <message>
        <source>Existing filename scheme</source>
        <translation>Bisheriges Dateinamenschema</translation>
    </message>
    <message>
        <source>New filename scheme</source>
        <translation>Neues Dateinamenschema</translation>
    </message>
    <message>
        <source>Divider:</source>
        <translation>Trenner:</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Process All</source>
        <translation>Alle verarbeiten</translation>
    </message>
    <message>
        <source>Process Selected</source>
        <translation>Auswahl verarbeiten</translation>
    </message>
    <message>
        <source>Execute All</source>
        <translation>Alle ausführen</translation>
    </message>
    <message>
        <source>Execute Selected</source>
        <translation>Auswahl ausführen</translation>
    </message>
    <message>
        <source>Search &amp;&amp; Replace</source>
        <translation>Suchen &amp;&amp; Ersetzen</translation>
    </message>
    <message>
        <source>Cancel Rename</source>
        <translation>Umbenennung verwerfen</translation>
    </message>
    <message>
        <source>Manual Rename</source>
        <translation>Manuell umbenennen</translation>
    </message>
    <message>
        <source>Go!</source>
        <translation>Los!</translation>
    </message>
    <message>
        <source>Remove Underscores</source>
        <translation>Unterstriche entfernen</translation>
    </message>
    <message>
        <source>Extension Lowercase</source>
        <translation>Endung in Kleinbuchstaben</translation>
    </message>
    <message>
        <source>Clipboard Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>%1 files.</source>
        <translation>%1 Dateien.</translation>
    </message>
    <message>
        <source>Use this button in order to apply the rename rules to all files. No files are really renamed - this happens with the execute buttons</source>
        <translation>Wendet die Umbenennungsregeln auf alle Dateien an. Dabei wird noch keine Datei wirklich umbenannt – das geschieht erst mit den Ausführen-Schaltflächen</translation>
    </message>
    <message>
        <source>Really rename all files for which status is &quot;rename pending&quot;</source>
        <translation>Benennt alle Dateien mit dem Status „Umbenennung ausstehend“ wirklich um</translation>
    </message>
    <message>
        <source>Apply the current Input and Output filename schemes to the selected files</source>
        <translation>Wendet das bisherige und das neue Dateinamenschema auf die ausgewählten Dateien an</translation>
    </message>
    <message>
        <source>Really rename the selected files in status &quot;rename pending&quot;</source>
        <translation>Benennt die ausgewählten Dateien mit dem Status „Umbenennung ausstehend“ wirklich um</translation>
    </message>
    <message>
        <source>Remove any &quot;New Filename&quot; for the selected files</source>
        <translation>Entfernt den „Neuen Dateinamen“ der ausgewählten Dateien</translation>
    </message>
    <message>
        <source>Find a text in the file names and replace it with another one</source>
        <translation>Sucht einen Text in den Dateinamen und ersetzt ihn durch einen anderen</translation>
    </message>
    <message>
        <source>Rename the selected file. Pressing Cursor Up/Down will go to the next file, ENTER will enqueue the new filename and go to the next file</source>
        <translation>Benennt die ausgewählte Datei um. Pfeil auf/ab wechselt zur vorigen oder nächsten Datei, die Eingabetaste merkt den neuen Dateinamen vor und geht zur nächsten Datei</translation>
    </message>
    <message>
        <source>Existing Filename</source>
        <translation>Bisheriger Dateiname</translation>
    </message>
    <message>
        <source>New Filename</source>
        <translation>Neuer Dateiname</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>&amp;Process Rules</source>
        <translation>&amp;Regeln anwenden</translation>
    </message>
    <message>
        <source>&amp;Execute</source>
        <translation>&amp;Ausführen</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Verwerfen</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Ersetzen</translation>
    </message>
    <message>
        <source>Artist</source>
        <translation>Interpret</translation>
    </message>
    <message>
        <source>Album</source>
        <translation>Album</translation>
    </message>
    <message>
        <source>Track#</source>
        <translation>Titelnr.</translation>
    </message>
    <message>
        <source>Trackname</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>ParentFolder</source>
        <translation>Elternordner</translation>
    </message>
    <message>
        <source>[none]</source>
        <translation>[keins]</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 Bytes</translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 KB</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>%1 GB</source>
        <translation>%1 GB</translation>
    </message>
    <message>
        <source>%1 TB</source>
        <translation>%1 TB</translation>
    </message>
    <message>
        <source>rename pending</source>
        <translation>Umbenennung ausstehend</translation>
    </message>
    <message>
        <source>already in output format</source>
        <translation>Bereits im Ausgabeformat</translation>
    </message>
    <message>
        <source>no new name: the new filename scheme gives an empty name</source>
        <translation>Kein neuer Name: Das neue Dateinamenschema ergibt einen leeren Namen</translation>
    </message>
    <message>
        <source>not input format: %1 does not exist</source>
        <translation>Nicht im Eingabeformat: %1 fehlt</translation>
    </message>
    <message>
        <source>not input format: too many items.</source>
        <translation>Nicht im Eingabeformat: zu viele Teile.</translation>
    </message>
    <message>
        <source>not input format: empty field %1.</source>
        <translation>Nicht im Eingabeformat: Feld %1 ist leer.</translation>
    </message>
    <message>
        <source>not input format: &quot;%1&quot; is not a valid track number</source>
        <translation>Nicht im Eingabeformat: „%1“ ist keine gültige Titelnummer</translation>
    </message>
    <message>
        <source>not input format: &quot;%1&quot; is not folder name</source>
        <translation>Nicht im Eingabeformat: „%1“ ist nicht der Ordnername</translation>
    </message>
    <message>
        <source>not input format: &quot;%1&quot; is not parent folder name</source>
        <translation>Nicht im Eingabeformat: „%1“ ist nicht der Name des Elternordners</translation>
    </message>
    <message>
        <source>renamed</source>
        <translation>Umbenannt</translation>
    </message>
    <message>
        <source>error: file does not exist</source>
        <translation>Fehler: Die Datei existiert nicht</translation>
    </message>
    <message>
        <source>error: new file already exists</source>
        <translation>Fehler: Die neue Datei existiert bereits</translation>
    </message>
    <message>
        <source>error: rename failed</source>
        <translation>Fehler: Umbenennen fehlgeschlagen</translation>
    </message>
    <message>
        <source>rename cancelled</source>
        <translation>Umbenennung verworfen</translation>
    </message>
    <message>
        <source>manual rename (pending)</source>
        <translation>Manuelle Umbenennung (ausstehend)</translation>
    </message>
    <message>
        <source>manual rename (cancelled)</source>
        <translation>Manuelle Umbenennung (verworfen)</translation>
    </message>
    <message>
        <source>replaced (rename pending)</source>
        <translation>Ersetzt (Umbenennung ausstehend)</translation>
    </message>
    <message>
        <source>No files to process !</source>
        <translation>Keine Dateien zu verarbeiten!</translation>
    </message>
    <message>
        <source>No selected files to process !</source>
        <translation>Keine ausgewählten Dateien zu verarbeiten!</translation>
    </message>
    <message>
        <source>Please choose directories with the files !</source>
        <translation>Bitte Ordner mit den Dateien auswählen!</translation>
    </message>
    <message>
        <source>Search String</source>
        <translation>Suchtext</translation>
    </message>
    <message>
        <source>Please enter the search string:</source>
        <translation>Bitte den Suchtext eingeben:</translation>
    </message>
    <message>
        <source>Replace String</source>
        <translation>Ersetzungstext</translation>
    </message>
    <message>
        <source>Please enter the replace string:</source>
        <translation>Bitte den Ersetzungstext eingeben:</translation>
    </message>
    <message>
        <source>Search string not found in any file</source>
        <translation>Der Suchtext kommt in keiner Datei vor</translation>
    </message>
    <message>
        <source>Replaced the search string in %1 files.</source>
        <translation>Suchtext in %1 Dateien ersetzt.</translation>
    </message>
    <message>
        <source>Choose Filename</source>
        <translation>Dateinamen wählen</translation>
    </message>
    <message>
        <source>renamelog.txt</source>
        <translation>umbenennungen.txt</translation>
    </message>
    <message>
        <source>HTML (*.html *.htm)</source>
        <translation>HTML (*.html *.htm)</translation>
    </message>
    <message>
        <source>Text (*.txt)</source>
        <translation>Text (*.txt)</translation>
    </message>
    <message>
        <source>All (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Invalid window handle</source>
        <translation>Ungültiges Fenster-Handle</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Nicht genug Arbeitsspeicher</translation>
    </message>
    <message>
        <source>Could not get Data. $</source>
        <translation>Daten konnten nicht abgerufen werden. $</translation>
    </message>
    <message>
        <source>Medium of data is not HGlobal.</source>
        <translation>Das Datenmedium ist nicht HGlobal.</translation>
    </message>
    <message>
        <source>Unable to lock Memory Object.</source>
        <translation>Das Speicherobjekt lässt sich nicht sperren.</translation>
    </message>
    <message>
        <source>DragObject is nil.</source>
        <translation>DragObject ist nil.</translation>
    </message>
    <message>
        <source>Index out of bounds (</source>
        <translation>Index außerhalb des gültigen Bereichs (</translation>
    </message>
    <message>
        <source>Could not enumerate objects</source>
        <translation>Die Objekte konnten nicht aufgezählt werden</translation>
    </message>
    <message>
        <source>Format is not available.</source>
        <translation>Das Format ist nicht verfügbar.</translation>
    </message>
    <message>
        <source>Out of Memory.</source>
        <translation>Nicht genug Arbeitsspeicher.</translation>
    </message>
    <message>
        <source>Can&apos;t change DragDropMode while dragging !</source>
        <translation>DragDropMode lässt sich während des Ziehens nicht ändern!</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Ein unerwarteter Fehler ist aufgetreten.</translation>
    </message>
    <message>
        <source>Assertion failure</source>
        <translation>Zusicherung verletzt</translation>
    </message>
    <message>
        <source>The settings value &quot;%1&quot; is not of the kind asked for.</source>
        <translation>Der Einstellungswert „%1“ ist nicht von der verlangten Art.</translation>
    </message>
    <message>
        <source>The settings key has no section &quot;%1&quot;.</source>
        <translation>Der Einstellungsschlüssel hat keinen Abschnitt „%1“.</translation>
    </message>
    <message>
        <source>Cannot read the settings file %1.</source>
        <translation>Die Einstellungsdatei %1 kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Cannot write the settings file %1.</source>
        <translation>Die Einstellungsdatei %1 kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>The settings file %1 is in use.</source>
        <translation>Die Einstellungsdatei %1 wird gerade verwendet.</translation>
    </message>
    <message>
        <source>The settings have no control for &quot;%1&quot;.</source>
        <translation>Die Einstellungen haben kein Steuerelement für „%1“.</translation>
    </message>
    <message>
        <source>Browse For Folder</source>
        <translation>Ordner auswählen</translation>
    </message>
    <message>
        <source>norvane-cli %1</source>
        <translation>norvane-cli %1</translation>
    </message>
    <message>
        <source>norvane-cli: %1</source>
        <translation>norvane-cli: %1</translation>
    </message>
    <message>
        <source>Try &quot;norvane-cli --help&quot; for more information.</source>
        <translation>„norvane-cli --help“ zeigt weitere Informationen.</translation>
    </message>
    <message>
        <source>unknown option &quot;%1&quot;</source>
        <translation>unbekannte Option „%1“</translation>
    </message>
    <message>
        <source>the option &quot;%1&quot; needs a value</source>
        <translation>die Option „%1“ braucht einen Wert</translation>
    </message>
    <message>
        <source>the option &quot;%1&quot; takes no value</source>
        <translation>die Option „%1“ nimmt keinen Wert an</translation>
    </message>
    <message>
        <source>unknown output format &quot;%1&quot; (use table, tsv or json)</source>
        <translation>unbekanntes Ausgabeformat „%1“ (table, tsv oder json angeben)</translation>
    </message>
    <message>
        <source>--ext and --all-files cannot be used together</source>
        <translation>--ext und --all-files schließen einander aus</translation>
    </message>
    <message>
        <source>no folder given</source>
        <translation>kein Ordner angegeben</translation>
    </message>
    <message>
        <source>none of the folders given exists</source>
        <translation>keiner der angegebenen Ordner existiert</translation>
    </message>
    <message>
        <source>skipped &quot;%1&quot;: no such file or folder</source>
        <translation>„%1“ übersprungen: Datei oder Ordner nicht gefunden</translation>
    </message>
    <message>
        <source>skipped &quot;%1&quot;: a folder path that is not valid UTF-8 cannot be listed; give a folder above it</source>
        <translation>„%1“ übersprungen: Ein Ordnerpfad, der kein gültiges UTF-8 ist, lässt sich nicht auflisten; bitte einen Ordner darüber angeben</translation>
    </message>
    <message>
        <source>warning: the extension &quot;%1&quot; does not start with &quot;.&quot; and takes no file</source>
        <translation>Warnung: Die Endung „%1“ beginnt nicht mit „.“ und erfasst keine Datei</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>the scheme &quot;%1&quot; names no field (Artist, Album, Track#, Trackname, Folder, ParentFolder or [none])</source>
        <translation>das Schema „%1“ nennt kein Feld (Artist, Album, Track#, Trackname, Folder, ParentFolder oder [none], englisch geschrieben)</translation>
    </message>
    <message>
        <source>the scheme &quot;%1&quot; must start with a field, not with &quot;%2&quot;</source>
        <translation>das Schema „%1“ muss mit einem Feld beginnen, nicht mit „%2“</translation>
    </message>
    <message>
        <source>the scheme &quot;%1&quot; has more than five fields</source>
        <translation>das Schema „%1“ hat mehr als fünf Felder</translation>
    </message>
    <message>
        <source>the scheme &quot;%1&quot; has text after its fifth field, where no divider can go: &quot;%2&quot;</source>
        <translation>das Schema „%1“ hat Text nach seinem fünften Feld, wo kein Trenner stehen kann: „%2“</translation>
    </message>
    <message>
        <source>Scanning %1</source>
        <translation>Durchsuche %1</translation>
    </message>
    <message>
        <source>Processing: %1%</source>
        <translation>Verarbeitung: %1&#xa0;%</translation>
    </message>
    <message>
        <source>Renaming: %1%</source>
        <translation>Umbenennen: %1&#xa0;%</translation>
    </message>
    <message>
        <source>cannot write the output: %1</source>
        <translation>die Ausgabe kann nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>Replacing: %1%</source>
        <translation>Ersetzen: %1&#xa0;%</translation>
    </message>
    <message>
        <source>warning: the search text &quot;%1&quot; is not found in any name</source>
        <translation>Warnung: Der Suchtext „%1“ kommt in keinem Namen vor</translation>
    </message>
    <message>
        <source>--search needs a text that is not empty</source>
        <translation>--search braucht einen Text, der nicht leer ist</translation>
    </message>
    <message>
        <source>every --search needs a --replace, and every --replace a --search</source>
        <translation>jedes --search braucht ein --replace und jedes --replace ein --search</translation>
    </message>
    <message>
        <source>The settings file %1 is open for reading only.</source>
        <translation>Die Einstellungsdatei %1 ist nur zum Lesen geöffnet.</translation>
    </message>
    <message>
        <source>The settings have no value &quot;%1&quot;.</source>
        <translation>Die Einstellungen haben keinen Wert „%1“.</translation>
    </message>
    <message>
        <source>Usage: norvane [FOLDER...]

Starts the Norvane window, which renames music files in bulk by their names.
Each FOLDER is added to the list on the page &quot;InputFolders&quot; and scanned, as
a folder dropped there from a file manager would be: a file stands for its
folder, and a folder already listed is not added again.

Options:
  -h, --help     show this help
      --version  show the version

The options, both schemes and the window&apos;s placement come from the settings
the window keeps in ~/.config/Tarnik/Norvane/. To rename from scripts and
terminals, see &quot;norvane-cli --help&quot;.
</source>
        <translation>Aufruf: norvane [ORDNER...]

Öffnet das Norvane-Fenster, das Musikdateien in großer Zahl nach ihren Namen
umbenennt. Jeder ORDNER kommt in die Liste der Seite „Eingabeordner“ und wird
durchsucht, so als wäre er aus einer Dateiverwaltung dorthin gezogen worden:
eine Datei steht für ihren Ordner, und ein schon aufgeführter Ordner kommt
nicht noch einmal hinzu.

Optionen:
  -h, --help     diese Hilfe anzeigen
      --version  die Version anzeigen

Die Optionen, beide Schemata und die Lage des Fensters stammen aus den
Einstellungen, die das Fenster in ~/.config/Tarnik/Norvane/ ablegt. Zum
Umbenennen aus Skripten und im Terminal siehe „norvane-cli --help“.
</translation>
    </message>
    <message>
        <source>norvane %1</source>
        <translation>norvane %1</translation>
    </message>
    <message>
        <source>norvane: %1</source>
        <translation>norvane: %1</translation>
    </message>
    <message>
        <source>Try &quot;norvane --help&quot; for more information.</source>
        <translation>„norvane --help“ zeigt weitere Informationen.</translation>
    </message>
    <message>
        <source>no new name: the new filename scheme puts a NUL character into the name</source>
        <translation>Kein neuer Name: Das neue Dateinamenschema setzt ein NUL-Zeichen in den Namen</translation>
    </message>
    <message>
        <source>The settings file %1 is larger than %2 bytes: it is not read, and left as it is.</source>
        <translation>Die Einstellungsdatei %1 ist größer als %2 Byte: Sie wird nicht gelesen und bleibt, wie sie ist.</translation>
    </message>
    <message>
        <source>Cannot write the settings file %1: %2.</source>
        <translation>Die Einstellungsdatei %1 kann nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>its lock file cannot be made</source>
        <translation>ihre Sperrdatei lässt sich nicht anlegen</translation>
    </message>
    <message>
        <source>&amp;Folder:</source>
        <translation>&amp;Ordner:</translation>
    </message>
    <message>
        <source>Type or paste the path of a folder</source>
        <translation>Pfad eines Ordners eingeben oder einfügen</translation>
    </message>
    <message>
        <source>There is no folder &quot;%1&quot;.</source>
        <translation>Es gibt keinen Ordner „%1“.</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Persönlicher Ordner</translation>
    </message>
    <message>
        <source>File System</source>
        <translation>Dateisystem</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) %1</source>
        <extracomment>%1 is where the files are: &quot;in %n folder(s)&quot;. Together: &quot;812 files in 64 folders&quot;.</extracomment>
        <translation>
            <numerusform>%n Datei %1</numerusform>
            <numerusform>%n Dateien %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %n folder(s)</source>
        <translation>
            <numerusform>in %n Ordner</numerusform>
            <numerusform>in %n Ordnern</numerusform>
        </translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between two counts of the summary: &quot;790 renamed, 2 errors&quot;.</extracomment>
        <translation>, </translation>
    </message>
    <message numerus="yes">
        <source>%n rename pending</source>
        <translation>
            <numerusform>%n Umbenennung ausstehend</numerusform>
            <numerusform>%n Umbenennungen ausstehend</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n manual rename(s) pending</source>
        <translation>
            <numerusform>%n manuelle Umbenennung ausstehend</numerusform>
            <numerusform>%n manuelle Umbenennungen ausstehend</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n replaced</source>
        <translation>
            <numerusform>%n ersetzt</numerusform>
            <numerusform>%n ersetzt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n renamed</source>
        <translation>
            <numerusform>%n umbenannt</numerusform>
            <numerusform>%n umbenannt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n error(s)</source>
        <translation>
            <numerusform>%n Fehler</numerusform>
            <numerusform>%n Fehler</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n not in input format</source>
        <translation>
            <numerusform>%n nicht im Eingabeformat</numerusform>
            <numerusform>%n nicht im Eingabeformat</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n without a new name</source>
        <translation>
            <numerusform>%n ohne neuen Namen</numerusform>
            <numerusform>%n ohne neuen Namen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n already in output format</source>
        <translation>
            <numerusform>%n bereits im Ausgabeformat</numerusform>
            <numerusform>%n bereits im Ausgabeformat</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n cancelled</source>
        <translation>
            <numerusform>%n verworfen</numerusform>
            <numerusform>%n verworfen</numerusform>
        </translation>
    </message>
    <message>
        <source>Click a count of problems to select the next file it counts</source>
        <translation>Ein Klick auf eine Anzahl von Problemen wählt die nächste betroffene Datei aus</translation>
    </message>
    <message>
        <source>Undo Execute</source>
        <translation>Ausführen rückgängig</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>Rück&amp;gängig</translation>
    </message>
    <message>
        <source>Give the files renamed by the last execute run their old names back</source>
        <translation>Gibt den beim letzten Ausführen umbenannten Dateien ihre alten Namen zurück</translation>
    </message>
    <message>
        <source>Save the list (or the selected rows) as a text or HTML file</source>
        <translation>Speichert die Liste (oder die ausgewählten Zeilen) als Text- oder HTML-Datei</translation>
    </message>
    <message>
        <source>Copy the list (or the selected rows) to the clipboard</source>
        <translation>Kopiert die Liste (oder die ausgewählten Zeilen) in die Zwischenablage</translation>
    </message>
    <message>
        <source>rename undone</source>
        <translation>Umbenennung rückgängig gemacht</translation>
    </message>
    <message>
        <source>error: undo failed: %1</source>
        <translation>Fehler: Rückgängigmachen fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>the original name is taken</source>
        <translation>der ursprüngliche Name ist vergeben</translation>
    </message>
    <message>
        <source>the renamed file is gone</source>
        <translation>die umbenannte Datei ist nicht mehr da</translation>
    </message>
    <message>
        <source>undo pending</source>
        <translation>Rückgängigmachen ausstehend</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>The list cannot be saved to %1: %2.</source>
        <translation>Die Liste kann nicht in %1 gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>cannot read the log &quot;%1&quot;: %2</source>
        <translation>das Protokoll „%1“ kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>the log &quot;%1&quot; cannot be read at line %2: %3</source>
        <translation>das Protokoll „%1“ ist in Zeile %2 nicht lesbar: %3</translation>
    </message>
    <message>
        <source>%1 fields separated by tabs, where a log has 4 or 5</source>
        <translation>%1 durch Tabulatoren getrennte Felder, wo ein Protokoll 4 oder 5 hat</translation>
    </message>
    <message>
        <source>%1 fields separated by tabs, where the lines above have %2</source>
        <translation>%1 durch Tabulatoren getrennte Felder, wo die Zeilen darüber %2 haben</translation>
    </message>
    <message>
        <source>a backslash that is not followed by t, n, r or another backslash</source>
        <translation>ein Backslash, auf den weder t, n, r noch ein weiterer Backslash folgt</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an outcome word</source>
        <translation>„%1“ ist kein Wort für „outcome“</translation>
    </message>
    <message>
        <source>a renamed file without a folder</source>
        <translation>eine umbenannte Datei ohne Ordner</translation>
    </message>
    <message>
        <source>a renamed file without an existing or a new name</source>
        <translation>eine umbenannte Datei ohne bisherigen oder ohne neuen Namen</translation>
    </message>
    <message>
        <source>the existing name &quot;%1&quot; is not a name within its folder</source>
        <translation>der bisherige Name „%1“ ist kein Name in seinem Ordner</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; is not an absolute path</source>
        <translation>der Ordner „%1“ ist kein absoluter Pfad</translation>
    </message>
    <message>
        <source>the new name is not valid UTF-8</source>
        <translation>der neue Name ist kein gültiges UTF-8</translation>
    </message>
    <message>
        <source>not valid JSON: %1</source>
        <translation>kein gültiges JSON: %1</translation>
    </message>
    <message>
        <source>a JSON log is an array of rows</source>
        <translation>ein JSON-Protokoll ist ein Array von Zeilen</translation>
    </message>
    <message>
        <source>a row of a JSON log is an object</source>
        <translation>eine Zeile eines JSON-Protokolls ist ein Objekt</translation>
    </message>
    <message>
        <source>the key &quot;%1&quot; is missing or is not a text</source>
        <translation>der Schlüssel „%1“ fehlt oder ist kein Text</translation>
    </message>
    <message>
        <source>the key &quot;%1&quot; does not hold base64</source>
        <translation>der Schlüssel „%1“ enthält kein base64</translation>
    </message>
    <message>
        <source>warning: the log &quot;%1&quot; names no renamed file</source>
        <translation>Warnung: Das Protokoll „%1“ nennt keine umbenannte Datei</translation>
    </message>
    <message>
        <source>--undo reads its files from the log and takes no folder</source>
        <translation>--undo liest seine Dateien aus dem Protokoll und nimmt keinen Ordner</translation>
    </message>
    <message>
        <source>the option &quot;%1&quot; cannot be used with --undo</source>
        <translation>die Option „%1“ kann nicht mit --undo verwendet werden</translation>
    </message>
    <message numerus="yes">
        <source>%n undone</source>
        <translation>
            <numerusform>%n rückgängig gemacht</numerusform>
            <numerusform>%n rückgängig gemacht</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n will fail</source>
        <translation>
            <numerusform>%n wird scheitern</numerusform>
            <numerusform>%n werden scheitern</numerusform>
        </translation>
    </message>
    <message>
        <source>Usage: norvane-cli [OPTIONS] FOLDER...
       norvane-cli --undo LOG [--execute] [--format FORMAT]

Renames music files by their names, as the Norvane window does. Lists the
files in each FOLDER (a file stands for its folder), takes every name apart
by the existing filename scheme and proposes a new name built by the new
filename scheme. Nothing is renamed on disk unless --execute is given.

Options:
  -i, --in SCHEME          existing filename scheme (how the names are built now)
  -o, --out SCHEME         new filename scheme (how the names shall be built)
  -e, --ext EXT            only files with this extension, dot included: -e .mp3
                           (repeat for more; replaces the saved extension list)
  -a, --all-files          every file, whatever its extension
      --no-recursive       do not descend into subfolders
      --keep-underscores   keep &quot;_&quot; in names (&quot;Remove Underscores&quot; off)
      --keep-extension-case  keep the extension&apos;s letter case
                           (&quot;Extension Lowercase&quot; off)
      --legacy-encoding NAME  read names that are not valid UTF-8 in NAME:
                           Windows-1252 (the default), ISO-8859-1, ISO-8859-2,
                           ISO-8859-15, Windows-1250, Windows-1251, KOI8-R,
                           CP437 or CP850; renaming writes them in UTF-8
      --nfc                write new names in Unicode NFC (&quot;Unicode NFC&quot;)
      --pad-track N        give decimal track numbers leading zeros up to N
                           digits, N being 2, 3 or 4 (&quot;Pad Track#&quot;)
      --case CASE          letter case of Artist, Album and Trackname: title,
                           lower, upper or as-written (&quot;Capitalisation&quot;)
      --safe-names         replace : * ? &quot; &lt; &gt; | \ and control characters in
                           new names by &quot;-&quot; and drop trailing dots and spaces,
                           for FAT, exFAT and NTFS (&quot;Safe for FAT/exFAT/NTFS&quot;)
      --safe-replacement TEXT  put TEXT in place of those characters
                           (implies --safe-names)
      --search TEXT        find TEXT in the new names and put the text of its
      --replace TEXT       --replace there, as the window&apos;s &quot;Search &amp; Replace&quot;
                           does (see below)
  -x, --execute            rename the files on disk
      --check              check every proposal before anything is renamed and
                           add a column with the reason why it will fail
      --undo LOG           give the files renamed in LOG their old names back
                           (see below)
  -f, --format FORMAT      table (default on a terminal), tsv (default otherwise)
                           or json
      --defaults           ignore the settings saved by the Norvane window
  -h, --help               show this help
      --version            show the version

A SCHEME is written as the window&apos;s preview shows it, without the extension:
up to five fields with the divider texts between them, such as
  &quot;Artist - Album - Track# - Trackname&quot;   or   &quot;Track#. Trackname&quot;
Fields: Artist, Album, Track#, Trackname, Folder, ParentFolder and [none], in
any letter case. Folder and ParentFolder are the names of the file&apos;s folder
and of the folder above it. A scheme starts with a field, and a divider
cannot hold a field name. Text after the last field is the divider looked
for there in existing names (&quot; - &quot; when there is none).

--search and --replace come in pairs: the first --search with the first
--replace, and so on. Once the new names are proposed, each pair in turn
replaces every occurrence of its search text (in its exact letter case) in
the new name of every file, or in its existing name when it has none; the
files it changes read &quot;replaced (rename pending)&quot;.

--check looks at the disk, without changing it, and foresees what --execute
will do with every proposal, in the order it will go: a name given to two
files, a name taken by a file or a folder, a missing subfolder, a name too
long or not allowed on the file system, a file gone since the scan. A row
with such a reason is not renamed; the exit status is then 1, also in a dry
run. On a terminal a summary line follows on standard error.

--undo reads a LOG that norvane-cli wrote with -f tsv or -f json, or that the
window saved as text, and lists every file the log says was renamed, the
last one first, to be given its old name back (&quot;undo pending&quot;). With
--execute the files are renamed back, and a name that is taken is never
replaced: each file then reads &quot;rename undone&quot; or &quot;error: undo failed: &quot;
and the reason. Names that are not valid UTF-8 come back byte for byte.

What the command line does not give comes from the settings the Norvane
window saved; they are only read, never changed. With --defaults, or when
nothing is saved, it comes from the defaults:
  --in &quot;Artist - Album - Track# - Trackname&quot;
  --out &quot;Folder - ParentFolder - Track# - Trackname&quot; --ext .mp3,
  subfolders included, underscores made spaces, extensions lower-cased, names
  that are not UTF-8 read in Windows-1252, no other clean-up.

Output: one line for every row of the results list, in its order, with the
columns Existing Filename, New Filename, Status and Folder; each folder has
a row &quot;[folder]&quot; of its own with empty other columns. tsv has no header line
and writes tab, line feed, carriage return and backslash in a field as \t,
\n, \r and \\. json is an array of objects with the keys &quot;existing&quot;,
&quot;new&quot;, &quot;status&quot;, &quot;outcome&quot; and &quot;folder&quot;; a name that is not valid UTF-8
shows as read in the legacy encoding and carries its exact bytes, in base64,
in &quot;existing_bytes&quot; or &quot;folder_bytes&quot;. &quot;outcome&quot; says what the status
says in one word that is the same in every language: none, pending,
already_in_format, no_new_name, not_input_format, process_failed, renamed,
file_does_not_exist, new_file_exists, rename_failed, cancelled,
manual_pending, manual_cancelled, replaced, undo_pending, undone or
undo_failed.
With --check the table and tsv have a fifth column, Check. json always has the
keys &quot;check&quot; (the check&apos;s reason, or null) and &quot;check_reason&quot;, which names the
reason in such a word too: same_new_name, taken_by_file, taken_by_folder,
renamed_later, no_folder, name_too_long, not_allowed, file_gone,
already_named, not_a_name, leaves_folder, not_writable, other_file_system,
folder_unread, case_may_clash, or null.

Exit status: 0 when all went through, 1 when --execute left a row with an
&quot;error: ...&quot; status, when --check found a reason, or the run failed, 2 for
a usage error.

Examples:
  See what would happen to an album whose files are named &quot;07 - Title.mp3&quot;:
    norvane-cli -i &quot;Track# - Trackname&quot; -o &quot;Track#. Trackname&quot; ~/Music/Album
  Rename a whole library, then show the rows that failed:
    norvane-cli -x -f tsv ~/Music &gt; renames.tsv
    awk -F&apos;\t&apos; &apos;$3 ~ /^error: /&apos; renames.tsv
  Give those files their old names back:
    norvane-cli --undo renames.tsv --execute
</source>
        <translation>Aufruf: norvane-cli [OPTIONEN] ORDNER...
        norvane-cli --undo PROTOKOLL [--execute] [--format FORMAT]

Benennt Musikdateien nach ihren Namen um, wie es das Norvane-Fenster tut.
Listet die Dateien in jedem ORDNER auf (eine Datei steht für ihren Ordner),
zerlegt jeden Namen nach dem bisherigen Dateinamenschema und schlägt einen
neuen Namen nach dem neuen Dateinamenschema vor. Auf dem Datenträger wird nur
umbenannt, wenn --execute angegeben ist.

Optionen:
  -i, --in SCHEMA          bisheriges Dateinamenschema (wie die Namen jetzt
                           aufgebaut sind)
  -o, --out SCHEMA         neues Dateinamenschema (wie die Namen aufgebaut
                           sein sollen)
  -e, --ext ENDUNG         nur Dateien mit dieser Endung, samt Punkt: -e .mp3
                           (für mehrere wiederholen; ersetzt die gespeicherte
                           Liste der Endungen)
  -a, --all-files          alle Dateien, gleich welcher Endung
      --no-recursive       nicht in Unterordner absteigen
      --keep-underscores   „_“ in Namen lassen („Unterstriche entfernen“ aus)
      --keep-extension-case  Groß- und Kleinschreibung der Endung lassen
                           („Endung in Kleinbuchstaben“ aus)
      --legacy-encoding NAME  Namen, die kein gültiges UTF-8 sind, in der
                           Kodierung NAME lesen: Windows-1252 (Vorgabe),
                           ISO-8859-1, ISO-8859-2, ISO-8859-15, Windows-1250,
                           Windows-1251, KOI8-R, CP437 oder CP850; beim
                           Umbenennen werden sie in UTF-8 geschrieben
      --nfc                neue Namen in Unicode NFC schreiben („Unicode NFC“)
      --pad-track N        dezimalen Titelnummern führende Nullen bis zu N
                           Stellen geben, N ist 2, 3 oder 4 („Titelnr.
                           auffüllen“)
      --case SCHREIBWEISE  Groß- und Kleinschreibung von Interpret, Album und
                           Titel: title, lower, upper oder as-written
                           („Schreibweise“)
      --safe-names         : * ? &quot; &lt; &gt; | \ und Steuerzeichen in neuen Namen
                           durch „-“ ersetzen und Punkte und Leerzeichen am
                           Ende entfernen, für FAT, exFAT und NTFS („Sicher
                           für FAT/exFAT/NTFS“)
      --safe-replacement TEXT  TEXT statt dieser Zeichen einsetzen (schaltet
                           --safe-names ein)
      --search TEXT        TEXT in den neuen Namen suchen und den Text des
      --replace TEXT       zugehörigen --replace dafür einsetzen, wie es
                           „Suchen &amp; Ersetzen“ im Fenster tut (siehe unten)
  -x, --execute            die Dateien auf dem Datenträger umbenennen
      --check              jeden Vorschlag prüfen, bevor etwas umbenannt wird,
                           und eine Spalte mit dem Grund anfügen, warum er
                           scheitern wird
      --undo PROTOKOLL     den in PROTOKOLL umbenannten Dateien ihre alten
                           Namen zurückgeben (siehe unten)
  -f, --format FORMAT      table (Vorgabe im Terminal), tsv (Vorgabe sonst)
                           oder json
      --defaults           die vom Norvane-Fenster gespeicherten Einstellungen
                           nicht beachten
  -h, --help               diese Hilfe anzeigen
      --version            die Version anzeigen

Ein SCHEMA wird ohne die Endung geschrieben, wie es die Vorschau im Fenster
zeigt: bis zu fünf Felder mit den Trenntexten dazwischen, etwa
  &quot;Artist - Album - Track# - Trackname&quot;   oder   &quot;Track#. Trackname&quot;
Die Felder werden in jeder Sprache englisch geschrieben, groß oder klein:
Artist (Interpret), Album, Track# (Titelnr.), Trackname (Titel), Folder
(Ordner), ParentFolder (Elternordner) und [none] ([keins]). Folder und
ParentFolder sind die Namen des Ordners der Datei und des Ordners darüber.
Ein Schema beginnt mit einem Feld, und ein Trenner darf keinen Feldnamen
enthalten. Text nach dem letzten Feld ist der Trenner, der an dieser Stelle
in bisherigen Namen gesucht wird (&quot; - &quot;, wenn dort keiner steht).

--search und --replace kommen paarweise: das erste --search mit dem ersten
--replace und so fort. Sind die neuen Namen vorgeschlagen, ersetzt jedes Paar
der Reihe nach jedes Vorkommen seines Suchtexts (in genau dieser Groß- und
Kleinschreibung) im neuen Namen jeder Datei oder, wenn sie keinen hat, in
ihrem bisherigen Namen; die Dateien, die es ändert, stehen auf „Ersetzt
(Umbenennung ausstehend)“.

--check sieht auf dem Datenträger nach, ohne etwas zu ändern, und sagt
voraus, was --execute mit jedem Vorschlag tun wird, in der Reihenfolge, in der
es vorgeht: ein Name, den zwei Dateien bekommen, ein Name, den eine Datei oder
ein Ordner belegt, ein fehlender Unterordner, ein Name, der zu lang oder auf
dem Dateisystem nicht erlaubt ist, eine Datei, die seit dem Durchsuchen fehlt.
Eine Zeile mit einem solchen Grund wird nicht umbenannt; der Exit-Status ist
dann 1, auch ohne --execute. Im Terminal folgt eine Zusammenfassung auf der
Standardfehlerausgabe.

--undo liest ein PROTOKOLL, das norvane-cli mit -f tsv oder -f json geschrieben
oder das Fenster als Text gespeichert hat, und listet jede Datei, die laut
Protokoll umbenannt wurde, die zuletzt umbenannte zuerst, damit sie ihren alten
Namen zurückbekommt („Rückgängigmachen ausstehend“). Mit --execute bekommen die
Dateien ihre alten Namen zurück, und ein vergebener Name wird nie ersetzt: Jede
Datei steht danach auf „Umbenennung rückgängig gemacht“ oder auf „Fehler:
Rückgängigmachen fehlgeschlagen: “ mit dem Grund. Namen, die kein gültiges
UTF-8 sind, kommen Byte für Byte zurück.

Was die Befehlszeile nicht angibt, kommt aus den Einstellungen, die das
Norvane-Fenster gespeichert hat; sie werden nur gelesen, nie geändert. Mit
--defaults, oder wenn nichts gespeichert ist, gelten die Vorgaben:
  --in &quot;Artist - Album - Track# - Trackname&quot;
  --out &quot;Folder - ParentFolder - Track# - Trackname&quot; --ext .mp3,
  mit Unterordnern, Unterstriche zu Leerzeichen, Endungen kleingeschrieben,
  Namen, die kein UTF-8 sind, als Windows-1252 gelesen, sonst keine
  Bereinigung.

Ausgabe: eine Zeile für jede Zeile der Ergebnisliste, in deren Reihenfolge,
mit den Spalten Bisheriger Dateiname, Neuer Dateiname, Status und Ordner;
jeder Ordner hat eine eigene Zeile „[Ordner]“ mit leeren übrigen Spalten. tsv
hat keine Kopfzeile und schreibt Tabulator, Zeilenvorschub, Wagenrücklauf und
Backslash in einem Feld als \t, \n, \r und \\. json ist ein Array von
Objekten mit den Schlüsseln „existing“, „new“, „status“, „outcome“ und
„folder“; ein Name, der kein gültiges UTF-8 ist, erscheint so, wie er in der
alten Kodierung gelesen wurde, und trägt seine genauen Bytes base64-kodiert in
„existing_bytes“ oder „folder_bytes“. „outcome“ sagt, was der Status sagt, in
einem Wort, das in jeder Sprache gleich bleibt: none, pending,
already_in_format, no_new_name,
not_input_format, process_failed, renamed, file_does_not_exist,
new_file_exists, rename_failed, cancelled, manual_pending, manual_cancelled,
replaced, undo_pending, undone oder undo_failed.
Mit --check haben Tabelle und tsv eine fünfte Spalte, Prüfung. json hat immer
die Schlüssel „check“ (der Grund der Prüfung oder null) und „check_reason“,
das den Grund ebenso in einem Wort nennt: same_new_name, taken_by_file,
taken_by_folder, renamed_later, no_folder, name_too_long, not_allowed,
file_gone, already_named, not_a_name, leaves_folder, not_writable,
other_file_system, folder_unread, case_may_clash oder null.

Exit-Status: 0, wenn alles geklappt hat, 1, wenn --execute eine Zeile mit dem
Status „Fehler: …“ hinterlassen hat, wenn --check einen Grund gefunden hat
oder der Lauf fehlschlug, 2 bei einem Fehler im Aufruf.

Beispiele:
  Zeigen, was aus einem Album würde, dessen Dateien &quot;07 - Titel.mp3&quot; heißen:
    norvane-cli -i &quot;Track# - Trackname&quot; -o &quot;Track#. Trackname&quot; ~/Musik/Album
  Eine ganze Sammlung umbenennen, dann die fehlgeschlagenen Zeilen zeigen:
    norvane-cli -x -f tsv ~/Musik &gt; umbenennungen.tsv
    awk -F&apos;\t&apos; &apos;$3 ~ /^Fehler: /&apos; umbenennungen.tsv
  Diesen Dateien danach ihre alten Namen zurückgeben:
    norvane-cli --undo umbenennungen.tsv --execute
</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Prüfung</translation>
    </message>
    <message>
        <source>same new name as &apos;%1&apos;</source>
        <translation>Gleicher neuer Name wie ‚%1‘</translation>
    </message>
    <message>
        <source>name taken by a file that stays</source>
        <translation>Name belegt durch eine Datei, die bleibt</translation>
    </message>
    <message>
        <source>name taken by a folder</source>
        <translation>Name belegt durch einen Ordner</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is renamed only later</source>
        <translation>‚%1‘ wird erst später umbenannt</translation>
    </message>
    <message>
        <source>no folder &apos;%1&apos; here</source>
        <translation>Hier gibt es keinen Ordner ‚%1‘</translation>
    </message>
    <message>
        <source>name too long: %1 bytes, at most %2</source>
        <translation>Name zu lang: %1 Bytes, höchstens %2</translation>
    </message>
    <message>
        <source>not allowed on this file system: &apos;%1&apos;</source>
        <translation>Auf diesem Dateisystem nicht erlaubt: ‚%1‘</translation>
    </message>
    <message>
        <source>not allowed on this file system: a space at the end</source>
        <translation>Auf diesem Dateisystem nicht erlaubt: ein Leerzeichen am Ende</translation>
    </message>
    <message>
        <source>not allowed on this file system: a dot at the end</source>
        <translation>Auf diesem Dateisystem nicht erlaubt: ein Punkt am Ende</translation>
    </message>
    <message>
        <source>the file is gone</source>
        <translation>Die Datei ist nicht mehr da</translation>
    </message>
    <message>
        <source>the file already has this name</source>
        <translation>Die Datei heißt schon so</translation>
    </message>
    <message>
        <source>no file can have this name</source>
        <translation>So kann keine Datei heißen</translation>
    </message>
    <message>
        <source>&apos;..&apos; would lead out of the file&apos;s folder</source>
        <translation>„..“ würde aus dem Ordner der Datei hinausführen</translation>
    </message>
    <message>
        <source>the folder &apos;%1&apos; cannot be changed (read-only or no permission)</source>
        <translation>Der Ordner ‚%1‘ kann nicht geändert werden (schreibgeschützt oder keine Berechtigung)</translation>
    </message>
    <message>
        <source>the folder &apos;%1&apos; is on another file system</source>
        <translation>Der Ordner ‚%1‘ liegt auf einem anderen Dateisystem</translation>
    </message>
    <message>
        <source>the folder cannot be listed, which a change of letter case needs</source>
        <translation>Der Ordner lässt sich nicht auflisten, was eine Änderung der Groß- und Kleinschreibung braucht</translation>
    </message>
    <message>
        <source>may be the same name as &apos;%1&apos;: this file system may ignore letter case</source>
        <translation>Vielleicht derselbe Name wie ‚%1‘: Dieses Dateisystem unterscheidet Groß- und Kleinschreibung womöglich nicht</translation>
    </message>
    <message>
        <source>Only problems</source>
        <translation>Nur Probleme</translation>
    </message>
    <message>
        <source>%1 will fail</source>
        <translation>%1 Fehler zu erwarten</translation>
    </message>
    <message>
        <source>check: %1 of %2 renames will fail</source>
        <translation>Prüfung: %1 Fehler bei %2 Umbenennungen zu erwarten</translation>
    </message>
    <message>
        <source>check: %1 of %2 renames will fail, %3 more may fail</source>
        <translation>Prüfung: %1 Fehler bei %2 Umbenennungen zu erwarten, %3 weitere möglich</translation>
    </message>
    <message>
        <source>the scheme &quot;%1&quot; holds &quot;%2&quot;, which is not a field; did you mean &quot;%3&quot;?</source>
        <translation>das Schema „%1“ enthält „%2“, das kein Feld ist; ist „%3“ gemeint?</translation>
    </message>
    <message>
        <source>warning: no name fits the existing filename scheme &quot;%1&quot;</source>
        <translation>Warnung: Kein Name passt zum bisherigen Dateinamenschema „%1“</translation>
    </message>
    <message>
        <source>Names that are not UTF-8 are read as:</source>
        <translation>Namen, die kein UTF-8 sind, lesen als:</translation>
    </message>
    <message>
        <source>The encoding in which file and folder names that are not valid UTF-8 are read. Such names are marked in the list, and renaming writes them in UTF-8</source>
        <translation>Die Kodierung, in der Datei- und Ordnernamen gelesen werden, die kein gültiges UTF-8 sind. Solche Namen sind in der Liste markiert, und beim Umbenennen werden sie in UTF-8 geschrieben</translation>
    </message>
    <message>
        <source>not UTF-8: read as %1</source>
        <translation>kein UTF-8: gelesen als %1</translation>
    </message>
    <message>
        <source>Windows-1252 (Western European, Windows)</source>
        <translation>Windows-1252 (Westeuropäisch, Windows)</translation>
    </message>
    <message>
        <source>ISO-8859-1 (Western European)</source>
        <translation>ISO-8859-1 (Westeuropäisch)</translation>
    </message>
    <message>
        <source>ISO-8859-2 (Central European)</source>
        <translation>ISO-8859-2 (Mitteleuropäisch)</translation>
    </message>
    <message>
        <source>ISO-8859-15 (Western European with the euro sign)</source>
        <translation>ISO-8859-15 (Westeuropäisch mit Eurozeichen)</translation>
    </message>
    <message>
        <source>Windows-1250 (Central European, Windows)</source>
        <translation>Windows-1250 (Mitteleuropäisch, Windows)</translation>
    </message>
    <message>
        <source>Windows-1251 (Cyrillic, Windows)</source>
        <translation>Windows-1251 (Kyrillisch, Windows)</translation>
    </message>
    <message>
        <source>KOI8-R (Russian)</source>
        <translation>KOI8-R (Russisch)</translation>
    </message>
    <message>
        <source>CP437 (DOS, United States)</source>
        <translation>CP437 (DOS, USA)</translation>
    </message>
    <message>
        <source>CP850 (DOS, Western European)</source>
        <translation>CP850 (DOS, Westeuropäisch)</translation>
    </message>
    <message>
        <source>Unicode NFC</source>
        <translation>Unicode NFC</translation>
    </message>
    <message>
        <source>Write new names in Unicode NFC, with accented letters as one character each: names copied from a Mac often hold the letter and its accent apart</source>
        <translation>Neue Namen in Unicode NFC schreiben, jeden Buchstaben samt Akzent als ein Zeichen: Namen, die von einem Mac kopiert wurden, enthalten Buchstabe und Akzent oft getrennt</translation>
    </message>
    <message>
        <source>Pad Track#</source>
        <translation>Titelnr. auffüllen</translation>
    </message>
    <message>
        <source>%1 digits</source>
        <translation>%1 Stellen</translation>
    </message>
    <message>
        <source>Give a decimal track number leading zeros in the new name up to this many digits (7 becomes 07); hexadecimal track numbers stay as written</source>
        <translation>Einer dezimalen Titelnummer im neuen Namen führende Nullen bis zu dieser Stellenzahl geben (aus 7 wird 07); hexadezimale Titelnummern bleiben, wie sie geschrieben sind</translation>
    </message>
    <message>
        <source>Capitalisation:</source>
        <translation>Schreibweise:</translation>
    </message>
    <message>
        <source>as written</source>
        <translation>wie geschrieben</translation>
    </message>
    <message>
        <source>Title Case</source>
        <translation>Jedes Wort Groß</translation>
    </message>
    <message>
        <source>lower case</source>
        <translation>kleinbuchstaben</translation>
    </message>
    <message>
        <source>UPPER CASE</source>
        <translation>GROSSBUCHSTABEN</translation>
    </message>
    <message>
        <source>The letter case of Artist, Album and Trackname in the new names</source>
        <translation>Groß- und Kleinschreibung von Interpret, Album und Titel in den neuen Namen</translation>
    </message>
    <message>
        <source>Safe for FAT/exFAT/NTFS</source>
        <translation>Sicher für FAT/exFAT/NTFS</translation>
    </message>
    <message>
        <source>Replace with:</source>
        <translation>Ersetzen durch:</translation>
    </message>
    <message>
        <source>Replace the characters : * ? &quot; &lt; &gt; | \ and control characters in new names, and drop trailing dots and spaces, so that the files can be copied to a FAT, exFAT or NTFS drive</source>
        <translation>Die Zeichen : * ? &quot; &lt; &gt; | \ und Steuerzeichen in neuen Namen ersetzen und Punkte und Leerzeichen am Ende entfernen, damit sich die Dateien auf ein FAT-, exFAT- oder NTFS-Laufwerk kopieren lassen</translation>
    </message>
    <message>
        <source>What each of those characters becomes; it cannot hold any of them, nor &quot;/&quot;. Empty leaves them out</source>
        <translation>Was aus jedem dieser Zeichen wird; es darf keines von ihnen enthalten, auch nicht „/“. Leer lässt sie weg</translation>
    </message>
    <message>
        <source>unknown legacy encoding &quot;%1&quot; (use %2)</source>
        <translation>unbekannte Kodierung „%1“ (eine von %2 angeben)</translation>
    </message>
    <message>
        <source>--pad-track takes 2, 3 or 4 digits, not &quot;%1&quot;</source>
        <translation>--pad-track nimmt 2, 3 oder 4 Stellen, nicht „%1“</translation>
    </message>
    <message>
        <source>unknown capitalisation &quot;%1&quot; (use title, lower, upper or as-written)</source>
        <translation>unbekannte Schreibweise „%1“ (title, lower, upper oder as-written angeben)</translation>
    </message>
    <message>
        <source>the replacement &quot;%1&quot; holds a character that cannot be in a name on FAT, exFAT or NTFS (: * ? &quot; &lt; &gt; | \ / or a control character)</source>
        <translation>der Ersatz „%1“ enthält ein Zeichen, das in einem Namen auf FAT, exFAT oder NTFS nicht stehen darf (: * ? &quot; &lt; &gt; | \ / oder ein Steuerzeichen)</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Stop the scan once the folder being listed is done (Esc); the files found so far stay</source>
        <translation>Beendet die Suche, sobald der gerade gelesene Ordner fertig ist (Esc); die bisher gefundenen Dateien bleiben</translation>
    </message>
    <message>
        <source>Scan stopped: the list shows the files found so far.</source>
        <translation>Suche angehalten: Die Liste zeigt die bisher gefundenen Dateien.</translation>
    </message>
    <message>
        <source>%1 was not scanned: it is on the system file system &quot;%2&quot;, which holds no music files.</source>
        <translation>%1 wurde nicht durchsucht: Der Ordner liegt auf dem Systemdateisystem „%2“, das keine Musikdateien enthält.</translation>
    </message>
</context>
</TS>
