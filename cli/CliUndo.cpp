#include "cli/CliUndo.h"

#include <QFile>

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "cli/CliMessages.h"
#include "cli/CliOptions.h"
#include "cli/CliServices.h"
#include "engine/RenameLog.h"
#include "engine/ResultModel.h"
#include "engine/UndoRun.h"
#include "shared/General/Texts.h"

namespace {

// The whole file at path (bytes, as the system passed them); errno is set
// when it cannot be read.
std::optional<QByteArray> ReadWholeFile(const QByteArray& path) {
    if (path.isEmpty() || path.contains('\0')) {
        errno = ENOENT;
        return std::nullopt;
    }
    const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    QByteArray contents;
    char buffer[1 << 16];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n == 0)
            break;
        if (n < 0) {
            if (errno == EINTR)
                continue;
            const int error = errno;
            ::close(fd);
            errno = error;
            return std::nullopt;
        }
        contents.append(buffer, n);
    }
    ::close(fd);
    return contents;
}

}  // namespace

bool UndoFromLog(const CliOptions& options, ResultModel& model) {
    const QByteArray& path = *options.undoLog;
    const QString shownPath = QFile::decodeName(path);
    const std::optional<QByteArray> log = ReadWholeFile(path);
    if (!log) {
        PrintError(Text(Texts::kLogCannotRead)
                       .arg(shownPath, QString::fromLocal8Bit(std::strerror(errno))));
        return false;
    }
    QVector<ResultRow> renamed;
    try {
        renamed = ReadRenameLog(*log);
    } catch (const RenameLogError& error) {
        PrintError(Text(Texts::kLogBadLine).arg(shownPath).arg(error.line()).arg(error.reason()));
        return false;
    }
    if (renamed.isEmpty())
        PrintError(Text(Texts::kCliNothingToUndo).arg(shownPath));

    // The rows in the order of the undo, the last rename first; the renames
    // in the order they happened.
    const QString pending = Text(Texts::kStatusUndoPending);
    QVector<ResultRow> rows;
    UndoSet renames;
    rows.reserve(renamed.size());
    renames.reserve(renamed.size());
    for (qsizetype k = renamed.size() - 1; k >= 0; --k) {
        ResultRow row = renamed.at(k);
        row.status = pending;
        row.outcome = RowOutcome::UndoPending;
        rows.append(std::move(row));
    }
    for (qsizetype k = 0; k < renamed.size(); ++k) {
        // The name the execute run gave the file is what it made of the New Filename.
        renames.append(UndoEntry::of(static_cast<int>(renamed.size() - 1 - k), renamed.at(k)));
    }
    model.appendRows(std::move(rows));
    if (options.execute) {
        CliServices services({}, ::isatty(STDERR_FILENO) != 0);
        services.beginStep(CliServices::Step::Execute);
        UndoRenames(model, renames, services);
        services.endStep();
    }
    return true;
}
