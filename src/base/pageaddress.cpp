#include "base/pageaddress.h"

#include <QDir>

QString PageAddress::fullPath(const QString& relativePath) {
    QString full = QDir::cleanPath(QDir::current().absoluteFilePath(relativePath));
    QString universal;
    if (hasDriveLetter(full) && universalName(full, &universal))
        full = universal;
    return full;
}

bool PageAddress::hasDriveLetter(const QString& path) {
    if (path.size() < 3 || path[1] != u':')
        return false;
    const QChar drive = path[0].toUpper();
    return drive >= u'A' && drive <= u'Z';
}

bool PageAddress::universalName(const QString&, QString*) {
    return false;
}
