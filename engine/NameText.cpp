#include "engine/NameText.h"

#include <cstring>
#include <optional>

#include "engine/FileNameText.h"

NameText::NameText(const QString& text) {
    if (text.isEmpty())
        return;
    if (std::optional<QByteArray> utf8 = Utf8Form(text)) {
        m_bytes = std::move(*utf8);
        return;
    }
    const qsizetype units = text.size() * qsizetype(sizeof(char16_t));
    m_bytes = QByteArray(1 + units, Qt::Uninitialized);
    m_bytes[0] = kUtf16Mark;
    std::memcpy(m_bytes.data() + 1, text.constData(), units);
}

NameText NameText::fromWellFormedUtf8(const QByteArray& utf8) {
    NameText name;
    name.m_bytes = utf8;
    return name;
}

QString NameText::toString() const {
    if (m_bytes.isEmpty())
        return {};
    if (hasUtf8Form()) {
        QString text;
        DecodeWellFormedUtf8(m_bytes, text);
        return text;
    }
    QString text((m_bytes.size() - 1) / qsizetype(sizeof(char16_t)), Qt::Uninitialized);
    std::memcpy(text.data(), m_bytes.constData() + 1, text.size() * sizeof(char16_t));
    return text;
}

bool NameText::contains(char c) const {
    return hasUtf8Form() ? m_bytes.contains(c) : toString().contains(QLatin1Char(c));
}
