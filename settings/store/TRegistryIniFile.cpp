#include "settings/store/TRegistryIniFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QStandardPaths>
#include <QStringList>
#include <cerrno>
#include <system_error>

#include "settings/store/ERegistryException.h"
#include "shared/General/Texts.h"

namespace {

// A save takes milliseconds; a copy that holds the lock longer is stuck, and
// a lock left by a copy that died is taken over by QLockFile itself.
constexpr int kLockTimeoutMs = 5000;

// <config>/<company>/<product>/<name>.reg for \Software\<company>\<product>\<name>;
// empty when the key path has no name or would leave the configuration folder.
QString fileNameOfKey(const QString& keyPath) {
    if (keyPath.endsWith(QLatin1Char('\\')))
        return QString();
    QStringList parts = keyPath.split(QLatin1Char('\\'), Qt::SkipEmptyParts);
    if (!parts.isEmpty() &&
        parts.first().compare(QStringLiteral("Software"), Qt::CaseInsensitive) == 0)
        parts.removeFirst();
    for (const QString& part : parts) {
        if (part == QLatin1String(".") || part == QLatin1String("..") ||
            part.contains(QLatin1Char('/')))
            return QString();
    }
    if (parts.isEmpty())
        return QString();
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (config.isEmpty())
        return QString();
    return config + QLatin1Char('/') + parts.join(QLatin1Char('/')) + QStringLiteral(".reg");
}

[[noreturn]] void fail(const char* text, const QString& argument) {
    throw ERegistryException(Text(text).arg(argument));
}

// A write that failed, with what the system said of it.
[[noreturn]] void failBecause(const QString& fileName, const QString& reason) {
    if (reason.isEmpty())
        fail(Texts::kSettingsCannotWrite, fileName);
    throw ERegistryException(Text(Texts::kSettingsCannotWriteBecause).arg(fileName, reason));
}

// A write that stops short (a full disk) reports no error of its own: writing
// on from there fails with what the system says.
bool writeAll(QSaveFile& out, const QByteArray& data) {
    qint64 written = 0;
    while (written < data.size()) {
        const qint64 n = out.write(data.constData() + written, data.size() - written);
        if (n <= 0)
            return false;
        written += n;
    }
    return true;
}

QString systemReason(int error) {
    return QString::fromStdString(std::generic_category().message(error));
}

}  // namespace

TRegistryIniFile::TRegistryIniFile(const QString& keyPath, Access access)
    : m_access(access), m_keyPath(keyPath), m_fileName(fileNameOfKey(keyPath)) {
    m_keyName = m_keyPath;
    while (m_keyName.startsWith(QLatin1Char('\\')))
        m_keyName.remove(0, 1);
    if (m_fileName.isEmpty())
        return;
    // Opening creates the key, as on the first run; a folder that cannot be
    // created or written leaves the program working on its defaults.
    if (m_access == Access::ReadWrite && !QFileInfo::exists(m_fileName)) {
        try {
            save(true);
        } catch (const ERegistryException&) {
        }
    }
    QString problem;
    if (std::optional<RegistryFile> content = readFromDisk(problem))
        m_content = std::move(*content);
}

TRegistryIniFile::~TRegistryIniFile() {
    // A save that fails here loses only these writes; the file stays as it was.
    try {
        updateFile();
    } catch (...) {
    }
}

void TRegistryIniFile::checkSection(const QString& section) const {
    // The program keeps every value directly in its key.
    if (!section.isEmpty())
        fail(Texts::kSettingsNoSection, section);
}

QString TRegistryIniFile::readString(const QString& section, const QString& name,
                                     const QString& defaultValue) const {
    checkSection(section);
    const RegistryValue* value = m_content.find(name);
    if (!value)
        return defaultValue;
    if (!value->isStringKind())
        fail(Texts::kSettingsWrongKind, name);
    return value->stringData();
}

int TRegistryIniFile::readInteger(const QString& section, const QString& name,
                                  int defaultValue) const {
    checkSection(section);
    const RegistryValue* value = m_content.find(name);
    if (!value)
        return defaultValue;
    if (value->kind == RegistryValue::kString) {
        bool ok = false;
        const int number = value->stringData().toInt(&ok, 10);
        return ok ? number : defaultValue;
    }
    if (value->kind == RegistryValue::kDword) {
        if (const std::optional<quint32> number = value->dwordData())
            return qint32(*number);
    }
    fail(Texts::kSettingsWrongKind, name);
}

bool TRegistryIniFile::readBool(const QString& section, const QString& name,
                                bool defaultValue) const {
    return readInteger(section, name, defaultValue ? 1 : 0) != 0;
}

bool TRegistryIniFile::valueExists(const QString& section, const QString& name) const {
    checkSection(section);
    return m_content.find(name) != nullptr;
}

void TRegistryIniFile::writeString(const QString& section, const QString& name,
                                   const QString& value) {
    checkSection(section);
    write(name, RegistryValue::fromString(value));
}

void TRegistryIniFile::writeInteger(const QString& section, const QString& name, int value) {
    checkSection(section);
    const RegistryValue* existing = m_content.find(name);
    if (existing && existing->kind == RegistryValue::kString)
        write(name, RegistryValue::fromString(QString::number(value)));
    else
        write(name, RegistryValue::fromDword(quint32(value)));
}

void TRegistryIniFile::writeBool(const QString& section, const QString& name, bool value) {
    writeString(section, name, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void TRegistryIniFile::write(const QString& name, const RegistryValue& value) {
    if (m_access == Access::ReadOnly)
        fail(Texts::kSettingsReadOnly, m_fileName);
    m_content.set(name, value);
    m_pending.append({name, value});
}

void TRegistryIniFile::updateFile() {
    if (m_pending.isEmpty())
        return;
    try {
        save(false);
    } catch (...) {
        // Tried once: freeing the store does not wait for the lock again.
        m_pending.clear();
        throw;
    }
}

std::optional<RegistryFile> TRegistryIniFile::readFromDisk(QString& problem) const {
    problem = Text(Texts::kSettingsCannotRead).arg(m_fileName);
    const QFileInfo info(m_fileName);
    if (!info.exists())
        return RegistryFile();
    // Not a FIFO or a folder: those would block or cannot hold a key.
    if (!info.isFile())
        return std::nullopt;
    QFile file(m_fileName);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray data = file.read(kMaxFileSize + 1);
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    // No settings key is this large. Read in part, the file would be misread,
    // and a save would cut it: it is not read at all, and never replaced.
    if (data.size() > kMaxFileSize) {
        problem = Text(Texts::kSettingsTooLarge).arg(m_fileName).arg(kMaxFileSize);
        return std::nullopt;
    }
    return RegistryFile::parse(data, m_keyName);
}

void TRegistryIniFile::save(bool createOnly) {
    if (m_fileName.isEmpty())
        fail(Texts::kSettingsCannotWrite, m_keyPath);
    if (!QDir().mkpath(QFileInfo(m_fileName).absolutePath()))
        fail(Texts::kSettingsCannotWrite, m_fileName);
    QLockFile lock(m_fileName + QStringLiteral(".lock"));
    errno = 0;
    if (!lock.tryLock(kLockTimeoutMs)) {
        // Only a lock held by another copy means the file is in use; the
        // lock file itself may not be makeable (a full disk, no permission).
        const int error = errno;
        if (lock.error() == QLockFile::LockFailedError)
            fail(Texts::kSettingsInUse, m_fileName);
        failBecause(m_fileName, error != 0 ? systemReason(error) : Text(Texts::kSettingsNoLock));
    }
    if (createOnly && QFileInfo::exists(m_fileName))
        return;

    // Another copy may have saved since this store was opened: its values and
    // those the program does not own are kept, ours go on top.
    QString problem;
    std::optional<RegistryFile> content = readFromDisk(problem);
    if (!content)
        throw ERegistryException(problem);
    for (const auto& [name, value] : m_pending)
        content->set(name, value);

    const QByteArray data = content->serialize(m_keyName);
    QSaveFile out(m_fileName);
    if (!out.open(QIODevice::WriteOnly) || !writeAll(out, data) || !out.commit())
        failBecause(m_fileName, out.errorString());
    m_content = std::move(*content);
    m_pending.clear();
}
