#pragma once

#include <QByteArray>
#include <QList>
#include <QStringList>
#include <optional>

#include "cli/OutputFormat.h"
#include "engine/FieldCleanup.h"
#include "engine/FilenameScheme.h"
#include "engine/LegacyEncoding.h"

// One --search with its --replace.
struct CliReplacement {
    QString search;
    QString replace;
};

// What the command line asks for. Anything left unset comes from the saved
// settings or the defaults.
struct CliOptions {
    std::optional<FilenameScheme> inScheme;   // -i, --in
    std::optional<FilenameScheme> outScheme;  // -o, --out
    QStringList extensionLines;               // -e, --ext, in the order given
    bool allFiles = false;                    // -a, --all-files
    bool noRecursive = false;
    bool keepUnderscores = false;
    bool keepExtensionCase = false;
    std::optional<LegacyEncoding> legacyEncoding;  // --legacy-encoding
    bool nfc = false;                              // --nfc
    std::optional<int> padTrackDigits;             // --pad-track: 2, 3 or 4
    std::optional<Capitalisation> capitalisation;  // --case
    bool safeNames = false;                        // --safe-names
    std::optional<QString> safeReplacement;        // --safe-replacement, turns --safe-names on
    // --search and --replace: the k-th --search with the k-th --replace, in order.
    QList<CliReplacement> replacements;
    bool execute = false;  // -x, --execute
    bool check = false;    // --check
    // --undo LOG: the log to undo, as the system passed its path.
    std::optional<QByteArray> undoLog;
    std::optional<OutputFormat> format;
    bool defaults = false;
    bool help = false;
    bool version = false;
    // The folder arguments as the system passed them: names on disk are bytes.
    QList<QByteArray> folders;
};

// Reads the arguments after the program name. Options take their value as
// the next argument or after "=" (--in=SCHEME) or, for short ones, attached
// (-iSCHEME); short options are not bundled ("-xa" is refused); "--" ends the
// options. Throws UsageError, for the first fault in the order of the
// arguments; with --help or --version the folders may be missing. --undo
// takes no folder, and of the other options only --execute and --format.
CliOptions ParseCommandLine(const QList<QByteArray>& arguments);
