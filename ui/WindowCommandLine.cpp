#include "ui/WindowCommandLine.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>

#include "shared/General/Texts.h"
#include "shared/General/Translations.h"

namespace {

void Write(std::FILE* stream, const QString& text) {
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stream);
    std::fflush(stream);
}

}  // namespace

WindowCommandLine ParseWindowCommandLine(const QList<QByteArray>& arguments) {
    WindowCommandLine line;
    bool optionsEnded = false;
    for (const QByteArray& argument : arguments) {
        if (optionsEnded || !argument.startsWith('-') || argument == "-") {
            line.folders.append(argument);
        } else if (argument == "--") {
            optionsEnded = true;
        } else if (argument == "-h" || argument == "--help") {
            line.help = true;
        } else if (argument == "--version") {
            line.version = true;
        } else if (line.error.isEmpty()) {
            line.error = Text(Texts::kWindowUnknownOption).arg(QFile::decodeName(argument));
        }
    }
    return line;
}

QList<QByteArray> ArgumentsAfterProgram(int argc, char** argv) {
    QList<QByteArray> arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QByteArray(argv[i]));
    return arguments;
}

std::optional<int> AnswerInformationOptions(int argc, char** argv) {
    const WindowCommandLine line = ParseWindowCommandLine(ArgumentsAfterProgram(argc, argv));
    if (!line.help && !line.version)
        return std::nullopt;
    // The answer is in the user's language, which needs an application but
    // no window system.
    QCoreApplication application(argc, argv);
    InstallTranslations();
    if (line.help) {
        Write(stdout, Text(Texts::kWindowHelp));
        return 0;
    }
    if (line.version) {
        Write(stdout, Text(Texts::kWindowVersion).arg(QStringLiteral(NORVANE_VERSION)) + u'\n');
        return 0;
    }
    return std::nullopt;
}

void PrintWindowMessage(const QString& message) {
    Write(stderr, Text(Texts::kWindowMessage).arg(message) + u'\n');
}

void PrintWindowUsageError(const QString& message) {
    PrintWindowMessage(message);
    Write(stderr, Text(Texts::kWindowTryHelp) + u'\n');
}
