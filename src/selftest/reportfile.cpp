#include "selftest/reportfile.h"

#include "base/apperror.h"
#include "base/cp1252.h"

#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

[[noreturn]] void cannotCreate(const QString& fullPath, int error) {
    throw AppError(Error::Code::CannotCreateFile,
                   {fullPath, QString::fromLocal8Bit(std::strerror(error))});
}

bool writeAll(int fd, const QByteArray& bytes) {
    errno = 0;
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

// The writer holds a lock on its temporary file until the rename, and a kill releases it: a
// file that can be locked is a leftover. It is removed only if the name still leads to the
// file locked, and only if it is ours.
void removeLeftovers(const QByteArray& folder) {
    DIR* dir = ::opendir(folder.constData());
    if (!dir)
        return;
    while (const dirent* entry = ::readdir(dir)) {
        const QByteArray name(entry->d_name);
        if (!name.startsWith(".result-") || name.size() != 14)
            continue;
        const QByteArray path = folder + '/' + name;
        struct stat status {};
        if (::lstat(path.constData(), &status) != 0 || !S_ISREG(status.st_mode))
            continue;
        const int fd = ::open(path.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            continue;
        struct stat locked {
        }, named{};
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::fstat(fd, &locked) == 0 &&
            S_ISREG(locked.st_mode) && locked.st_uid == ::geteuid() &&
            ::lstat(path.constData(), &named) == 0 && named.st_ino == locked.st_ino &&
            named.st_dev == locked.st_dev)
            ::unlink(path.constData());
        ::close(fd);
    }
    ::closedir(dir);
}

// A temporary file of our own, locked; made again if a cleaner took it between its making and
// the lock. Where the file system has no locks, it is written unguarded, as it always was.
int makeLockedTemp(QByteArray& temp) {
    const QByteArray pattern = temp;
    for (;;) {
        temp = pattern;
        const int fd = ::mkstemp(temp.data());
        if (fd < 0 || ::flock(fd, LOCK_EX) != 0)
            return fd;
        struct stat made {
        }, named{};
        if (::fstat(fd, &made) != 0 || (::lstat(temp.constData(), &named) == 0 &&
                                        named.st_ino == made.st_ino && named.st_dev == made.st_dev))
            return fd;
        ::close(fd);
    }
}

} // namespace

void refuseReportFile(const QString& fullPath) {
    throw AppError(Error::Code::NoFolderOfYourOwn, {fullPath});
}

QByteArray reportBytes(const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += cp1252::encode(line) + "\r\n";
    return bytes;
}

void saveReportFile(const QString& fullPath, const QStringList& lines) {
    const QByteArray bytes = reportBytes(lines);

    const QByteArray target = QFile::encodeName(fullPath);
    const QByteArray folder = QFile::encodeName(QFileInfo(fullPath).absolutePath());
    removeLeftovers(folder);
    QByteArray temp = folder + "/.result-XXXXXX";
    const int fd = makeLockedTemp(temp);
    if (fd < 0)
        cannotCreate(fullPath, errno);
    // mkstemp makes the file private; a report is an ordinary document, with the mode any new
    // file gets under the user's umask.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);
    int error = writeAll(fd, bytes) ? 0 : (errno != 0 ? errno : EIO);
    // On disk before the rename: after a power cut the old report or the new one is there,
    // never an empty file.
    if (error == 0 && ::fsync(fd) != 0)
        error = errno;
    // Renamed while still open, and so locked: another window's cleaning must not take it.
    if (error == 0 && ::rename(temp.constData(), target.constData()) != 0)
        error = errno;
    if (error != 0)
        ::unlink(temp.constData());
    ::close(fd);
    if (error != 0)
        cannotCreate(fullPath, error);
}
