#pragma once

// Runs the built norvane-cli as a process, with a configuration folder of its
// own so that no test sees or touches the user's saved settings.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QList>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>
#include <QTemporaryDir>

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
    QString settingsFile() const {
        return m_config.path() + QStringLiteral("/Tarnik/Norvane/norvane.reg");
    }

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

    Outcome run(const QStringList& arguments, const QString& workingFolder = QString()) const {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_config.path());
        env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
        process.setProcessEnvironment(env);
        if (!workingFolder.isEmpty())
            process.setWorkingDirectory(workingFolder);
        process.start(ProgramPath(), arguments);
        Outcome outcome;
        if (!process.waitForFinished(-1) || process.exitStatus() != QProcess::NormalExit)
            return outcome;
        outcome.exitCode = process.exitCode();
        outcome.out = process.readAllStandardOutput();
        outcome.err = process.readAllStandardError();
        return outcome;
    }

private:
    QTemporaryDir m_config;
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

}  // namespace cli
