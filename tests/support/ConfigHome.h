#pragma once

#include <QByteArray>
#include <QFile>
#include <QStandardPaths>
#include <QString>
#include <QTemporaryDir>

// A per-user configuration folder of the test's own: while it lives, the
// generic configuration location (XDG_CONFIG_HOME) of the test and of every
// program it starts is a fresh temporary folder, so that no test sees or
// touches the user's settings, and each one starts as a first run.
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
    // The settings file of the program whose file is named base.
    QString settingsFile(const QString& base = QStringLiteral("norvane")) const {
        return m_dir.path() + QStringLiteral("/Tarnik/Norvane/") + base + QStringLiteral(".reg");
    }

private:
    QTemporaryDir m_dir;
    QByteArray m_old;
};
