#include "shared/VardoFileDrop/UriListNames.h"

#include <QUrl>

namespace {

QString NameOf(const QByteArray& line) {
    const QUrl url = QUrl::fromEncoded(line);
    if (url.isValid() && url.isLocalFile())
        return url.toLocalFile();
    return QString::fromUtf8(line);
}

}  // namespace

QStringList UriListToStrings(const QByteArray& block, qsizetype budget) {
    QStringList names;
    qsizetype position = 0;
    const qsizetype size = block.size();
    while (budget > 0 && position < size) {
        qsizetype end = block.indexOf('\n', position);
        const qsizetype next = end < 0 ? size : end + 1;
        if (end < 0)
            end = size;
        QByteArray line = block.mid(position, end - position);
        if (line.endsWith('\r'))
            line.chop(1);
        budget -= next - position;
        position = next;
        if (!line.isEmpty() && !line.startsWith('#'))
            names.append(NameOf(line));
    }
    return names;
}
