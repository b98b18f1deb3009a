#include "cli/CliMessages.h"

#include <cstdio>

#include "shared/General/Texts.h"

void PrintError(const QString& message) {
    const QByteArray line = (Text(Texts::kCliMessage).arg(message) + u'\n').toLocal8Bit();
    std::fwrite(line.constData(), 1, static_cast<size_t>(line.size()), stderr);
}
