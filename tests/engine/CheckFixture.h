#pragma once

// Helpers of the check tests: a folder on ext4 (the temporary folder) or on
// the exFAT image, rows written in a short form, and the reasons as words.

#include <QFile>
#include <QStringList>
#include <QTest>

#include <sys/stat.h>

#include <memory>

#include "DiskFixture.h"
#include "engine/ResultModel.h"
#include "engine/check/RenameCheck.h"
#include "support/ExfatMount.h"

namespace check {

// The file systems a test runs on: the temporary folder's (ext4 here) and,
// when it can be mounted, the exFAT image, which ignores letter case.
class FileSystems {
public:
    void setUp() {
        m_exfat = std::make_unique<ExfatMount>();
        m_problem = m_exfat->setUp();
        if (!m_problem.isEmpty())
            m_exfat.reset();
    }
    void tearDown() { m_exfat.reset(); }

    // A fresh folder on the named file system; empty with *skip set when it
    // is not there.
    QByteArray folder(const QString& fileSystem, QString* skip) {
        if (fileSystem == "ext4")
            return m_temporary.path() + "/t" + QByteArray::number(++m_count);
        if (!m_exfat) {
            *skip = "exFAT test folder not available: " + m_problem;
            return {};
        }
        return m_exfat->path() + "/t" + QByteArray::number(++m_count);
    }

private:
    disk::TemporaryFolder m_temporary;
    std::unique_ptr<ExfatMount> m_exfat;
    QString m_problem;
    int m_count = 0;
};

// Rows in a short form, one a string: "name>new" for a file row with a
// proposal, "name" for one without; a name with a folder part ("Live/x.mp3")
// is a row of that subfolder. Folder rows are not needed by the check.
inline void AddRows(ResultModel& model, const QByteArray& root, const QStringList& rows) {
    for (const QString& row : rows) {
        const QStringList parts = row.split('>');
        const QByteArray path = QFile::encodeName(parts[0]);
        const qsizetype slash = path.lastIndexOf('/');
        const QByteArray folder = slash < 0 ? root : root + '/' + path.left(slash);
        const QByteArray name = path.mid(slash + 1);
        model.appendRows({FileRow(folder, name, parts.size() > 1 ? parts[1] : QString())});
    }
}

inline QString Word(CheckReason reason) {
    return QString::fromLatin1(CheckReasonWordOf(reason));
}

}  // namespace check
