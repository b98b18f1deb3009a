#include "support/ExfatMount.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>

#include <sys/vfs.h>
#include <unistd.h>

namespace {

constexpr long kFuseMagic = 0x65735546;

QString Tool(const QString& name) {
    return QStandardPaths::findExecutable(name, {"/usr/sbin", "/sbin", "/usr/bin", "/bin"});
}

// Runs a tool; returns its standard output, or sets error.
QString RunTool(const QString& name, const QStringList& arguments, QString* error) {
    QProcess process;
    process.start(Tool(name), arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        *error = QString("%1 %2: %3")
                     .arg(name, arguments.join(' '),
                          QString::fromLocal8Bit(process.readAllStandardError()));
        return {};
    }
    error->clear();
    return QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
}

}  // namespace

ExfatMount::~ExfatMount() {
    QString error;
    // The FUSE daemon may still hold the mount for a moment after the last use.
    for (int i = 0; i < 20 && !m_mounted.isEmpty(); ++i) {
        RunTool("umount", {m_mounted}, &error);
        if (error.isEmpty())
            m_mounted.clear();
        else
            QThread::msleep(100);
    }
    if (!m_device.isEmpty())
        RunTool("losetup", {"-d", m_device}, &error);
}

QString ExfatMount::setUp() {
    if (::geteuid() != 0)
        return "needs root to attach a loop device and mount it";
    if (!QFile::exists("/dev/fuse"))
        return "needs /dev/fuse";
    for (const char* tool : {"losetup", "mkfs.exfat", "mount.exfat-fuse", "umount"}) {
        if (Tool(tool).isEmpty())
            return QString("needs %1 (packages exfat-fuse, exfatprogs)").arg(tool);
    }
    if (!m_work.isValid())
        return "no temporary folder";
    const QString image = m_work.path() + "/exfat.img";
    QFile file(image);
    if (!file.open(QIODevice::WriteOnly) || !file.resize(8 * 1024 * 1024))
        return "cannot make the image";
    file.close();
    QString error;
    m_device = RunTool("losetup", {"-f", "--show", image}, &error);
    if (!error.isEmpty())
        return "no free loop device: " + error;
    RunTool("mkfs.exfat", {m_device}, &error);
    if (!error.isEmpty())
        return error;
    const QString mountPoint = m_work.path() + "/mnt";
    if (!QDir().mkpath(mountPoint))
        return "cannot make the mount point";
    RunTool("mount.exfat-fuse", {m_device, mountPoint}, &error);
    if (!error.isEmpty())
        return error;
    m_mounted = mountPoint;
    struct statfs fs {};
    if (::statfs(QFile::encodeName(mountPoint).constData(), &fs) != 0 || fs.f_type != kFuseMagic)
        return "the image did not mount through FUSE";
    return {};
}

QByteArray ExfatMount::path() const {
    return QFile::encodeName(m_mounted);
}
