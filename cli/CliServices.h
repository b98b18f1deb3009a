#pragma once

#include <QElapsedTimer>
#include <QString>
#include <QStringList>

#include "engine/WindowServices.h"

// What the scan and the runs ask of their host, without a window: the
// extension lines, and a progress line on standard error when that is a
// terminal. The line appears only once a step has taken a moment, is redrawn
// a few times a second at most, and is wiped when the step ends.
class CliServices : public WindowServices {
public:
    enum class Step { Scan, Process, Replace, Execute };

    CliServices(QStringList extensionLines, bool showProgress);
    ~CliServices() override;

    void beginStep(Step step);
    // Wipes the progress line, if one is shown.
    void endStep();

    QStringList extensionLines() override { return m_extensionLines; }
    void setExtensionLines(const QStringList& lines) override { m_extensionLines = lines; }
    void showProgressText(const QString& text) override;
    void setProgressPosition(int position) override;
    void hideProgressBar() override { endStep(); }
    // A word on standard error about an input folder the scan did not enter.
    void skippedSystemFolder(const QString& folder, const QString& fileSystem) override;

private:
    // The text of the progress line of a run over the rows.
    const char* stepEntry() const;
    // The progress line is on and the last drawing is old enough.
    bool due() const;
    void draw(const QString& text);

    QStringList m_extensionLines;
    bool m_showProgress;
    Step m_step = Step::Scan;
    QElapsedTimer m_stepTimer;
    QElapsedTimer m_drawTimer;
    bool m_lineShown = false;
};
