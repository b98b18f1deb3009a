#include <QCoreApplication>
#include <QList>

#include <cstdio>

#include "cli/CliProgram.h"
#include "shared/General/General.h"
#include "shared/General/Translations.h"

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    InstallTranslations();
    QCoreApplication::setApplicationName(QStringLiteral("norvane-cli"));
    // The settings are those of the desktop program, whose key is named after
    // its own file, "norvane", not after this one.
    SetProgramFilePath(QCoreApplication::applicationDirPath() + QStringLiteral("/norvane"));

    // The output of a long list leaves in large blocks.
    static char outputBuffer[1 << 16];
    std::setvbuf(stdout, outputBuffer, _IOFBF, sizeof outputBuffer);

    // Folder names are bytes; they are taken as the system passed them.
    QList<QByteArray> arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QByteArray(argv[i]));
    return RunCli(arguments);
}
