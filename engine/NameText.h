#pragma once

#include <QByteArray>
#include <QString>

// A name's text as a row keeps it: in UTF-8, which for the names a library
// is made of takes about half the memory of a QString. It gives back exactly
// the text it was made from: a text with no UTF-8 form (one with an unpaired
// surrogate, which an edit can leave) is kept as its UTF-16 units behind a
// byte that begins no UTF-8 text.
class NameText {
public:
    NameText() = default;
    // Rows are filled from texts, and read as texts.
    NameText(const QString& text);  // NOLINT(google-explicit-constructor)
    NameText(const char16_t* text) : NameText(QString::fromUtf16(text)) {}  // NOLINT
    // Bytes known to be well-formed UTF-8 (as the scan's listing proves
    // them), kept as they are.
    static NameText fromWellFormedUtf8(const QByteArray& utf8);

    QString toString() const;
    operator QString() const { return toString(); }  // NOLINT(google-explicit-constructor)

    bool isEmpty() const { return m_bytes.isEmpty(); }
    void clear() { m_bytes.clear(); }
    // Whether the text holds the ASCII character c.
    bool contains(char c) const;
    // The text's UTF-8 form; nothing for a text that has none.
    const QByteArray* utf8() const { return hasUtf8Form() ? &m_bytes : nullptr; }
    // As QString::toUtf8 gives it.
    QByteArray toUtf8() const { return hasUtf8Form() ? m_bytes : toString().toUtf8(); }

    // One text has one form: equal texts, equal bytes.
    friend bool operator==(const NameText& a, const NameText& b) { return a.m_bytes == b.m_bytes; }
    friend bool operator==(const NameText& a, const QString& b) { return a == NameText(b); }

private:
    bool hasUtf8Form() const { return m_bytes.isEmpty() || m_bytes.front() != kUtf16Mark; }

    static constexpr char kUtf16Mark = '\xff';
    QByteArray m_bytes;
};
Q_DECLARE_TYPEINFO(NameText, Q_RELOCATABLE_TYPE);
