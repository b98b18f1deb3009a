#pragma once

#include <QString>
#include <QVector>
#include <utility>

#include "settings/store/RegistryFile.h"

// The per-user settings key as an ini-style store, made for one load or one
// save. The key \Software\<company>\<product>\<name> is the file
// <company>/<product>/<name>.reg below the generic configuration folder.
//
// Reads see the file as it was when the store was opened. Writes are kept and
// saved together by updateFile() (or, failing that, when the store is freed):
// one atomic save under a lock, on top of the file as it is then, so values
// the program does not own and the saves of other copies survive. Problems
// with the file itself are never reported on opening: an unreadable or
// uncreatable file reads as an empty key.
class TRegistryIniFile {
public:
    // ReadWrite creates the key's file when it is missing, as the window's
    // load and save do; ReadOnly leaves the configuration folder as it is,
    // reads a missing file as an empty key, and refuses every write.
    enum class Access { ReadWrite, ReadOnly };

    explicit TRegistryIniFile(const QString& keyPath, Access access = Access::ReadWrite);
    ~TRegistryIniFile();
    TRegistryIniFile(const TRegistryIniFile&) = delete;
    TRegistryIniFile& operator=(const TRegistryIniFile&) = delete;

    QString keyPath() const { return m_keyPath; }
    QString fileName() const { return m_fileName; }

    // Typed reads: a value that does not exist gives the default; a value of
    // a kind the read cannot take throws ERegistryException. The section must
    // be empty, which means the key itself.
    QString readString(const QString& section, const QString& name,
                       const QString& defaultValue) const;
    int readInteger(const QString& section, const QString& name, int defaultValue) const;
    bool readBool(const QString& section, const QString& name, bool defaultValue) const;
    bool valueExists(const QString& section, const QString& name) const;

    // Writes throw ERegistryException on a store opened ReadOnly.
    void writeString(const QString& section, const QString& name, const QString& value);
    // Stays a string when the value is one already.
    void writeInteger(const QString& section, const QString& name, int value);
    // Written as the string "0" or "1".
    void writeBool(const QString& section, const QString& name, bool value);

    // Saves the writes made since the last save; throws ERegistryException
    // when the file cannot be read, locked or written, leaving it as it was.
    void updateFile();

    // A file larger than this is not read (the key reads as empty) and never
    // replaced: a save fails and leaves it as it is.
    static constexpr qint64 kMaxFileSize = 4 * 1024 * 1024;

private:
    void checkSection(const QString& section) const;
    void write(const QString& name, const RegistryValue& value);
    // Reads the file as it is on disk now; nothing when it exists but cannot be
    // read whole, and then problem says why.
    std::optional<RegistryFile> readFromDisk(QString& problem) const;
    void save(bool createOnly);

    Access m_access;
    QString m_keyPath;
    QString m_keyName;  // the key path without its leading "\", as in the section line
    QString m_fileName;
    RegistryFile m_content;
    QVector<std::pair<QString, RegistryValue>> m_pending;
};
