#include "cli/CliProgram.h"

#include <QFile>

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <exception>

#include "cli/CliMessages.h"
#include "cli/CliOptions.h"
#include "cli/CliServices.h"
#include "cli/CliSettings.h"
#include "cli/CliUndo.h"
#include "cli/SchemeText.h"
#include "cli/InputFolderSet.h"
#include "cli/OutputFormat.h"
#include "cli/UsageError.h"
#include "engine/CommandError.h"
#include "engine/ExecuteRun.h"
#include "engine/FileScanner.h"
#include "engine/ProcessRun.h"
#include "engine/ResultModel.h"
#include "engine/check/RenameCheck.h"
#include "engine/SearchReplace.h"
#include "shared/General/Texts.h"

namespace {

void PrintOut(const QString& text) {
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stdout);
    std::fflush(stdout);
}

int UsageFailure(const QString& message) {
    PrintError(message);
    const QByteArray hint = (Text(Texts::kCliTryHelp) + u'\n').toLocal8Bit();
    std::fwrite(hint.constData(), 1, static_cast<size_t>(hint.size()), stderr);
    return kExitUsage;
}

// The folders of the command line, with a word about each one left out.
// Folders already listed are skipped without a word, as the window does.
QStringList InputFolders(const QList<QByteArray>& arguments) {
    InputFolderSet set;
    for (const QByteArray& argument : arguments) {
        const QString shown = QFile::decodeName(argument);
        switch (set.add(argument)) {
            case InputFolderSet::Outcome::Missing:
                PrintError(Text(Texts::kCliFolderSkipped).arg(shown));
                break;
            case InputFolderSet::Outcome::NotUtf8:
                PrintError(Text(Texts::kCliFolderNotUtf8).arg(shown));
                break;
            case InputFolderSet::Outcome::Added:
            case InputFolderSet::Outcome::AlreadyListed:
                break;
        }
    }
    return set.folders();
}

// An extension line is compared whole, dot included: "mp3" takes nothing.
void WarnAboutExtensionLines(const CliSettings& settings) {
    if (!settings.scan.extensionFilter)
        return;
    for (const QString& line : settings.extensionLines) {
        if (!line.isEmpty() && !line.startsWith(u'.'))
            PrintError(Text(Texts::kCliExtensionNoDot).arg(line));
    }
}

// The replacements in the order given, after the process run, as the
// window's Search & Replace makes them; a search that finds nothing is
// worth a word, since the command line shows no dialog.
void ReplaceTexts(ResultModel& model, const CliOptions& options, CliServices& services) {
    for (const CliReplacement& replacement : options.replacements) {
        services.beginStep(CliServices::Step::Replace);
        if (SearchReplace(model, replacement.search, replacement.replace, services) == 0)
            PrintError(Text(Texts::kCliSearchNotFound).arg(replacement.search));
    }
}

// A dry run in which no name fits the existing filename scheme most likely
// has the wrong scheme: worth a word, since every row says so only on its own.
void WarnWhenNothingFits(const ResultModel& model, const CliSettings& settings) {
    bool anyFile = false;
    for (const ResultRow& row : model.rows()) {
        if (row.isFolderRow())
            continue;
        if (row.outcome != RowOutcome::NotInputFormat)
            return;
        anyFile = true;
    }
    if (anyFile)
        PrintError(Text(Texts::kCliNothingFits).arg(SchemeTextOf(settings.process.existingScheme)));
}

void PrintCheckSummary(const CheckCounts& counts) {
    const QString line =
        counts.mayFail == 0
            ? Text(Texts::kCliCheckSummary).arg(counts.willFail).arg(counts.proposals)
            : Text(Texts::kCliCheckSummaryWarnings)
                  .arg(counts.willFail)
                  .arg(counts.proposals)
                  .arg(counts.mayFail);
    const QByteArray bytes = (line + u'\n').toLocal8Bit();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stderr);
}

// Writes the rows of a run to standard output; returns the exit status they
// make. counts, when given, are the check's: with --check a row it expects to
// fail makes the status 1 too, and a terminal gets their summary.
int WriteResult(const CliOptions& options, const ResultModel& model,
                const CheckCounts* counts = nullptr) {
    const OutputFormat format =
        options.format.value_or(::isatty(STDOUT_FILENO) ? OutputFormat::Table : OutputFormat::Tsv);
    const bool check = options.check && counts != nullptr;
    if (!WriteRows(stdout, model.rows(), format, check)) {
        PrintError(Text(Texts::kCliWriteFailed).arg(QString::fromLocal8Bit(std::strerror(errno))));
        return kExitFailed;
    }
    const int status = ExitStatusOf(model.rows(), options.execute);
    if (!check)
        return status;
    if (::isatty(STDERR_FILENO))
        PrintCheckSummary(*counts);
    return counts->willFail + counts->mayFail > 0 ? kExitFailed : status;
}

int Run(const CliOptions& options) {
    CliSettings settings = options.defaults ? DefaultCliSettings() : SavedCliSettings();
    ApplyOptions(settings, options);

    const QStringList folders = InputFolders(options.folders);
    if (folders.isEmpty())
        return UsageFailure(Text(Texts::kCliNoFolderExists));
    WarnAboutExtensionLines(settings);

    ResultModel model;
    CliServices services(settings.extensionLines, ::isatty(STDERR_FILENO) != 0);
    FileScanner scanner(model, services);

    services.beginStep(CliServices::Step::Scan);
    scanner.ScanInputFolders(folders, -1, -1, settings.scan);
    services.beginStep(CliServices::Step::Process);
    ProcessRows(model, settings.process, services);
    ReplaceTexts(model, options, services);
    if (!options.execute)
        WarnWhenNothingFits(model, settings);
    // Before anything is renamed, so that the reasons explain what fails.
    const OutputFormat format =
        options.format.value_or(::isatty(STDOUT_FILENO) ? OutputFormat::Table : OutputFormat::Tsv);
    CheckCounts counts;
    if (options.check || format == OutputFormat::Json) {
        services.endStep();
        counts = CheckRows(model);
    }
    if (options.execute) {
        services.beginStep(CliServices::Step::Execute);
        ExecuteRows(model, services);
    }
    services.endStep();
    return WriteResult(options, model, &counts);
}

int Undo(const CliOptions& options) {
    ResultModel model;
    if (!UndoFromLog(options, model))
        return kExitFailed;
    return WriteResult(options, model);
}

}  // namespace

int RunCli(const QList<QByteArray>& arguments) {
    try {
        const CliOptions options = ParseCommandLine(arguments);
        if (options.help) {
            PrintOut(Text(Texts::kCliHelp));
            return kExitOk;
        }
        if (options.version) {
            PrintOut(Text(Texts::kCliVersion).arg(QStringLiteral(NORVANE_VERSION)) + u'\n');
            return kExitOk;
        }
        return options.undoLog ? Undo(options) : Run(options);
    } catch (const UsageError& error) {
        return UsageFailure(error.message());
    } catch (const CommandError& error) {
        PrintError(error.message());
    } catch (const std::exception& error) {
        PrintError(QString::fromUtf8(error.what()));
    } catch (...) {
        PrintError(Text(Texts::kUnexpectedError));
    }
    return kExitFailed;
}
