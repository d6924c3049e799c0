#include "base/workingfolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
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

// Whether the folder, with every link resolved, is or lies inside one of the guides.
bool leadsInto(const QString& folder, const QStringList& guides) {
    const QString real = QFileInfo(folder).canonicalFilePath();
    for (const QString& guide : guides) {
        const QString root = QFileInfo(guide).canonicalFilePath();
        if (!real.isEmpty() && !root.isEmpty() && (real == root || real.startsWith(root + u'/')))
            return true;
    }
    return false;
}

// A link that the program made: it bears the name of the guide entry it leads to.
bool madeByUs(const QString& name, const QByteArray& target) {
    return target.startsWith('/') && QDir::cleanPath(QFile::decodeName(target))
                                         .endsWith(QStringLiteral("/orvane/guide/") + name);
}

// A QString holds a file name that is not UTF-8 only with its odd bytes turned into U+FFFD,
// which names another folder. Such a folder is named through a descriptor held open for the
// life of the program instead; a data folder is made first, as the base directory rules ask.
QString folderName(const QByteArray& bytes, bool make) {
    const QString name = QFile::decodeName(bytes);
    if (QFile::encodeName(name) == bytes || !bytes.startsWith('/'))
        return name;
    QByteArray current;
    for (const QByteArray& part : bytes.split('/')) {
        if (part.isEmpty() || !make)
            continue;
        current += '/' + part;
        ::mkdir(current.constData(), 0700);
    }
    const int fd = ::open(bytes.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    return fd < 0 ? name : QStringLiteral("/proc/self/fd/%1").arg(fd);
}

} // namespace

WorkingFolder::Environment WorkingFolder::Environment::fromProcess(const QString& programFolder) {
    return {folderName(qgetenv("HOME"), false), folderName(qgetenv("XDG_DATA_HOME"), true),
            qEnvironmentVariable("XDG_DATA_DIRS"), programFolder};
}

bool WorkingFolder::holdsSomePages(const QString& folder) {
    const QDir dir(folder);
    return QFileInfo(dir.filePath(QStringLiteral("study"))).isDir() ||
           QFileInfo(dir.filePath(QStringLiteral("answers"))).isDir();
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

QString WorkingFolder::ownFolder(const Environment& environment, QString* problem) {
    const QString user = userFolder(environment);
    QString why = user.isEmpty()
                      ? QCoreApplication::translate("WorkingFolder",
                                                    "neither XDG_DATA_HOME nor HOME names a folder")
                      : makeFolder(user);
    if (why.isEmpty())
        why = refusal(user, guideCandidates(environment));
    if (problem)
        *problem = why;
    return why.isEmpty() ? user : QString();
}

WorkingFolder::Choice WorkingFolder::choose(const QString& startFolder,
                                            const Environment& environment) {
    const QString user = userFolder(environment);
    const QStringList guides = guideCandidates(environment);
    // The user's own folder holds pages too, but through links into the guide, which the
    // views must then be allowed to read.
    const bool startedInUserFolder =
        !user.isEmpty() &&
        QFileInfo(startFolder).canonicalFilePath() == QFileInfo(user).canonicalFilePath();
    if (holdsSomePages(startFolder) && !startedInUserFolder && !leadsInto(startFolder, guides))
        return {};
    Choice choice;
    choice.guideFolder = installedGuide(environment);
    const bool refused = ownFolder(environment, &choice.problem).isEmpty();
    if (!refused && !choice.guideFolder.isEmpty()) {
        choice.problem = linkGuide(user, choice.guideFolder);
        if (!holdsPages(user)) {
            const QString blocking = blocker(user, choice.guideFolder);
            if (!blocking.isEmpty())
                choice.problem = blocking;
        }
    }

    // Without its links the user's folder shows no pages; the guide itself still does, and
    // there no report is kept.
    const bool userUsable =
        !refused && QFileInfo(user).isDir() && (choice.guideFolder.isEmpty() || holdsPages(user));
    choice.folder = userUsable ? user : choice.guideFolder;
    choice.reportKept = userUsable;
    return choice;
}

QString WorkingFolder::refusal(const QString& folder, const QStringList& guides) {
    if (leadsInto(folder, guides))
        return QCoreApplication::translate(
                   "WorkingFolder", "%1 leads into the installed pages, which are never a working "
                                    "folder")
            .arg(folder);
    // As ssh does for its own folder: a report there must be the user's own.
    struct stat status {};
    if (::stat(QFile::encodeName(folder).constData(), &status) != 0)
        return QStringLiteral("%1: %2").arg(folder, systemError(errno));
    if (status.st_uid != ::geteuid())
        return QCoreApplication::translate("WorkingFolder",
                                           "%1 belongs to another user; it is not used")
            .arg(folder);
    if (status.st_mode & (S_IWGRP | S_IWOTH))
        return QCoreApplication::translate("WorkingFolder",
                                           "%1 can be written by others (mode %2); it is not used")
            .arg(folder)
            .arg(status.st_mode & 07777, 4, 8, QLatin1Char('0'));
    return {};
}

QString WorkingFolder::blocker(const QString& folder, const QString& guide) {
    for (const QString& name : {QStringLiteral("study"), QStringLiteral("answers")}) {
        const QString path = folder + u'/' + name;
        const QFileInfo info(path);
        if (!info.isDir() && (info.exists() || info.isSymLink()))
            return QCoreApplication::translate(
                       "WorkingFolder", "%1 is a file of yours in the place of the link to %2/%3; "
                                        "move it away to see the installed pages")
                .arg(path, guide, name);
    }
    return {};
}

QString WorkingFolder::linkGuide(const QString& folder, const QString& guide) {
    const QDir source(guide);
    const QStringList names =
        source.entryList(QDir::Dirs | QDir::Files | QDir::NoDotAndDotDot, QDir::Name);
    QStringList problems;
    // Links into a guide that is gone (after an upgrade, or a move of prefix); the user's own
    // files and links stay.
    for (const QString& name : QDir(folder).entryList(QDir::AllEntries | QDir::System |
                                                      QDir::Hidden | QDir::NoDotAndDotDot)) {
        const QByteArray link = QFile::encodeName(folder + u'/' + name);
        struct stat status {};
        if (::lstat(link.constData(), &status) == 0 && S_ISLNK(status.st_mode) &&
            ::stat(link.constData(), &status) != 0 && errno == ENOENT &&
            madeByUs(name, linkTarget(link)))
            ::unlink(link.constData());
    }
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
            return QCoreApplication::translate("WorkingFolder", "cannot create the folder %1: %2")
                .arg(current, systemError(errno));
    }
    if (!QFileInfo(path).isDir())
        return QCoreApplication::translate("WorkingFolder", "%1 is not a folder").arg(path);
    return {};
}
