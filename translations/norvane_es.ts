<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>Norvane</name>
    <message>
        <source>Norvane</source>
        <translation>Norvane</translation>
    </message>
    <message>
        <source>InputFolders</source>
        <translation>Carpetas de entrada</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renombrar</translation>
    </message>
    <message>
        <source>Add input directories (or drag it from explorer on this form)</source>
        <translation>Añada carpetas de entrada (o arrástrelas aquí desde el gestor de archivos)</translation>
    </message>
    <message>
        <source>Add...</source>
        <translation>Añadir...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Recursive</source>
        <translation>Incluir subcarpetas</translation>
    </message>
    <message>
        <source>Only these extensions:</source>
        <translation>Solo estas extensiones:</translation>
    </message>
    <message>
        <source>(1 per line)</source>
        <translation>(1 por línea)</translation>
    </message>
    <message>
        <source>Existing filename scheme</source>
        <translation>Esquema de nombre actual</translation>
    </message>
    <message>
        <source>New filename scheme</source>
        <translation>Esquema de nombre nuevo</translation>
    </message>
    <message>
        <source>Divider:</source>
        <translation>Sep.:</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Estándar</translation>
    </message>
    <message>
        <source>Process All</source>
        <translation>Procesar todo</translation>
    </message>
    <message>
        <source>Process Selected</source>
        <translation>Procesar selección</translation>
    </message>
    <message>
        <source>Execute All</source>
        <translation>Ejecutar todo</translation>
    </message>
    <message>
        <source>Execute Selected</source>
        <translation>Ejecutar selección</translation>
    </message>
    <message>
        <source>Search &amp;&amp; Replace</source>
        <translation>Buscar &amp;&amp; reemplazar</translation>
    </message>
    <message>
        <source>Cancel Rename</source>
        <translation>Descartar cambio</translation>
    </message>
    <message>
        <source>Manual Rename</source>
        <translation>Cambio de nombre manual</translation>
    </message>
    <message>
        <source>Go!</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Remove Underscores</source>
        <translation>Quitar guiones bajos</translation>
    </message>
    <message>
        <source>Extension Lowercase</source>
        <translation>Extensión en minúsculas</translation>
    </message>
    <message>
        <source>Clipboard Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>%1 files.</source>
        <translation>%1 archivos.</translation>
    </message>
    <message>
        <source>Use this button in order to apply the rename rules to all files. No files are really renamed - this happens with the execute buttons</source>
        <translation>Aplica las reglas de cambio de nombre a todos los archivos. Todavía no se renombra ningún archivo: eso se hace con los botones Ejecutar</translation>
    </message>
    <message>
        <source>Really rename all files for which status is &quot;rename pending&quot;</source>
        <translation>Renombra de verdad todos los archivos cuyo estado es «Cambio de nombre pendiente»</translation>
    </message>
    <message>
        <source>Apply the current Input and Output filename schemes to the selected files</source>
        <translation>Aplica los esquemas de nombre actual y nuevo a los archivos seleccionados</translation>
    </message>
    <message>
        <source>Really rename the selected files in status &quot;rename pending&quot;</source>
        <translation>Renombra de verdad los archivos seleccionados cuyo estado es «Cambio de nombre pendiente»</translation>
    </message>
    <message>
        <source>Remove any &quot;New Filename&quot; for the selected files</source>
        <translation>Quita el «Nombre nuevo» de los archivos seleccionados</translation>
    </message>
    <message>
        <source>Find a text in the file names and replace it with another one</source>
        <translation>Busca un texto en los nombres de archivo y lo sustituye por otro</translation>
    </message>
    <message>
        <source>Rename the selected file. Pressing Cursor Up/Down will go to the next file, ENTER will enqueue the new filename and go to the next file</source>
        <translation>Renombra el archivo seleccionado. Las flechas arriba y abajo pasan al archivo anterior o siguiente; Intro deja pendiente el nombre nuevo y pasa al archivo siguiente</translation>
    </message>
    <message>
        <source>Existing Filename</source>
        <translation>Nombre actual</translation>
    </message>
    <message>
        <source>New Filename</source>
        <translation>Nombre nuevo</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Carpeta</translation>
    </message>
    <message>
        <source>&amp;Process Rules</source>
        <translation>&amp;Aplicar reglas</translation>
    </message>
    <message>
        <source>&amp;Execute</source>
        <translation>&amp;Ejecutar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Descartar</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Reemplazar</translation>
    </message>
    <message>
        <source>Artist</source>
        <translation>Artista</translation>
    </message>
    <message>
        <source>Album</source>
        <translation>Álbum</translation>
    </message>
    <message>
        <source>Track#</source>
        <translation>N.º de pista</translation>
    </message>
    <message>
        <source>Trackname</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>ParentFolder</source>
        <translation>Carpeta padre</translation>
    </message>
    <message>
        <source>[none]</source>
        <translation>[ninguno]</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 bytes</translation>
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
        <translation>Cambio de nombre pendiente</translation>
    </message>
    <message>
        <source>already in output format</source>
        <translation>Ya está en el formato de salida</translation>
    </message>
    <message>
        <source>no new name: the new filename scheme gives an empty name</source>
        <translation>Sin nombre nuevo: el esquema de nombre nuevo da un nombre vacío</translation>
    </message>
    <message>
        <source>not input format: %1 does not exist</source>
        <translation>No sigue el formato de entrada: falta %1</translation>
    </message>
    <message>
        <source>not input format: too many items.</source>
        <translation>No sigue el formato de entrada: demasiadas partes.</translation>
    </message>
    <message>
        <source>not input format: empty field %1.</source>
        <translation>No sigue el formato de entrada: el campo %1 está vacío.</translation>
    </message>
    <message>
        <source>not input format: &quot;%1&quot; is not a valid track number</source>
        <translation>No sigue el formato de entrada: «%1» no es un número de pista válido</translation>
    </message>
    <message>
        <source>not input format: &quot;%1&quot; is not folder name</source>
        <translation>No sigue el formato de entrada: «%1» no es el nombre de la carpeta</translation>
    </message>
    <message>
        <source>not input format: &quot;%1&quot; is not parent folder name</source>
        <translation>No sigue el formato de entrada: «%1» no es el nombre de la carpeta padre</translation>
    </message>
    <message>
        <source>renamed</source>
        <translation>Renombrado</translation>
    </message>
    <message>
        <source>error: file does not exist</source>
        <translation>Error: el archivo no existe</translation>
    </message>
    <message>
        <source>error: new file already exists</source>
        <translation>Error: el archivo nuevo ya existe</translation>
    </message>
    <message>
        <source>error: rename failed</source>
        <translation>Error: no se pudo cambiar el nombre</translation>
    </message>
    <message>
        <source>rename cancelled</source>
        <translation>Cambio de nombre descartado</translation>
    </message>
    <message>
        <source>manual rename (pending)</source>
        <translation>Cambio de nombre manual (pendiente)</translation>
    </message>
    <message>
        <source>manual rename (cancelled)</source>
        <translation>Cambio de nombre manual (descartado)</translation>
    </message>
    <message>
        <source>replaced (rename pending)</source>
        <translation>Reemplazado (cambio de nombre pendiente)</translation>
    </message>
    <message>
        <source>No files to process !</source>
        <translation>¡No hay archivos que procesar!</translation>
    </message>
    <message>
        <source>No selected files to process !</source>
        <translation>¡No hay archivos seleccionados que procesar!</translation>
    </message>
    <message>
        <source>Please choose directories with the files !</source>
        <translation>¡Elija carpetas que contengan los archivos!</translation>
    </message>
    <message>
        <source>Search String</source>
        <translation>Texto de búsqueda</translation>
    </message>
    <message>
        <source>Please enter the search string:</source>
        <translation>Escriba el texto que se buscará:</translation>
    </message>
    <message>
        <source>Replace String</source>
        <translation>Texto de reemplazo</translation>
    </message>
    <message>
        <source>Please enter the replace string:</source>
        <translation>Escriba el texto de reemplazo:</translation>
    </message>
    <message>
        <source>Search string not found in any file</source>
        <translation>El texto buscado no aparece en ningún archivo</translation>
    </message>
    <message>
        <source>Replaced the search string in %1 files.</source>
        <translation>Texto reemplazado en %1 archivos.</translation>
    </message>
    <message>
        <source>Choose Filename</source>
        <translation>Elegir nombre de archivo</translation>
    </message>
    <message>
        <source>renamelog.txt</source>
        <translation>renombrados.txt</translation>
    </message>
    <message>
        <source>HTML (*.html *.htm)</source>
        <translation>HTML (*.html *.htm)</translation>
    </message>
    <message>
        <source>Text (*.txt)</source>
        <translation>Texto (*.txt)</translation>
    </message>
    <message>
        <source>All (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Invalid window handle</source>
        <translation>Identificador de ventana no válido</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Memoria insuficiente</translation>
    </message>
    <message>
        <source>Could not get Data. $</source>
        <translation>No se pudieron obtener los datos. $</translation>
    </message>
    <message>
        <source>Medium of data is not HGlobal.</source>
        <translation>El soporte de los datos no es HGlobal.</translation>
    </message>
    <message>
        <source>Unable to lock Memory Object.</source>
        <translation>No se puede bloquear el objeto de memoria.</translation>
    </message>
    <message>
        <source>DragObject is nil.</source>
        <translation>DragObject es nil.</translation>
    </message>
    <message>
        <source>Index out of bounds (</source>
        <translation>Índice fuera de rango (</translation>
    </message>
    <message>
        <source>Could not enumerate objects</source>
        <translation>No se pudieron enumerar los objetos</translation>
    </message>
    <message>
        <source>Format is not available.</source>
        <translation>El formato no está disponible.</translation>
    </message>
    <message>
        <source>Out of Memory.</source>
        <translation>Memoria insuficiente.</translation>
    </message>
    <message>
        <source>Can&apos;t change DragDropMode while dragging !</source>
        <translation>¡No se puede cambiar DragDropMode mientras se arrastra!</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Se produjo un error inesperado.</translation>
    </message>
    <message>
        <source>Assertion failure</source>
        <translation>Fallo de aserción</translation>
    </message>
    <message>
        <source>The settings value &quot;%1&quot; is not of the kind asked for.</source>
        <translation>El valor de configuración «%1» no es del tipo pedido.</translation>
    </message>
    <message>
        <source>The settings key has no section &quot;%1&quot;.</source>
        <translation>La clave de configuración no tiene la sección «%1».</translation>
    </message>
    <message>
        <source>Cannot read the settings file %1.</source>
        <translation>No se puede leer el archivo de configuración %1.</translation>
    </message>
    <message>
        <source>Cannot write the settings file %1.</source>
        <translation>No se puede escribir el archivo de configuración %1.</translation>
    </message>
    <message>
        <source>The settings file %1 is in use.</source>
        <translation>El archivo de configuración %1 está en uso.</translation>
    </message>
    <message>
        <source>The settings have no control for &quot;%1&quot;.</source>
        <translation>La configuración no tiene ningún control para «%1».</translation>
    </message>
    <message>
        <source>Browse For Folder</source>
        <translation>Elegir carpeta</translation>
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
        <translation>Pruebe «norvane-cli --help» para más información.</translation>
    </message>
    <message>
        <source>unknown option &quot;%1&quot;</source>
        <translation>opción desconocida «%1»</translation>
    </message>
    <message>
        <source>the option &quot;%1&quot; needs a value</source>
        <translation>la opción «%1» necesita un valor</translation>
    </message>
    <message>
        <source>the option &quot;%1&quot; takes no value</source>
        <translation>la opción «%1» no admite ningún valor</translation>
    </message>
    <message>
        <source>unknown output format &quot;%1&quot; (use table, tsv or json)</source>
        <translation>formato de salida desconocido «%1» (use table, tsv o json)</translation>
    </message>
    <message>
        <source>--ext and --all-files cannot be used together</source>
        <translation>--ext y --all-files no se pueden usar a la vez</translation>
    </message>
    <message>
        <source>no folder given</source>
        <translation>no se ha indicado ninguna carpeta</translation>
    </message>
    <message>
        <source>none of the folders given exists</source>
        <translation>no existe ninguna de las carpetas indicadas</translation>
    </message>
    <message>
        <source>skipped &quot;%1&quot;: no such file or folder</source>
        <translation>se omite «%1»: no existe ese archivo ni esa carpeta</translation>
    </message>
    <message>
        <source>skipped &quot;%1&quot;: a folder path that is not valid UTF-8 cannot be listed; give a folder above it</source>
        <translation>se omite «%1»: no se puede listar una ruta de carpeta que no es UTF-8 válido; indique una carpeta superior</translation>
    </message>
    <message>
        <source>warning: the extension &quot;%1&quot; does not start with &quot;.&quot; and takes no file</source>
        <translation>aviso: la extensión «%1» no empieza por «.» y no abarca ningún archivo</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>the scheme &quot;%1&quot; names no field (Artist, Album, Track#, Trackname, Folder, ParentFolder or [none])</source>
        <translation>el esquema «%1» no nombra ningún campo (Artist, Album, Track#, Trackname, Folder, ParentFolder o [none], escritos en inglés)</translation>
    </message>
    <message>
        <source>the scheme &quot;%1&quot; must start with a field, not with &quot;%2&quot;</source>
        <translation>el esquema «%1» debe empezar por un campo, no por «%2»</translation>
    </message>
    <message>
        <source>the scheme &quot;%1&quot; has more than five fields</source>
        <translation>el esquema «%1» tiene más de cinco campos</translation>
    </message>
    <message>
        <source>the scheme &quot;%1&quot; has text after its fifth field, where no divider can go: &quot;%2&quot;</source>
        <translation>el esquema «%1» tiene texto después de su quinto campo, donde no cabe ningún separador: «%2»</translation>
    </message>
    <message>
        <source>Scanning %1</source>
        <translation>Examinando %1</translation>
    </message>
    <message>
        <source>Processing: %1%</source>
        <translation>Procesando: %1&#xa0;%</translation>
    </message>
    <message>
        <source>Renaming: %1%</source>
        <translation>Renombrando: %1&#xa0;%</translation>
    </message>
    <message>
        <source>cannot write the output: %1</source>
        <translation>no se puede escribir la salida: %1</translation>
    </message>
    <message>
        <source>Replacing: %1%</source>
        <translation>Reemplazando: %1&#xa0;%</translation>
    </message>
    <message>
        <source>warning: the search text &quot;%1&quot; is not found in any name</source>
        <translation>aviso: el texto buscado «%1» no aparece en ningún nombre</translation>
    </message>
    <message>
        <source>--search needs a text that is not empty</source>
        <translation>--search necesita un texto que no esté vacío</translation>
    </message>
    <message>
        <source>every --search needs a --replace, and every --replace a --search</source>
        <translation>cada --search necesita un --replace, y cada --replace un --search</translation>
    </message>
    <message>
        <source>The settings file %1 is open for reading only.</source>
        <translation>El archivo de configuración %1 está abierto solo para lectura.</translation>
    </message>
    <message>
        <source>The settings have no value &quot;%1&quot;.</source>
        <translation>La configuración no tiene ningún valor «%1».</translation>
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
        <translation>Uso: norvane [CARPETA...]

Abre la ventana de Norvane, que renombra archivos de música en lote por su
nombre. Cada CARPETA se añade a la lista de la página «Carpetas de entrada» y
se recorre, como ocurriría con una carpeta arrastrada allí desde un gestor de
archivos: un archivo vale por su carpeta, y una carpeta que ya está en la
lista no se añade otra vez.

Opciones:
  -h, --help     mostrar esta ayuda
      --version  mostrar la versión

Las opciones, los dos esquemas y la posición de la ventana vienen de los
ajustes que la ventana guarda en ~/.config/Tarnik/Norvane/. Para renombrar
desde scripts y terminales, véase «norvane-cli --help».
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
        <translation>Pruebe «norvane --help» para más información.</translation>
    </message>
    <message>
        <source>no new name: the new filename scheme puts a NUL character into the name</source>
        <translation>Sin nombre nuevo: el esquema de nombre nuevo pone un carácter NUL en el nombre</translation>
    </message>
    <message>
        <source>The settings file %1 is larger than %2 bytes: it is not read, and left as it is.</source>
        <translation>El archivo de configuración %1 supera los %2 bytes: no se lee y se deja como está.</translation>
    </message>
    <message>
        <source>Cannot write the settings file %1: %2.</source>
        <translation>No se puede escribir el archivo de configuración %1: %2.</translation>
    </message>
    <message>
        <source>its lock file cannot be made</source>
        <translation>no se puede crear su archivo de bloqueo</translation>
    </message>
    <message>
        <source>&amp;Folder:</source>
        <translation>&amp;Carpeta:</translation>
    </message>
    <message>
        <source>Type or paste the path of a folder</source>
        <translation>Escriba o pegue la ruta de una carpeta</translation>
    </message>
    <message>
        <source>There is no folder &quot;%1&quot;.</source>
        <translation>No existe la carpeta «%1».</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Carpeta personal</translation>
    </message>
    <message>
        <source>File System</source>
        <translation>Sistema de archivos</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) %1</source>
        <extracomment>%1 is where the files are: &quot;in %n folder(s)&quot;. Together: &quot;812 files in 64 folders&quot;.</extracomment>
        <translation>
            <numerusform>%n archivo %1</numerusform>
            <numerusform>%n archivos %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %n folder(s)</source>
        <translation>
            <numerusform>en %n carpeta</numerusform>
            <numerusform>en %n carpetas</numerusform>
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
            <numerusform>%n cambio de nombre pendiente</numerusform>
            <numerusform>%n cambios de nombre pendientes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n manual rename(s) pending</source>
        <translation>
            <numerusform>%n cambio de nombre manual pendiente</numerusform>
            <numerusform>%n cambios de nombre manuales pendientes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n replaced</source>
        <translation>
            <numerusform>%n reemplazado</numerusform>
            <numerusform>%n reemplazados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n renamed</source>
        <translation>
            <numerusform>%n renombrado</numerusform>
            <numerusform>%n renombrados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n error(s)</source>
        <translation>
            <numerusform>%n error</numerusform>
            <numerusform>%n errores</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n not in input format</source>
        <translation>
            <numerusform>%n no sigue el formato de entrada</numerusform>
            <numerusform>%n no siguen el formato de entrada</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n without a new name</source>
        <translation>
            <numerusform>%n sin nombre nuevo</numerusform>
            <numerusform>%n sin nombre nuevo</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n already in output format</source>
        <translation>
            <numerusform>%n ya en el formato de salida</numerusform>
            <numerusform>%n ya en el formato de salida</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n cancelled</source>
        <translation>
            <numerusform>%n descartado</numerusform>
            <numerusform>%n descartados</numerusform>
        </translation>
    </message>
    <message>
        <source>Click a count of problems to select the next file it counts</source>
        <translation>Un clic en un recuento de problemas selecciona el siguiente archivo afectado</translation>
    </message>
    <message>
        <source>Undo Execute</source>
        <translation>Deshacer ejecución</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>Des&amp;hacer</translation>
    </message>
    <message>
        <source>Give the files renamed by the last execute run their old names back</source>
        <translation>Devuelve su nombre anterior a los archivos renombrados en la última ejecución</translation>
    </message>
    <message>
        <source>Save the list (or the selected rows) as a text or HTML file</source>
        <translation>Guarda la lista (o las filas seleccionadas) en un archivo de texto o HTML</translation>
    </message>
    <message>
        <source>Copy the list (or the selected rows) to the clipboard</source>
        <translation>Copia la lista (o las filas seleccionadas) al portapapeles</translation>
    </message>
    <message>
        <source>rename undone</source>
        <translation>Cambio de nombre deshecho</translation>
    </message>
    <message>
        <source>error: undo failed: %1</source>
        <translation>Error: no se pudo deshacer: %1</translation>
    </message>
    <message>
        <source>the original name is taken</source>
        <translation>el nombre original está ocupado</translation>
    </message>
    <message>
        <source>the renamed file is gone</source>
        <translation>el archivo renombrado ya no está</translation>
    </message>
    <message>
        <source>undo pending</source>
        <translation>Deshacer pendiente</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>The list cannot be saved to %1: %2.</source>
        <translation>No se puede guardar la lista en %1: %2.</translation>
    </message>
    <message>
        <source>cannot read the log &quot;%1&quot;: %2</source>
        <translation>no se puede leer el registro «%1»: %2</translation>
    </message>
    <message>
        <source>the log &quot;%1&quot; cannot be read at line %2: %3</source>
        <translation>el registro «%1» no se puede leer en la línea %2: %3</translation>
    </message>
    <message>
        <source>%1 fields separated by tabs, where a log has 4 or 5</source>
        <translation>%1 campos separados por tabuladores, donde un registro tiene 4 o 5</translation>
    </message>
    <message>
        <source>%1 fields separated by tabs, where the lines above have %2</source>
        <translation>%1 campos separados por tabuladores, donde las líneas anteriores tienen %2</translation>
    </message>
    <message>
        <source>a backslash that is not followed by t, n, r or another backslash</source>
        <translation>una barra inversa que no va seguida de t, n, r ni de otra barra inversa</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an outcome word</source>
        <translation>«%1» no es una palabra de «outcome»</translation>
    </message>
    <message>
        <source>a renamed file without a folder</source>
        <translation>un archivo renombrado sin carpeta</translation>
    </message>
    <message>
        <source>a renamed file without an existing or a new name</source>
        <translation>un archivo renombrado sin nombre actual o sin nombre nuevo</translation>
    </message>
    <message>
        <source>the existing name &quot;%1&quot; is not a name within its folder</source>
        <translation>el nombre actual «%1» no es un nombre dentro de su carpeta</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; is not an absolute path</source>
        <translation>la carpeta «%1» no es una ruta absoluta</translation>
    </message>
    <message>
        <source>the new name is not valid UTF-8</source>
        <translation>el nombre nuevo no es UTF-8 válido</translation>
    </message>
    <message>
        <source>not valid JSON: %1</source>
        <translation>JSON no válido: %1</translation>
    </message>
    <message>
        <source>a JSON log is an array of rows</source>
        <translation>un registro JSON es una matriz de filas</translation>
    </message>
    <message>
        <source>a row of a JSON log is an object</source>
        <translation>una fila de un registro JSON es un objeto</translation>
    </message>
    <message>
        <source>the key &quot;%1&quot; is missing or is not a text</source>
        <translation>la clave «%1» falta o no es un texto</translation>
    </message>
    <message>
        <source>the key &quot;%1&quot; does not hold base64</source>
        <translation>la clave «%1» no contiene base64</translation>
    </message>
    <message>
        <source>warning: the log &quot;%1&quot; names no renamed file</source>
        <translation>aviso: el registro «%1» no nombra ningún archivo renombrado</translation>
    </message>
    <message>
        <source>--undo reads its files from the log and takes no folder</source>
        <translation>--undo lee sus archivos del registro y no admite carpetas</translation>
    </message>
    <message>
        <source>the option &quot;%1&quot; cannot be used with --undo</source>
        <translation>la opción «%1» no se puede usar con --undo</translation>
    </message>
    <message numerus="yes">
        <source>%n undone</source>
        <translation>
            <numerusform>%n deshecho</numerusform>
            <numerusform>%n deshechos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n will fail</source>
        <translation>
            <numerusform>%n fallará</numerusform>
            <numerusform>%n fallarán</numerusform>
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
        <translation>Uso: norvane-cli [OPCIONES] CARPETA...
     norvane-cli --undo REGISTRO [--execute] [--format FORMATO]

Renombra archivos de música por su nombre, como lo hace la ventana de
Norvane. Lista los archivos de cada CARPETA (un archivo vale por su carpeta),
descompone cada nombre según el esquema de nombre actual y propone un nombre
nuevo construido según el esquema de nombre nuevo. No se renombra nada en el
disco a menos que se indique --execute.

Opciones:
  -i, --in ESQUEMA         esquema de nombre actual (cómo están formados los
                           nombres)
  -o, --out ESQUEMA        esquema de nombre nuevo (cómo deben formarse)
  -e, --ext EXT            solo archivos con esta extensión, punto incluido:
                           -e .mp3 (repítala para más; sustituye la lista de
                           extensiones guardada)
  -a, --all-files          todos los archivos, sea cual sea su extensión
      --no-recursive       no entrar en las subcarpetas
      --keep-underscores   conservar los «_» de los nombres («Quitar guiones
                           bajos» desactivado)
      --keep-extension-case  conservar mayúsculas y minúsculas de la extensión
                           («Extensión en minúsculas» desactivado)
      --legacy-encoding NOMBRE  leer los nombres que no son UTF-8 válido en
                           la codificación NOMBRE: Windows-1252 (por defecto),
                           ISO-8859-1, ISO-8859-2, ISO-8859-15, Windows-1250,
                           Windows-1251, KOI8-R, CP437 o CP850; al cambiarles
                           el nombre se escriben en UTF-8
      --nfc                escribir los nombres nuevos en Unicode NFC
                           («Unicode NFC»)
      --pad-track N        añadir ceros a la izquierda a los números de pista
                           decimales hasta N cifras, con N igual a 2, 3 o 4
                           («Rellenar n.º de pista»)
      --case ESTILO        mayúsculas de Artista, Álbum y Título: title,
                           lower, upper o as-written («Mayúsculas»)
      --safe-names         reemplazar : * ? &quot; &lt; &gt; | \ y los caracteres de
                           control de los nombres nuevos por «-» y quitar los
                           puntos y espacios finales, para FAT, exFAT y NTFS
                           («Compatible con FAT/exFAT/NTFS»)
      --safe-replacement TEXTO  poner TEXTO en lugar de esos caracteres
                           (activa --safe-names)
      --search TEXTO       buscar TEXTO en los nombres nuevos y poner allí el
      --replace TEXTO      texto de su --replace, como hace «Buscar &amp;
                           reemplazar» en la ventana (véase más abajo)
  -x, --execute            renombrar los archivos en el disco
      --check              comprobar cada propuesta antes de renombrar nada y
                           añadir una columna con el motivo por el que fallará
      --undo REGISTRO      devolver su nombre anterior a los archivos que
                           REGISTRO da por renombrados (véase más abajo)
  -f, --format FORMATO     table (predeterminado en un terminal), tsv
                           (predeterminado en otro caso) o json
      --defaults           no tener en cuenta la configuración guardada por
                           la ventana de Norvane
  -h, --help               mostrar esta ayuda
      --version            mostrar la versión

Un ESQUEMA se escribe sin la extensión, como lo muestra la vista previa de la
ventana: hasta cinco campos con los textos separadores entre ellos, como
  &quot;Artist - Album - Track# - Trackname&quot;   o   &quot;Track#. Trackname&quot;
Los campos se escriben siempre en inglés, en mayúsculas o minúsculas: Artist
(Artista), Album (Álbum), Track# (N.º de pista), Trackname (Título), Folder
(Carpeta), ParentFolder (Carpeta padre) y [none] ([ninguno]). Folder y
ParentFolder son los nombres de la carpeta del archivo y de la carpeta que la
contiene. Un esquema empieza por un campo, y un separador no puede contener
un nombre de campo. El texto después del último campo es el separador que se
busca allí en los nombres actuales (&quot; - &quot; si no hay ninguno).

--search y --replace van por parejas: el primer --search con el primer
--replace, y así sucesivamente. Una vez propuestos los nombres nuevos, cada
pareja a su vez reemplaza cada aparición de su texto buscado (con sus
mayúsculas y minúsculas exactas) en el nombre nuevo de cada archivo, o en su
nombre actual si no tiene ninguno; los archivos que cambia quedan en el
estado «Reemplazado (cambio de nombre pendiente)».

--check mira el disco, sin cambiar nada, y prevé lo que hará --execute con
cada propuesta, en el orden en que las tratará: un nombre dado a dos
archivos, un nombre ocupado por un archivo o una carpeta, una subcarpeta que
falta, un nombre demasiado largo o no permitido en el sistema de archivos, un
archivo que ya no está desde la exploración. Una fila con un motivo así no se
renombra; el estado de salida es entonces 1, también sin --execute. En un
terminal sigue una línea de resumen en la salida de error.

--undo lee un REGISTRO que norvane-cli escribió con -f tsv o -f json, o que la
ventana guardó como texto, y lista cada archivo que según el registro se
renombró, el último renombrado primero, para devolverle su nombre anterior
(«Deshacer pendiente»). Con --execute los archivos recuperan su nombre
anterior, y nunca se reemplaza un nombre ocupado: cada archivo queda entonces
en «Cambio de nombre deshecho» o en «Error: no se pudo deshacer: » con el
motivo. Los nombres que no son UTF-8 válido vuelven byte a byte.

Lo que no indica la línea de comandos sale de la configuración que guardó la
ventana de Norvane; solo se lee, nunca se cambia. Con --defaults, o si no hay
nada guardado, se usan los valores predeterminados:
  --in &quot;Artist - Album - Track# - Trackname&quot;
  --out &quot;Folder - ParentFolder - Track# - Trackname&quot; --ext .mp3,
  subcarpetas incluidas, guiones bajos convertidos en espacios, extensiones
  en minúsculas, nombres que no son UTF-8 leídos como Windows-1252, ninguna
  otra limpieza.

Salida: una línea por cada fila de la lista de resultados, en su orden, con
las columnas Nombre actual, Nombre nuevo, Estado y Carpeta; cada carpeta tiene
una fila «[carpeta]» propia con las demás columnas vacías. tsv no tiene línea
de encabezado y escribe el tabulador, el salto de línea, el retorno de carro y
la barra inversa de un campo como \t, \n, \r y \\. json es una matriz de
objetos con las claves «existing», «new», «status», «outcome» y «folder»; un
nombre que no es UTF-8 válido se muestra tal como se leyó en la codificación
antigua y lleva sus bytes exactos, en base64, en «existing_bytes» o
«folder_bytes».
«outcome» dice lo que dice el estado en una palabra que es la misma en todos
los idiomas: none, pending, already_in_format, no_new_name,
not_input_format, process_failed, renamed, file_does_not_exist,
new_file_exists, rename_failed, cancelled, manual_pending, manual_cancelled,
replaced, undo_pending, undone o undo_failed.
Con --check, la tabla y tsv tienen una quinta columna, Comprobación. json
tiene siempre las claves «check» (el motivo de la comprobación, o null) y
«check_reason», que nombra también ese motivo con una palabra así:
same_new_name, taken_by_file, taken_by_folder, renamed_later, no_folder,
name_too_long, not_allowed, file_gone, already_named, not_a_name,
leaves_folder, not_writable, other_file_system, folder_unread, case_may_clash,
o null.

Estado de salida: 0 si todo salió bien, 1 si --execute dejó una fila con un
estado «Error: ...», si --check encontró un motivo o la ejecución falló, 2 si
hubo un error de uso.

Ejemplos:
  Ver qué pasaría con un álbum cuyos archivos se llaman &quot;07 - Título.mp3&quot;:
    norvane-cli -i &quot;Track# - Trackname&quot; -o &quot;Track#. Trackname&quot; ~/Música/Álbum
  Renombrar toda una colección y mostrar después las filas que fallaron:
    norvane-cli -x -f tsv ~/Música &gt; renombrados.tsv
    awk -F&apos;\t&apos; &apos;$3 ~ /^Error: /&apos; renombrados.tsv
  Devolver después su nombre anterior a esos archivos:
    norvane-cli --undo renombrados.tsv --execute
</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Comprobación</translation>
    </message>
    <message>
        <source>same new name as &apos;%1&apos;</source>
        <translation>Mismo nombre nuevo que «%1»</translation>
    </message>
    <message>
        <source>name taken by a file that stays</source>
        <translation>Nombre ocupado por un archivo que se queda</translation>
    </message>
    <message>
        <source>name taken by a folder</source>
        <translation>Nombre ocupado por una carpeta</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is renamed only later</source>
        <translation>«%1» no se renombra hasta más tarde</translation>
    </message>
    <message>
        <source>no folder &apos;%1&apos; here</source>
        <translation>Aquí no hay ninguna carpeta «%1»</translation>
    </message>
    <message>
        <source>name too long: %1 bytes, at most %2</source>
        <translation>Nombre demasiado largo: %1 bytes, como máximo %2</translation>
    </message>
    <message>
        <source>not allowed on this file system: &apos;%1&apos;</source>
        <translation>No permitido en este sistema de archivos: «%1»</translation>
    </message>
    <message>
        <source>not allowed on this file system: a space at the end</source>
        <translation>No permitido en este sistema de archivos: un espacio al final</translation>
    </message>
    <message>
        <source>not allowed on this file system: a dot at the end</source>
        <translation>No permitido en este sistema de archivos: un punto al final</translation>
    </message>
    <message>
        <source>the file is gone</source>
        <translation>El archivo ya no está</translation>
    </message>
    <message>
        <source>the file already has this name</source>
        <translation>El archivo ya tiene este nombre</translation>
    </message>
    <message>
        <source>no file can have this name</source>
        <translation>Ningún archivo puede tener este nombre</translation>
    </message>
    <message>
        <source>&apos;..&apos; would lead out of the file&apos;s folder</source>
        <translation>«..» llevaría fuera de la carpeta del archivo</translation>
    </message>
    <message>
        <source>the folder &apos;%1&apos; cannot be changed (read-only or no permission)</source>
        <translation>No se puede modificar la carpeta «%1» (solo lectura o sin permiso)</translation>
    </message>
    <message>
        <source>the folder &apos;%1&apos; is on another file system</source>
        <translation>La carpeta «%1» está en otro sistema de archivos</translation>
    </message>
    <message>
        <source>the folder cannot be listed, which a change of letter case needs</source>
        <translation>No se puede listar la carpeta, y un cambio de mayúsculas y minúsculas lo necesita</translation>
    </message>
    <message>
        <source>may be the same name as &apos;%1&apos;: this file system may ignore letter case</source>
        <translation>Quizá el mismo nombre que «%1»: puede que este sistema de archivos no distinga mayúsculas y minúsculas</translation>
    </message>
    <message>
        <source>Only problems</source>
        <translation>Solo problemas</translation>
    </message>
    <message>
        <source>%1 will fail</source>
        <translation>fallos previstos: %1</translation>
    </message>
    <message>
        <source>check: %1 of %2 renames will fail</source>
        <translation>comprobación: fallos previstos en %1 de %2 cambios de nombre</translation>
    </message>
    <message>
        <source>check: %1 of %2 renames will fail, %3 more may fail</source>
        <translation>comprobación: fallos previstos en %1 de %2 cambios de nombre y posibles en %3 más</translation>
    </message>
    <message>
        <source>the scheme &quot;%1&quot; holds &quot;%2&quot;, which is not a field; did you mean &quot;%3&quot;?</source>
        <translation>el esquema «%1» contiene «%2», que no es un campo; ¿quería decir «%3»?</translation>
    </message>
    <message>
        <source>warning: no name fits the existing filename scheme &quot;%1&quot;</source>
        <translation>aviso: ningún nombre sigue el esquema de nombre actual «%1»</translation>
    </message>
    <message>
        <source>Names that are not UTF-8 are read as:</source>
        <translation>Leer los nombres que no son UTF-8 como:</translation>
    </message>
    <message>
        <source>The encoding in which file and folder names that are not valid UTF-8 are read. Such names are marked in the list, and renaming writes them in UTF-8</source>
        <translation>La codificación con la que se leen los nombres de archivos y carpetas que no son UTF-8 válido. Esos nombres aparecen marcados en la lista, y al cambiarles el nombre se escriben en UTF-8</translation>
    </message>
    <message>
        <source>not UTF-8: read as %1</source>
        <translation>no es UTF-8: leído como %1</translation>
    </message>
    <message>
        <source>Windows-1252 (Western European, Windows)</source>
        <translation>Windows-1252 (Europa occidental, Windows)</translation>
    </message>
    <message>
        <source>ISO-8859-1 (Western European)</source>
        <translation>ISO-8859-1 (Europa occidental)</translation>
    </message>
    <message>
        <source>ISO-8859-2 (Central European)</source>
        <translation>ISO-8859-2 (Europa central)</translation>
    </message>
    <message>
        <source>ISO-8859-15 (Western European with the euro sign)</source>
        <translation>ISO-8859-15 (Europa occidental, con el signo del euro)</translation>
    </message>
    <message>
        <source>Windows-1250 (Central European, Windows)</source>
        <translation>Windows-1250 (Europa central, Windows)</translation>
    </message>
    <message>
        <source>Windows-1251 (Cyrillic, Windows)</source>
        <translation>Windows-1251 (cirílico, Windows)</translation>
    </message>
    <message>
        <source>KOI8-R (Russian)</source>
        <translation>KOI8-R (ruso)</translation>
    </message>
    <message>
        <source>CP437 (DOS, United States)</source>
        <translation>CP437 (DOS, Estados Unidos)</translation>
    </message>
    <message>
        <source>CP850 (DOS, Western European)</source>
        <translation>CP850 (DOS, Europa occidental)</translation>
    </message>
    <message>
        <source>Unicode NFC</source>
        <translation>Unicode NFC</translation>
    </message>
    <message>
        <source>Write new names in Unicode NFC, with accented letters as one character each: names copied from a Mac often hold the letter and its accent apart</source>
        <translation>Escribir los nombres nuevos en Unicode NFC, con cada letra acentuada como un solo carácter: los nombres copiados desde un Mac suelen llevar la letra y su acento por separado</translation>
    </message>
    <message>
        <source>Pad Track#</source>
        <translation>Rellenar pista</translation>
    </message>
    <message>
        <source>%1 digits</source>
        <translation>%1 cifras</translation>
    </message>
    <message>
        <source>Give a decimal track number leading zeros in the new name up to this many digits (7 becomes 07); hexadecimal track numbers stay as written</source>
        <translation>Añadir ceros a la izquierda a un número de pista decimal en el nombre nuevo hasta esta cantidad de cifras (7 pasa a ser 07); los números de pista hexadecimales se quedan como están escritos</translation>
    </message>
    <message>
        <source>Capitalisation:</source>
        <translation>Mayúsculas:</translation>
    </message>
    <message>
        <source>as written</source>
        <translation>tal como está</translation>
    </message>
    <message>
        <source>Title Case</source>
        <translation>Cada Palabra En Mayúscula</translation>
    </message>
    <message>
        <source>lower case</source>
        <translation>minúsculas</translation>
    </message>
    <message>
        <source>UPPER CASE</source>
        <translation>MAYÚSCULAS</translation>
    </message>
    <message>
        <source>The letter case of Artist, Album and Trackname in the new names</source>
        <translation>Mayúsculas y minúsculas de Artista, Álbum y Título en los nombres nuevos</translation>
    </message>
    <message>
        <source>Safe for FAT/exFAT/NTFS</source>
        <translation>Apto para FAT/exFAT/NTFS</translation>
    </message>
    <message>
        <source>Replace with:</source>
        <translation>Reemplazar por:</translation>
    </message>
    <message>
        <source>Replace the characters : * ? &quot; &lt; &gt; | \ and control characters in new names, and drop trailing dots and spaces, so that the files can be copied to a FAT, exFAT or NTFS drive</source>
        <translation>Reemplazar los caracteres : * ? &quot; &lt; &gt; | \ y los caracteres de control en los nombres nuevos, y quitar los puntos y espacios finales, para que los archivos se puedan copiar a una unidad FAT, exFAT o NTFS</translation>
    </message>
    <message>
        <source>What each of those characters becomes; it cannot hold any of them, nor &quot;/&quot;. Empty leaves them out</source>
        <translation>En qué se convierte cada uno de esos caracteres; no puede contener ninguno de ellos, ni «/». Si se deja vacío, se quitan</translation>
    </message>
    <message>
        <source>unknown legacy encoding &quot;%1&quot; (use %2)</source>
        <translation>codificación desconocida «%1» (use %2)</translation>
    </message>
    <message>
        <source>--pad-track takes 2, 3 or 4 digits, not &quot;%1&quot;</source>
        <translation>--pad-track admite 2, 3 o 4 cifras, no «%1»</translation>
    </message>
    <message>
        <source>unknown capitalisation &quot;%1&quot; (use title, lower, upper or as-written)</source>
        <translation>estilo de mayúsculas desconocido «%1» (use title, lower, upper o as-written)</translation>
    </message>
    <message>
        <source>the replacement &quot;%1&quot; holds a character that cannot be in a name on FAT, exFAT or NTFS (: * ? &quot; &lt; &gt; | \ / or a control character)</source>
        <translation>el reemplazo «%1» contiene un carácter que no puede estar en un nombre en FAT, exFAT o NTFS (: * ? &quot; &lt; &gt; | \ / o un carácter de control)</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Stop the scan once the folder being listed is done (Esc); the files found so far stay</source>
        <translation>Detiene el examen en cuanto termina la carpeta que se está leyendo (Esc); los archivos encontrados hasta ahora se quedan</translation>
    </message>
    <message>
        <source>Scan stopped: the list shows the files found so far.</source>
        <translation>Examen detenido: la lista muestra los archivos encontrados hasta ahora.</translation>
    </message>
    <message>
        <source>%1 was not scanned: it is on the system file system &quot;%2&quot;, which holds no music files.</source>
        <translation>%1 no se ha examinado: está en el sistema de archivos del sistema «%2», que no contiene archivos de música.</translation>
    </message>
</context>
</TS>
