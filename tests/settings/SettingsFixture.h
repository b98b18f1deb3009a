#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QString>
#include <QTemporaryDir>
#include <QTest>

#include "shared/General/General.h"

// What the settings tests share: a per-user configuration folder of their own
// (never the user's), and the key file of the program under test.
namespace SettingsFixture {

// The program file the tests run as: a folder with a dot must not cut its name.
inline const QString kProgramFile = QStringLiteral("/opt/my.apps/norvane");

// Points the generic configuration location at a fresh temporary folder for
// as long as it lives.
class ConfigHome {
public:
    ConfigHome() : m_old(qgetenv("XDG_CONFIG_HOME")) {
        QStandardPaths::setTestModeEnabled(false);
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_dir.path()));
    }
    ~ConfigHome() {
        if (m_old.isNull())
            qunsetenv("XDG_CONFIG_HOME");
        else
            qputenv("XDG_CONFIG_HOME", m_old);
    }
    ConfigHome(const ConfigHome&) = delete;
    ConfigHome& operator=(const ConfigHome&) = delete;

    bool isValid() const {
        return m_dir.isValid() && QStandardPaths::writableLocation(
                                      QStandardPaths::GenericConfigLocation) == m_dir.path();
    }
    QString path() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
    QByteArray m_old;
};

// The key file of the running program's settings.
inline QString keyFile() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Tarnik/Norvane/") + ProgramBaseName() + QStringLiteral(".reg");
}

inline QByteArray sectionLine() {
    return "[Software\\\\Tarnik\\\\Norvane\\\\" + ProgramBaseName().toUtf8() + "]\n";
}

// Writes the key file: its section line, then the given lines as they stand.
inline bool writeKeyFile(const QByteArray& values, bool withSection = true) {
    const QString path = keyFile();
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return file.write((withSection ? sectionLine() : QByteArray()) + values) >= 0;
}

inline QByteArray readKeyFile() {
    QFile file(keyFile());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace SettingsFixture
