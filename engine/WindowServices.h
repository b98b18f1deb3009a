#pragma once

#include <QString>
#include <QStringList>

// What the scan and the runs ask of the window. The window implements it with
// its controls; tests and the command-line program implement it without one.
// Every call has a harmless default so that a host implements only what it has.
class WindowServices {
public:
    virtual ~WindowServices() = default;

    // The caption of the scan's progress label (empty clears it).
    virtual void showProgressText(const QString& text) { (void)text; }
    // Let the window handle its pending events once.
    virtual void processPendingMessages() {}
    // Hourglass cursor on and off; calls nest.
    virtual void beginBusy() {}
    virtual void endBusy() {}
    // Suspend and resume the redrawing of the results list.
    virtual void suspendResultsRedraw() {}
    virtual void resumeResultsRedraw() {}
    // The lines of the extension memo, read and written back by the scan.
    virtual QStringList extensionLines() { return {}; }
    virtual void setExtensionLines(const QStringList& lines) { (void)lines; }
    // An input folder the scan did not enter, as it lies on the pseudo file
    // system of the given type (such as "proc"); the window says so.
    virtual void skippedSystemFolder(const QString& folder, const QString& fileSystem) {
        (void)folder;
        (void)fileSystem;
    }
    // Refresh the file count and total size labels from the scan's totals.
    virtual void updateFileCountLabels() {}
    // The progress bar of long commands: range 0 to 500, shown only while one runs.
    virtual void showProgressBar() {}
    virtual void setProgressPosition(int position) { (void)position; }
    virtual void hideProgressBar() {}
};
