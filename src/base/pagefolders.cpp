#include "base/pagefolders.h"

#include "base/editions.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <climits>
#include <cstdlib>
#include <sys/stat.h>

PageFolders PageFolders::resolve(const QString& workingFolder) {
    PageFolders folders;
    const QString working = QDir::cleanPath(workingFolder);
    folders.m_readable << working;
    // Another language's pages lie in a folder of its name, beside the English ones.
    for (const QString& name :
         QStringList{QStringLiteral("study"), QStringLiteral("answers")} + editions::others()) {
        const QString link = working + u'/' + name;
        const QByteArray encoded = QFile::encodeName(link);
        struct stat status {};
        char target[PATH_MAX];
        // A real folder needs nothing: the working folder admits it. Only a link moves.
        if (::lstat(encoded.constData(), &status) != 0 || !S_ISLNK(status.st_mode) ||
            !::realpath(encoded.constData(), target) ||
            !QFileInfo(QFile::decodeName(target)).isDir())
            continue;
        const QString real = QFile::decodeName(target);
        folders.m_linked.append({link, real});
        folders.m_readable << real;
        const QFileInfo info(real);
        // The guide itself: its style sheet, and the pictures its pages share.
        if (info.fileName() == name && !folders.m_readable.contains(info.path()))
            folders.m_readable << info.path();
    }
    return folders;
}

QString PageFolders::realPath(const QString& fullPath) const {
    for (const Linked& linked : m_linked) {
        if (fullPath == linked.prefix)
            return linked.target;
        if (fullPath.startsWith(linked.prefix) && fullPath.at(linked.prefix.size()) == u'/')
            return linked.target + fullPath.mid(linked.prefix.size());
    }
    return fullPath;
}
