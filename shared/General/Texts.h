#pragma once

// The one table of every text Norvane shows to the user. Each entry is marked
// for Qt's translation tools (context "Norvane"); look texts up with Text().
// Texts with "%1" placeholders are filled with QString::arg(); texts with
// "%n" are counts, looked up with Text(entry, n) in their plural form.
// Their translations are translations/norvane_<language>.ts: a new or changed
// text needs `make translations` and its translation there (see README.md).

#include <QCoreApplication>
#include <QString>

namespace Texts {

// Program and window
inline constexpr const char* kProgramTitle = QT_TRANSLATE_NOOP("Norvane", "Norvane");
inline constexpr const char* kTabInputFolders = QT_TRANSLATE_NOOP("Norvane", "InputFolders");
inline constexpr const char* kTabRename = QT_TRANSLATE_NOOP("Norvane", "Rename");
inline constexpr const char* kInputInstruction =
    QT_TRANSLATE_NOOP("Norvane", "Add input directories (or drag it from explorer on this form)");
inline constexpr const char* kAddFolder = QT_TRANSLATE_NOOP("Norvane", "Add...");
inline constexpr const char* kDelete = QT_TRANSLATE_NOOP("Norvane", "Delete");
inline constexpr const char* kRefresh = QT_TRANSLATE_NOOP("Norvane", "Refresh");
inline constexpr const char* kRecursive = QT_TRANSLATE_NOOP("Norvane", "Recursive");
inline constexpr const char* kOnlyTheseExtensions =
    QT_TRANSLATE_NOOP("Norvane", "Only these extensions:");
inline constexpr const char* kOnePerLine = QT_TRANSLATE_NOOP("Norvane", "(1 per line)");
inline constexpr const char* kExistingSchemeGroup =
    QT_TRANSLATE_NOOP("Norvane", "Existing filename scheme");
inline constexpr const char* kNewSchemeGroup = QT_TRANSLATE_NOOP("Norvane", "New filename scheme");
inline constexpr const char* kDivider = QT_TRANSLATE_NOOP("Norvane", "Divider:");
inline constexpr const char* kDefault = QT_TRANSLATE_NOOP("Norvane", "Default");
inline constexpr const char* kProcessAll = QT_TRANSLATE_NOOP("Norvane", "Process All");
inline constexpr const char* kProcessSelected = QT_TRANSLATE_NOOP("Norvane", "Process Selected");
inline constexpr const char* kExecuteAll = QT_TRANSLATE_NOOP("Norvane", "Execute All");
inline constexpr const char* kExecuteSelected = QT_TRANSLATE_NOOP("Norvane", "Execute Selected");
inline constexpr const char* kSearchReplace = QT_TRANSLATE_NOOP("Norvane", "Search && Replace");
inline constexpr const char* kCancelRename = QT_TRANSLATE_NOOP("Norvane", "Cancel Rename");
inline constexpr const char* kManualRenameGroup = QT_TRANSLATE_NOOP("Norvane", "Manual Rename");
inline constexpr const char* kGo = QT_TRANSLATE_NOOP("Norvane", "Go!");
inline constexpr const char* kRemoveUnderscores =
    QT_TRANSLATE_NOOP("Norvane", "Remove Underscores");
inline constexpr const char* kExtensionLowercase =
    QT_TRANSLATE_NOOP("Norvane", "Extension Lowercase");
inline constexpr const char* kClipboardCopy = QT_TRANSLATE_NOOP("Norvane", "Clipboard Copy");
inline constexpr const char* kSave = QT_TRANSLATE_NOOP("Norvane", "Save");
inline constexpr const char* kFilesCount = QT_TRANSLATE_NOOP("Norvane", "%1 files.");

// Tooltips
inline constexpr const char* kTipProcessAll = QT_TRANSLATE_NOOP(
    "Norvane",
    "Use this button in order to apply the rename rules to all files. No files are really "
    "renamed - this happens with the execute buttons");
inline constexpr const char* kTipExecuteAll =
    QT_TRANSLATE_NOOP("Norvane", "Really rename all files for which status is \"rename pending\"");
inline constexpr const char* kTipProcessSelected = QT_TRANSLATE_NOOP(
    "Norvane", "Apply the current Input and Output filename schemes to the selected files");
inline constexpr const char* kTipExecuteSelected =
    QT_TRANSLATE_NOOP("Norvane", "Really rename the selected files in status \"rename pending\"");
inline constexpr const char* kTipCancelRename =
    QT_TRANSLATE_NOOP("Norvane", "Remove any \"New Filename\" for the selected files");
inline constexpr const char* kTipSearchReplace =
    QT_TRANSLATE_NOOP("Norvane", "Find a text in the file names and replace it with another one");
inline constexpr const char* kTipManualRename = QT_TRANSLATE_NOOP(
    "Norvane",
    "Rename the selected file. Pressing Cursor Up/Down will go to the next file, ENTER will "
    "enqueue the new filename and go to the next file");

// Results list columns and context menu
inline constexpr const char* kColumnExisting = QT_TRANSLATE_NOOP("Norvane", "Existing Filename");
inline constexpr const char* kColumnNew = QT_TRANSLATE_NOOP("Norvane", "New Filename");
inline constexpr const char* kColumnStatus = QT_TRANSLATE_NOOP("Norvane", "Status");
inline constexpr const char* kColumnFolder = QT_TRANSLATE_NOOP("Norvane", "Folder");
inline constexpr const char* kMenuProcess = QT_TRANSLATE_NOOP("Norvane", "&Process Rules");
inline constexpr const char* kMenuExecute = QT_TRANSLATE_NOOP("Norvane", "&Execute");
inline constexpr const char* kMenuCancel = QT_TRANSLATE_NOOP("Norvane", "&Cancel");
inline constexpr const char* kMenuReplace = QT_TRANSLATE_NOOP("Norvane", "&Replace");

// Field kinds, in index order
inline constexpr const char* kFieldArtist = QT_TRANSLATE_NOOP("Norvane", "Artist");
inline constexpr const char* kFieldAlbum = QT_TRANSLATE_NOOP("Norvane", "Album");
inline constexpr const char* kFieldTrackNo = QT_TRANSLATE_NOOP("Norvane", "Track#");
inline constexpr const char* kFieldTrackname = QT_TRANSLATE_NOOP("Norvane", "Trackname");
inline constexpr const char* kFieldFolder = QT_TRANSLATE_NOOP("Norvane", "Folder");
inline constexpr const char* kFieldParentFolder = QT_TRANSLATE_NOOP("Norvane", "ParentFolder");
inline constexpr const char* kFieldNone = QT_TRANSLATE_NOOP("Norvane", "[none]");

// Sizes
inline constexpr const char* kSizeBytes = QT_TRANSLATE_NOOP("Norvane", "%1 bytes");
inline constexpr const char* kSizeKB = QT_TRANSLATE_NOOP("Norvane", "%1 KB");
inline constexpr const char* kSizeMB = QT_TRANSLATE_NOOP("Norvane", "%1 MB");
inline constexpr const char* kSizeGB = QT_TRANSLATE_NOOP("Norvane", "%1 GB");
inline constexpr const char* kSizeTB = QT_TRANSLATE_NOOP("Norvane", "%1 TB");

// Row statuses
inline constexpr const char* kStatusRenamePending = QT_TRANSLATE_NOOP("Norvane", "rename pending");
inline constexpr const char* kStatusAlreadyInOutputFormat =
    QT_TRANSLATE_NOOP("Norvane", "already in output format");
// The new filename scheme gives an empty name (no field in it, or only empty fields).
inline constexpr const char* kStatusNoNewName =
    QT_TRANSLATE_NOOP("Norvane", "no new name: the new filename scheme gives an empty name");
inline constexpr const char* kErrDoesNotExist =
    QT_TRANSLATE_NOOP("Norvane", "not input format: %1 does not exist");
inline constexpr const char* kErrTooManyItems =
    QT_TRANSLATE_NOOP("Norvane", "not input format: too many items.");
inline constexpr const char* kErrEmptyField =
    QT_TRANSLATE_NOOP("Norvane", "not input format: empty field %1.");
inline constexpr const char* kErrNotTrackNumber =
    QT_TRANSLATE_NOOP("Norvane", "not input format: \"%1\" is not a valid track number");
inline constexpr const char* kErrNotFolderName =
    QT_TRANSLATE_NOOP("Norvane", "not input format: \"%1\" is not folder name");
inline constexpr const char* kErrNotParentFolderName =
    QT_TRANSLATE_NOOP("Norvane", "not input format: \"%1\" is not parent folder name");
inline constexpr const char* kStatusRenamed = QT_TRANSLATE_NOOP("Norvane", "renamed");
inline constexpr const char* kStatusFileDoesNotExist =
    QT_TRANSLATE_NOOP("Norvane", "error: file does not exist");
inline constexpr const char* kStatusNewFileExists =
    QT_TRANSLATE_NOOP("Norvane", "error: new file already exists");
inline constexpr const char* kStatusRenameFailed =
    QT_TRANSLATE_NOOP("Norvane", "error: rename failed");
inline constexpr const char* kStatusRenameCancelled =
    QT_TRANSLATE_NOOP("Norvane", "rename cancelled");
inline constexpr const char* kStatusManualPending =
    QT_TRANSLATE_NOOP("Norvane", "manual rename (pending)");
inline constexpr const char* kStatusManualCancelled =
    QT_TRANSLATE_NOOP("Norvane", "manual rename (cancelled)");
inline constexpr const char* kStatusReplacedPending =
    QT_TRANSLATE_NOOP("Norvane", "replaced (rename pending)");

// Messages
inline constexpr const char* kNoFilesToProcess =
    QT_TRANSLATE_NOOP("Norvane", "No files to process !");
inline constexpr const char* kNoSelectedFilesToProcess =
    QT_TRANSLATE_NOOP("Norvane", "No selected files to process !");
inline constexpr const char* kChooseDirectories =
    QT_TRANSLATE_NOOP("Norvane", "Please choose directories with the files !");
inline constexpr const char* kNotImplemented = QT_TRANSLATE_NOOP("Norvane", "Not implemented");
inline constexpr const char* kSearchStringCaption = QT_TRANSLATE_NOOP("Norvane", "Search String");
inline constexpr const char* kSearchStringPrompt =
    QT_TRANSLATE_NOOP("Norvane", "Please enter the search string:");
inline constexpr const char* kReplaceStringCaption = QT_TRANSLATE_NOOP("Norvane", "Replace String");
inline constexpr const char* kReplaceStringPrompt =
    QT_TRANSLATE_NOOP("Norvane", "Please enter the replace string:");
inline constexpr const char* kSearchNotFound =
    QT_TRANSLATE_NOOP("Norvane", "Search string not found in any file");
inline constexpr const char* kReplacedInFiles =
    QT_TRANSLATE_NOOP("Norvane", "Replaced the search string in %1 files.");

// Save dialog
inline constexpr const char* kSaveDialogTitle = QT_TRANSLATE_NOOP("Norvane", "Choose Filename");
inline constexpr const char* kSaveDefaultName = QT_TRANSLATE_NOOP("Norvane", "renamelog.txt");
inline constexpr const char* kFilterHtml = QT_TRANSLATE_NOOP("Norvane", "HTML (*.html *.htm)");
inline constexpr const char* kFilterText = QT_TRANSLATE_NOOP("Norvane", "Text (*.txt)");
inline constexpr const char* kFilterAll = QT_TRANSLATE_NOOP("Norvane", "All (*)");

// Drag and drop wrapper
inline constexpr const char* kDropInvalidWindow =
    QT_TRANSLATE_NOOP("Norvane", "Invalid window handle");
inline constexpr const char* kDropOutOfMemory = QT_TRANSLATE_NOOP("Norvane", "Out of memory");
inline constexpr const char* kDropCouldNotGetData =
    QT_TRANSLATE_NOOP("Norvane", "Could not get Data. $");
inline constexpr const char* kDropNotHGlobal =
    QT_TRANSLATE_NOOP("Norvane", "Medium of data is not HGlobal.");
inline constexpr const char* kDropUnableToLock =
    QT_TRANSLATE_NOOP("Norvane", "Unable to lock Memory Object.");
inline constexpr const char* kDropDragObjectNil =
    QT_TRANSLATE_NOOP("Norvane", "DragObject is nil.");
inline constexpr const char* kDropIndexOutOfBounds =
    QT_TRANSLATE_NOOP("Norvane", "Index out of bounds (");
inline constexpr const char* kDropCouldNotEnumerate =
    QT_TRANSLATE_NOOP("Norvane", "Could not enumerate objects");
inline constexpr const char* kDropFormatNotAvailable =
    QT_TRANSLATE_NOOP("Norvane", "Format is not available.");
inline constexpr const char* kDropOutOfMemoryCopy = QT_TRANSLATE_NOOP("Norvane", "Out of Memory.");
inline constexpr const char* kDropModeWhileDragging =
    QT_TRANSLATE_NOOP("Norvane", "Can't change DragDropMode while dragging !");
inline constexpr const char* kUnexpectedError =
    QT_TRANSLATE_NOOP("Norvane", "An unexpected error occurred.");
inline constexpr const char* kAssertionFailure = QT_TRANSLATE_NOOP("Norvane", "Assertion failure");

// Settings store (carried by its errors, which the settings load and save swallow)
inline constexpr const char* kSettingsWrongKind =
    QT_TRANSLATE_NOOP("Norvane", "The settings value \"%1\" is not of the kind asked for.");
inline constexpr const char* kSettingsNoSection =
    QT_TRANSLATE_NOOP("Norvane", "The settings key has no section \"%1\".");
inline constexpr const char* kSettingsCannotRead =
    QT_TRANSLATE_NOOP("Norvane", "Cannot read the settings file %1.");
inline constexpr const char* kSettingsCannotWrite =
    QT_TRANSLATE_NOOP("Norvane", "Cannot write the settings file %1.");
inline constexpr const char* kSettingsInUse =
    QT_TRANSLATE_NOOP("Norvane", "The settings file %1 is in use.");
inline constexpr const char* kSettingsMissingControl =
    QT_TRANSLATE_NOOP("Norvane", "The settings have no control for \"%1\".");

// A new name that cannot be a file's name, and settings files that are not
// read or saved whole (the settings texts are carried by errors, as above)
inline constexpr const char* kStatusNulInNewName = QT_TRANSLATE_NOOP(
    "Norvane", "no new name: the new filename scheme puts a NUL character into the name");
inline constexpr const char* kSettingsTooLarge = QT_TRANSLATE_NOOP(
    "Norvane", "The settings file %1 is larger than %2 bytes: it is not read, and left as it is.");
// %2 is the system's own description, such as "No space left on device".
inline constexpr const char* kSettingsCannotWriteBecause =
    QT_TRANSLATE_NOOP("Norvane", "Cannot write the settings file %1: %2.");
inline constexpr const char* kSettingsNoLock =
    QT_TRANSLATE_NOOP("Norvane", "its lock file cannot be made");

// Folder chooser
inline constexpr const char* kBrowseForFolder = QT_TRANSLATE_NOOP("Norvane", "Browse For Folder");

// Folder chooser: the path field and the quick places beside the folder tree
inline constexpr const char* kFolderPathLabel = QT_TRANSLATE_NOOP("Norvane", "&Folder:");
inline constexpr const char* kFolderPathPlaceholder =
    QT_TRANSLATE_NOOP("Norvane", "Type or paste the path of a folder");
inline constexpr const char* kNoSuchFolder =
    QT_TRANSLATE_NOOP("Norvane", "There is no folder \"%1\".");
inline constexpr const char* kPlaceHome = QT_TRANSLATE_NOOP("Norvane", "Home");
inline constexpr const char* kPlaceFileSystem = QT_TRANSLATE_NOOP("Norvane", "File System");

// The summary line under the results list (LSummary). The "%n" texts have
// the plural forms of each language (Text(entry, n)).
//: %1 is where the files are: "in %n folder(s)". Together: "812 files in 64 folders".
inline constexpr const char* kSummaryFiles = QT_TRANSLATE_N_NOOP("Norvane", "%n file(s) %1");
inline constexpr const char* kSummaryInFolders = QT_TRANSLATE_N_NOOP("Norvane", "in %n folder(s)");
// %1 is "812 files in 64 folders", %2 the counts after it: "790 rename pending, 2 errors"
// (the same text as kCliSchemeOfOption, and so the same translation).
inline constexpr const char* kSummaryWithCounts = QT_TRANSLATE_NOOP("Norvane", "%1: %2");
//: Between two counts of the summary: "790 renamed, 2 errors".
inline constexpr const char* kSummarySeparator = QT_TRANSLATE_NOOP("Norvane", ", ");
inline constexpr const char* kSummaryPending = QT_TRANSLATE_N_NOOP("Norvane", "%n rename pending");
inline constexpr const char* kSummaryManualPending =
    QT_TRANSLATE_N_NOOP("Norvane", "%n manual rename(s) pending");
inline constexpr const char* kSummaryReplaced = QT_TRANSLATE_N_NOOP("Norvane", "%n replaced");
inline constexpr const char* kSummaryRenamed = QT_TRANSLATE_N_NOOP("Norvane", "%n renamed");
inline constexpr const char* kSummaryErrors = QT_TRANSLATE_N_NOOP("Norvane", "%n error(s)");
inline constexpr const char* kSummaryNotInputFormat =
    QT_TRANSLATE_N_NOOP("Norvane", "%n not in input format");
inline constexpr const char* kSummaryNoNewName =
    QT_TRANSLATE_N_NOOP("Norvane", "%n without a new name");
inline constexpr const char* kSummaryAlreadyInFormat =
    QT_TRANSLATE_N_NOOP("Norvane", "%n already in output format");
inline constexpr const char* kSummaryCancelled = QT_TRANSLATE_N_NOOP("Norvane", "%n cancelled");
inline constexpr const char* kTipSummary =
    QT_TRANSLATE_NOOP("Norvane", "Click a count of problems to select the next file it counts");

// Command-line program norvane-cli
inline constexpr const char* kCliHelp = QT_TRANSLATE_NOOP(
    "Norvane",
    "Usage: norvane-cli [OPTIONS] FOLDER...\n"
    "\n"
    "Renames music files by their names, as the Norvane window does. Lists the\n"
    "files in each FOLDER (a file stands for its folder), takes every name apart\n"
    "by the existing filename scheme and proposes a new name built by the new\n"
    "filename scheme. Nothing is renamed on disk unless --execute is given.\n"
    "\n"
    "Options:\n"
    "  -i, --in SCHEME          existing filename scheme (how the names are built now)\n"
    "  -o, --out SCHEME         new filename scheme (how the names shall be built)\n"
    "  -e, --ext EXT            only files with this extension, dot included: -e .mp3\n"
    "                           (repeat for more; replaces the saved extension list)\n"
    "  -a, --all-files          every file, whatever its extension\n"
    "      --no-recursive       do not descend into subfolders\n"
    "      --keep-underscores   keep \"_\" in names (\"Remove Underscores\" off)\n"
    "      --keep-extension-case  keep the extension's letter case\n"
    "                           (\"Extension Lowercase\" off)\n"
    "      --search TEXT        find TEXT in the new names and put the text of its\n"
    "      --replace TEXT       --replace there, as the window's \"Search & Replace\"\n"
    "                           does (see below)\n"
    "  -x, --execute            rename the files on disk\n"
    "  -f, --format FORMAT      table (default on a terminal), tsv (default otherwise)\n"
    "                           or json\n"
    "      --defaults           ignore the settings saved by the Norvane window\n"
    "  -h, --help               show this help\n"
    "      --version            show the version\n"
    "\n"
    "A SCHEME is written as the window's preview shows it, without the extension:\n"
    "up to five fields with the divider texts between them, such as\n"
    "  \"Artist - Album - Track# - Trackname\"   or   \"Track#. Trackname\"\n"
    "Fields: Artist, Album, Track#, Trackname, Folder, ParentFolder and [none], in\n"
    "any letter case. Folder and ParentFolder are the names of the file's folder\n"
    "and of the folder above it. A scheme starts with a field, and a divider\n"
    "cannot hold a field name. Text after the last field is the divider looked\n"
    "for there in existing names (\" - \" when there is none).\n"
    "\n"
    "--search and --replace come in pairs: the first --search with the first\n"
    "--replace, and so on. Once the new names are proposed, each pair in turn\n"
    "replaces every occurrence of its search text (in its exact letter case) in\n"
    "the new name of every file, or in its existing name when it has none; the\n"
    "files it changes read \"replaced (rename pending)\".\n"
    "\n"
    "What the command line does not give comes from the settings the Norvane\n"
    "window saved; they are only read, never changed. With --defaults, or when\n"
    "nothing is saved, it comes from the defaults:\n"
    "  --in \"Artist - Album - Track# - Trackname\"\n"
    "  --out \"Folder - ParentFolder - Track# - Trackname\" --ext .mp3,\n"
    "  subfolders included, underscores made spaces, extensions lower-cased.\n"
    "\n"
    "Output: one line for every row of the results list, in its order, with the\n"
    "columns Existing Filename, New Filename, Status and Folder; each folder has\n"
    "a row \"[folder]\" of its own with empty other columns. tsv has no header line\n"
    "and writes tab, line feed, carriage return and backslash in a field as \\t,\n"
    "\\n, \\r and \\\\. json is an array of objects with the keys \"existing\",\n"
    "\"new\", \"status\", \"outcome\" and \"folder\"; a name that is not valid UTF-8\n"
    "shows with replacement characters and carries its exact bytes, in base64,\n"
    "in \"existing_bytes\" or \"folder_bytes\". \"outcome\" says what the status\n"
    "says in one word that is the same in every language: none, pending,\n"
    "already_in_format, no_new_name, not_input_format, process_failed, renamed,\n"
    "file_does_not_exist, new_file_exists, rename_failed, cancelled,\n"
    "manual_pending, manual_cancelled or replaced.\n"
    "\n"
    "Exit status: 0 when all went through, 1 when --execute left a row with an\n"
    "\"error: ...\" status or the run failed, 2 for a usage error.\n"
    "\n"
    "Examples:\n"
    "  See what would happen to an album whose files are named \"07 - Title.mp3\":\n"
    "    norvane-cli -i \"Track# - Trackname\" -o \"Track#. Trackname\" ~/Music/Album\n"
    "  Rename a whole library, then show the rows that failed:\n"
    "    norvane-cli -x -f tsv ~/Music > renames.tsv\n"
    "    awk -F'\\t' '$3 ~ /^error: /' renames.tsv\n");
inline constexpr const char* kCliVersion = QT_TRANSLATE_NOOP("Norvane", "norvane-cli %1");
inline constexpr const char* kCliMessage = QT_TRANSLATE_NOOP("Norvane", "norvane-cli: %1");
inline constexpr const char* kCliTryHelp =
    QT_TRANSLATE_NOOP("Norvane", "Try \"norvane-cli --help\" for more information.");
inline constexpr const char* kCliUnknownOption =
    QT_TRANSLATE_NOOP("Norvane", "unknown option \"%1\"");
inline constexpr const char* kCliMissingValue =
    QT_TRANSLATE_NOOP("Norvane", "the option \"%1\" needs a value");
inline constexpr const char* kCliNoValueAllowed =
    QT_TRANSLATE_NOOP("Norvane", "the option \"%1\" takes no value");
inline constexpr const char* kCliBadFormat =
    QT_TRANSLATE_NOOP("Norvane", "unknown output format \"%1\" (use table, tsv or json)");
inline constexpr const char* kCliExtWithAllFiles =
    QT_TRANSLATE_NOOP("Norvane", "--ext and --all-files cannot be used together");
inline constexpr const char* kCliNoFolder = QT_TRANSLATE_NOOP("Norvane", "no folder given");
inline constexpr const char* kCliNoFolderExists =
    QT_TRANSLATE_NOOP("Norvane", "none of the folders given exists");
inline constexpr const char* kCliFolderSkipped =
    QT_TRANSLATE_NOOP("Norvane", "skipped \"%1\": no such file or folder");
inline constexpr const char* kCliFolderNotUtf8 =
    QT_TRANSLATE_NOOP("Norvane",
                      "skipped \"%1\": a folder path that is not valid UTF-8 cannot be listed; "
                      "give a folder above it");
inline constexpr const char* kCliExtensionNoDot = QT_TRANSLATE_NOOP(
    "Norvane", "warning: the extension \"%1\" does not start with \".\" and takes no file");
inline constexpr const char* kCliSchemeOfOption = QT_TRANSLATE_NOOP("Norvane", "%1: %2");
inline constexpr const char* kCliSchemeNoField =
    QT_TRANSLATE_NOOP("Norvane",
                      "the scheme \"%1\" names no field (Artist, Album, Track#, Trackname, Folder, "
                      "ParentFolder or [none])");
inline constexpr const char* kCliSchemeTextBefore =
    QT_TRANSLATE_NOOP("Norvane", "the scheme \"%1\" must start with a field, not with \"%2\"");
inline constexpr const char* kCliSchemeTooManyFields =
    QT_TRANSLATE_NOOP("Norvane", "the scheme \"%1\" has more than five fields");
inline constexpr const char* kCliSchemeTextAfterFifth = QT_TRANSLATE_NOOP(
    "Norvane", "the scheme \"%1\" has text after its fifth field, where no divider can go: \"%2\"");
inline constexpr const char* kCliProgressScanning = QT_TRANSLATE_NOOP("Norvane", "Scanning %1");
inline constexpr const char* kCliProgressProcessing =
    QT_TRANSLATE_NOOP("Norvane", "Processing: %1%");
inline constexpr const char* kCliProgressExecuting = QT_TRANSLATE_NOOP("Norvane", "Renaming: %1%");
inline constexpr const char* kCliWriteFailed =
    QT_TRANSLATE_NOOP("Norvane", "cannot write the output: %1");

// norvane-cli's Search & Replace, and the settings model over the store
inline constexpr const char* kCliProgressReplacing = QT_TRANSLATE_NOOP("Norvane", "Replacing: %1%");
inline constexpr const char* kCliSearchNotFound =
    QT_TRANSLATE_NOOP("Norvane", "warning: the search text \"%1\" is not found in any name");
inline constexpr const char* kCliEmptySearch =
    QT_TRANSLATE_NOOP("Norvane", "--search needs a text that is not empty");
inline constexpr const char* kCliSearchReplacePairs = QT_TRANSLATE_NOOP(
    "Norvane", "every --search needs a --replace, and every --replace a --search");
inline constexpr const char* kSettingsReadOnly =
    QT_TRANSLATE_NOOP("Norvane", "The settings file %1 is open for reading only.");
inline constexpr const char* kSettingsUnknownValue =
    QT_TRANSLATE_NOOP("Norvane", "The settings have no value \"%1\".");

// Command line of the window program norvane
inline constexpr const char* kWindowHelp = QT_TRANSLATE_NOOP(
    "Norvane",
    "Usage: norvane [FOLDER...]\n"
    "\n"
    "Starts the Norvane window, which renames music files in bulk by their names.\n"
    "Each FOLDER is added to the list on the page \"InputFolders\" and scanned, as\n"
    "a folder dropped there from a file manager would be: a file stands for its\n"
    "folder, and a folder already listed is not added again.\n"
    "\n"
    "Options:\n"
    "  -h, --help     show this help\n"
    "      --version  show the version\n"
    "\n"
    "The options, both schemes and the window's placement come from the settings\n"
    "the window keeps in ~/.config/Tarnik/Norvane/. To rename from scripts and\n"
    "terminals, see \"norvane-cli --help\".\n");
inline constexpr const char* kWindowVersion = QT_TRANSLATE_NOOP("Norvane", "norvane %1");
inline constexpr const char* kWindowMessage = QT_TRANSLATE_NOOP("Norvane", "norvane: %1");
inline constexpr const char* kWindowTryHelp =
    QT_TRANSLATE_NOOP("Norvane", "Try \"norvane --help\" for more information.");
inline constexpr const char* kWindowUnknownOption =
    QT_TRANSLATE_NOOP("Norvane", "unknown option \"%1\"");
inline constexpr const char* kWindowFolderSkipped =
    QT_TRANSLATE_NOOP("Norvane", "skipped \"%1\": no such file or folder");
inline constexpr const char* kWindowFolderNotUtf8 =
    QT_TRANSLATE_NOOP("Norvane",
                      "skipped \"%1\": a folder path that is not valid UTF-8 cannot be listed; "
                      "give a folder above it");

}  // namespace Texts

// The text of a table entry in the user's language.
inline QString Text(const char* entry) {
    return QCoreApplication::translate("Norvane", entry);
}

// The text of a "%n" entry for n, in the language's plural form for n.
inline QString Text(const char* entry, int n) {
    return QCoreApplication::translate("Norvane", entry, nullptr, n);
}
