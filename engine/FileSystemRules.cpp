#include "engine/FileSystemRules.h"

#include <QFile>

#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/vfs.h>

#include <algorithm>
#include <climits>
#include <cstring>

namespace {

// The f_type of statfs, as the kernel's magic.h names them.
constexpr long kExt4Magic = 0xef53;
constexpr long kBtrfsMagic = 0x9123683e;
constexpr long kXfsMagic = 0x58465342;
constexpr long kTmpfsMagic = 0x01021994;
constexpr long kF2fsMagic = 0xf2f52010;
constexpr long kZfsMagic = 0x2fc12fc1;
constexpr long kReiserfsMagic = 0x52654973;
constexpr long kJfsMagic = 0x3153464a;
constexpr long kBcachefsMagic = 0xca451a4e;
constexpr long kSquashfsMagic = 0x73717368;
constexpr long kMsdosMagic = 0x4d44;  // vfat and msdos
constexpr long kExfatMagic = 0x2011bab0;
constexpr long kNtfsMagic = 0x5346544e;   // the old ntfs driver
constexpr long kNtfs3Magic = 0x7366746e;  // ntfs3
constexpr long kCifsMagic = 0xff534d42;
constexpr long kSmb2Magic = 0xfe534d42;
constexpr long kSmbMagic = 0x517b;
constexpr long kHfsPlusMagic = 0x482b;
constexpr long kFuseMagic = 0x65735546;

// The type field of the mount of a device in /proc/self/mountinfo: "fuseblk",
// "fuse.sshfs", ...; empty when it is not found.
QByteArray MountType(dev_t device) {
    QFile file(QStringLiteral("/proc/self/mountinfo"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray wanted =
        QByteArray::number(major(device)) + ':' + QByteArray::number(minor(device));
    // "36 35 98:0 /mnt1 /mnt2 rw,noatime master:1 - ext3 /dev/root rw": the
    // third field is the device, the first after " - " the type.
    for (const QByteArray& line : file.readAll().split('\n')) {
        const QList<QByteArray> fields = line.split(' ');
        if (fields.size() < 3 || fields.at(2) != wanted)
            continue;
        const qsizetype dash = fields.indexOf("-");
        if (dash >= 0 && dash + 1 < fields.size())
            return fields.at(dash + 1);
    }
    return {};
}

FileSystemRules FuseRules(dev_t device) {
    FileSystemRules rules;
    const QByteArray type = MountType(device);
    const QByteArray subtype = type.startsWith("fuse.") ? type.mid(5) : QByteArray();
    // On a block device FUSE serves the file systems the kernel lacks or
    // that users mount by hand: exFAT (exfat-fuse) and NTFS (ntfs-3g).
    if (type == "fuseblk" || subtype.contains("exfat") || subtype.contains("ntfs") ||
        subtype.contains("fat")) {
        rules.windowsNames = true;
    }
    if (subtype.contains("exfat"))
        rules.letterCase = LetterCase::Ignores;
    return rules;
}

FileSystemRules RulesOfType(long type, dev_t device) {
    FileSystemRules rules;
    switch (type) {
        case kExt4Magic:
        case kF2fsMagic:
            rules.letterCase = LetterCase::Keeps;
            rules.askLetterCase = false;
            rules.folderCaseFolding = true;
            break;
        case kBtrfsMagic:
        case kXfsMagic:
        case kTmpfsMagic:
        case kZfsMagic:
        case kReiserfsMagic:
        case kJfsMagic:
        case kBcachefsMagic:
        case kSquashfsMagic:
            rules.letterCase = LetterCase::Keeps;
            rules.askLetterCase = false;
            break;
        case kMsdosMagic:
        case kExfatMagic:
            rules.letterCase = LetterCase::Ignores;
            rules.askLetterCase = false;
            rules.windowsNames = true;
            break;
        case kNtfsMagic:
        case kNtfs3Magic:
            rules.letterCase = LetterCase::Ignores;
            rules.windowsNames = true;
            break;
        case kCifsMagic:
        case kSmb2Magic:
        case kSmbMagic:
        case kHfsPlusMagic:
            rules.letterCase = LetterCase::Ignores;
            break;
        case kFuseMagic:
            rules = FuseRules(device);
            break;
        default:
            break;
    }
    return rules;
}

constexpr char kWindowsRefused[] = ":*?\"<>|\\";
constexpr int kCaseFoldFlag = 0x40000000;  // FS_CASEFOLD_FL

}  // namespace

bool FolderFoldsCase(int fd) {
    int flags = 0;
    return ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0 && (flags & kCaseFoldFlag) != 0;
}

FileSystemRules RulesOfFileSystem(int fd) {
    struct statfs fs {};
    struct stat st {};
    if (::fstatfs(fd, &fs) != 0 || ::fstat(fd, &st) != 0)
        return {};
    FileSystemRules rules = RulesOfType(static_cast<long>(fs.f_type), st.st_dev);
    if (fs.f_namelen > 0)
        rules.nameMax = static_cast<int>(std::min<long>(fs.f_namelen, NAME_MAX));
    return rules;
}

const FileSystemRules& FileSystemRulesCache::of(int fd, quint64 device) {
    auto it = m_rules.find(device);
    if (it == m_rules.end())
        it = m_rules.insert(device, RulesOfFileSystem(fd));
    return *it;
}

std::optional<WindowsNameFault> FindWindowsNameFault(const QByteArray& name) {
    for (const char c : name) {
        if (c != 0 && std::strchr(kWindowsRefused, c) != nullptr)
            return WindowsNameFault{c, false};
    }
    if (!name.isEmpty() && (name.back() == ' ' || name.back() == '.'))
        return WindowsNameFault{name.back(), true};
    return std::nullopt;
}

bool NameAllowedBy(const FileSystemRules& rules, const QByteArray& name) {
    return !rules.windowsNames || !FindWindowsNameFault(name);
}
