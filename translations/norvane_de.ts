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
        <source>Not implemented</source>
        <translation>Nicht implementiert</translation>
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
        <source>Usage: norvane-cli [OPTIONS] FOLDER...

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
      --search TEXT        find TEXT in the new names and put the text of its
      --replace TEXT       --replace there, as the window&apos;s &quot;Search &amp; Replace&quot;
                           does (see below)
  -x, --execute            rename the files on disk
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

What the command line does not give comes from the settings the Norvane
window saved; they are only read, never changed. With --defaults, or when
nothing is saved, it comes from the defaults:
  --in &quot;Artist - Album - Track# - Trackname&quot;
  --out &quot;Folder - ParentFolder - Track# - Trackname&quot; --ext .mp3,
  subfolders included, underscores made spaces, extensions lower-cased.

Output: one line for every row of the results list, in its order, with the
columns Existing Filename, New Filename, Status and Folder; each folder has
a row &quot;[folder]&quot; of its own with empty other columns. tsv has no header line
and writes tab, line feed, carriage return and backslash in a field as \t,
\n, \r and \\. json is an array of objects with the keys &quot;existing&quot;,
&quot;new&quot;, &quot;status&quot;, &quot;outcome&quot; and &quot;folder&quot;; a name that is not valid UTF-8
shows with replacement characters and carries its exact bytes, in base64,
in &quot;existing_bytes&quot; or &quot;folder_bytes&quot;. &quot;outcome&quot; says what the status
says in one word that is the same in every language: none, pending,
already_in_format, no_new_name, not_input_format, process_failed, renamed,
file_does_not_exist, new_file_exists, rename_failed, cancelled,
manual_pending, manual_cancelled or replaced.

Exit status: 0 when all went through, 1 when --execute left a row with an
&quot;error: ...&quot; status or the run failed, 2 for a usage error.

Examples:
  See what would happen to an album whose files are named &quot;07 - Title.mp3&quot;:
    norvane-cli -i &quot;Track# - Trackname&quot; -o &quot;Track#. Trackname&quot; ~/Music/Album
  Rename a whole library, then show the rows that failed:
    norvane-cli -x -f tsv ~/Music &gt; renames.tsv
    awk -F&apos;\t&apos; &apos;$3 ~ /^error: /&apos; renames.tsv
</source>
        <translation>Aufruf: norvane-cli [OPTIONEN] ORDNER...

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
      --search TEXT        TEXT in den neuen Namen suchen und den Text des
      --replace TEXT       zugehörigen --replace dafür einsetzen, wie es
                           „Suchen &amp; Ersetzen“ im Fenster tut (siehe unten)
  -x, --execute            die Dateien auf dem Datenträger umbenennen
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

Was die Befehlszeile nicht angibt, kommt aus den Einstellungen, die das
Norvane-Fenster gespeichert hat; sie werden nur gelesen, nie geändert. Mit
--defaults, oder wenn nichts gespeichert ist, gelten die Vorgaben:
  --in &quot;Artist - Album - Track# - Trackname&quot;
  --out &quot;Folder - ParentFolder - Track# - Trackname&quot; --ext .mp3,
  mit Unterordnern, Unterstriche zu Leerzeichen, Endungen kleingeschrieben.

Ausgabe: eine Zeile für jede Zeile der Ergebnisliste, in deren Reihenfolge,
mit den Spalten Bisheriger Dateiname, Neuer Dateiname, Status und Ordner;
jeder Ordner hat eine eigene Zeile „[Ordner]“ mit leeren übrigen Spalten. tsv
hat keine Kopfzeile und schreibt Tabulator, Zeilenvorschub, Wagenrücklauf und
Backslash in einem Feld als \t, \n, \r und \\. json ist ein Array von
Objekten mit den Schlüsseln „existing“, „new“, „status“, „outcome“ und
„folder“; ein Name, der kein gültiges UTF-8 ist, erscheint mit Ersatzzeichen
und trägt seine genauen Bytes base64-kodiert in „existing_bytes“ oder
„folder_bytes“. „outcome“ sagt, was der Status sagt, in einem Wort, das in
jeder Sprache gleich bleibt: none, pending, already_in_format, no_new_name,
not_input_format, process_failed, renamed, file_does_not_exist,
new_file_exists, rename_failed, cancelled, manual_pending, manual_cancelled
oder replaced.

Exit-Status: 0, wenn alles geklappt hat, 1, wenn --execute eine Zeile mit dem
Status „Fehler: …“ hinterlassen hat oder der Lauf fehlschlug, 2 bei einem
Fehler im Aufruf.

Beispiele:
  Zeigen, was aus einem Album würde, dessen Dateien &quot;07 - Titel.mp3&quot; heißen:
    norvane-cli -i &quot;Track# - Trackname&quot; -o &quot;Track#. Trackname&quot; ~/Musik/Album
  Eine ganze Sammlung umbenennen, dann die fehlgeschlagenen Zeilen zeigen:
    norvane-cli -x -f tsv ~/Musik &gt; umbenennungen.tsv
    awk -F&apos;\t&apos; &apos;$3 ~ /^Fehler: /&apos; umbenennungen.tsv
</translation>
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
</context>
</TS>
