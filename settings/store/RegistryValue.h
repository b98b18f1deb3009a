#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// One value of a settings key, in one of the forms of Wine's registry files:
// "text", str(N):"text", dword:0000002a, hex:.. or hex(N):..
struct RegistryValue {
    // Value kinds as the registry numbers them.
    static constexpr int kString = 1;        // REG_SZ
    static constexpr int kExpandString = 2;  // REG_EXPAND_SZ
    static constexpr int kBinary = 3;        // REG_BINARY
    static constexpr int kDword = 4;         // REG_DWORD

    enum class Form { Text, Dword, Hex };

    int kind = kString;
    Form form = Form::Text;
    QString text;        // Form::Text
    quint32 number = 0;  // Form::Dword
    QByteArray bytes;    // Form::Hex: the data as stored

    bool operator==(const RegistryValue&) const = default;

    static RegistryValue fromString(const QString& text);
    static RegistryValue fromDword(quint32 number);

    bool isStringKind() const { return kind == kString || kind == kExpandString; }
    // The text of a string kind. Hex data holds UTF-16LE text up to the first
    // NUL, as Wine writes it; no data at all is the empty text.
    QString stringData() const;
    // The number of a DWORD; nothing when its data is not exactly four bytes.
    std::optional<quint32> dwordData() const;
};
