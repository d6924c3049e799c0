#include "selftest/reportfile.h"

#include "base/apperror.h"
#include "base/cp1252.h"
#include "base/errortext.h"

#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

[[noreturn]] void cannotCreate(const QString& fullPath, int error) {
    throw AppError(QStringLiteral("Cannot create file \"%1\". %2")
                       .arg(isolated(fullPath), QString::fromLocal8Bit(std::strerror(error))));
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

} // namespace

QByteArray reportBytes(const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += cp1252::encode(line) + "\r\n";
    return bytes;
}

void saveReportFile(const QString& fullPath, const QStringList& lines) {
    const QByteArray bytes = reportBytes(lines);

    const QByteArray target = QFile::encodeName(fullPath);
    QByteArray temp = QFile::encodeName(QFileInfo(fullPath).absolutePath()) + "/.result-XXXXXX";
    const int fd = ::mkstemp(temp.data());
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
    if (::close(fd) != 0 && error == 0)
        error = errno;
    if (error == 0 && ::rename(temp.constData(), target.constData()) != 0)
        error = errno;
    if (error == 0)
        return;
    ::unlink(temp.constData());
    cannotCreate(fullPath, error);
}
