<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>Norvane</name>
    <message>
        <source>Norvane</source>
        <translation>Norvane</translation>
    </message>
    <message>
        <source>InputFolders</source>
        <translation>Dossiers d’entrée</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renommer</translation>
    </message>
    <message>
        <source>Add input directories (or drag it from explorer on this form)</source>
        <translation>Ajoutez des dossiers (ou glissez-les ici depuis le gestionnaire de fichiers)</translation>
    </message>
    <message>
        <source>Add...</source>
        <translation>Ajouter...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualiser</translation>
    </message>
    <message>
        <source>Recursive</source>
        <translation>Inclure les sous-dossiers</translation>
    </message>
    <message>
        <source>Only these extensions:</source>
        <translation>Seulement ces extensions&#xa0;:</translation>
    </message>
    <message>
        <source>(1 per line)</source>
        <translation>(1 par ligne)</translation>
    </message>
    <message>
        <source>Existing filename scheme</source>
        <translation>Schéma des noms actuels</translation>
    </message>
    <message>
        <source>New filename scheme</source>
        <translation>Schéma des nouveaux noms</translation>
    </message>
    <message>
        <source>Divider:</source>
        <translation>Sép.&#xa0;:</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Process All</source>
        <translation>Tout traiter</translation>
    </message>
    <message>
        <source>Process Selected</source>
        <translation>Traiter la sélection</translation>
    </message>
    <message>
        <source>Execute All</source>
        <translation>Tout exécuter</translation>
    </message>
    <message>
        <source>Execute Selected</source>
        <translation>Exécuter la sélection</translation>
    </message>
    <message>
        <source>Search &amp;&amp; Replace</source>
        <translation>Rechercher &amp;&amp; remplacer</translation>
    </message>
    <message>
        <source>Cancel Rename</source>
        <translation>Annuler le renommage</translation>
    </message>
    <message>
        <source>Manual Rename</source>
        <translation>Renommage manuel</translation>
    </message>
    <message>
        <source>Go!</source>
        <translation>Valider</translation>
    </message>
    <message>
        <source>Remove Underscores</source>
        <translation>Supprimer les tirets bas</translation>
    </message>
    <message>
        <source>Extension Lowercase</source>
        <translation>Extension en minuscules</translation>
    </message>
    <message>
        <source>Clipboard Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>%1 files.</source>
        <translation>%1 fichiers.</translation>
    </message>
    <message>
        <source>Use this button in order to apply the rename rules to all files. No files are really renamed - this happens with the execute buttons</source>
        <translation>Applique les règles de renommage à tous les fichiers. Aucun fichier n’est encore vraiment renommé&#xa0;: cela se fait avec les boutons Exécuter</translation>
    </message>
    <message>
        <source>Really rename all files for which status is &quot;rename pending&quot;</source>
        <translation>Renomme réellement tous les fichiers dont l’état est «&#xa0;Renommage en attente&#xa0;»</translation>
    </message>
    <message>
        <source>Apply the current Input and Output filename schemes to the selected files</source>
        <translation>Applique le schéma des noms actuels et celui des nouveaux noms aux fichiers sélectionnés</translation>
    </message>
    <message>
        <source>Really rename the selected files in status &quot;rename pending&quot;</source>
        <translation>Renomme réellement les fichiers sélectionnés dont l’état est «&#xa0;Renommage en attente&#xa0;»</translation>
    </message>
    <message>
        <source>Remove any &quot;New Filename&quot; for the selected files</source>
        <translation>Retire le «&#xa0;Nouveau nom&#xa0;» des fichiers sélectionnés</translation>
    </message>
    <message>
        <source>Find a text in the file names and replace it with another one</source>
        <translation>Cherche un texte dans les noms de fichier et le remplace par un autre</translation>
    </message>
    <message>
        <source>Rename the selected file. Pressing Cursor Up/Down will go to the next file, ENTER will enqueue the new filename and go to the next file</source>
        <translation>Renomme le fichier sélectionné. Les flèches haut et bas passent au fichier précédent ou suivant&#x202f;; Entrée met le nouveau nom en attente et passe au fichier suivant</translation>
    </message>
    <message>
        <source>Existing Filename</source>
        <translation>Nom actuel</translation>
    </message>
    <message>
        <source>New Filename</source>
        <translation>Nouveau nom</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Dossier</translation>
    </message>
    <message>
        <source>&amp;Process Rules</source>
        <translation>&amp;Appliquer les règles</translation>
    </message>
    <message>
        <source>&amp;Execute</source>
        <translation>&amp;Exécuter</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>A&amp;nnuler</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Remplacer</translation>
    </message>
    <message>
        <source>Artist</source>
        <translation>Artiste</translation>
    </message>
    <message>
        <source>Album</source>
        <translation>Album</translation>
    </message>
    <message>
        <source>Track#</source>
        <translation>N° de piste</translation>
    </message>
    <message>
        <source>Trackname</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>ParentFolder</source>
        <translation>Dossier parent</translation>
    </message>
    <message>
        <source>[none]</source>
        <translation>[aucun]</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1&#xa0;octets</translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1&#xa0;Ko</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1&#xa0;Mo</translation>
    </message>
    <message>
        <source>%1 GB</source>
        <translation>%1&#xa0;Go</translation>
    </message>
    <message>
        <source>%1 TB</source>
        <translation>%1&#xa0;To</translation>
    </message>
    <message>
        <source>rename pending</source>
        <translation>Renommage en attente</translation>
    </message>
    <message>
        <source>already in output format</source>
        <translation>Déjà au format de sortie</translation>
    </message>
    <message>
        <source>no new name: the new filename scheme gives an empty name</source>
        <translation>Pas de nouveau nom&#xa0;: le schéma des nouveaux noms donne un nom vide</translation>
    </message>
    <message>
        <source>not input format: %1 does not exist</source>
        <translation>Pas au format d’entrée&#xa0;: champ %1 introuvable</translation>
    </message>
    <message>
        <source>not input format: too many items.</source>
        <translation>Pas au format d’entrée&#xa0;: trop d’éléments.</translation>
    </message>
    <message>
        <source>not input format: empty field %1.</source>
        <translation>Pas au format d’entrée&#xa0;: champ %1 vide.</translation>
    </message>
    <message>
        <source>not input format: &quot;%1&quot; is not a valid track number</source>
        <translation>Pas au format d’entrée&#xa0;: «&#xa0;%1&#xa0;» n’est pas un numéro de piste valide</translation>
    </message>
    <message>
        <source>not input format: &quot;%1&quot; is not folder name</source>
        <translation>Pas au format d’entrée&#xa0;: «&#xa0;%1&#xa0;» n’est pas le nom du dossier</translation>
    </message>
    <message>
        <source>not input format: &quot;%1&quot; is not parent folder name</source>
        <translation>Pas au format d’entrée&#xa0;: «&#xa0;%1&#xa0;» n’est pas le nom du dossier parent</translation>
    </message>
    <message>
        <source>renamed</source>
        <translation>Renommé</translation>
    </message>
    <message>
        <source>error: file does not exist</source>
        <translation>Erreur&#xa0;: le fichier n’existe pas</translation>
    </message>
    <message>
        <source>error: new file already exists</source>
        <translation>Erreur&#xa0;: le nouveau fichier existe déjà</translation>
    </message>
    <message>
        <source>error: rename failed</source>
        <translation>Erreur&#xa0;: échec du renommage</translation>
    </message>
    <message>
        <source>rename cancelled</source>
        <translation>Renommage annulé</translation>
    </message>
    <message>
        <source>manual rename (pending)</source>
        <translation>Renommage manuel (en attente)</translation>
    </message>
    <message>
        <source>manual rename (cancelled)</source>
        <translation>Renommage manuel (annulé)</translation>
    </message>
    <message>
        <source>replaced (rename pending)</source>
        <translation>Remplacé (renommage en attente)</translation>
    </message>
    <message>
        <source>No files to process !</source>
        <translation>Aucun fichier à traiter&#x202f;!</translation>
    </message>
    <message>
        <source>No selected files to process !</source>
        <translation>Aucun fichier sélectionné à traiter&#x202f;!</translation>
    </message>
    <message>
        <source>Please choose directories with the files !</source>
        <translation>Veuillez choisir des dossiers contenant les fichiers&#x202f;!</translation>
    </message>
    <message>
        <source>Search String</source>
        <translation>Texte à rechercher</translation>
    </message>
    <message>
        <source>Please enter the search string:</source>
        <translation>Saisissez le texte à rechercher&#xa0;:</translation>
    </message>
    <message>
        <source>Replace String</source>
        <translation>Texte de remplacement</translation>
    </message>
    <message>
        <source>Please enter the replace string:</source>
        <translation>Saisissez le texte de remplacement&#xa0;:</translation>
    </message>
    <message>
        <source>Search string not found in any file</source>
        <translation>Le texte recherché ne figure dans aucun fichier</translation>
    </message>
    <message>
        <source>Replaced the search string in %1 files.</source>
        <translation>Texte remplacé dans %1 fichiers.</translation>
    </message>
    <message>
        <source>Choose Filename</source>
        <translation>Choisir le nom du fichier</translation>
    </message>
    <message>
        <source>renamelog.txt</source>
        <translation>renommages.txt</translation>
    </message>
    <message>
        <source>HTML (*.html *.htm)</source>
        <translation>HTML (*.html *.htm)</translation>
    </message>
    <message>
        <source>Text (*.txt)</source>
        <translation>Texte (*.txt)</translation>
    </message>
    <message>
        <source>All (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Invalid window handle</source>
        <translation>Identifiant de fenêtre non valide</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Mémoire insuffisante</translation>
    </message>
    <message>
        <source>Could not get Data. $</source>
        <translation>Impossible d’obtenir les données. $</translation>
    </message>
    <message>
        <source>Medium of data is not HGlobal.</source>
        <translation>Le support des données n’est pas HGlobal.</translation>
    </message>
    <message>
        <source>Unable to lock Memory Object.</source>
        <translation>Impossible de verrouiller l’objet mémoire.</translation>
    </message>
    <message>
        <source>DragObject is nil.</source>
        <translation>DragObject vaut nil.</translation>
    </message>
    <message>
        <source>Index out of bounds (</source>
        <translation>Indice hors limites (</translation>
    </message>
    <message>
        <source>Could not enumerate objects</source>
        <translation>Impossible d’énumérer les objets</translation>
    </message>
    <message>
        <source>Format is not available.</source>
        <translation>Le format n’est pas disponible.</translation>
    </message>
    <message>
        <source>Out of Memory.</source>
        <translation>Mémoire insuffisante.</translation>
    </message>
    <message>
        <source>Can&apos;t change DragDropMode while dragging !</source>
        <translation>Impossible de changer DragDropMode pendant un glisser-déposer&#x202f;!</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Une erreur inattendue s’est produite.</translation>
    </message>
    <message>
        <source>Assertion failure</source>
        <translation>Échec d’assertion</translation>
    </message>
    <message>
        <source>The settings value &quot;%1&quot; is not of the kind asked for.</source>
        <translation>La valeur de réglage «&#xa0;%1&#xa0;» n’est pas du type demandé.</translation>
    </message>
    <message>
        <source>The settings key has no section &quot;%1&quot;.</source>
        <translation>La clé des réglages n’a pas de section «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Cannot read the settings file %1.</source>
        <translation>Impossible de lire le fichier de réglages %1.</translation>
    </message>
    <message>
        <source>Cannot write the settings file %1.</source>
        <translation>Impossible d’écrire le fichier de réglages %1.</translation>
    </message>
    <message>
        <source>The settings file %1 is in use.</source>
        <translation>Le fichier de réglages %1 est en cours d’utilisation.</translation>
    </message>
    <message>
        <source>The settings have no control for &quot;%1&quot;.</source>
        <translation>Les réglages n’ont pas de contrôle pour «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Browse For Folder</source>
        <translation>Choisir un dossier</translation>
    </message>
    <message>
        <source>norvane-cli %1</source>
        <translation>norvane-cli %1</translation>
    </message>
    <message>
        <source>norvane-cli: %1</source>
        <translation>norvane-cli&#xa0;: %1</translation>
    </message>
    <message>
        <source>Try &quot;norvane-cli --help&quot; for more information.</source>
        <translation>Saisissez «&#xa0;norvane-cli --help&#xa0;» pour plus d’informations.</translation>
    </message>
    <message>
        <source>unknown option &quot;%1&quot;</source>
        <translation>option inconnue «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>the option &quot;%1&quot; needs a value</source>
        <translation>l’option «&#xa0;%1&#xa0;» demande une valeur</translation>
    </message>
    <message>
        <source>the option &quot;%1&quot; takes no value</source>
        <translation>l’option «&#xa0;%1&#xa0;» ne prend pas de valeur</translation>
    </message>
    <message>
        <source>unknown output format &quot;%1&quot; (use table, tsv or json)</source>
        <translation>format de sortie inconnu «&#xa0;%1&#xa0;» (utilisez table, tsv ou json)</translation>
    </message>
    <message>
        <source>--ext and --all-files cannot be used together</source>
        <translation>--ext et --all-files ne peuvent pas servir ensemble</translation>
    </message>
    <message>
        <source>no folder given</source>
        <translation>aucun dossier indiqué</translation>
    </message>
    <message>
        <source>none of the folders given exists</source>
        <translation>aucun des dossiers indiqués n’existe</translation>
    </message>
    <message>
        <source>skipped &quot;%1&quot;: no such file or folder</source>
        <translation>«&#xa0;%1&#xa0;» ignoré&#xa0;: fichier ou dossier introuvable</translation>
    </message>
    <message>
        <source>skipped &quot;%1&quot;: a folder path that is not valid UTF-8 cannot be listed; give a folder above it</source>
        <translation>«&#xa0;%1&#xa0;» ignoré&#xa0;: un chemin de dossier qui n’est pas de l’UTF-8 valide ne peut pas être listé&#x202f;; indiquez un dossier au-dessus</translation>
    </message>
    <message>
        <source>warning: the extension &quot;%1&quot; does not start with &quot;.&quot; and takes no file</source>
        <translation>avertissement&#xa0;: l’extension «&#xa0;%1&#xa0;» ne commence pas par «&#xa0;.&#xa0;» et ne retient aucun fichier</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>the scheme &quot;%1&quot; names no field (Artist, Album, Track#, Trackname, Folder, ParentFolder or [none])</source>
        <translation>le schéma «&#xa0;%1&#xa0;» ne nomme aucun champ (Artist, Album, Track#, Trackname, Folder, ParentFolder ou [none], écrits en anglais)</translation>
    </message>
    <message>
        <source>the scheme &quot;%1&quot; must start with a field, not with &quot;%2&quot;</source>
        <translation>le schéma «&#xa0;%1&#xa0;» doit commencer par un champ, pas par «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <source>the scheme &quot;%1&quot; has more than five fields</source>
        <translation>le schéma «&#xa0;%1&#xa0;» a plus de cinq champs</translation>
    </message>
    <message>
        <source>the scheme &quot;%1&quot; has text after its fifth field, where no divider can go: &quot;%2&quot;</source>
        <translation>le schéma «&#xa0;%1&#xa0;» a du texte après son cinquième champ, où aucun séparateur ne peut aller&#xa0;: «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <source>Scanning %1</source>
        <translation>Analyse de %1</translation>
    </message>
    <message>
        <source>Processing: %1%</source>
        <translation>Traitement&#xa0;: %1&#xa0;%</translation>
    </message>
    <message>
        <source>Renaming: %1%</source>
        <translation>Renommage&#xa0;: %1&#xa0;%</translation>
    </message>
    <message>
        <source>cannot write the output: %1</source>
        <translation>impossible d’écrire la sortie&#xa0;: %1</translation>
    </message>
    <message>
        <source>Replacing: %1%</source>
        <translation>Remplacement&#xa0;: %1&#xa0;%</translation>
    </message>
    <message>
        <source>warning: the search text &quot;%1&quot; is not found in any name</source>
        <translation>avertissement&#xa0;: le texte recherché «&#xa0;%1&#xa0;» ne figure dans aucun nom</translation>
    </message>
    <message>
        <source>--search needs a text that is not empty</source>
        <translation>--search demande un texte non vide</translation>
    </message>
    <message>
        <source>every --search needs a --replace, and every --replace a --search</source>
        <translation>chaque --search demande un --replace, et chaque --replace un --search</translation>
    </message>
    <message>
        <source>The settings file %1 is open for reading only.</source>
        <translation>Le fichier de réglages %1 est ouvert en lecture seule.</translation>
    </message>
    <message>
        <source>The settings have no value &quot;%1&quot;.</source>
        <translation>Les réglages n’ont pas de valeur «&#xa0;%1&#xa0;».</translation>
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
        <translation>Usage&#xa0;: norvane [DOSSIER...]

Ouvre la fenêtre de Norvane, qui renomme des fichiers musicaux en masse
d’après leur nom. Chaque DOSSIER est ajouté à la liste de la page «&#xa0;Dossiers
d’entrée&#xa0;» et parcouru, comme le serait un dossier qu’on y dépose depuis un
gestionnaire de fichiers&#xa0;: un fichier vaut pour son dossier, et un dossier
déjà dans la liste n’est pas ajouté une seconde fois.

Options&#xa0;:
  -h, --help     afficher cette aide
      --version  afficher la version

Les options, les deux schémas et la position de la fenêtre viennent des
réglages que la fenêtre conserve dans ~/.config/Tarnik/Norvane/. Pour renommer
depuis des scripts ou un terminal, voir «&#xa0;norvane-cli --help&#xa0;».
</translation>
    </message>
    <message>
        <source>norvane %1</source>
        <translation>norvane %1</translation>
    </message>
    <message>
        <source>norvane: %1</source>
        <translation>norvane&#xa0;: %1</translation>
    </message>
    <message>
        <source>Try &quot;norvane --help&quot; for more information.</source>
        <translation>Saisissez «&#xa0;norvane --help&#xa0;» pour plus d’informations.</translation>
    </message>
    <message>
        <source>no new name: the new filename scheme puts a NUL character into the name</source>
        <translation>Pas de nouveau nom&#xa0;: le schéma des nouveaux noms met un caractère NUL dans le nom</translation>
    </message>
    <message>
        <source>The settings file %1 is larger than %2 bytes: it is not read, and left as it is.</source>
        <translation>Le fichier de réglages %1 dépasse %2 octets&#xa0;: il n’est pas lu et reste tel quel.</translation>
    </message>
    <message>
        <source>Cannot write the settings file %1: %2.</source>
        <translation>Impossible d’écrire le fichier de réglages %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>its lock file cannot be made</source>
        <translation>son fichier de verrou ne peut pas être créé</translation>
    </message>
    <message>
        <source>&amp;Folder:</source>
        <translation>&amp;Dossier&#xa0;:</translation>
    </message>
    <message>
        <source>Type or paste the path of a folder</source>
        <translation>Saisissez ou collez le chemin d’un dossier</translation>
    </message>
    <message>
        <source>There is no folder &quot;%1&quot;.</source>
        <translation>Le dossier «&#xa0;%1&#xa0;» n’existe pas.</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Dossier personnel</translation>
    </message>
    <message>
        <source>File System</source>
        <translation>Système de fichiers</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) %1</source>
        <extracomment>%1 is where the files are: &quot;in %n folder(s)&quot;. Together: &quot;812 files in 64 folders&quot;.</extracomment>
        <translation>
            <numerusform>%n fichier %1</numerusform>
            <numerusform>%n fichiers %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %n folder(s)</source>
        <translation>
            <numerusform>dans %n dossier</numerusform>
            <numerusform>dans %n dossiers</numerusform>
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
            <numerusform>%n renommage en attente</numerusform>
            <numerusform>%n renommages en attente</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n manual rename(s) pending</source>
        <translation>
            <numerusform>%n renommage manuel en attente</numerusform>
            <numerusform>%n renommages manuels en attente</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n replaced</source>
        <translation>
            <numerusform>%n remplacé</numerusform>
            <numerusform>%n remplacés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n renamed</source>
        <translation>
            <numerusform>%n renommé</numerusform>
            <numerusform>%n renommés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n error(s)</source>
        <translation>
            <numerusform>%n erreur</numerusform>
            <numerusform>%n erreurs</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n not in input format</source>
        <translation>
            <numerusform>%n pas au format d’entrée</numerusform>
            <numerusform>%n pas au format d’entrée</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n without a new name</source>
        <translation>
            <numerusform>%n sans nouveau nom</numerusform>
            <numerusform>%n sans nouveau nom</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n already in output format</source>
        <translation>
            <numerusform>%n déjà au format de sortie</numerusform>
            <numerusform>%n déjà au format de sortie</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n cancelled</source>
        <translation>
            <numerusform>%n annulé</numerusform>
            <numerusform>%n annulés</numerusform>
        </translation>
    </message>
    <message>
        <source>Click a count of problems to select the next file it counts</source>
        <translation>Un clic sur un nombre de problèmes sélectionne le fichier concerné suivant</translation>
    </message>
    <message>
        <source>Undo Execute</source>
        <translation>Défaire l’exécution</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Défaire</translation>
    </message>
    <message>
        <source>Give the files renamed by the last execute run their old names back</source>
        <translation>Redonne leur ancien nom aux fichiers renommés par la dernière exécution</translation>
    </message>
    <message>
        <source>Save the list (or the selected rows) as a text or HTML file</source>
        <translation>Enregistre la liste (ou les lignes sélectionnées) dans un fichier texte ou HTML</translation>
    </message>
    <message>
        <source>Copy the list (or the selected rows) to the clipboard</source>
        <translation>Copie la liste (ou les lignes sélectionnées) dans le presse-papiers</translation>
    </message>
    <message>
        <source>rename undone</source>
        <translation>Ancien nom rétabli</translation>
    </message>
    <message>
        <source>error: undo failed: %1</source>
        <translation>Erreur&#xa0;: échec du retour à l’ancien nom&#xa0;: %1</translation>
    </message>
    <message>
        <source>the original name is taken</source>
        <translation>l’ancien nom est déjà pris</translation>
    </message>
    <message>
        <source>the renamed file is gone</source>
        <translation>le fichier renommé a disparu</translation>
    </message>
    <message>
        <source>undo pending</source>
        <translation>Retour à l’ancien nom en attente</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>The list cannot be saved to %1: %2.</source>
        <translation>Impossible d’enregistrer la liste dans %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>cannot read the log &quot;%1&quot;: %2</source>
        <translation>impossible de lire le journal «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>the log &quot;%1&quot; cannot be read at line %2: %3</source>
        <translation>le journal «&#xa0;%1&#xa0;» est illisible à la ligne %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>%1 fields separated by tabs, where a log has 4 or 5</source>
        <translation>%1 champs séparés par des tabulations, là où un journal en a 4 ou 5</translation>
    </message>
    <message>
        <source>%1 fields separated by tabs, where the lines above have %2</source>
        <translation>%1 champs séparés par des tabulations, là où les lignes précédentes en ont %2</translation>
    </message>
    <message>
        <source>a backslash that is not followed by t, n, r or another backslash</source>
        <translation>une barre oblique inverse qui n’est suivie ni de t, n, r ni d’une autre barre oblique inverse</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an outcome word</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas un mot de «&#xa0;outcome&#xa0;»</translation>
    </message>
    <message>
        <source>a renamed file without a folder</source>
        <translation>un fichier renommé sans dossier</translation>
    </message>
    <message>
        <source>a renamed file without an existing or a new name</source>
        <translation>un fichier renommé sans nom actuel ou sans nouveau nom</translation>
    </message>
    <message>
        <source>the existing name &quot;%1&quot; is not a name within its folder</source>
        <translation>le nom actuel «&#xa0;%1&#xa0;» n’est pas un nom dans son dossier</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; is not an absolute path</source>
        <translation>le dossier «&#xa0;%1&#xa0;» n’est pas un chemin absolu</translation>
    </message>
    <message>
        <source>the new name is not valid UTF-8</source>
        <translation>le nouveau nom n’est pas de l’UTF-8 valide</translation>
    </message>
    <message>
        <source>not valid JSON: %1</source>
        <translation>JSON non valide&#xa0;: %1</translation>
    </message>
    <message>
        <source>a JSON log is an array of rows</source>
        <translation>un journal JSON est un tableau de lignes</translation>
    </message>
    <message>
        <source>a row of a JSON log is an object</source>
        <translation>une ligne d’un journal JSON est un objet</translation>
    </message>
    <message>
        <source>the key &quot;%1&quot; is missing or is not a text</source>
        <translation>la clé «&#xa0;%1&#xa0;» manque ou n’est pas un texte</translation>
    </message>
    <message>
        <source>the key &quot;%1&quot; does not hold base64</source>
        <translation>la clé «&#xa0;%1&#xa0;» ne contient pas de base64</translation>
    </message>
    <message>
        <source>warning: the log &quot;%1&quot; names no renamed file</source>
        <translation>avertissement&#xa0;: le journal «&#xa0;%1&#xa0;» ne nomme aucun fichier renommé</translation>
    </message>
    <message>
        <source>--undo reads its files from the log and takes no folder</source>
        <translation>--undo lit ses fichiers dans le journal et ne prend aucun dossier</translation>
    </message>
    <message>
        <source>the option &quot;%1&quot; cannot be used with --undo</source>
        <translation>l’option «&#xa0;%1&#xa0;» ne peut pas être utilisée avec --undo</translation>
    </message>
    <message numerus="yes">
        <source>%n undone</source>
        <translation>
            <numerusform>%n annulé</numerusform>
            <numerusform>%n annulés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n will fail</source>
        <translation>
            <numerusform>%n échouera</numerusform>
            <numerusform>%n échoueront</numerusform>
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
        <translation>Usage&#xa0;: norvane-cli [OPTIONS] DOSSIER...
        norvane-cli --undo JOURNAL [--execute] [--format FORMAT]

Renomme des fichiers musicaux d’après leur nom, comme le fait la fenêtre de
Norvane. Liste les fichiers de chaque DOSSIER (un fichier vaut pour son
dossier), décompose chaque nom selon le schéma des noms actuels et propose un
nouveau nom construit selon le schéma des nouveaux noms. Rien n’est renommé
sur le disque sans --execute.

Options&#xa0;:
  -i, --in SCHÉMA          schéma des noms actuels (comment ils sont formés)
  -o, --out SCHÉMA         schéma des nouveaux noms (comment ils doivent l’être)
  -e, --ext EXT            seulement les fichiers de cette extension, point
                           compris&#xa0;: -e .mp3 (à répéter pour en donner
                           plusieurs&#x202f;; remplace la liste enregistrée)
  -a, --all-files          tous les fichiers, quelle que soit leur extension
      --no-recursive       ne pas descendre dans les sous-dossiers
      --keep-underscores   garder les «&#xa0;_&#xa0;» des noms («&#xa0;Supprimer les tirets
                           bas&#xa0;» désactivé)
      --keep-extension-case  garder la casse de l’extension
                           («&#xa0;Extension en minuscules&#xa0;» désactivé)
      --legacy-encoding NOM  lire les noms qui ne sont pas de l’UTF-8 valide
                           dans l’encodage NOM&#xa0;: Windows-1252 (par défaut),
                           ISO-8859-1, ISO-8859-2, ISO-8859-15, Windows-1250,
                           Windows-1251, KOI8-R, CP437 ou CP850&#x202f;; le
                           renommage les écrit en UTF-8
      --nfc                écrire les nouveaux noms en Unicode NFC
                           («&#xa0;Unicode NFC&#xa0;»)
      --pad-track N        compléter les numéros de piste décimaux par des
                           zéros en tête jusqu’à N chiffres, N valant 2, 3 ou
                           4 («&#xa0;Compléter le n° de piste&#xa0;»)
      --case CASSE         casse des champs Artiste, Album et Titre&#xa0;: title,
                           lower, upper ou as-written («&#xa0;Casse&#xa0;»)
      --safe-names         remplacer : * ? &quot; &lt; &gt; | \ et les caractères de
                           contrôle des nouveaux noms par «&#xa0;-&#xa0;» et supprimer
                           les points et les espaces finaux, pour FAT, exFAT
                           et NTFS («&#xa0;Compatible FAT/exFAT/NTFS&#xa0;»)
      --safe-replacement TEXTE  mettre TEXTE à la place de ces caractères
                           (active --safe-names)
      --search TEXTE       chercher TEXTE dans les nouveaux noms et y mettre
      --replace TEXTE      le texte de son --replace, comme le fait
                           «&#xa0;Rechercher &amp; remplacer&#xa0;» dans la fenêtre (voir
                           plus bas)
  -x, --execute            renommer les fichiers sur le disque
      --check              vérifier chaque proposition avant tout renommage et
                           ajouter une colonne donnant la raison de son échec
      --undo JOURNAL       redonner leur ancien nom aux fichiers renommés
                           d’après JOURNAL (voir plus bas)
  -f, --format FORMAT      table (par défaut dans un terminal), tsv (par
                           défaut sinon) ou json
      --defaults           ignorer les réglages enregistrés par la fenêtre
                           de Norvane
  -h, --help               afficher cette aide
      --version            afficher la version

Un SCHÉMA s’écrit sans l’extension, comme le montre l’aperçu de la fenêtre&#xa0;:
jusqu’à cinq champs avec les textes de séparation entre eux, par exemple
  &quot;Artist - Album - Track# - Trackname&quot;   ou   &quot;Track#. Trackname&quot;
Les champs s’écrivent en anglais quelle que soit la langue, en majuscules ou
en minuscules&#xa0;: Artist (Artiste), Album, Track# (N° de piste), Trackname
(Titre), Folder (Dossier), ParentFolder (Dossier parent) et [none] ([aucun]).
Folder et ParentFolder sont les noms du dossier du fichier et du dossier qui
le contient. Un schéma commence par un champ, et un séparateur ne peut pas
contenir de nom de champ. Le texte après le dernier champ est le séparateur
cherché à cet endroit dans les noms actuels (&quot; - &quot; s’il n’y en a pas).

--search et --replace vont par paires&#xa0;: le premier --search avec le premier
--replace, et ainsi de suite. Une fois les nouveaux noms proposés, chaque
paire à son tour remplace chaque occurrence de son texte recherché (dans sa
casse exacte) dans le nouveau nom de chaque fichier, ou dans son nom actuel
s’il n’en a pas&#x202f;; les fichiers qu’elle change sont à l’état «&#xa0;Remplacé
(renommage en attente)&#xa0;».

--check examine le disque, sans rien y changer, et prévoit ce que --execute
fera de chaque proposition, dans l’ordre où il les traitera&#xa0;: un nom donné à
deux fichiers, un nom pris par un fichier ou un dossier, un sous-dossier
manquant, un nom trop long ou interdit sur le système de fichiers, un fichier
disparu depuis le parcours. Une ligne qui a une telle raison n’est pas
renommée&#xa0;; le code de sortie est alors 1, même sans --execute. Dans un
terminal, une ligne de résumé suit sur la sortie d’erreur.

--undo lit un JOURNAL écrit par norvane-cli avec -f tsv ou -f json, ou
enregistré en texte par la fenêtre, et liste chaque fichier que le journal dit
renommé, le dernier renommé en premier, pour lui redonner son ancien nom
(«&#xa0;Retour à l’ancien nom en attente&#xa0;»). Avec --execute, les fichiers reprennent
leur ancien nom, et un nom déjà pris n’est jamais remplacé&#x202f;; chaque fichier est
alors à l’état «&#xa0;Ancien nom rétabli&#xa0;» ou «&#xa0;Erreur&#xa0;: échec du retour à l’ancien
nom&#xa0;:&#xa0;» suivi de la raison. Les noms qui ne sont pas de l’UTF-8 valide
reviennent octet pour octet.

Ce que la ligne de commande ne donne pas vient des réglages enregistrés par la
fenêtre de Norvane&#x202f;; ils sont seulement lus, jamais modifiés. Avec --defaults,
ou si rien n’est enregistré, les valeurs par défaut s’appliquent&#xa0;:
  --in &quot;Artist - Album - Track# - Trackname&quot;
  --out &quot;Folder - ParentFolder - Track# - Trackname&quot; --ext .mp3,
  sous-dossiers compris, tirets bas changés en espaces, extensions en
  minuscules, noms qui ne sont pas en UTF-8 lus en Windows-1252, aucun autre
  nettoyage.

Sortie&#xa0;: une ligne par ligne de la liste des résultats, dans son ordre, avec
les colonnes Nom actuel, Nouveau nom, État et Dossier&#x202f;; chaque dossier a sa
propre ligne «&#xa0;[dossier]&#xa0;», aux autres colonnes vides. tsv n’a pas de ligne
d’en-tête et écrit tabulation, saut de ligne, retour chariot et barre oblique
inverse dans un champ sous la forme \t, \n, \r et \\. json est un tableau
d’objets aux clés «&#xa0;existing&#xa0;», «&#xa0;new&#xa0;», «&#xa0;status&#xa0;», «&#xa0;outcome&#xa0;» et
«&#xa0;folder&#xa0;»&#x202f;; un nom qui n’est pas de l’UTF-8 valide s’affiche tel qu’il
a été lu dans l’ancien encodage et porte ses octets exacts, en base64, dans
«&#xa0;existing_bytes&#xa0;» ou «&#xa0;folder_bytes&#xa0;». «&#xa0;outcome&#xa0;» dit ce que dit l’état, en
un mot qui reste le même dans toutes les langues&#xa0;: none, pending,
already_in_format, no_new_name, not_input_format, process_failed, renamed,
file_does_not_exist, new_file_exists, rename_failed, cancelled,
manual_pending, manual_cancelled, replaced, undo_pending, undone ou
undo_failed.
Avec --check, le tableau et tsv ont une cinquième colonne, Vérification. json
a toujours les clés « check » (le motif de la vérification, ou null) et «
check_reason », qui nomme aussi ce motif d’un tel mot : same_new_name,
taken_by_file, taken_by_folder, renamed_later, no_folder, name_too_long,
not_allowed, file_gone, already_named, not_a_name, leaves_folder,
not_writable, other_file_system, folder_unread, case_may_clash, ou null.

Code de sortie&#xa0;: 0 si tout a réussi, 1 si --execute a laissé une ligne dont
l’état commence par «&#xa0;Erreur&#xa0;», si --check a trouvé une raison ou si
l’exécution a échoué, 2 pour une erreur d’utilisation.

Exemples&#xa0;:
  Voir ce que deviendrait un album dont les fichiers s’appellent
  &quot;07 - Titre.mp3&quot;&#xa0;:
    norvane-cli -i &quot;Track# - Trackname&quot; -o &quot;Track#. Trackname&quot; ~/Musique/Album
  Renommer toute une discothèque, puis afficher les lignes en échec&#xa0;:
    norvane-cli -x -f tsv ~/Musique &gt; renommages.tsv
    awk -F&apos;\t&apos; &apos;$3 ~ /^Erreur/&apos; renommages.tsv
  Redonner ensuite leur ancien nom à ces fichiers&#xa0;:
    norvane-cli --undo renommages.tsv --execute
</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Vérification</translation>
    </message>
    <message>
        <source>same new name as &apos;%1&apos;</source>
        <translation>Même nouveau nom que «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>name taken by a file that stays</source>
        <translation>Nom pris par un fichier qui reste</translation>
    </message>
    <message>
        <source>name taken by a folder</source>
        <translation>Nom pris par un dossier</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is renamed only later</source>
        <translation>«&#xa0;%1&#xa0;» n’est renommé que plus tard</translation>
    </message>
    <message>
        <source>no folder &apos;%1&apos; here</source>
        <translation>Pas de dossier «&#xa0;%1&#xa0;» ici</translation>
    </message>
    <message>
        <source>name too long: %1 bytes, at most %2</source>
        <translation>Nom trop long&#xa0;: %1&#xa0;octets, %2 au plus</translation>
    </message>
    <message>
        <source>not allowed on this file system: &apos;%1&apos;</source>
        <translation>Interdit sur ce système de fichiers&#xa0;: «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>not allowed on this file system: a space at the end</source>
        <translation>Interdit sur ce système de fichiers&#xa0;: un espace final</translation>
    </message>
    <message>
        <source>not allowed on this file system: a dot at the end</source>
        <translation>Interdit sur ce système de fichiers&#xa0;: un point final</translation>
    </message>
    <message>
        <source>the file is gone</source>
        <translation>Le fichier a disparu</translation>
    </message>
    <message>
        <source>the file already has this name</source>
        <translation>Le fichier porte déjà ce nom</translation>
    </message>
    <message>
        <source>no file can have this name</source>
        <translation>Aucun fichier ne peut porter ce nom</translation>
    </message>
    <message>
        <source>&apos;..&apos; would lead out of the file&apos;s folder</source>
        <translation>«&#xa0;..&#xa0;» mènerait hors du dossier du fichier</translation>
    </message>
    <message>
        <source>the folder &apos;%1&apos; cannot be changed (read-only or no permission)</source>
        <translation>Le dossier «&#xa0;%1&#xa0;» ne peut pas être modifié (lecture seule ou droits insuffisants)</translation>
    </message>
    <message>
        <source>the folder &apos;%1&apos; is on another file system</source>
        <translation>Le dossier «&#xa0;%1&#xa0;» est sur un autre système de fichiers</translation>
    </message>
    <message>
        <source>the folder cannot be listed, which a change of letter case needs</source>
        <translation>Le dossier ne peut pas être listé, ce qu’exige un changement de casse</translation>
    </message>
    <message>
        <source>may be the same name as &apos;%1&apos;: this file system may ignore letter case</source>
        <translation>Peut-être le même nom que «&#xa0;%1&#xa0;»&#xa0;: ce système de fichiers ignore peut-être la casse</translation>
    </message>
    <message>
        <source>Only problems</source>
        <translation>Seulement les problèmes</translation>
    </message>
    <message>
        <source>%1 will fail</source>
        <translation>échecs prévus&#xa0;: %1</translation>
    </message>
    <message>
        <source>check: %1 of %2 renames will fail</source>
        <translation>vérification&#xa0;: échec prévu pour %1 renommage(s) sur %2</translation>
    </message>
    <message>
        <source>check: %1 of %2 renames will fail, %3 more may fail</source>
        <translation>vérification&#xa0;: échec prévu pour %1 renommage(s) sur %2, possible pour %3 autre(s)</translation>
    </message>
    <message>
        <source>the scheme &quot;%1&quot; holds &quot;%2&quot;, which is not a field; did you mean &quot;%3&quot;?</source>
        <translation>le schéma «&#xa0;%1&#xa0;» contient «&#xa0;%2&#xa0;», qui n’est pas un champ&#xa0;; vouliez-vous dire «&#xa0;%3&#xa0;»&#xa0;?</translation>
    </message>
    <message>
        <source>warning: no name fits the existing filename scheme &quot;%1&quot;</source>
        <translation>avertissement&#xa0;: aucun nom ne suit le schéma des noms actuels «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Names that are not UTF-8 are read as:</source>
        <translation>Lire les noms qui ne sont pas en UTF-8 comme&#xa0;:</translation>
    </message>
    <message>
        <source>The encoding in which file and folder names that are not valid UTF-8 are read. Such names are marked in the list, and renaming writes them in UTF-8</source>
        <translation>L’encodage dans lequel sont lus les noms de fichiers et de dossiers qui ne sont pas de l’UTF-8 valide. Ces noms sont signalés dans la liste, et le renommage les écrit en UTF-8</translation>
    </message>
    <message>
        <source>not UTF-8: read as %1</source>
        <translation>pas en UTF-8&#xa0;: lu comme %1</translation>
    </message>
    <message>
        <source>Windows-1252 (Western European, Windows)</source>
        <translation>Windows-1252 (Europe occidentale, Windows)</translation>
    </message>
    <message>
        <source>ISO-8859-1 (Western European)</source>
        <translation>ISO-8859-1 (Europe occidentale)</translation>
    </message>
    <message>
        <source>ISO-8859-2 (Central European)</source>
        <translation>ISO-8859-2 (Europe centrale)</translation>
    </message>
    <message>
        <source>ISO-8859-15 (Western European with the euro sign)</source>
        <translation>ISO-8859-15 (Europe occidentale, avec le signe euro)</translation>
    </message>
    <message>
        <source>Windows-1250 (Central European, Windows)</source>
        <translation>Windows-1250 (Europe centrale, Windows)</translation>
    </message>
    <message>
        <source>Windows-1251 (Cyrillic, Windows)</source>
        <translation>Windows-1251 (cyrillique, Windows)</translation>
    </message>
    <message>
        <source>KOI8-R (Russian)</source>
        <translation>KOI8-R (russe)</translation>
    </message>
    <message>
        <source>CP437 (DOS, United States)</source>
        <translation>CP437 (DOS, États-Unis)</translation>
    </message>
    <message>
        <source>CP850 (DOS, Western European)</source>
        <translation>CP850 (DOS, Europe occidentale)</translation>
    </message>
    <message>
        <source>Unicode NFC</source>
        <translation>Unicode NFC</translation>
    </message>
    <message>
        <source>Write new names in Unicode NFC, with accented letters as one character each: names copied from a Mac often hold the letter and its accent apart</source>
        <translation>Écrire les nouveaux noms en Unicode NFC, chaque lettre accentuée en un seul caractère&#xa0;: les noms copiés depuis un Mac séparent souvent la lettre de son accent</translation>
    </message>
    <message>
        <source>Pad Track#</source>
        <translation>Compléter le n° de piste</translation>
    </message>
    <message>
        <source>%1 digits</source>
        <translation>%1 chiffres</translation>
    </message>
    <message>
        <source>Give a decimal track number leading zeros in the new name up to this many digits (7 becomes 07); hexadecimal track numbers stay as written</source>
        <translation>Compléter un numéro de piste décimal par des zéros en tête dans le nouveau nom, jusqu’à ce nombre de chiffres (7 devient 07)&#x202f;; les numéros hexadécimaux restent tels qu’ils sont écrits</translation>
    </message>
    <message>
        <source>Capitalisation:</source>
        <translation>Casse&#xa0;:</translation>
    </message>
    <message>
        <source>as written</source>
        <translation>telle quelle</translation>
    </message>
    <message>
        <source>Title Case</source>
        <translation>Majuscule À Chaque Mot</translation>
    </message>
    <message>
        <source>lower case</source>
        <translation>minuscules</translation>
    </message>
    <message>
        <source>UPPER CASE</source>
        <translation>MAJUSCULES</translation>
    </message>
    <message>
        <source>The letter case of Artist, Album and Trackname in the new names</source>
        <translation>La casse des champs Artiste, Album et Titre dans les nouveaux noms</translation>
    </message>
    <message>
        <source>Safe for FAT/exFAT/NTFS</source>
        <translation>Compatible FAT/exFAT/NTFS</translation>
    </message>
    <message>
        <source>Replace with:</source>
        <translation>Remplacer par&#xa0;:</translation>
    </message>
    <message>
        <source>Replace the characters : * ? &quot; &lt; &gt; | \ and control characters in new names, and drop trailing dots and spaces, so that the files can be copied to a FAT, exFAT or NTFS drive</source>
        <translation>Remplacer les caractères : * ? &quot; &lt; &gt; | \ et les caractères de contrôle dans les nouveaux noms, et supprimer les points et les espaces finaux, pour que les fichiers puissent être copiés sur un disque FAT, exFAT ou NTFS</translation>
    </message>
    <message>
        <source>What each of those characters becomes; it cannot hold any of them, nor &quot;/&quot;. Empty leaves them out</source>
        <translation>Ce que devient chacun de ces caractères&#x202f;; le texte ne peut en contenir aucun, ni «&#xa0;/&#xa0;». Vide, ils sont supprimés</translation>
    </message>
    <message>
        <source>unknown legacy encoding &quot;%1&quot; (use %2)</source>
        <translation>encodage inconnu «&#xa0;%1&#xa0;» (utilisez %2)</translation>
    </message>
    <message>
        <source>--pad-track takes 2, 3 or 4 digits, not &quot;%1&quot;</source>
        <translation>--pad-track prend 2, 3 ou 4 chiffres, pas «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>unknown capitalisation &quot;%1&quot; (use title, lower, upper or as-written)</source>
        <translation>casse inconnue «&#xa0;%1&#xa0;» (utilisez title, lower, upper ou as-written)</translation>
    </message>
    <message>
        <source>the replacement &quot;%1&quot; holds a character that cannot be in a name on FAT, exFAT or NTFS (: * ? &quot; &lt; &gt; | \ / or a control character)</source>
        <translation>le remplacement «&#xa0;%1&#xa0;» contient un caractère interdit dans un nom sur FAT, exFAT ou NTFS (: * ? &quot; &lt; &gt; | \ / ou un caractère de contrôle)</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Stop the scan once the folder being listed is done (Esc); the files found so far stay</source>
        <translation>Arrête l’analyse dès que le dossier en cours de lecture est terminé (Échap)&#x202f;; les fichiers déjà trouvés restent</translation>
    </message>
    <message>
        <source>Scan stopped: the list shows the files found so far.</source>
        <translation>Analyse arrêtée&#xa0;: la liste montre les fichiers trouvés jusqu’ici.</translation>
    </message>
    <message>
        <source>%1 was not scanned: it is on the system file system &quot;%2&quot;, which holds no music files.</source>
        <translation>%1 n’a pas été analysé&#xa0;: il se trouve sur le système de fichiers système «&#xa0;%2&#xa0;», qui ne contient aucun fichier musical.</translation>
    </message>
</context>
</TS>
