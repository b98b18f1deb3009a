#include "engine/PseudoFileSystem.h"

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/vfs.h>

#include <cstdio>
#include <cstring>
#include <memory>

namespace {

struct PseudoType {
    unsigned long magic;
    const char* name;
};

// The f_type values of <linux/magic.h>, written out so that an older header
// does not leave one out.
constexpr PseudoType kPseudoTypes[] = {
    {0x9fa0, "proc"},           {0x62656572, "sysfs"},
    {0x1cd1, "devpts"},         {0x27e0eb, "cgroup"},
    {0x63677270, "cgroup2"},    {0x64626720, "debugfs"},
    {0x74726163, "tracefs"},    {0x73636673, "securityfs"},
    {0x6165676c, "pstore"},     {0xcafe4a11, "bpf"},
    {0x62656570, "configfs"},   {0x65735543, "fusectl"},
    {0x19800202, "mqueue"},     {0x958458f6, "hugetlbfs"},
    {0x0187, "autofs"},         {0x42494e4d, "binfmt_misc"},
    {0xde5e81e4, "efivarfs"},   {0xf97cff8c, "selinuxfs"},
    {0x43415d53, "smackfs"},    {0x6e736673, "nsfs"},
    {0x67596969, "rpc_pipefs"}, {0x6e667364, "nfsd"},
    {0x50494446, "pidfs"},
};

constexpr unsigned long kTmpfsMagic = 0x01021994;

// devtmpfs is tmpfs to statfs, but a tmpfs may well hold music: the mount
// table tells them apart. It is read only for a tmpfs, which a scan meets
// at a crossing into another file system, rarely.
bool IsDevtmpfs(int folderDescriptor) {
    struct stat st {};
    if (::fstat(folderDescriptor, &st) != 0)
        return false;
    std::unique_ptr<FILE, int (*)(FILE*)> table(std::fopen("/proc/self/mountinfo", "re"),
                                                &std::fclose);
    if (!table)
        return false;
    char device[32];
    std::snprintf(device, sizeof device, " %u:%u ", major(st.st_dev), minor(st.st_dev));
    char* line = nullptr;
    size_t capacity = 0;
    bool found = false;
    // "36 25 0:5 / /dev rw,nosuid - devtmpfs udev rw,...": the device is the
    // third field, the type follows the " - ".
    while (!found && ::getline(&line, &capacity, table.get()) > 0) {
        const char* at = std::strstr(line, device);
        const char* dash = std::strstr(line, " - ");
        found = at != nullptr && dash != nullptr && at < dash &&
                std::strncmp(dash, " - devtmpfs ", 12) == 0;
    }
    std::free(line);
    return found;
}

}  // namespace

QString PseudoFileSystemOf(int folderDescriptor) {
    struct statfs fs {};
    if (::fstatfs(folderDescriptor, &fs) != 0)
        return QString();
    const auto type = static_cast<unsigned long>(fs.f_type);
    for (const PseudoType& pseudo : kPseudoTypes) {
        if (type == pseudo.magic)
            return QString::fromLatin1(pseudo.name);
    }
    if (type == kTmpfsMagic && IsDevtmpfs(folderDescriptor))
        return QStringLiteral("devtmpfs");
    return QString();
}
