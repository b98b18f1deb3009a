#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

// The command line of the window program: norvane [FOLDER...], --help and
// --version. Nothing else is read from it: the settings stay in the settings
// store.
struct WindowCommandLine {
    bool help = false;
    bool version = false;
    // The folder arguments as the system passed them: names on disk are bytes.
    QList<QByteArray> folders;
    // The first usage error, or empty.
    QString error;
};

// The exit status of a command line the window cannot start with.
inline constexpr int kWindowUsageExit = 2;

// Reads the arguments after the program name. "--" ends the options; a lone
// "-" is a folder name like any other.
WindowCommandLine ParseWindowCommandLine(const QList<QByteArray>& arguments);

// The arguments after the program name.
QList<QByteArray> ArgumentsAfterProgram(int argc, char** argv);

// When the arguments ask for --help or --version, writes the answer to
// standard output and returns the exit status. Needs no application object,
// so that both work without a display; other arguments are left for later,
// when Qt has taken its own options out of them.
std::optional<int> AnswerInformationOptions(int argc, char** argv);

// Writes "norvane: " and the message to standard error.
void PrintWindowMessage(const QString& message);
// Writes the usage error and the hint to --help to standard error.
void PrintWindowUsageError(const QString& message);
