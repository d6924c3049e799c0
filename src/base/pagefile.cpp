#include "base/pagefile.h"

#include "base/cp1252.h"

#include <QFile>
#include <QStringDecoder>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The path with every link resolved, or nothing if it cannot be resolved. QFileInfo would hand
// back a path it cannot resolve unchanged, and a NUL in it would cut the name that open() sees.
QByteArray resolved(const QString& path) {
    if (path.isEmpty() || path.contains(QChar(0)))
        return {};
    char buffer[PATH_MAX];
    if (!::realpath(QFile::encodeName(path).constData(), buffer))
        return {};
    return QByteArray(buffer);
}

// The resolved file, if it lies under one of the folders.
QByteArray resolvedInside(const QString& path, const QStringList& folders) {
    const QByteArray file = resolved(path);
    if (file.isEmpty())
        return {};
    for (const QString& folder : folders) {
        QByteArray prefix = resolved(folder);
        if (prefix.isEmpty())
            continue;
        // The root folder is its own prefix: "/" + "/" would admit nothing.
        if (!prefix.endsWith('/'))
            prefix += '/';
        if (file.startsWith(prefix))
            return file;
    }
    return {};
}

} // namespace

bool PageFile::isInside(const QString& path, const QStringList& folders) {
    return !resolvedInside(path, folders).isEmpty();
}

PageFile::Result PageFile::read(const QString& path, const QStringList& folders) {
    const QByteArray name = resolvedInside(path, folders);
    if (name.isEmpty())
        return {Status::Outside, {}};
    // The name checked is the name opened, with no link followed, so a link swapped in after
    // the check leads nowhere; O_NONBLOCK keeps a FIFO from waiting for a writer that never
    // comes.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return {Status::Unreadable, {}};
    Result result;
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        result.status = Status::Unreadable;
    } else if (!S_ISREG(info.st_mode)) {
        result.status = Status::NotRegular;
    } else if (info.st_size > kMaxBytes) {
        result.status = Status::TooLarge;
    } else {
        // The size can be wrong (files under /proc say 0) or grow while read: read at most one
        // byte past the cap, never the whole file.
        result.status = Status::Read;
        result.bytes.resize(qsizetype(info.st_size) + 1);
        qsizetype done = 0;
        for (;;) {
            if (done == result.bytes.size()) {
                if (done > kMaxBytes) {
                    result = {Status::TooLarge, {}};
                    break;
                }
                result.bytes.resize(qMin<qsizetype>(done * 2 + 4096, kMaxBytes + 1));
            }
            const ssize_t n =
                ::read(fd, result.bytes.data() + done, size_t(result.bytes.size() - done));
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0) {
                result = {Status::Unreadable, {}};
                break;
            }
            if (n == 0) {
                result.bytes.truncate(done);
                break;
            }
            done += n;
        }
    }
    ::close(fd);
    return result;
}

QString PageFile::decode(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    return utf8.hasError() ? cp1252::decode(bytes) : text;
}
