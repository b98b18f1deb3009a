#include "engine/NameComputation.h"

#include <QLocale>
#include <QVarLengthArray>
#include <algorithm>
#include <exception>
#include <limits>

#include "engine/NameComparison.h"
#include "engine/ResultRow.h"
#include "shared/General/Texts.h"

namespace {

// Position of the dot that starts the extension, or -1 when the name has none.
qsizetype ExtensionDot(QStringView name) {
    return name.lastIndexOf(u'.');
}

QStringView NameWithoutExtensionView(QStringView name) {
    const qsizetype dot = ExtensionDot(name);
    // A dot in first place starts no extension for the name part: ".mp3" stays whole.
    return dot >= 1 ? name.left(dot) : name;
}

QStringView ExtensionView(QStringView name) {
    const qsizetype dot = ExtensionDot(name);
    return dot >= 0 ? name.mid(dot) : QStringView();
}

// Blanks and control characters (codes 0 to 32) are cut from both ends of a field.
QStringView TrimControls(QStringView field) {
    qsizetype begin = 0;
    qsizetype end = field.size();
    while (begin < end && field[begin].unicode() <= 32)
        ++begin;
    while (end > begin && field[end - 1].unicode() <= 32)
        --end;
    return field.mid(begin, end - begin);
}

int HexDigit(char16_t c) {
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    return -1;
}

// A track number is a whole 32-bit signed integer of 0 or more: an optional
// sign, then decimal digits, or hexadecimal digits after "$", "x" or "0x".
bool IsTrackNumber(QStringView text) {
    qsizetype i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    int base = 10;
    if (i < text.size() && (text[i] == u'$' || text[i] == u'x' || text[i] == u'X')) {
        base = 16;
        ++i;
    } else if (i + 1 < text.size() && text[i] == u'0' &&
               (text[i + 1] == u'x' || text[i + 1] == u'X')) {
        base = 16;
        i += 2;
    }
    if (i == text.size())
        return false;
    constexpr qint64 kMax = std::numeric_limits<qint32>::max();
    qint64 value = 0;
    for (; i < text.size(); ++i) {
        const int digit = HexDigit(text[i].unicode());
        if (digit < 0 || digit >= base)
            return false;
        value = value * base + digit;
        if (value > kMax)
            return false;
    }
    // "-0" is zero; any other negative number is below 0.
    return !negative || value == 0;
}

// The locale's lower case of an extension. ASCII characters other than the
// capital letters are their own lower case in every locale, so an extension
// of only those (".mp3") needs no look-up.
QString LowerExtension(QStringView ext) {
    for (const QChar c : ext) {
        if (c.unicode() >= 0x80 || (c >= u'A' && c <= u'Z'))
            return QLocale::system().toLower(ext.toString());
    }
    return ext.toString();
}

// A proposal is a path below the row's folder, which the execute run joins
// to the folder with a "/" of its own: the "/" characters a proposal would
// begin with lead nowhere else, and are left out so that it reads as the path
// the file gets (a new-name scheme whose first field is empty and whose first
// divider begins with "/" would otherwise seem to name a path from the root).
void DropLeadingSeparators(QString& name) {
    qsizetype count = 0;
    while (count < name.size() && name.at(count) == u'/')
        ++count;
    if (count > 0)
        name.remove(0, count);
}

// Folder names are matched ignoring case, and canonically equivalent names
// are the same name.
bool EqualIgnoringCase(QStringView a, QStringView b, const QLocale& locale) {
    return SameNameTextIgnoringCase(a.toString(), b.toString(), locale);
}

// Why a name does not fit the existing-name scheme: a text entry and what fills its "%1".
struct FormatError {
    const char* entry = nullptr;
    QString argument;

    QString message() const {
        const QString text = Text(entry);
        return text.contains(QLatin1String("%1")) ? text.arg(argument) : text;
    }
};

// The field of one existing-name slot, cut off the front of rest: up to the
// slot's divider, or the whole rest for the last slot. False and the error
// when the name has no such field.
bool CutField(QStringView& rest, const ActiveSlot& slot, bool last, QStringView& field,
              FormatError& error) {
    const QString& divider = slot.rightDivider;
    if (!last) {
        // A divider at the very start of the rest leaves an empty field: it counts as missing.
        const qsizetype at = divider.isEmpty() ? -1 : rest.indexOf(divider);
        if (at < 1) {
            error = {Texts::kErrDoesNotExist, FieldKindText(static_cast<int>(slot.kind))};
            return false;
        }
        field = rest.left(at);
        rest = rest.mid(at + divider.size());
        return true;
    }
    // The last field is the whole rest. Slot 5 has no divider on its right,
    // and an empty divider occurs nowhere, so neither tests for too many items.
    if (!divider.isEmpty() && rest.contains(divider)) {
        error = {Texts::kErrTooManyItems, QString()};
        return false;
    }
    field = rest;
    return true;
}

// Whether a field (cut of its blanks) fits its slot's kind: not empty, a track
// number, the name of the file's folder or of the folder above it.
bool FieldFits(const ActiveSlot& slot, QStringView field, const FolderNames& names,
               const QLocale& locale, FormatError& error) {
    if (field.isEmpty()) {
        error = {Texts::kErrEmptyField, FieldKindText(static_cast<int>(slot.kind))};
        return false;
    }
    switch (slot.kind) {
        case FieldKind::TrackNo:
            if (!IsTrackNumber(field)) {
                error = {Texts::kErrNotTrackNumber, field.toString()};
                return false;
            }
            return true;
        case FieldKind::Folder:
            if (!EqualIgnoringCase(field, names.folder, locale)) {
                error = {Texts::kErrNotFolderName, field.toString()};
                return false;
            }
            return true;
        case FieldKind::ParentFolder:
            if (!EqualIgnoringCase(field, names.parent, locale)) {
                error = {Texts::kErrNotParentFolderName, field.toString()};
                return false;
            }
            return true;
        default:
            return true;
    }
}

// What each new-name slot holds, one value a slot.
using NewNameValues = QVarLengthArray<QStringView, kSlotCount>;

// A field as the new name writes it, after the clean-up options that apply
// to its kind: the track number padded, the letter case of the other texts
// changed. Empty when no option changes it; the field itself stands then.
QString StyledField(FieldKind kind, QStringView field, const NameOptions& options,
                    const QLocale& locale) {
    switch (kind) {
        case FieldKind::TrackNo:
            if (options.padTrackDigits > 0)
                return PaddedTrackNumber(field, options.padTrackDigits);
            return QString();
        case FieldKind::Artist:
        case FieldKind::Album:
        case FieldKind::Trackname:
            if (options.capitalisation != Capitalisation::AsWritten)
                return Capitalised(field, options.capitalisation, locale);
            return QString();
        default:
            return QString();
    }
}

// Puts a field that fits into the new-name slots of its kind. Later fields
// overwrite what earlier ones set, so a Folder slot keeps the field as
// written only when Folder is the last existing-name slot.
void PlaceField(NewNameValues& values, const SlotList& out, FieldKind kind, QStringView field,
                const FolderNames& names) {
    for (qsizetype t = 0; t < out.size(); ++t) {
        if (out[t].kind == kind)
            values[t] = field;
        else if (out[t].kind == FieldKind::Folder)
            values[t] = names.folder;
        else if (out[t].kind == FieldKind::ParentFolder)
            values[t] = names.parent;
    }
}

// Each new-name field followed by its divider, the last one by the extension;
// with no new-name field there is nothing, not even the extension. Made at
// its final length and filled in place: a name is built for every row.
QString JoinNewName(const NewNameValues& values, const SlotList& out, const QString& ext) {
    qsizetype length = 0;
    for (qsizetype t = 0; t < out.size(); ++t)
        length += values[t].size() + (t + 1 < out.size() ? out[t].rightDivider.size() : ext.size());
    QString composed(length, Qt::Uninitialized);
    QChar* at = composed.data();
    const auto put = [&at](QStringView part) {
        std::copy(part.begin(), part.end(), at);
        at += part.size();
    };
    for (qsizetype t = 0; t < out.size(); ++t) {
        put(values[t]);
        put(t + 1 < out.size() ? QStringView(out[t].rightDivider) : QStringView(ext));
    }
    return composed;
}

// Takes the cleaned base apart by `in` and builds the new name by `out`.
// Returns false and fills `error` when the name does not fit.
bool ComposeNewName(QStringView base, const QString& ext, const FolderNames& names,
                    const SlotList& in, const SlotList& out, const NameOptions& options,
                    QString& composed, FormatError& error) {
    const QLocale locale = QLocale::system();
    // Views are primitive to QVarLengthArray, which leaves them uninitialised.
    NewNameValues values(out.size());
    std::fill(values.begin(), values.end(), QStringView());
    // The fields the clean-up options changed, for the views to look at.
    QVarLengthArray<QString, kSlotCount> styled(in.size());
    QStringView rest = base;
    for (qsizetype s = 0; s < in.size(); ++s) {
        QStringView field;
        if (!CutField(rest, in[s], s + 1 == in.size(), field, error))
            return false;
        field = TrimControls(field);
        if (!FieldFits(in[s], field, names, locale, error))
            return false;
        styled[s] = StyledField(in[s].kind, field, options, locale);
        PlaceField(values, out, in[s].kind, styled[s].isNull() ? field : QStringView(styled[s]),
                   names);
    }
    composed = JoinNewName(values, out, ext);
    return true;
}

// The options that apply to the whole new name: the characters FAT, exFAT
// and NTFS cannot hold, then the composed form, which taking characters out
// could undo ("e", a control character, a combining accent).
QString FinishedName(QString name, const NameOptions& options) {
    if (options.safeNames)
        name = SafeName(name, options.safeReplacement);
    if (options.normalizeNfc)
        name = ComposedName(name);
    return name;
}

// Whether the new name leaves the name as it is. With "Unicode NFC" on, a
// name that is not in the composed form is changed by its composed form;
// otherwise the two forms are the same name.
bool SameAsExisting(const QString& composed, const QString& name, const NameOptions& options) {
    return options.normalizeNfc ? composed == name : SameNameText(composed, name);
}

}  // namespace

QString NameWithoutExtension(const QString& name) {
    return NameWithoutExtensionView(name).toString();
}

QString ExtensionOf(const QString& name) {
    return ExtensionView(name).toString();
}

FolderNames FolderAndParentName(const QString& folderPath) {
    const QStringView path(folderPath);
    const qsizetype slash = path.lastIndexOf(u'/');
    FolderNames names;
    names.folder = path.mid(slash + 1).toString();
    // What remains without the folder name and the "/" before it.
    const QStringView remaining = slash > 0 ? path.left(slash) : QStringView();
    names.parent = remaining.mid(remaining.lastIndexOf(u'/') + 1).toString();
    return names;
}

NameStatusTexts::NameStatusTexts()
    : renamePending(Text(Texts::kStatusRenamePending)),
      alreadyInOutputFormat(Text(Texts::kStatusAlreadyInOutputFormat)),
      noNewName(Text(Texts::kStatusNoNewName)) {}

NameResult ComputeNewName(const QString& name, const FolderNames& names, const SlotList& in,
                          const SlotList& out, const NameOptions& options) {
    return ComputeNewName(name, names, in, out, options, NameStatusTexts());
}

NameResult ComputeNewName(const QString& name, const FolderNames& names, const SlotList& in,
                          const SlotList& out, const NameOptions& options,
                          const NameStatusTexts& texts, bool notUtf8) {
    NameResult result;
    QString cleanedBase;
    QStringView base = NameWithoutExtensionView(name);
    const QStringView ownExt = ExtensionView(name);
    QString ext = ownExt.toString();
    bool cleaned = false;
    bool extChanged = false;
    try {
        if (options.lowercaseExtension) {
            ext = LowerExtension(ownExt);
            extChanged = ext != ownExt;
        }
        if (options.removeUnderscores && base.contains(u'_')) {
            cleanedBase = base.toString();
            cleanedBase.replace(u'_', u' ');
            base = cleanedBase;
            cleaned = true;
        }
        QString composed;
        FormatError error;
        const bool fits = ComposeNewName(base, ext, names, in, out, options, composed, error);
        if (fits) {
            composed = FinishedName(std::move(composed), options);
            DropLeadingSeparators(composed);
        }
        if (!fits) {
            result.status = error.message();
            result.outcome = RowOutcome::NotInputFormat;
        } else if (composed.contains(QChar(0))) {
            // Only a divider can bring it in; no file's name can hold it.
            result.status = Text(Texts::kStatusNulInNewName);
            result.outcome = RowOutcome::NoNewName;
            return result;
        } else if (composed.isEmpty()) {
            // An empty name is no proposal: the row would read "rename pending"
            // while nothing could be renamed.
            result.status = texts.noNewName;
            result.outcome = RowOutcome::NoNewName;
            return result;
        } else if (notUtf8 || !SameAsExisting(composed, name, options)) {
            // A name read in a legacy encoding is renamed to its UTF-8 form
            // even when the text stays the same.
            result.newName = std::move(composed);
            result.status = texts.renamePending;
            result.outcome = RowOutcome::RenamePending;
            return result;
        } else {
            result.status = texts.alreadyInOutputFormat;
            result.outcome = RowOutcome::AlreadyInOutputFormat;
            return result;
        }
    } catch (const std::exception& e) {
        result.status = QString::fromLocal8Bit(e.what());
        result.outcome = RowOutcome::ProcessFailed;
    } catch (...) {
        result.status = Text(Texts::kUnexpectedError);
        result.outcome = RowOutcome::ProcessFailed;
    }
    // A name that does not fit still gets its underscores and extension case
    // cleaned, the options for the whole name applied, and its legacy bytes
    // made UTF-8.
    QString cleanedName;
    cleanedName.reserve(base.size() + ext.size());
    cleanedName += base;
    cleanedName += ext;
    QString finished = FinishedName(cleanedName, options);
    if (cleaned || extChanged || notUtf8 || finished != cleanedName) {
        result.newName = std::move(finished);
        // A listed name holds neither; a name given by other means is held
        // to the same rules as a composed one.
        DropLeadingSeparators(result.newName);
        if (result.newName.contains(QChar(0)))
            result.newName.clear();
    }
    return result;
}

void ComputeNewName(ResultRow& row, const FolderNames& names, const SlotList& in,
                    const SlotList& out, const NameOptions& options) {
    NameResult result =
        ComputeNewName(row.existing, names, in, out, options, NameStatusTexts(), row.nameNotUtf8);
    row.newName = std::move(result.newName);
    row.status = std::move(result.status);
    row.outcome = result.outcome;
}
