#pragma once

#include <QByteArray>
#include <QHash>
#include <optional>

// Whether a file system tells names apart by their letter case.
enum class LetterCase {
    Keeps,    // "a.mp3" and "A.mp3" are two names (ext4, btrfs, xfs, tmpfs)
    Ignores,  // they name one file (vfat, exFAT, NTFS, CIFS)
    Unknown,  // the type alone does not tell (FUSE, NFS, overlays)
};

// What a folder's file system allows in the names it holds, as far as the
// type of the file system tells.
struct FileSystemRules {
    LetterCase letterCase = LetterCase::Unknown;
    // The type does not settle the letter case: ask the folder itself
    // (NTFS and CIFS may keep case, FUSE and unknown types may do either).
    bool askLetterCase = true;
    // ext4 and f2fs: a folder may have case folding turned on (chattr +F).
    bool folderCaseFolding = false;
    // vfat, exFAT and NTFS: the characters : * ? " < > | \ are refused, and a
    // name that ends in a space or a dot is changed or cannot be opened on
    // the systems these file systems are made for.
    bool windowsNames = false;
    // The longest name in bytes.
    int nameMax = 255;
};

// Whether the folder (opened for reading) ignores case by its own case
// folding attribute, which ext4 and f2fs give single folders.
bool FolderFoldsCase(int fd);

// The rules of the file system that holds the open folder fd. A FUSE file
// system is told by its type in /proc/self/mountinfo ("fuseblk" for exFAT
// and NTFS drivers on a block device).
FileSystemRules RulesOfFileSystem(int fd);

// The rules of each file system met during one run, looked up once a device.
class FileSystemRulesCache {
public:
    // The rules for the folder fd on device `device` (its st_dev).
    const FileSystemRules& of(int fd, quint64 device);

private:
    QHash<quint64, FileSystemRules> m_rules;
};

// What makes a name (its exact bytes, one component) unfit for a file system
// with Windows names: the first refused character, or the space or dot the
// name ends in.
struct WindowsNameFault {
    char character = 0;
    bool atEnd = false;
};
std::optional<WindowsNameFault> FindWindowsNameFault(const QByteArray& name);

// Whether a name (one component, its exact bytes) may be written on a file
// system with these rules. Its length is left to the file system itself.
bool NameAllowedBy(const FileSystemRules& rules, const QByteArray& name);
