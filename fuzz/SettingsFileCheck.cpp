#include "fuzz/SettingsFileCheck.h"

#include <QStringDecoder>

#include "settings/store/RegistryFile.h"

namespace {

const QString kKey = QStringLiteral("Software\\Tarnik\\Norvane\\norvane");

QList<QByteArray> LinesOf(const QByteArray& data) {
    QList<QByteArray> lines = data.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

bool IsUtf8(const QByteArray& line) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder(line);
    return !decoder.hasError() && !text.contains(QChar(0));
}

bool SameValue(const RegistryValue* a, const RegistryValue* b) {
    return a == b || (a && b && *a == *b);
}

// Every value of `before` that is not in `except` reads the same in `after`.
QString CompareValues(const RegistryFile& before, const RegistryFile& after,
                      const QStringList& except = {}) {
    for (const QString& name : before.names()) {
        if (except.contains(name, Qt::CaseInsensitive))
            continue;
        if (!SameValue(before.find(name), after.find(name)))
            return QStringLiteral("value \"%1\" changed").arg(name);
    }
    return QString();
}

// Whether every one of `kept` is a line of `lines`, in the same order.
bool InOrder(const QList<QByteArray>& kept, const QList<QByteArray>& lines) {
    qsizetype at = 0;
    for (const QByteArray& item : kept) {
        // A kept entry is one line; a value's continued lines stay together.
        const QList<QByteArray> parts = item.split('\n');
        while (at < lines.size() && lines.mid(at, parts.size()) != parts)
            ++at;
        if (at >= lines.size())
            return false;
        at += parts.size();
    }
    return true;
}

// Parses data, and checks that serialising and parsing again keeps it.
QString CheckRoundTrip(const QByteArray& data, RegistryFile& parsed, QByteArray& serialized) {
    parsed = RegistryFile::parse(data, kKey);
    serialized = parsed.serialize(kKey);
    const RegistryFile again = RegistryFile::parse(serialized, kKey);
    if (again.serialize(kKey) != serialized)
        return QStringLiteral("serialising is not stable");
    if (again.names() != parsed.names())
        return QStringLiteral("value names differ after a round trip");
    if (const QString problem = CompareValues(parsed, again); !problem.isEmpty())
        return problem + QStringLiteral(" in a round trip");
    if (again.keptLines() != parsed.keptLines())
        return QStringLiteral("kept lines differ after a round trip");
    if (!InOrder(parsed.keptLines(), LinesOf(serialized)))
        return QStringLiteral("a kept line is not written");
    return QString();
}

}  // namespace

QString CheckSettingsFile(QByteArrayView input) {
    const QByteArray data = input.toByteArray();
    RegistryFile file;
    QByteArray serialized;
    if (const QString problem = CheckRoundTrip(data, file, serialized); !problem.isEmpty())
        return problem;

    // A line that is not UTF-8 is never a value nor a section line: it is
    // written as it was read (the byte order mark of the first line aside).
    const QList<QByteArray> written = LinesOf(serialized);
    QList<QByteArray> lines = LinesOf(data);
    if (!lines.isEmpty() && lines.first().startsWith("\xEF\xBB\xBF"))
        lines.first().remove(0, 3);
    for (const QByteArray& line : lines) {
        if (!IsUtf8(line) && !written.contains(line))
            return QStringLiteral("a line that is not UTF-8 is lost");
    }

    // The program's writes: new values, and one over the file's first value.
    // Their texts are whole Unicode text, as the window's controls give: no
    // part of the input is cut between the two halves of a surrogate pair.
    const RegistryFile before = file;
    const QString text = QString::fromUtf8(data.left(64));
    QList<std::pair<QString, RegistryValue>> writes = {
        {QStringLiteral("Extensions"), RegistryValue::fromString(text)},
        {QStringLiteral("MainTop"), RegistryValue::fromDword(quint32(qHash(data)))},
    };
    QStringList writtenNames = {writes[0].first, writes[1].first};
    const QStringList names = file.names();
    if (!names.isEmpty() && !writtenNames.contains(names.first(), Qt::CaseInsensitive)) {
        writes.append({names.first(), RegistryValue::fromString("written over: " + text)});
        writtenNames.append(names.first());
    }
    for (const auto& [name, value] : writes)
        file.set(name, value);

    RegistryFile saved;
    QByteArray savedBytes;
    if (const QString problem = CheckRoundTrip(file.serialize(kKey), saved, savedBytes);
        !problem.isEmpty())
        return problem + QStringLiteral(" after the program's writes");
    for (const auto& [name, value] : writes) {
        if (!SameValue(saved.find(name), &value))
            return QStringLiteral("the program's value \"%1\" does not read back").arg(name);
    }
    if (const QString problem = CompareValues(before, saved, writtenNames); !problem.isEmpty())
        return problem + QStringLiteral(" by the program's writes");
    if (saved.keptLines() != before.keptLines())
        return QStringLiteral("the program's writes change kept lines");
    return QString();
}
