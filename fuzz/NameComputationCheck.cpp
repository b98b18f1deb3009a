#include "fuzz/NameComputationCheck.h"

#include <climits>

#include "engine/FilenameScheme.h"
#include "engine/NameComputation.h"
#include "engine/SafeRename.h"
#include "fuzz/FuzzInput.h"

namespace {

constexpr qsizetype kHeader = 1 + 2 * kSlotCount;

// A slot's kind from one byte: the seven items, or no selection.
int SlotKind(char byte) {
    const int kind = static_cast<unsigned char>(byte) % 8;
    return kind == 7 ? -1 : kind;
}

FilenameScheme SchemeOf(QByteArrayView kinds, const QList<QByteArray>& dividers) {
    FilenameScheme scheme;
    for (int k = 0; k < kSlotCount; ++k)
        scheme.slots[k] = SlotKind(kinds[k]);
    for (int k = 0; k < kDividerCount; ++k)
        scheme.dividers[k] = QString::fromUtf8(dividers.at(k));
    return scheme;
}

QString Describe(const QString& what, const QString& text) {
    QString codes;
    for (const QChar c : text)
        codes += QStringLiteral(" %1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
    return what + QStringLiteral(":") + codes;
}

// The bytes the execute run would use for a text: a path below the folder
// that it can name, or nothing.
QString CheckEncoded(const QString& text) {
    const std::optional<QByteArray> encoded = EncodeNewName(text);
    if (!encoded)
        return QString();
    if (encoded->isEmpty() || encoded->startsWith('/') || encoded->contains('\0'))
        return Describe(QStringLiteral("encoded path not below its folder"), text);
    const QByteArray last = encoded->mid(encoded->lastIndexOf('/') + 1);
    if (last.isEmpty() || last == "." || last == ".." || last.size() > NAME_MAX)
        return Describe(QStringLiteral("encoded path names no file"), text);
    return QString();
}

}  // namespace

QString CheckNameComputation(QByteArrayView input) {
    if (input.size() < kHeader)
        return QString();
    const char flags = input[0];
    const NameOptions options{(flags & 1) != 0, (flags & 2) != 0};
    // Name, folder path, four existing-name dividers, four new-name dividers.
    const QList<QByteArray> fields = SplitFuzzFields(input.sliced(kHeader), 2 + 2 * kDividerCount);
    const QString name = QString::fromUtf8(fields.at(0));
    const FolderNames names = FolderAndParentName(QString::fromUtf8(fields.at(1)));
    const SlotList in = ActiveSlots(SchemeOf(input.sliced(1, kSlotCount), fields.mid(2, 4)));
    const SlotList out =
        ActiveSlots(SchemeOf(input.sliced(1 + kSlotCount, kSlotCount), fields.mid(6, 4)));

    const NameResult result = ComputeNewName(name, names, in, out, options);
    const QString& proposal = result.newName;
    if (result.status.isEmpty())
        return Describe(QStringLiteral("no status for the name"), name);
    if (proposal.contains(QChar(0)))
        return Describe(QStringLiteral("proposal holds NUL"), proposal);
    if (proposal.startsWith(QLatin1Char('/')))
        return Describe(QStringLiteral("proposal begins with \"/\""), proposal);
    if (!proposal.isEmpty() && proposal == name)
        return Describe(QStringLiteral("proposal is the name itself"), proposal);
    const NameResult again = ComputeNewName(name, names, in, out, options);
    if (again.newName != proposal || again.status != result.status)
        return Describe(QStringLiteral("a second computation differs"), name);
    if (const QString problem = CheckEncoded(proposal); !problem.isEmpty())
        return problem;
    // Any text at all, as a manual rename or Search & Replace may make it.
    return CheckEncoded(QString::fromUtf8(fields.at(0) + fields.at(6)));
}
