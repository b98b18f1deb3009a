#pragma once

// Runs the built norvane-cli as a process, with a configuration folder of its
// own (ConfigHome) so that no test sees or touches the user's saved settings.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QList>
#include <QMap>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>

#include <sys/stat.h>

#include "support/ConfigHome.h"
#include "support/TempTree.h"

namespace cli {

struct Outcome {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// The program built next to the tests.
inline QString ProgramPath() {
    return qEnvironmentVariable("NORVANE_BUILD_DIR") + QStringLiteral("/cli/norvane-cli");
}

class Runner {
public:
    Runner() = default;

    bool isValid() const { return m_config.isValid() && QFile::exists(ProgramPath()); }
    // The XDG configuration folder the program sees.
    QString configPath() const { return m_config.path(); }
    // The desktop program's settings file in that folder.
    QString settingsFile() const { return m_config.settingsFile(); }

    // Writes a settings file holding these value lines.
    bool saveSettings(const QStringList& valueLines) const {
        QDir().mkpath(m_config.path() + QStringLiteral("/Tarnik/Norvane"));
        QFile file(settingsFile());
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return false;
        QByteArray data = "[Software\\\\Tarnik\\\\Norvane\\\\norvane]\n";
        for (const QString& line : valueLines)
            data += line.toUtf8() + '\n';
        return file.write(data) == data.size();
    }

    // The locale variables of the runs that follow, in place of LC_ALL=C.UTF-8
    // (which keeps the program's texts English). Qt reads the language from
    // these variables itself, so a run in German needs no generated system locale.
    void setLocale(const QMap<QString, QString>& variables) { m_locale = variables; }

    // Standard output goes to outputFile when one is given.
    Outcome run(const QStringList& arguments, const QString& workingFolder = QString(),
                const QString& outputFile = QString()) const {
        return start(ProgramPath(), arguments, workingFolder, outputFile);
    }

    // Runs the program with the options and then one last argument given as
    // bytes, which need not be UTF-8 (a shell's printf makes them).
    Outcome runWithBytes(const QStringList& options, const QByteArray& last) const {
        QByteArray escaped;
        for (const char c : last) {
            const unsigned char u = static_cast<unsigned char>(c);
            if (u >= 0x80 || c == '\\')
                escaped += "\\0" + QByteArray::number(u, 8).rightJustified(3, '0');
            else
                escaped += c;
        }
        const QString script = QStringLiteral(
            "p=\"$1\"; shift; b=$(printf '%b' \"$1\"); shift; exec \"$p\" \"$@\" \"$b\"");
        return start(
            QStringLiteral("/bin/sh"),
            QStringList{"-c", script, "sh", ProgramPath(), QString::fromLatin1(escaped)} + options,
            QString(), QString());
    }

    // Runs the program on a terminal (a pseudo-terminal made by script(1)):
    // standard output and standard error both reach it, and come back
    // together in out.
    Outcome runOnTerminal(const QStringList& arguments) const {
        QString command = ShellQuoted(ProgramPath());
        for (const QString& argument : arguments)
            command += QLatin1Char(' ') + ShellQuoted(argument);
        return start(QStringLiteral("script"),
                     {QStringLiteral("-qec"), command, QStringLiteral("/dev/null")}, QString(),
                     QString());
    }

private:
    static QString ShellQuoted(QString text) {
        text.replace(QLatin1String("'"), QLatin1String("'\\''"));
        return QLatin1Char('\'') + text + QLatin1Char('\'');
    }

    Outcome start(const QString& program, const QStringList& arguments,
                  const QString& workingFolder, const QString& outputFile) const {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_config.path());
        for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG", "LANGUAGE"})
            env.remove(QString::fromLatin1(name));
        for (auto it = m_locale.cbegin(); it != m_locale.cend(); ++it)
            env.insert(it.key(), it.value());
        process.setProcessEnvironment(env);
        if (!workingFolder.isEmpty())
            process.setWorkingDirectory(workingFolder);
        if (!outputFile.isEmpty())
            process.setStandardOutputFile(outputFile);
        process.start(program, arguments);
        Outcome outcome;
        if (!process.waitForFinished(-1) || process.exitStatus() != QProcess::NormalExit)
            return outcome;
        outcome.exitCode = process.exitCode();
        outcome.out = process.readAllStandardOutput();
        outcome.err = process.readAllStandardError();
        return outcome;
    }

    ConfigHome m_config;
    QMap<QString, QString> m_locale = {{QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8")}};
};

// The records of tsv output, each split into its four fields (still escaped).
inline QList<QList<QByteArray>> TsvRecords(const QByteArray& out) {
    QList<QList<QByteArray>> records;
    QList<QByteArray> lines = out.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (const QByteArray& line : lines)
        records.append(line.split('\t'));
    return records;
}

// Every entry below the root, as "path" or "path/" for folders, sorted.
inline QList<QByteArray> Snapshot(const TempTree& tree, const QByteArray& relative = QByteArray()) {
    QList<QByteArray> entries;
    for (const QByteArray& name : tree.entryNames(relative)) {
        const QByteArray path = relative.isEmpty() ? name : relative + '/' + name;
        struct stat st;
        if (::lstat(tree.filePathBytes(path).constData(), &st) == 0 && S_ISDIR(st.st_mode)) {
            entries.append(path + '/');
            entries += Snapshot(tree, path);
        } else {
            entries.append(path);
        }
    }
    return entries;
}

}  // namespace cli
