#include "settings/store/RegistryFile.h"

#include "settings/store/RegistrySyntax.h"

using namespace RegistrySyntax;

RegistryFile RegistryFile::parse(const QByteArray& data, const QString& keyName) {
    RegistryFile file;
    QList<QByteArray> lines = data.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    if (!lines.isEmpty() && lines.first().startsWith("\xEF\xBB\xBF"))
        lines.first().remove(0, 3);

    // Lines above any section line are the key's own: the file is the key's.
    bool own = true;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QByteArray& raw = lines.at(i);
        const std::optional<QString> decoded = decodeLine(raw);
        const QString line = decoded ? decoded->trimmed() : QString();
        if (line.startsWith(QLatin1Char('['))) {
            if (const std::optional<QString> section = sectionName(line)) {
                own = section->compare(keyName, Qt::CaseInsensitive) == 0;
                if (!own)
                    file.m_otherSections.append(raw);
                continue;
            }
        }
        if (!own) {
            file.m_otherSections.append(raw);
            continue;
        }
        if (decoded && line.isEmpty())
            continue;
        if (!decoded || line.startsWith(QLatin1Char(';')) || line.startsWith(QLatin1Char('#'))) {
            Entry kept;
            kept.raw = raw;
            file.add(kept);
            continue;
        }
        i = file.addValueLine(lines, i, line);
    }
    return file;
}

qsizetype RegistryFile::addValueLine(const QList<QByteArray>& lines, qsizetype i,
                                     const QString& line) {
    Entry entry;
    entry.raw = lines.at(i);
    qsizetype pos = 0;
    std::optional<QString> name;
    if (line.startsWith(QLatin1Char('@'))) {
        name = QString();
        pos = 1;
    } else {
        name = unquote(line, pos);
    }
    const qsizetype equals = name ? line.indexOf(QLatin1Char('='), pos) : -1;
    if (!name || equals < 0 || !line.mid(pos, equals - pos).trimmed().isEmpty()) {
        add(entry);
        return i;
    }
    entry.isValue = true;
    entry.name = *name;
    QString data = line.mid(equals + 1).trimmed();
    // Only hex data goes on in the next line, and only with more hex digits:
    // a string, a number or garbage that ends in "\" never takes in the next
    // line, nor does hex data take in a value, a section line or a blank one.
    if (isHexData(data)) {
        while (data.endsWith(QLatin1Char('\\')) && i + 1 < lines.size()) {
            const std::optional<QString> next = decodeLine(lines.at(i + 1));
            if (!next || !isHexContinuation(next->trimmed()))
                break;
            ++i;
            entry.raw += '\n' + lines.at(i);
            data.chop(1);
            data += next->trimmed();
        }
        entry.open = data.endsWith(QLatin1Char('\\'));
    }
    entry.value = parseData(data);
    add(entry);
    return i;
}

QByteArray RegistryFile::serialize(const QString& keyName) const {
    QByteArray out = formatSection(keyName).toUtf8() + '\n';
    for (const Entry& entry : m_entries) {
        if (!entry.raw.isEmpty() || !entry.value)
            out += entry.raw;
        else
            out += formatValue(entry.name, *entry.value).toUtf8();
        out += '\n';
        if (entry.open)
            out += '\n';
    }
    for (const QByteArray& line : m_otherSections) {
        out += line;
        out += '\n';
    }
    return out;
}

const RegistryValue* RegistryFile::find(const QString& name) const {
    const auto it = m_byName.constFind(name.toCaseFolded());
    if (it == m_byName.constEnd())
        return nullptr;
    const Entry& entry = m_entries.at(*it);
    return entry.value ? &*entry.value : nullptr;
}

void RegistryFile::set(const QString& name, const RegistryValue& value) {
    Entry entry;
    entry.isValue = true;
    entry.name = name;
    entry.value = value;
    add(entry);
}

QStringList RegistryFile::names() const {
    QStringList result;
    for (const Entry& entry : m_entries) {
        if (entry.isValue)
            result.append(entry.name);
    }
    return result;
}

QList<QByteArray> RegistryFile::keptLines() const {
    QList<QByteArray> result;
    for (const Entry& entry : m_entries) {
        if (!entry.isValue)
            result.append(entry.raw);
    }
    return result + m_otherSections;
}

void RegistryFile::add(Entry entry) {
    if (!entry.isValue) {
        m_entries.append(entry);
        return;
    }
    const QString key = entry.name.toCaseFolded();
    const auto it = m_byName.constFind(key);
    if (it != m_byName.constEnd()) {
        m_entries[*it] = entry;
        return;
    }
    m_byName.insert(key, m_entries.size());
    m_entries.append(entry);
}
