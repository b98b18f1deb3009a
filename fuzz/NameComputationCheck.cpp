#include "fuzz/NameComputationCheck.h"

#include <climits>

#include "engine/FileNameText.h"
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

// The options byte: bits 0 and 1 the two first options, bit 2 "Unicode
// NFC", bits 3 and 4 "Pad Track#" (off, 2, 3 or 4 digits), bits 5 and 6 the
// capitalisation, bit 7 "Safe for FAT/exFAT/NTFS".
NameOptions OptionsOf(unsigned char flags, const QByteArray& replacement) {
    NameOptions options{(flags & 1) != 0, (flags & 2) != 0};
    options.normalizeNfc = (flags & 4) != 0;
    const int pad = (flags >> 3) & 3;
    options.padTrackDigits = pad == 0 ? 0 : kPadTrackMinDigits + pad - 1;
    options.capitalisation = static_cast<Capitalisation>((flags >> 5) & 3);
    options.safeNames = (flags & 0x80) != 0;
    options.safeReplacement = QString::fromUtf8(replacement);
    return options;
}

bool HoldsUnsafe(const QString& text) {
    for (const QChar c : text) {
        if (IsUnsafeNameCharacter(c))
            return true;
    }
    return false;
}

// What the clean-up options promise of every proposal.
QString CheckCleanUp(const QString& proposal, const NameOptions& options) {
    if (proposal.isEmpty())
        return QString();
    if (options.safeNames &&
        (HoldsUnsafe(proposal) || proposal.endsWith(u'.') || proposal.endsWith(u' ')))
        return Describe(QStringLiteral("proposal not safe for FAT"), proposal);
    if (options.normalizeNfc && proposal != proposal.normalized(QString::NormalizationForm_C))
        return Describe(QStringLiteral("proposal not in NFC"), proposal);
    return QString();
}

}  // namespace

QString CheckNameComputation(QByteArrayView input) {
    if (input.size() < kHeader)
        return QString();
    // Name, folder path, four existing-name dividers, four new-name dividers,
    // the safe replacement, and a byte for the legacy encoding.
    const QList<QByteArray> fields = SplitFuzzFields(input.sliced(kHeader), 4 + 2 * kDividerCount);
    const NameOptions options = OptionsOf(static_cast<unsigned char>(input[0]), fields.at(10));
    // The name as the scan reads its bytes: UTF-8, or else the legacy encoding.
    const LegacyEncoding legacy =
        LegacyEncodingAt(fields.at(11).isEmpty()
                             ? 0
                             : static_cast<unsigned char>(fields.at(11)[0]) % kLegacyEncodingCount);
    const ListedName listed = DecodeListedName(fields.at(0), legacy);
    const QString& name = listed.text;
    const QString folderPath = QString::fromUtf8(fields.at(1));
    const FolderNames names = FolderAndParentName(folderPath);
    const SlotList in = ActiveSlots(SchemeOf(input.sliced(1, kSlotCount), fields.mid(2, 4)));
    const SlotList out =
        ActiveSlots(SchemeOf(input.sliced(1 + kSlotCount, kSlotCount), fields.mid(6, 4)));

    const NameResult result =
        ComputeNewName(name, names, in, out, options, NameStatusTexts(), listed.notUtf8);
    const QString& proposal = result.newName;
    if (result.status.isEmpty())
        return Describe(QStringLiteral("no status for the name"), name);
    if (proposal.contains(QChar(0)))
        return Describe(QStringLiteral("proposal holds NUL"), proposal);
    if (proposal.startsWith(QLatin1Char('/')))
        return Describe(QStringLiteral("proposal begins with \"/\""), proposal);
    // Only a name whose bytes are not UTF-8 is renamed to its own text.
    if (!proposal.isEmpty() && proposal == name && !listed.notUtf8)
        return Describe(QStringLiteral("proposal is the name itself"), proposal);
    // A replacement character comes only from a text that holds one: the
    // name, the folder, a divider or the safe replacement (which, not being
    // UTF-8, reads with one).
    QString inputs = name + folderPath + options.safeReplacement;
    for (const QByteArray& divider : fields.mid(2, 2 * kDividerCount))
        inputs += QString::fromUtf8(divider);
    if (proposal.contains(QChar::ReplacementCharacter) &&
        !inputs.contains(QChar::ReplacementCharacter))
        return Describe(QStringLiteral("proposal holds a replacement character"), proposal);
    if (const QString problem = CheckCleanUp(proposal, options); !problem.isEmpty())
        return problem;
    const NameResult again =
        ComputeNewName(name, names, in, out, options, NameStatusTexts(), listed.notUtf8);
    if (again.newName != proposal || again.status != result.status)
        return Describe(QStringLiteral("a second computation differs"), name);
    if (const QString problem = CheckEncoded(proposal); !problem.isEmpty())
        return problem;
    // Any text at all, as a manual rename or Search & Replace may make it.
    return CheckEncoded(QString::fromUtf8(fields.at(0) + fields.at(6)));
}
