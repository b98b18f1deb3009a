#pragma once

#include <QByteArray>
#include <QList>
#include <QStringList>
#include <optional>

#include "cli/OutputFormat.h"
#include "engine/FilenameScheme.h"

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
    bool execute = false;  // -x, --execute
    std::optional<OutputFormat> format;
    bool defaults = false;
    bool help = false;
    bool version = false;
    // The folder arguments as the system passed them: names on disk are bytes.
    QList<QByteArray> folders;
};

// Reads the arguments after the program name. Options take their value as
// the next argument or after "=" (--in=SCHEME) or, for short ones, attached
// (-iSCHEME); "--" ends the options. Throws UsageError; with --help or
// --version the folders may be missing.
CliOptions ParseCommandLine(const QList<QByteArray>& arguments);
