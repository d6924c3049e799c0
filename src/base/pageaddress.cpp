#include "base/pageaddress.h"

#include <QDir>
#include <QFile>

#include <climits>
#include <unistd.h>

namespace {

// The current folder by a name that leads to it: a folder whose name is not UTF-8 has none in a
// QString (its odd bytes would read as U+FFFD), and is named through /proc instead.
QString currentFolder() {
    const QString current = QDir::currentPath();
    char buffer[PATH_MAX];
    if (::getcwd(buffer, sizeof buffer) && QFile::encodeName(current) != buffer)
        return QStringLiteral("/proc/self/cwd");
    return current;
}

} // namespace

QString PageAddress::fullPath(const QString& relativePath) {
    QString full = QDir::cleanPath(QDir(currentFolder()).absoluteFilePath(relativePath));
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
