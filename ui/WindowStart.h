#pragma once

#include <QByteArray>
#include <QList>
#include <memory>

class Prompter;
class TForm1;

// Starts Norvane's window as the program does, once the application object
// exists: the identity values first (the settings key rests on them), then
// the command line that Qt left, then the window, shown, and last the
// command line's folders, added as a drop adds them, so that their scans are
// posted after the window is shown. Returns null after a usage error, which
// it reports on standard error. The window uses prompter as TForm1 does.
std::unique_ptr<TForm1> StartWindow(const QList<QByteArray>& arguments,
                                    Prompter* prompter = nullptr);

// Adds the folders that command-line arguments name, by the drop handler's
// rules; an argument that names no folder is reported on standard error.
void AddCommandLineFolders(TForm1& form, const QList<QByteArray>& arguments);
