#include "base/apperror.h"
#include "base/errortext.h"
#include "selftest/reportfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

class TestReportFile : public QObject {
    Q_OBJECT
private slots:
    void init();
    void linesEndInCrLfInWindows1252();
    void replacesAnEarlierReport();
    void failureNamesTheFileAndTheCause();
    void symbolicLinkIsReplacedNotFollowed();
    void modeFollowsTheUmask_data();
    void modeFollowsTheUmask();
    void leftoversOfAKilledWrite_data();
    void leftoversOfAKilledWrite();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString path(const QString& name) const { return m_dir->filePath(name); }
    QStringList leftovers() const {
        return QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
    }
};

void TestReportFile::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestReportFile::linesEndInCrLfInWindows1252() {
    saveReportFile(path("result.html"), {QStringLiteral("M\u00e9tis<br>"), QString(), "x"});
    QFile file(path("result.html"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("M\xe9tis<br>\r\n\r\nx\r\n"));
    QCOMPARE(leftovers(), QStringList{"result.html"});
}

void TestReportFile::replacesAnEarlierReport() {
    saveReportFile(path("result.html"), {"first", "second", "third"});
    saveReportFile(path("result.html"), {"only"});
    QFile file(path("result.html"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("only\r\n"));
}

void TestReportFile::failureNamesTheFileAndTheCause() {
    // Root ignores permissions, so a folder in the file's place makes the write fail.
    QVERIFY(QDir(m_dir->path()).mkdir("result.html"));
    try {
        saveReportFile(path("result.html"), {"x"});
        QFAIL("no error raised");
    } catch (const AppError& error) {
        QCOMPARE(error.error().code, Error::Code::CannotCreateFile);
        QCOMPARE(error.error().args, (QStringList{path("result.html"), "Is a directory"}));
    }
    QCOMPARE(leftovers(), QStringList{}); // no temporary file is left behind
}

void TestReportFile::symbolicLinkIsReplacedNotFollowed() {
    QFile precious(path("precious.txt"));
    QVERIFY(precious.open(QIODevice::WriteOnly));
    precious.write("keep me");
    precious.close();
    QVERIFY(QFile::link(path("precious.txt"), path("result.html")));
    saveReportFile(path("result.html"), {"report"});
    QVERIFY(!QFileInfo(path("result.html")).isSymLink());
    QVERIFY(precious.open(QIODevice::ReadOnly));
    QCOMPARE(precious.readAll(), QByteArray("keep me"));
    QFile report(path("result.html"));
    QVERIFY(report.open(QIODevice::ReadOnly));
    QCOMPARE(report.readAll(), QByteArray("report\r\n"));
}

void TestReportFile::modeFollowsTheUmask_data() {
    QTest::addColumn<int>("umask");
    QTest::addColumn<int>("mode");
    QTest::newRow("022") << 022 << 0644;
    QTest::newRow("027") << 027 << 0640;
    QTest::newRow("002") << 002 << 0664;
}

void TestReportFile::modeFollowsTheUmask() {
    QFETCH(int, umask);
    QFETCH(int, mode);
    const mode_t previous = ::umask(mode_t(umask));
    saveReportFile(path("result.html"), {"x"});
    ::umask(previous);
    struct stat info {};
    QCOMPARE(::stat(QFile::encodeName(path("result.html")).constData(), &info), 0);
    QCOMPARE(int(info.st_mode & 0777), mode);
}

// A kill during the write leaves its temporary file; the next write removes it, but never a
// file that another window is writing at that moment (it holds a lock), nor the user's own.
void TestReportFile::leftoversOfAKilledWrite_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("removed");
    QTest::newRow("left by a kill") << ".result-a1B2c3"
                                    << "file" << true;
    QTest::newRow("being written by another window") << ".result-a1B2c3"
                                                     << "locked" << false;
    QTest::newRow("a file of the user's") << ".result-notes.txt"
                                          << "file" << false;
}

void TestReportFile::leftoversOfAKilledWrite() {
    QFETCH(QString, name);
    QFETCH(QString, kind);
    QFETCH(bool, removed);
    QVERIFY(QFile(path(name)).open(QIODevice::WriteOnly));
    // A lock on a descriptor of its own holds against the writer as another process's would.
    int locked = -1;
    if (kind == "locked") {
        locked = ::open(QFile::encodeName(path(name)).constData(), O_RDONLY);
        QCOMPARE(::flock(locked, LOCK_EX), 0);
    }
    saveReportFile(path("result.html"), {"x"});
    if (locked >= 0)
        ::close(locked);
    QCOMPARE(leftovers().contains(name), !removed);
    QVERIFY(QFileInfo(path("result.html")).isFile());
}

QTEST_APPLESS_MAIN(TestReportFile)
#include "tst_reportfile.moc"
