#include "cli/CliServices.h"

#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>

#include "shared/General/Texts.h"

namespace {

// Short steps show no line at all; long ones are redrawn this often at most.
constexpr qint64 kFirstDrawMs = 300;
constexpr qint64 kRedrawMs = 100;

int TerminalColumns() {
    winsize size{};
    if (::ioctl(STDERR_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_col > 0)
        return size.ws_col;
    return 80;
}

// A line longer than the terminal would wrap, and "\r" would then not reach
// its start; control characters in a folder name would move the cursor.
QString FitLine(QString text, int columns) {
    for (QChar& c : text) {
        if (c.category() == QChar::Other_Control)
            c = u'?';
    }
    const qsizetype room = std::max(columns - 1, 8);
    if (text.size() > room)
        text = QStringLiteral("...") + text.right(room - 3);
    return text;
}

}  // namespace

CliServices::CliServices(QStringList extensionLines, bool showProgress)
    : m_extensionLines(std::move(extensionLines)), m_showProgress(showProgress) {
    m_stepTimer.start();
}

CliServices::~CliServices() {
    endStep();
}

void CliServices::beginStep(Step step) {
    endStep();
    m_step = step;
    m_stepTimer.start();
    m_drawTimer.invalidate();
}

void CliServices::endStep() {
    if (!m_lineShown)
        return;
    std::fputs("\r\033[K", stderr);
    std::fflush(stderr);
    m_lineShown = false;
}

void CliServices::showProgressText(const QString& text) {
    if (text.isEmpty()) {
        endStep();
        return;
    }
    if (m_step == Step::Scan && due())
        draw(Text(Texts::kCliProgressScanning).arg(text));
}

void CliServices::setProgressPosition(int position) {
    if (!due())
        return;
    const int percent = std::clamp(position / 5, 0, 100);
    draw(Text(stepEntry()).arg(percent));
}

void CliServices::skippedSystemFolder(const QString& folder, const QString& fileSystem) {
    endStep();
    const QString message = Text(Texts::kSystemFolderSkipped).arg(folder, fileSystem);
    const QByteArray line = (Text(Texts::kCliMessage).arg(message) + u'\n').toLocal8Bit();
    std::fwrite(line.constData(), 1, static_cast<size_t>(line.size()), stderr);
    std::fflush(stderr);
}

const char* CliServices::stepEntry() const {
    switch (m_step) {
        case Step::Execute:
            return Texts::kCliProgressExecuting;
        case Step::Replace:
            return Texts::kCliProgressReplacing;
        default:
            return Texts::kCliProgressProcessing;
    }
}

bool CliServices::due() const {
    if (!m_showProgress || m_stepTimer.elapsed() < kFirstDrawMs)
        return false;
    return !m_drawTimer.isValid() || m_drawTimer.elapsed() >= kRedrawMs;
}

void CliServices::draw(const QString& text) {
    m_drawTimer.start();
    const QByteArray line = FitLine(text, TerminalColumns()).toLocal8Bit();
    std::fputs("\r\033[K", stderr);
    std::fwrite(line.constData(), 1, static_cast<size_t>(line.size()), stderr);
    std::fflush(stderr);
    m_lineShown = true;
}
