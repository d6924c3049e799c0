// libFuzzer entry point for PageFile; see run_fuzz.sh.
#include "base/pagefile.h"

#include <QDir>
#include <QFile>
#include <QtGlobal>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString g_root;

void put(const QString& name, qint64 size) {
    QFile file(g_root + name);
    if (!file.open(QIODevice::WriteOnly) || !file.write("<p>page</p>") || !file.resize(size))
        std::abort();
}

// realpath(3) directly, so the check does not lean on the QFileInfo calls it is checking.
QByteArray realPath(const QString& path) {
    char* resolved = ::realpath(QFile::encodeName(path).constData(), nullptr);
    const QByteArray result(resolved);
    std::free(resolved);
    return result;
}

} // namespace

// One fixed tree for every input: whatever path the input names, the answer is known.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // Qt warns of every name with a NUL in it, which it rightly refuses; the warnings would
    // slow the run tenfold.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    QByteArray name = QFile::encodeName(QDir::tempPath()) + "/pagefile-XXXXXX";
    if (!::mkdtemp(name.data()))
        std::abort();
    g_root = QFile::decodeName(name);
    QDir(g_root).mkpath(QStringLiteral("pages/sub"));
    QDir(g_root).mkpath(QStringLiteral("pagesx"));
    QDir(g_root).mkpath(QStringLiteral("outside"));
    put(QStringLiteral("/pages/page.html"), 11);
    put(QStringLiteral("/pages/sub/nested.html"), 11);
    put(QStringLiteral("/pages/empty.html"), 0);
    put(QStringLiteral("/pages/cap.bin"), PageFile::kMaxBytes); // sparse
    put(QStringLiteral("/pages/big.bin"), PageFile::kMaxBytes + 1);
    put(QStringLiteral("/pagesx/page.html"), 11);
    put(QStringLiteral("/outside/secret.html"), 11);
    const QByteArray pages = QFile::encodeName(g_root + QStringLiteral("/pages/"));
    if (::mkfifo(pages + "fifo", 0600) != 0 || ::symlink("page.html", pages + "link_in") != 0 ||
        ::symlink("../outside/secret.html", pages + "link_out") != 0 ||
        ::symlink("../outside", pages + "dir_out") != 0 ||
        ::symlink("../fifo", pages + "sub/fifo_link") != 0 ||
        ::symlink("..", pages + "sub/up") != 0 || ::symlink("loop", pages + "loop") != 0 ||
        ::symlink("pages", QFile::encodeName(g_root + QStringLiteral("/alias"))) != 0)
        std::abort();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    // Either way a byte becomes at most one UTF-16 unit.
    if (PageFile::decode(bytes).size() > bytes.size())
        std::abort();

    // The first byte picks how the allowed folder is spelt, the rest is the path inside it.
    if (size == 0)
        return 0;
    static const char* const kFolders[] = {"/pages", "/pages/", "/alias", "/pages/sub"};
    const QString folder = g_root + QLatin1String(kFolders[data[0] % 4]);
    const QString path = folder + u'/' + QString::fromUtf8(bytes.mid(1));
    const PageFile::Result result = PageFile::read(path, {folder});
    if (result.status != PageFile::Status::Read)
        return 0;
    const QByteArray file = realPath(path);
    struct stat info {};
    if (!file.startsWith(realPath(folder) + '/') || ::stat(file.constData(), &info) != 0 ||
        !S_ISREG(info.st_mode) || result.bytes.size() > PageFile::kMaxBytes ||
        result.bytes.size() != info.st_size)
        std::abort();
    return 0;
}
