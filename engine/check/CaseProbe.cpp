#include "engine/check/CaseProbe.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>

namespace {

constexpr int kTries = 3;

// The name with the case of its ASCII letters turned; empty when it has none.
QByteArray TurnedCase(const QByteArray& name) {
    QByteArray turned = name;
    bool changed = false;
    for (char& c : turned) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
            changed = true;
        } else if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
            changed = true;
        }
    }
    return changed ? turned : QByteArray();
}

bool Present(int folder, const QByteArray& name, int* error) {
    struct stat st {};
    if (::fstatat(folder, name.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0)
        return true;
    *error = errno;
    return false;
}

}  // namespace

LetterCase ProbeLetterCase(int folder, const QVector<QByteArray>& names,
                           const QVector<EntryKind>& kinds) {
    int tries = 0;
    for (const EntryKind wanted : {EntryKind::Folder, EntryKind::File}) {
        for (qsizetype i = 0; i < names.size() && tries < kTries; ++i) {
            const QByteArray& name = names.at(i);
            if (kinds.at(i) != wanted)
                continue;
            const QByteArray turned = TurnedCase(name);
            // A name whose turned spelling is itself listed tells nothing.
            if (turned.isEmpty() || name.contains('\0') || names.contains(turned))
                continue;
            ++tries;
            int error = 0;
            if (Present(folder, turned, &error))
                return LetterCase::Ignores;
            if (error == ENOENT && Present(folder, name, &error))
                return LetterCase::Keeps;
        }
    }
    return LetterCase::Unknown;
}
