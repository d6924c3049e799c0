#include "base/pagefile.h"

#include "base/cp1252.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString folderPrefix(const QString& folder) {
    const QString canonical = QFileInfo(folder).canonicalFilePath();
    if (canonical.isEmpty())
        return {};
    // The root folder is its own prefix: "/" + "/" would admit nothing.
    return canonical.endsWith(u'/') ? canonical : canonical + u'/';
}

} // namespace

bool PageFile::isInside(const QString& path, const QStringList& folders) {
    const QString file = QFileInfo(path).canonicalFilePath();
    if (file.isEmpty())
        return false;
    for (const QString& folder : folders) {
        const QString prefix = folderPrefix(folder);
        if (!prefix.isEmpty() && file.startsWith(prefix))
            return true;
    }
    return false;
}

PageFile::Result PageFile::read(const QString& path, const QStringList& folders) {
    if (!isInside(path, folders))
        return {Status::Outside, {}};
    // The resolved name is opened, so a link swapped in after the check is not followed;
    // O_NONBLOCK keeps a FIFO from waiting for a writer that never comes.
    const QByteArray name = QFile::encodeName(QFileInfo(path).canonicalFilePath());
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
