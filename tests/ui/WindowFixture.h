#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QString>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "settings/InputFolderList.h"
#include "shared/General/General.h"
#include "tests/ui/RecordingPrompter.h"
#include "ui/TForm1.h"

// Helpers the window tests share: files on disk, a fresh settings file, and
// finding the window's controls by name.
namespace WindowFixture {

// Creates the file (and its folders) below root with the given content.
inline void makeFile(const QString& root, const QString& relative,
                     const QByteArray& content = "x") {
    const QString path = root + QLatin1Char('/') + relative;
    QDir().mkpath(path.left(path.lastIndexOf(QLatin1Char('/'))));
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(path));
    file.write(content);
}

// Points the configuration folder at a temporary folder of this test run, so
// that no test touches the user's own settings, and removes the settings file
// so that each test starts as a first run.
inline void forgetSettings() {
    static QTemporaryDir configHome;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(configHome.path()));
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    QVERIFY(config.startsWith(configHome.path()));
    QDir(config + QStringLiteral("/Tarnik")).removeRecursively();
}

template <typename T>
T* control(const TForm1& form, const char* name) {
    T* widget = form.findChild<T*>(QString::fromLatin1(name));
    if (!widget)
        qFatal("no control %s", name);
    return widget;
}

}  // namespace WindowFixture
