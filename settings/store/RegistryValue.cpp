#include "settings/store/RegistryValue.h"

RegistryValue RegistryValue::fromString(const QString& text) {
    RegistryValue value;
    value.kind = kString;
    value.form = Form::Text;
    value.text = text;
    return value;
}

RegistryValue RegistryValue::fromDword(quint32 number) {
    RegistryValue value;
    value.kind = kDword;
    value.form = Form::Dword;
    value.number = number;
    return value;
}

QString RegistryValue::stringData() const {
    if (form == Form::Text)
        return text;
    if (form == Form::Dword)
        return QString();
    QString result;
    for (qsizetype i = 0; i + 1 < bytes.size(); i += 2) {
        const char16_t unit = char16_t(quint8(bytes.at(i)) | (quint8(bytes.at(i + 1)) << 8));
        if (unit == 0)
            break;
        result.append(QChar(unit));
    }
    return result;
}

std::optional<quint32> RegistryValue::dwordData() const {
    if (form == Form::Dword)
        return number;
    if (form == Form::Hex && bytes.size() == 4) {
        return quint32(quint8(bytes.at(0))) | (quint32(quint8(bytes.at(1))) << 8) |
               (quint32(quint8(bytes.at(2))) << 16) | (quint32(quint8(bytes.at(3))) << 24);
    }
    return std::nullopt;
}
