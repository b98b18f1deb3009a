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

// Undo of an execute run, the rename log (Save, norvane-cli --undo) and the clipboard
inline constexpr const char* kUndoExecute = QT_TRANSLATE_NOOP("Norvane", "Undo Execute");
inline constexpr const char* kMenuUndo = QT_TRANSLATE_NOOP("Norvane", "&Undo");
inline constexpr const char* kTipUndoExecute = QT_TRANSLATE_NOOP(
    "Norvane", "Give the files renamed by the last execute run their old names back");
inline constexpr const char* kTipSave =
    QT_TRANSLATE_NOOP("Norvane", "Save the list (or the selected rows) as a text or HTML file");
inline constexpr const char* kTipClipboardCopy =
    QT_TRANSLATE_NOOP("Norvane", "Copy the list (or the selected rows) to the clipboard");
inline constexpr const char* kStatusRenameUndone = QT_TRANSLATE_NOOP("Norvane", "rename undone");
// %1 is one of the reasons below, or the system's own description of the failure.
inline constexpr const char* kStatusUndoFailed =
    QT_TRANSLATE_NOOP("Norvane", "error: undo failed: %1");
inline constexpr const char* kUndoOriginalTaken =
    QT_TRANSLATE_NOOP("Norvane", "the original name is taken");
inline constexpr const char* kUndoRenamedGone =
    QT_TRANSLATE_NOOP("Norvane", "the renamed file is gone");
// norvane-cli --undo without --execute: the file would get its old name back.
inline constexpr const char* kStatusUndoPending = QT_TRANSLATE_NOOP("Norvane", "undo pending");
// The fifth column of a saved text log: the outcome word of each row.
inline constexpr const char* kColumnOutcome = QT_TRANSLATE_NOOP("Norvane", "Outcome");
// %1 is the file, %2 the system's own description, such as "Permission denied".
inline constexpr const char* kSaveFailed =
    QT_TRANSLATE_NOOP("Norvane", "The list cannot be saved to %1: %2.");
inline constexpr const char* kLogCannotRead =
    QT_TRANSLATE_NOOP("Norvane", "cannot read the log \"%1\": %2");
// %1 is the log, %2 the line number, %3 one of the faults below.
inline constexpr const char* kLogBadLine =
    QT_TRANSLATE_NOOP("Norvane", "the log \"%1\" cannot be read at line %2: %3");
inline constexpr const char* kLogFieldCount = QT_TRANSLATE_NOOP(
    "Norvane", "%1 fields separated by tabs, where a log has 4 or 5");
inline constexpr const char* kLogFieldCountChanged =
    QT_TRANSLATE_NOOP("Norvane", "%1 fields separated by tabs, where the lines above have %2");
inline constexpr const char* kLogBadEscape = QT_TRANSLATE_NOOP(
    "Norvane", "a backslash that is not followed by t, n, r or another backslash");
inline constexpr const char* kLogUnknownOutcome =
    QT_TRANSLATE_NOOP("Norvane", "\"%1\" is not an outcome word");
inline constexpr const char* kLogRenamedWithoutFolder =
    QT_TRANSLATE_NOOP("Norvane", "a renamed file without a folder");
inline constexpr const char* kLogRenamedWithoutName =
    QT_TRANSLATE_NOOP("Norvane", "a renamed file without an existing or a new name");
inline constexpr const char* kLogNotAName =
    QT_TRANSLATE_NOOP("Norvane", "the existing name \"%1\" is not a name within its folder");
inline constexpr const char* kLogFolderNotAbsolute =
    QT_TRANSLATE_NOOP("Norvane", "the folder \"%1\" is not an absolute path");
inline constexpr const char* kLogNewNameNotUtf8 =
    QT_TRANSLATE_NOOP("Norvane", "the new name is not valid UTF-8");
// %1 is the JSON reader's own description of the fault.
inline constexpr const char* kLogJsonSyntax = QT_TRANSLATE_NOOP("Norvane", "not valid JSON: %1");
inline constexpr const char* kLogJsonNotArray =
    QT_TRANSLATE_NOOP("Norvane", "a JSON log is an array of rows");
inline constexpr const char* kLogJsonNotObject =
    QT_TRANSLATE_NOOP("Norvane", "a row of a JSON log is an object");
inline constexpr const char* kLogJsonBadKey =
    QT_TRANSLATE_NOOP("Norvane", "the key \"%1\" is missing or is not a text");
inline constexpr const char* kLogJsonBadBytes =
    QT_TRANSLATE_NOOP("Norvane", "the key \"%1\" does not hold base64");
inline constexpr const char* kCliNothingToUndo =
    QT_TRANSLATE_NOOP("Norvane", "warning: the log \"%1\" names no renamed file");
inline constexpr const char* kCliUndoWithFolder =
    QT_TRANSLATE_NOOP("Norvane", "--undo reads its files from the log and takes no folder");
inline constexpr const char* kCliUndoWithOption =
    QT_TRANSLATE_NOOP("Norvane", "the option \"%1\" cannot be used with --undo");

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
inline constexpr const char* kSummaryUndone = QT_TRANSLATE_N_NOOP("Norvane", "%n undone");
inline constexpr const char* kSummaryErrors = QT_TRANSLATE_N_NOOP("Norvane", "%n error(s)");
inline constexpr const char* kSummaryWillFail = QT_TRANSLATE_N_NOOP("Norvane", "%n will fail");
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
    "       norvane-cli --undo LOG [--execute] [--format FORMAT]\n"
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
    "      --legacy-encoding NAME  read names that are not valid UTF-8 in NAME:\n"
    "                           Windows-1252 (the default), ISO-8859-1, ISO-8859-2,\n"
    "                           ISO-8859-15, Windows-1250, Windows-1251, KOI8-R,\n"
    "                           CP437 or CP850; renaming writes them in UTF-8\n"
    "      --nfc                write new names in Unicode NFC (\"Unicode NFC\")\n"
    "      --pad-track N        give decimal track numbers leading zeros up to N\n"
    "                           digits, N being 2, 3 or 4 (\"Pad Track#\")\n"
    "      --case CASE          letter case of Artist, Album and Trackname: title,\n"
    "                           lower, upper or as-written (\"Capitalisation\")\n"
    "      --safe-names         replace : * ? \" < > | \\ and control characters in\n"
    "                           new names by \"-\" and drop trailing dots and spaces,\n"
    "                           for FAT, exFAT and NTFS (\"Safe for FAT/exFAT/NTFS\")\n"
    "      --safe-replacement TEXT  put TEXT in place of those characters\n"
    "                           (implies --safe-names)\n"
    "      --search TEXT        find TEXT in the new names and put the text of its\n"
    "      --replace TEXT       --replace there, as the window's \"Search & Replace\"\n"
    "                           does (see below)\n"
    "  -x, --execute            rename the files on disk\n"
    "      --check              check every proposal before anything is renamed and\n"
    "                           add a column with the reason why it will fail\n"
    "      --undo LOG           give the files renamed in LOG their old names back\n"
    "                           (see below)\n"
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
    "--check looks at the disk, without changing it, and foresees what --execute\n"
    "will do with every proposal, in the order it will go: a name given to two\n"
    "files, a name taken by a file or a folder, a missing subfolder, a name too\n"
    "long or not allowed on the file system, a file gone since the scan. A row\n"
    "with such a reason is not renamed; the exit status is then 1, also in a dry\n"
    "run. On a terminal a summary line follows on standard error.\n"
    "\n"
    "--undo reads a LOG that norvane-cli wrote with -f tsv or -f json, or that the\n"
    "window saved as text, and lists every file the log says was renamed, the\n"
    "last one first, to be given its old name back (\"undo pending\"). With\n"
    "--execute the files are renamed back, and a name that is taken is never\n"
    "replaced: each file then reads \"rename undone\" or \"error: undo failed: \"\n"
    "and the reason. Names that are not valid UTF-8 come back byte for byte.\n"
    "\n"
    "What the command line does not give comes from the settings the Norvane\n"
    "window saved; they are only read, never changed. With --defaults, or when\n"
    "nothing is saved, it comes from the defaults:\n"
    "  --in \"Artist - Album - Track# - Trackname\"\n"
    "  --out \"Folder - ParentFolder - Track# - Trackname\" --ext .mp3,\n"
    "  subfolders included, underscores made spaces, extensions lower-cased, names\n"
    "  that are not UTF-8 read in Windows-1252, no other clean-up.\n"
    "\n"
    "Output: one line for every row of the results list, in its order, with the\n"
    "columns Existing Filename, New Filename, Status and Folder; each folder has\n"
    "a row \"[folder]\" of its own with empty other columns. tsv has no header line\n"
    "and writes tab, line feed, carriage return and backslash in a field as \\t,\n"
    "\\n, \\r and \\\\. json is an array of objects with the keys \"existing\",\n"
    "\"new\", \"status\", \"outcome\" and \"folder\"; a name that is not valid UTF-8\n"
    "shows as read in the legacy encoding and carries its exact bytes, in base64,\n"
    "in \"existing_bytes\" or \"folder_bytes\". \"outcome\" says what the status\n"
    "says in one word that is the same in every language: none, pending,\n"
    "already_in_format, no_new_name, not_input_format, process_failed, renamed,\n"
    "file_does_not_exist, new_file_exists, rename_failed, cancelled,\n"
    "manual_pending, manual_cancelled, replaced, undo_pending, undone or\n"
    "undo_failed.\n"
    "With --check the table and tsv have a fifth column, Check. json always has the\n"
    "keys \"check\" (the check's reason, or null) and \"check_reason\", which names the\n"
    "reason in such a word too: same_new_name, taken_by_file, taken_by_folder,\n"
    "renamed_later, no_folder, name_too_long, not_allowed, file_gone,\n"
    "already_named, not_a_name, leaves_folder, not_writable, other_file_system,\n"
    "folder_unread, case_may_clash, or null.\n"
    "\n"
    "Exit status: 0 when all went through, 1 when --execute left a row with an\n"
    "\"error: ...\" status, when --check found a reason, or the run failed, 2 for\n"
    "a usage error.\n"
    "\n"
    "Examples:\n"
    "  See what would happen to an album whose files are named \"07 - Title.mp3\":\n"
    "    norvane-cli -i \"Track# - Trackname\" -o \"Track#. Trackname\" ~/Music/Album\n"
    "  Rename a whole library, then show the rows that failed:\n"
    "    norvane-cli -x -f tsv ~/Music > renames.tsv\n"
    "    awk -F'\\t' '$3 ~ /^error: /' renames.tsv\n"
    "  Give those files their old names back:\n"
    "    norvane-cli --undo renames.tsv --execute\n");
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

// The check before execute: why a row's rename will fail, in the "Check"
// column, in norvane-cli's fifth column and in its "check" key.
inline constexpr const char* kColumnCheck = QT_TRANSLATE_NOOP("Norvane", "Check");
inline constexpr const char* kCheckSameNewName =
    QT_TRANSLATE_NOOP("Norvane", "same new name as '%1'");
inline constexpr const char* kCheckTakenByFile =
    QT_TRANSLATE_NOOP("Norvane", "name taken by a file that stays");
inline constexpr const char* kCheckTakenByFolder =
    QT_TRANSLATE_NOOP("Norvane", "name taken by a folder");
inline constexpr const char* kCheckRenamedLater =
    QT_TRANSLATE_NOOP("Norvane", "'%1' is renamed only later");
inline constexpr const char* kCheckNoFolder = QT_TRANSLATE_NOOP("Norvane", "no folder '%1' here");
inline constexpr const char* kCheckNameTooLong =
    QT_TRANSLATE_NOOP("Norvane", "name too long: %1 bytes, at most %2");
inline constexpr const char* kCheckNotAllowed =
    QT_TRANSLATE_NOOP("Norvane", "not allowed on this file system: '%1'");
inline constexpr const char* kCheckSpaceAtEnd =
    QT_TRANSLATE_NOOP("Norvane", "not allowed on this file system: a space at the end");
inline constexpr const char* kCheckDotAtEnd =
    QT_TRANSLATE_NOOP("Norvane", "not allowed on this file system: a dot at the end");
inline constexpr const char* kCheckFileGone = QT_TRANSLATE_NOOP("Norvane", "the file is gone");
inline constexpr const char* kCheckAlreadyNamed =
    QT_TRANSLATE_NOOP("Norvane", "the file already has this name");
inline constexpr const char* kCheckNotAName =
    QT_TRANSLATE_NOOP("Norvane", "no file can have this name");
inline constexpr const char* kCheckLeavesFolder =
    QT_TRANSLATE_NOOP("Norvane", "'..' would lead out of the file's folder");
inline constexpr const char* kCheckNotWritable =
    QT_TRANSLATE_NOOP("Norvane", "the folder '%1' cannot be changed (read-only or no permission)");
inline constexpr const char* kCheckOtherFileSystem =
    QT_TRANSLATE_NOOP("Norvane", "the folder '%1' is on another file system");
inline constexpr const char* kCheckFolderUnread = QT_TRANSLATE_NOOP(
    "Norvane", "the folder cannot be listed, which a change of letter case needs");
inline constexpr const char* kCheckCaseMayClash = QT_TRANSLATE_NOOP(
    "Norvane", "may be the same name as '%1': this file system may ignore letter case");
inline constexpr const char* kOnlyProblems = QT_TRANSLATE_NOOP("Norvane", "Only problems");
inline constexpr const char* kCheckWillFail = QT_TRANSLATE_NOOP("Norvane", "%1 will fail");
inline constexpr const char* kCliCheckSummary =
    QT_TRANSLATE_NOOP("Norvane", "check: %1 of %2 renames will fail");
inline constexpr const char* kCliCheckSummaryWarnings =
    QT_TRANSLATE_NOOP("Norvane", "check: %1 of %2 renames will fail, %3 more may fail");
inline constexpr const char* kCliSchemeNearMiss = QT_TRANSLATE_NOOP(
    "Norvane", "the scheme \"%1\" holds \"%2\", which is not a field; did you mean \"%3\"?");
inline constexpr const char* kCliNothingFits =
    QT_TRANSLATE_NOOP("Norvane", "warning: no name fits the existing filename scheme \"%1\"");
// Names from other systems, and the clean-up options of new names
inline constexpr const char* kLegacyEncodingLabel =
    QT_TRANSLATE_NOOP("Norvane", "Names that are not UTF-8 are read as:");
inline constexpr const char* kTipLegacyEncoding = QT_TRANSLATE_NOOP(
    "Norvane",
    "The encoding in which file and folder names that are not valid UTF-8 are read. Such names "
    "are marked in the list, and renaming writes them in UTF-8");
inline constexpr const char* kTipNotUtf8 = QT_TRANSLATE_NOOP("Norvane", "not UTF-8: read as %1");
inline constexpr const char* kEncodingWindows1252 =
    QT_TRANSLATE_NOOP("Norvane", "Windows-1252 (Western European, Windows)");
inline constexpr const char* kEncodingIso8859_1 =
    QT_TRANSLATE_NOOP("Norvane", "ISO-8859-1 (Western European)");
inline constexpr const char* kEncodingIso8859_2 =
    QT_TRANSLATE_NOOP("Norvane", "ISO-8859-2 (Central European)");
inline constexpr const char* kEncodingIso8859_15 =
    QT_TRANSLATE_NOOP("Norvane", "ISO-8859-15 (Western European with the euro sign)");
inline constexpr const char* kEncodingWindows1250 =
    QT_TRANSLATE_NOOP("Norvane", "Windows-1250 (Central European, Windows)");
inline constexpr const char* kEncodingWindows1251 =
    QT_TRANSLATE_NOOP("Norvane", "Windows-1251 (Cyrillic, Windows)");
inline constexpr const char* kEncodingKoi8R = QT_TRANSLATE_NOOP("Norvane", "KOI8-R (Russian)");
inline constexpr const char* kEncodingCp437 =
    QT_TRANSLATE_NOOP("Norvane", "CP437 (DOS, United States)");
inline constexpr const char* kEncodingCp850 =
    QT_TRANSLATE_NOOP("Norvane", "CP850 (DOS, Western European)");
inline constexpr const char* kNormalizeNfc = QT_TRANSLATE_NOOP("Norvane", "Unicode NFC");
inline constexpr const char* kTipNormalizeNfc = QT_TRANSLATE_NOOP(
    "Norvane",
    "Write new names in Unicode NFC, with accented letters as one character each: names copied "
    "from a Mac often hold the letter and its accent apart");
inline constexpr const char* kPadTrack = QT_TRANSLATE_NOOP("Norvane", "Pad Track#");
inline constexpr const char* kPadDigits = QT_TRANSLATE_NOOP("Norvane", "%1 digits");
inline constexpr const char* kTipPadTrack = QT_TRANSLATE_NOOP(
    "Norvane",
    "Give a decimal track number leading zeros in the new name up to this many digits (7 "
    "becomes 07); hexadecimal track numbers stay as written");
inline constexpr const char* kCapitalisation = QT_TRANSLATE_NOOP("Norvane", "Capitalisation:");
inline constexpr const char* kCaseAsWritten = QT_TRANSLATE_NOOP("Norvane", "as written");
inline constexpr const char* kCaseTitle = QT_TRANSLATE_NOOP("Norvane", "Title Case");
inline constexpr const char* kCaseLower = QT_TRANSLATE_NOOP("Norvane", "lower case");
inline constexpr const char* kCaseUpper = QT_TRANSLATE_NOOP("Norvane", "UPPER CASE");
inline constexpr const char* kTipCapitalisation =
    QT_TRANSLATE_NOOP("Norvane", "The letter case of Artist, Album and Trackname in the new names");
inline constexpr const char* kSafeNames = QT_TRANSLATE_NOOP("Norvane", "Safe for FAT/exFAT/NTFS");
inline constexpr const char* kSafeReplacement = QT_TRANSLATE_NOOP("Norvane", "Replace with:");
inline constexpr const char* kTipSafeNames = QT_TRANSLATE_NOOP(
    "Norvane",
    "Replace the characters : * ? \" < > | \\ and control characters in new names, and drop "
    "trailing dots and spaces, so that the files can be copied to a FAT, exFAT or NTFS drive");
inline constexpr const char* kTipSafeReplacement = QT_TRANSLATE_NOOP(
    "Norvane",
    "What each of those characters becomes; it cannot hold any of them, nor \"/\". Empty "
    "leaves them out");
inline constexpr const char* kCliBadLegacyEncoding =
    QT_TRANSLATE_NOOP("Norvane", "unknown legacy encoding \"%1\" (use %2)");
inline constexpr const char* kCliBadPadTrack =
    QT_TRANSLATE_NOOP("Norvane", "--pad-track takes 2, 3 or 4 digits, not \"%1\"");
inline constexpr const char* kCliBadCase = QT_TRANSLATE_NOOP(
    "Norvane", "unknown capitalisation \"%1\" (use title, lower, upper or as-written)");
inline constexpr const char* kCliBadSafeReplacement = QT_TRANSLATE_NOOP(
    "Norvane",
    "the replacement \"%1\" holds a character that cannot be in a name on FAT, exFAT or NTFS "
    "(: * ? \" < > | \\ / or a control character)");
// Stopping a scan, and the pseudo file systems a scan does not enter
inline constexpr const char* kStop = QT_TRANSLATE_NOOP("Norvane", "Stop");
inline constexpr const char* kTipStop = QT_TRANSLATE_NOOP(
    "Norvane",
    "Stop the scan once the folder being listed is done (Esc); the files found so far stay");
inline constexpr const char* kScanStopped =
    QT_TRANSLATE_NOOP("Norvane", "Scan stopped: the list shows the files found so far.");
// %1 is the folder, %2 the type of its file system, such as "proc".
inline constexpr const char* kSystemFolderSkipped = QT_TRANSLATE_NOOP(
    "Norvane",
    "%1 was not scanned: it is on the system file system \"%2\", which holds no music files.");

}  // namespace Texts

// The text of a table entry in the user's language.
inline QString Text(const char* entry) {
    return QCoreApplication::translate("Norvane", entry);
}

// The text of a "%n" entry for n, in the language's plural form for n.
inline QString Text(const char* entry, int n) {
    return QCoreApplication::translate("Norvane", entry, nullptr, n);
}
