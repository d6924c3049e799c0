#include "base/workingfolder.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString systemError(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

QByteArray linkTarget(const QByteArray& link) {
    QByteArray target(4096, '\0');
    const ssize_t n = ::readlink(link.constData(), target.data(), size_t(target.size()));
    return n < 0 ? QByteArray() : target.left(n);
}

// The report and the files it is written through belong to whoever runs from that folder.
bool isReport(const QString& name) {
    return name == QLatin1String("result.html") || name.startsWith(QLatin1String(".result-"));
}

} // namespace

WorkingFolder::Environment WorkingFolder::Environment::fromProcess(const QString& programFolder) {
    return {qEnvironmentVariable("HOME"), qEnvironmentVariable("XDG_DATA_HOME"),
            qEnvironmentVariable("XDG_DATA_DIRS"), programFolder};
}

bool WorkingFolder::holdsPages(const QString& folder) {
    const QDir dir(folder);
    return QFileInfo(dir.filePath(QStringLiteral("study"))).isDir() &&
           QFileInfo(dir.filePath(QStringLiteral("answers"))).isDir();
}

QString WorkingFolder::userFolder(const Environment& environment) {
    QString base;
    if (QDir::isAbsolutePath(environment.dataHome))
        base = environment.dataHome;
    else if (QDir::isAbsolutePath(environment.home))
        base = environment.home + QStringLiteral("/.local/share");
    else
        return {};
    return QDir::cleanPath(base + QStringLiteral("/orvane"));
}

QStringList WorkingFolder::guideCandidates(const Environment& environment) {
    const QString below = QStringLiteral("/orvane/guide");
    QStringList candidates;
    if (QDir::isAbsolutePath(environment.programFolder))
        candidates << QDir::cleanPath(environment.programFolder + QStringLiteral("/../share") +
                                      below);
    const QString dirs = environment.dataDirs.isEmpty()
                             ? QStringLiteral("/usr/local/share:/usr/share")
                             : environment.dataDirs;
    for (const QString& dir : dirs.split(u':', Qt::SkipEmptyParts)) {
        const QString candidate = QDir::cleanPath(dir + below);
        if (QDir::isAbsolutePath(dir) && !candidates.contains(candidate))
            candidates << candidate;
    }
    return candidates;
}

QString WorkingFolder::installedGuide(const Environment& environment) {
    for (const QString& candidate : guideCandidates(environment)) {
        if (holdsPages(candidate))
            return candidate;
    }
    return {};
}

WorkingFolder::Choice WorkingFolder::choose(const QString& startFolder,
                                            const Environment& environment) {
    const QString user = userFolder(environment);
    // The user's own folder holds pages too, but through links into the guide, which the
    // views must then be allowed to read.
    const bool startedInUserFolder =
        !user.isEmpty() &&
        QFileInfo(startFolder).canonicalFilePath() == QFileInfo(user).canonicalFilePath();
    if (holdsPages(startFolder) && !startedInUserFolder)
        return {};
    Choice choice;
    choice.guideFolder = installedGuide(environment);
    if (user.isEmpty())
        choice.problem = QStringLiteral("neither XDG_DATA_HOME nor HOME names a folder");
    else
        choice.problem = makeFolder(user);
    if (choice.problem.isEmpty() && !choice.guideFolder.isEmpty())
        choice.problem = linkGuide(user, choice.guideFolder);

    // Without its links the user's folder shows no pages; the guide itself still does, and
    // there only the report fails, with its own message.
    const bool userUsable = !user.isEmpty() && QFileInfo(user).isDir() &&
                            (choice.guideFolder.isEmpty() || holdsPages(user));
    choice.folder = userUsable ? user : choice.guideFolder;
    return choice;
}

QString WorkingFolder::linkGuide(const QString& folder, const QString& guide) {
    const QDir source(guide);
    const QStringList names =
        source.entryList(QDir::Dirs | QDir::Files | QDir::NoDotAndDotDot, QDir::Name);
    QStringList problems;
    for (const QString& name : names) {
        if (isReport(name))
            continue;
        const QByteArray target = QFile::encodeName(QDir::cleanPath(source.absoluteFilePath(name)));
        const QByteArray link = QFile::encodeName(folder + u'/' + name);
        struct stat status {};
        if (::lstat(link.constData(), &status) == 0) {
            if (!S_ISLNK(status.st_mode) || linkTarget(link) == target)
                continue;
        } else if (errno != ENOENT) {
            problems << QStringLiteral("%1: %2").arg(folder + u'/' + name, systemError(errno));
            continue;
        }
        // Made under a private name and renamed into place, so that a second copy of the
        // program starting at the same moment finds the old link or the new one, never none.
        const QByteArray temp = QFile::encodeName(
            QStringLiteral("%1/.link-%2-%3").arg(folder).arg(::getpid()).arg(name));
        ::unlink(temp.constData());
        if (::symlink(target.constData(), temp.constData()) != 0 ||
            ::rename(temp.constData(), link.constData()) != 0) {
            problems << QStringLiteral("%1: %2").arg(folder + u'/' + name, systemError(errno));
            ::unlink(temp.constData());
        }
    }
    return problems.join(QStringLiteral("; "));
}

QString WorkingFolder::makeFolder(const QString& path) {
    // Folders the base directory rules make are private to their user.
    QString current;
    for (const QString& part : path.split(u'/', Qt::SkipEmptyParts)) {
        current += u'/' + part;
        if (::mkdir(QFile::encodeName(current).constData(), 0700) != 0 && errno != EEXIST)
            return QStringLiteral("cannot create the folder %1: %2")
                .arg(current, systemError(errno));
    }
    if (!QFileInfo(path).isDir())
        return QStringLiteral("%1 is not a folder").arg(path);
    return {};
}
