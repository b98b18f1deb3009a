#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QString>
#include <QTest>

#include "shared/General/General.h"
#include "support/ConfigHome.h"

// What the settings tests share: the key file of the program under test, in
// a configuration folder of their own (ConfigHome).
namespace SettingsFixture {

// The program file the tests run as: a folder with a dot must not cut its name.
inline const QString kProgramFile = QStringLiteral("/opt/my.apps/norvane");

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
