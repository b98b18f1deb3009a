#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTest>
#include <memory>

#include "settings/InputFolderList.h"
#include "shared/General/General.h"
#include "support/ConfigHome.h"
#include "tests/ui/RecordingPrompter.h"
#include "ui/TForm1.h"

// Helpers the window tests share: files on disk and finding the window's
// controls by name. Each test runs in a configuration folder of its own
// (ConfigHome), so that it starts as a first run.
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

template <typename T>
T* control(const TForm1& form, const char* name) {
    T* widget = form.findChild<T*>(QString::fromLatin1(name));
    if (!widget)
        qFatal("no control %s", name);
    return widget;
}

}  // namespace WindowFixture
