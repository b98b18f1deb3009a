#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

#include "settings/store/RegistryValue.h"

// The pieces of Wine's registry file syntax that the settings file is made
// of: quoted texts, the data of a value, section lines. RegistryFile puts
// them together into lines.
namespace RegistrySyntax {

// Texts in the quoted form of the file ("a\"b"), and back; unquote starts at
// pos (a '"') and leaves pos after the closing one.
QString quote(const QString& text);
std::optional<QString> unquote(const QString& text, qsizetype& pos);

// The line of one value as the program writes it.
QString formatValue(const QString& name, const RegistryValue& value);
// The value a line's data part stands for (after "name="); nothing when malformed.
std::optional<RegistryValue> parseData(const QString& data);

// Data of the form hex:.. or hex(N):.., the one form whose line may go on in
// the next when it ends in "\".
bool isHexData(const QString& data);
// A line that can go on with such data: hex digits, commas and blanks, with
// perhaps a "\" at its end, and at least one digit.
bool isHexContinuation(const QString& trimmedLine);

// The key named by a section line "[...]" (escapes undone), whatever follows
// its "]"; nothing when the line is not a well-formed section line.
std::optional<QString> sectionName(const QString& line);
QString formatSection(const QString& keyName);

// Strict UTF-8 without NUL characters; nothing for a line that is not.
std::optional<QString> decodeLine(const QByteArray& bytes);

}  // namespace RegistrySyntax
