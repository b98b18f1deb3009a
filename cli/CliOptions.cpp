#include "cli/CliOptions.h"

#include <QFile>

#include "cli/SchemeText.h"
#include "cli/UsageError.h"
#include "engine/SafeNames.h"
#include "shared/General/Texts.h"

// The options are read here rather than by QCommandLineParser, which would
// change what the command line accepts: it bundles short options ("-xa" would
// execute), reads "-i=X" as "X", reports faults in its own words and not in
// the order of the arguments, and takes arguments as text, so that a folder
// name that is not valid UTF-8 would lose its bytes.
namespace {

enum class Option {
    In,
    Out,
    Ext,
    AllFiles,
    NoRecursive,
    KeepUnderscores,
    KeepExtensionCase,
    LegacyEncodingName,
    Nfc,
    PadTrack,
    Case,
    SafeNames,
    SafeReplacement,
    Search,
    Replace,
    Execute,
    Check,
    Undo,
    Format,
    Defaults,
    Help,
    Version,
};

struct OptionEntry {
    Option option;
    char shortName;  // 0 for none
    const char* longName;
    bool takesValue;
};

constexpr OptionEntry kOptions[] = {
    {Option::In, 'i', "in", true},
    {Option::Out, 'o', "out", true},
    {Option::Ext, 'e', "ext", true},
    {Option::AllFiles, 'a', "all-files", false},
    {Option::NoRecursive, 0, "no-recursive", false},
    {Option::KeepUnderscores, 0, "keep-underscores", false},
    {Option::KeepExtensionCase, 0, "keep-extension-case", false},
    {Option::LegacyEncodingName, 0, "legacy-encoding", true},
    {Option::Nfc, 0, "nfc", false},
    {Option::PadTrack, 0, "pad-track", true},
    {Option::Case, 0, "case", true},
    {Option::SafeNames, 0, "safe-names", false},
    {Option::SafeReplacement, 0, "safe-replacement", true},
    {Option::Search, 0, "search", true},
    {Option::Replace, 0, "replace", true},
    {Option::Execute, 'x', "execute", false},
    {Option::Check, 0, "check", false},
    {Option::Undo, 0, "undo", true},
    {Option::Format, 'f', "format", true},
    {Option::Defaults, 0, "defaults", false},
    {Option::Help, 'h', "help", false},
    {Option::Version, 0, "version", false},
};

const OptionEntry* FindLong(const QString& name) {
    for (const OptionEntry& entry : kOptions) {
        if (name == QLatin1String(entry.longName))
            return &entry;
    }
    return nullptr;
}

const OptionEntry* FindShort(QChar name) {
    for (const OptionEntry& entry : kOptions) {
        if (entry.shortName != 0 && name == QLatin1Char(entry.shortName))
            return &entry;
    }
    return nullptr;
}

// A scheme error names the option it came with, since there are two schemes.
FilenameScheme SchemeOf(const QString& optionText, const QString& value) {
    try {
        return ParseSchemeText(value);
    } catch (const UsageError& error) {
        throw UsageError(Text(Texts::kCliSchemeOfOption).arg(optionText, error.message()));
    }
}

LegacyEncoding LegacyEncodingOf(const QString& value) {
    const std::optional<LegacyEncoding> encoding = LegacyEncodingNamed(value);
    if (!encoding)
        throw UsageError(Text(Texts::kCliBadLegacyEncoding)
                             .arg(value, LegacyEncodingNames().join(QLatin1String(", "))));
    return *encoding;
}

int PadDigitsOf(const QString& value) {
    bool ok = false;
    const int digits = value.toInt(&ok);
    if (!ok || digits < kPadTrackMinDigits || digits > kPadTrackMaxDigits ||
        value != QString::number(digits))
        throw UsageError(Text(Texts::kCliBadPadTrack).arg(value));
    return digits;
}

Capitalisation CapitalisationOf(const QString& value) {
    const QString word = value.toLower();
    if (word == QLatin1String("title"))
        return Capitalisation::TitleCase;
    if (word == QLatin1String("lower"))
        return Capitalisation::LowerCase;
    if (word == QLatin1String("upper"))
        return Capitalisation::UpperCase;
    if (word == QLatin1String("as-written"))
        return Capitalisation::AsWritten;
    throw UsageError(Text(Texts::kCliBadCase).arg(value));
}

QString SafeReplacementArgument(const QString& value) {
    if (!IsSafeReplacement(value))
        throw UsageError(Text(Texts::kCliBadSafeReplacement).arg(value));
    return value;
}

// The texts of --search and --replace, paired once all are read.
struct ReplacementTexts {
    QStringList searches;
    QStringList replaces;
};

// The options that go with --undo: the others shape proposals, which a log
// already holds.
bool GoesWithUndo(Option option) {
    switch (option) {
        case Option::Execute:
        case Option::Undo:
        case Option::Format:
        case Option::Help:
        case Option::Version:
            return true;
        default:
            return false;
    }
}

// An option's value as text, and as the bytes the system passed (a path
// need not be valid UTF-8).
struct OptionValue {
    QString text;
    QByteArray bytes;
};

void Apply(CliOptions& options, ReplacementTexts& texts, const OptionEntry& entry,
           const QString& optionText, const OptionValue& given) {
    const QString& value = given.text;
    switch (entry.option) {
        case Option::In:
            options.inScheme = SchemeOf(optionText, value);
            break;
        case Option::Out:
            options.outScheme = SchemeOf(optionText, value);
            break;
        case Option::Ext:
            options.extensionLines.append(value);
            break;
        case Option::AllFiles:
            options.allFiles = true;
            break;
        case Option::NoRecursive:
            options.noRecursive = true;
            break;
        case Option::KeepUnderscores:
            options.keepUnderscores = true;
            break;
        case Option::KeepExtensionCase:
            options.keepExtensionCase = true;
            break;
        case Option::LegacyEncodingName:
            options.legacyEncoding = LegacyEncodingOf(value);
            break;
        case Option::Nfc:
            options.nfc = true;
            break;
        case Option::PadTrack:
            options.padTrackDigits = PadDigitsOf(value);
            break;
        case Option::Case:
            options.capitalisation = CapitalisationOf(value);
            break;
        case Option::SafeNames:
            options.safeNames = true;
            break;
        case Option::SafeReplacement:
            options.safeReplacement = SafeReplacementArgument(value);
            break;
        case Option::Search:
            // An empty text occurs everywhere and replaces nothing.
            if (value.isEmpty())
                throw UsageError(Text(Texts::kCliEmptySearch));
            texts.searches.append(value);
            break;
        case Option::Replace:
            texts.replaces.append(value);
            break;
        case Option::Execute:
            options.execute = true;
            break;
        case Option::Check:
            options.check = true;
            break;
        case Option::Undo:
            options.undoLog = given.bytes;
            break;
        case Option::Format: {
            const std::optional<OutputFormat> format = ParseOutputFormat(value);
            if (!format)
                throw UsageError(Text(Texts::kCliBadFormat).arg(value));
            options.format = format;
            break;
        }
        case Option::Defaults:
            options.defaults = true;
            break;
        case Option::Help:
            options.help = true;
            break;
        case Option::Version:
            options.version = true;
            break;
    }
}

// The checks that need the whole command line, and the search and replace
// texts paired.
void Complete(CliOptions& options, const ReplacementTexts& texts) {
    if (texts.searches.size() != texts.replaces.size())
        throw UsageError(Text(Texts::kCliSearchReplacePairs));
    for (qsizetype k = 0; k < texts.searches.size(); ++k)
        options.replacements.append({texts.searches.at(k), texts.replaces.at(k)});
    if (!options.extensionLines.isEmpty() && options.allFiles)
        throw UsageError(Text(Texts::kCliExtWithAllFiles));
    if (options.undoLog) {
        if (!options.folders.isEmpty())
            throw UsageError(Text(Texts::kCliUndoWithFolder));
        return;
    }
    if (options.folders.isEmpty())
        throw UsageError(Text(Texts::kCliNoFolder));
}

}  // namespace

CliOptions ParseCommandLine(const QList<QByteArray>& arguments) {
    CliOptions options;
    ReplacementTexts texts;
    bool optionsEnded = false;
    // The first option given that does not go with --undo, should --undo come.
    QString notWithUndo;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QByteArray& raw = arguments.at(i);
        // A lone "-" is not an option; it is taken as a folder name like any other.
        if (optionsEnded || !raw.startsWith('-') || raw == "-") {
            options.folders.append(raw);
            continue;
        }
        if (raw == "--") {
            optionsEnded = true;
            continue;
        }
        const QString argument = QFile::decodeName(raw);
        const OptionEntry* entry = nullptr;
        QString optionText;
        std::optional<QByteArray> attached;
        if (argument.startsWith(QLatin1String("--"))) {
            const qsizetype equals = raw.indexOf('=');
            optionText = QFile::decodeName(equals < 0 ? raw : raw.left(equals));
            if (equals >= 0)
                attached = raw.mid(equals + 1);
            entry = FindLong(optionText.mid(2));
        } else {
            optionText = argument.left(2);
            // The option letter is ASCII, one byte: the value is the rest.
            if (raw.size() > 2)
                attached = raw.mid(2);
            entry = FindShort(argument.at(1));
        }
        if (!entry)
            throw UsageError(Text(Texts::kCliUnknownOption).arg(optionText));
        OptionValue value;
        if (entry->takesValue) {
            if (attached) {
                value.bytes = *attached;
            } else if (i + 1 < arguments.size()) {
                value.bytes = arguments.at(++i);
            } else {
                throw UsageError(Text(Texts::kCliMissingValue).arg(optionText));
            }
        } else if (attached) {
            // Short options are not bundled: "-xa" is not "-x -a".
            if (!argument.startsWith(QLatin1String("--")))
                throw UsageError(Text(Texts::kCliUnknownOption).arg(argument));
            throw UsageError(Text(Texts::kCliNoValueAllowed).arg(optionText));
        }
        value.text = QFile::decodeName(value.bytes);
        if (!GoesWithUndo(entry->option) && notWithUndo.isEmpty())
            notWithUndo = optionText;
        if (entry->option == Option::Undo && !notWithUndo.isEmpty())
            throw UsageError(Text(Texts::kCliUndoWithOption).arg(notWithUndo));
        if (options.undoLog && !GoesWithUndo(entry->option))
            throw UsageError(Text(Texts::kCliUndoWithOption).arg(optionText));
        Apply(options, texts, *entry, optionText, value);
    }
    if (!options.help && !options.version)
        Complete(options, texts);
    return options;
}
