#pragma once

// Helpers of the rename tests: real files in a temporary folder, addressed by
// their exact bytes, and recording stand-ins for the window.

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QMap>
#include <QSet>
#include <QStringList>
#include <QTemporaryDir>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <memory>
#include <stdexcept>

#include "engine/ResultModel.h"
#include "engine/RowSelection.h"
#include "engine/WindowServices.h"

namespace disk {

inline QByteArray Join(const QByteArray& folder, const QByteArray& name) {
    return folder.endsWith('/') ? folder + name : folder + '/' + name;
}

inline bool WriteFile(const QByteArray& path, const QByteArray& contents) {
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        return false;
    const bool ok = ::write(fd, contents.constData(), contents.size()) == contents.size();
    return ::close(fd) == 0 && ok;
}

inline QByteArray ReadFile(const QByteArray& path) {
    const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return QByteArrayLiteral("<missing>");
    QByteArray contents;
    char buffer[4096];
    ssize_t n;
    while ((n = ::read(fd, buffer, sizeof buffer)) > 0)
        contents.append(buffer, n);
    ::close(fd);
    return contents;
}

// The exact names a folder lists, "." and ".." left out, sorted bytewise.
inline QList<QByteArray> ListNames(const QByteArray& folder) {
    QList<QByteArray> names;
    std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(folder.constData()), &::closedir);
    if (!dir)
        return names;
    while (const dirent* entry = ::readdir(dir.get())) {
        const QByteArray name(entry->d_name);
        if (name != "." && name != "..")
            names.append(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

// A whole tree as one line an entry, sorted: "name:contents" for a file,
// "name/" for a folder (then its entries as "name/inner..."), "name->target"
// for a link. Names are shown decoded so that failures read well.
inline QStringList Describe(const QByteArray& root, const QByteArray& prefix = {}) {
    QStringList lines;
    for (const QByteArray& name : ListNames(root)) {
        const QByteArray path = Join(root, name);
        const QString shown = QFile::decodeName(prefix + name);
        struct stat st {};
        if (::lstat(path.constData(), &st) != 0)
            continue;
        if (S_ISLNK(st.st_mode)) {
            char target[4096];
            const ssize_t n = ::readlink(path.constData(), target, sizeof target);
            lines << shown + "->" + QFile::decodeName(QByteArray(target, n < 0 ? 0 : n));
        } else if (S_ISDIR(st.st_mode)) {
            lines << shown + "/";
            lines << Describe(path, prefix + name + '/');
        } else {
            lines << shown + ":" + QString::fromUtf8(ReadFile(path));
        }
    }
    lines.sort();
    return lines;
}

// Removes a folder and everything in it, names that are not valid UTF-8
// included (QDir skips those, and would leave the folder behind).
inline bool RemoveTree(const QByteArray& path) {
    struct stat st {};
    if (::lstat(path.constData(), &st) != 0)
        return false;
    if (!S_ISDIR(st.st_mode))
        return ::unlink(path.constData()) == 0;
    bool ok = true;
    for (const QByteArray& name : ListNames(path))
        ok = RemoveTree(Join(path, name)) && ok;
    return ::rmdir(path.constData()) == 0 && ok;
}

// A temporary folder that is removed with all it holds.
class TemporaryFolder {
public:
    TemporaryFolder() { m_dir.setAutoRemove(false); }
    ~TemporaryFolder() {
        if (m_dir.isValid())
            RemoveTree(path());
    }
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    bool isValid() const { return m_dir.isValid(); }
    QByteArray path() const { return QFile::encodeName(m_dir.path()); }

private:
    QTemporaryDir m_dir;
};

// Makes entries below root, each in the form Describe gives, plus
// "name=other" for a second hard link to the file other. Returns false when
// any entry could not be made.
inline bool Build(const QByteArray& root, const QStringList& entries) {
    for (const QString& entry : entries) {
        bool ok = false;
        if (entry.endsWith('/')) {
            ok = ::mkdir(Join(root, QFile::encodeName(entry.chopped(1))).constData(), 0755) == 0;
        } else if (entry.contains("->")) {
            const QStringList parts = entry.split("->");
            ok = ::symlink(QFile::encodeName(parts[1]).constData(),
                           Join(root, QFile::encodeName(parts[0])).constData()) == 0;
        } else if (entry.contains('=')) {
            const QStringList parts = entry.split('=');
            ok = ::link(Join(root, QFile::encodeName(parts[1])).constData(),
                        Join(root, QFile::encodeName(parts[0])).constData()) == 0;
        } else {
            const qsizetype colon = entry.indexOf(':');
            ok = WriteFile(Join(root, QFile::encodeName(entry.left(colon))),
                           entry.mid(colon + 1).toUtf8());
        }
        if (!ok)
            return false;
    }
    return true;
}

// Every file's contents and every link's target below root, with how often
// each occurs: what must stay the same however the names change.
inline QMap<QByteArray, int> ContentsOnDisk(const QByteArray& root) {
    QMap<QByteArray, int> contents;
    for (const QByteArray& name : ListNames(root)) {
        const QByteArray path = Join(root, name);
        struct stat st {};
        if (::lstat(path.constData(), &st) != 0)
            continue;
        if (S_ISDIR(st.st_mode)) {
            const QMap<QByteArray, int> inner = ContentsOnDisk(path);
            for (auto it = inner.cbegin(); it != inner.cend(); ++it)
                contents[it.key()] += it.value();
        } else if (S_ISLNK(st.st_mode)) {
            char target[4096];
            const ssize_t n = ::readlink(path.constData(), target, sizeof target);
            ++contents["link " + QByteArray(target, n < 0 ? 0 : n)];
        } else {
            ++contents["file " + ReadFile(path)];
        }
    }
    return contents;
}

}  // namespace disk

// Records every call a run makes on the window, in order.
class RecordingServices : public WindowServices {
public:
    QStringList log;
    QList<int> positions;

    void processPendingMessages() override { log << "events"; }
    void beginBusy() override { log << "busy"; }
    void endBusy() override { log << "idle"; }
    void showProgressBar() override { log << "show"; }
    void hideProgressBar() override { log << "hide"; }
    void setProgressPosition(int position) override {
        log << QString("position %1").arg(position);
        positions << position;
    }
};

// A selection given as a set of rows; failAt makes asking about that row throw,
// to stand for an error raised in the middle of a run.
class SetSelection : public RowSelection {
public:
    explicit SetSelection(QSet<int> rows, int failAt = -1)
        : m_rows(std::move(rows)), m_failAt(failAt) {}
    int count() const override { return static_cast<int>(m_rows.size()); }
    bool isSelected(int row) const override {
        if (row == m_failAt)
            throw std::runtime_error("selection failed");
        return m_rows.contains(row);
    }

private:
    QSet<int> m_rows;
    int m_failAt;
};

// A file row as the scan makes it, with the bytes on disk.
inline ResultRow FileRow(const QByteArray& folder, const QByteArray& name,
                         const QString& newName = {}, const QString& status = {}) {
    ResultRow row;
    row.existing = QFile::decodeName(name);
    row.setFolder(QFile::decodeName(folder), folder);
    row.setExistingBytes(name);
    row.newName = newName;
    row.status = status;
    return row;
}

// One file row in folder for each proposal "existing>new".
inline void AddProposals(ResultModel& model, const QByteArray& folder,
                         const QStringList& proposals) {
    for (const QString& proposal : proposals) {
        const QStringList parts = proposal.split('>');
        model.appendRows({FileRow(folder, QFile::encodeName(parts[0]), parts[1])});
    }
}

inline ResultRow FolderRow(const QString& label) {
    ResultRow row;
    row.existing = "[" + label + "]";
    return row;
}
