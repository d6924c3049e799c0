#include "base/windowplacement.h"
#include "base/workingfolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

class TestWorkingFolder : public QObject {
    Q_OBJECT
private slots:
    void userFolder_data();
    void userFolder();
    void guideCandidates_data();
    void guideCandidates();
    void choose_data();
    void choose();
    void dataHomeBytesAsTheyAre();
    void startFolderWithPagesIsKept_data();
    void startFolderWithPagesIsKept();
    void placeWindow_data();
    void placeWindow();
};

using Env = WorkingFolder::Environment;

void TestWorkingFolder::userFolder_data() {
    QTest::addColumn<QString>("home");
    QTest::addColumn<QString>("dataHome");
    QTest::addColumn<QString>("expected");
    QTest::newRow("default") << "/home/ann"
                             << ""
                             << "/home/ann/.local/share/orvane";
    QTest::newRow("XDG_DATA_HOME wins") << "/home/ann"
                                        << "/data/"
                                        << "/data/orvane";
    QTest::newRow("relative XDG_DATA_HOME ignored") << "/home/ann"
                                                    << "data"
                                                    << "/home/ann/.local/share/orvane";
    QTest::newRow("no HOME") << ""
                             << ""
                             << "";
    QTest::newRow("relative HOME") << "ann"
                                   << ""
                                   << "";
}

void TestWorkingFolder::userFolder() {
    QFETCH(QString, home);
    QFETCH(QString, dataHome);
    QFETCH(QString, expected);
    QCOMPARE(WorkingFolder::userFolder(Env{home, dataHome, {}, {}}), expected);
}

void TestWorkingFolder::guideCandidates_data() {
    QTest::addColumn<QString>("programFolder");
    QTest::addColumn<QString>("dataDirs");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("install prefix, then the default data folders")
        << "/opt/x/bin"
        << ""
        << QStringList{"/opt/x/share/orvane/guide", "/usr/local/share/orvane/guide",
                       "/usr/share/orvane/guide"};
    QTest::newRow("XDG_DATA_DIRS, relative entries and repeats left out")
        << "/usr/bin"
        << "/srv/share:rel:/usr/share/::/srv/share"
        << QStringList{"/usr/share/orvane/guide", "/srv/share/orvane/guide"};
    QTest::newRow("program folder unknown") << ""
                                            << "/a" << QStringList{"/a/orvane/guide"};
}

void TestWorkingFolder::guideCandidates() {
    QFETCH(QString, programFolder);
    QFETCH(QString, dataDirs);
    QFETCH(QStringList, expected);
    QCOMPARE(WorkingFolder::guideCandidates(Env{{}, {}, dataDirs, programFolder}), expected);
}

void TestWorkingFolder::choose_data() {
    QTest::addColumn<QString>("inPlace"); // what the user's folder holds before the start
    QTest::addColumn<bool>("guideInstalled");
    QTest::addColumn<bool>("worksInUserFolder");
    QTest::addColumn<bool>("startedThere");
    QTest::addColumn<QString>("cause"); // named on the terminal
    QTest::newRow("first start") << "nothing" << true << true << false << "";
    QTest::newRow("second start") << "links" << true << true << false << "";
    QTest::newRow("started in the user's folder") << "links" << true << true << true << "";
    QTest::newRow("links of another install") << "stale links" << true << true << false << "";
    QTest::newRow("dangling links") << "dangling" << true << true << false << "";
    QTest::newRow("user's own page folder") << "own study" << true << true << false << "";
    QTest::newRow("a file in its place") << "file" << true << false << false << "not a folder";
    QTest::newRow("a file in a link's place") << "study" << true << false << false << "of yours";
    QTest::newRow("a link into the guide") << "guide" << true << false << false << "installed";
    QTest::newRow("writable by others") << "0777" << true << false << false << "(mode 0777)";
    QTest::newRow("owned by another") << "nobody's" << true << false << false << "another user";
    QTest::newRow("guide not installed") << "nothing" << false << true << false << "";
}

void TestWorkingFolder::choose() {
    QFETCH(QString, inPlace);
    QFETCH(bool, guideInstalled);
    QFETCH(bool, worksInUserFolder);
    QFETCH(bool, startedThere);
    QFETCH(QString, cause);
    QTemporaryDir root;
    QVERIFY(root.isValid());
    QDir dir(root.path());
    const QString start = dir.filePath("start");
    const QString guide = dir.filePath("prefix/share/orvane/guide");
    const QString user = dir.filePath("home/.local/share/orvane");
    QVERIFY(dir.mkpath(start));
    if (guideInstalled) {
        QVERIFY(dir.mkpath(guide + "/study") && dir.mkpath(guide + "/answers"));
        for (const char* name : {"study/1.html", "guide.css", "result.html"}) {
            QFile file(guide + '/' + name);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(name);
        }
    }
    const auto write = [](const QString& path) {
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write("own") == 3;
    };
    if (inPlace == "file") {
        QVERIFY(dir.mkpath(QFileInfo(user).path()) && write(user));
    } else if (inPlace == "links" || inPlace == "stale links") {
        const QString other = inPlace == "links" ? guide : dir.filePath("old/guide");
        QVERIFY(dir.mkpath(user));
        for (const char* name : {"study", "answers", "guide.css"})
            QVERIFY(QFile::link(other + '/' + name, user + '/' + name));
    } else if (inPlace == "own study") {
        QVERIFY(dir.mkpath(user + "/study") && write(user + "/study/1.html"));
    } else if (inPlace == "study") {
        QVERIFY(dir.mkpath(user) && write(user + "/study"));
    } else if (inPlace == "guide") {
        QVERIFY(dir.mkpath(QFileInfo(user).path()) && QFile::link(guide, user));
    } else if (inPlace == "0777" || inPlace == "nobody's") {
        QVERIFY(dir.mkpath(user));
        if (inPlace == "0777")
            QCOMPARE(::chmod(QFile::encodeName(user), 0777), 0);
        else if (::chown(QFile::encodeName(user), 65534, 65534) != 0)
            QSKIP("only root can give a folder to another user");
    } else if (inPlace == "dangling") {
        // One of ours into a guide that is gone, and one of the user's own that leads nowhere.
        QVERIFY(dir.mkpath(user));
        QVERIFY(QFile::link(dir.filePath("old/orvane/guide/map.png"), user + "/map.png"));
        QVERIFY(QFile::link(dir.filePath("nowhere"), user + "/mine"));
    }

    const Env env{dir.filePath("home"), {}, dir.filePath("none"), dir.filePath("prefix/bin")};
    const WorkingFolder::Choice choice = WorkingFolder::choose(startedThere ? user : start, env);
    QCOMPARE(choice.guideFolder, guideInstalled ? guide : QString());
    QCOMPARE(choice.folder, worksInUserFolder ? user : guide);
    QCOMPARE(choice.reportKept, worksInUserFolder);
    QVERIFY2(cause.isEmpty() ? choice.problem.isEmpty() : choice.problem.contains(cause),
             qPrintable(choice.problem));
    // What the program keeps for the user wherever it works (the history) goes only into a
    // folder that is the user's alone.
    const bool unsafe = QStringList({"file", "guide", "0777", "nobody's"}).contains(inPlace);
    QString why;
    QCOMPARE(WorkingFolder::ownFolder(env, &why).isEmpty(), unsafe);
    QCOMPARE(why.isEmpty(), !unsafe);
    if (!worksInUserFolder || !guideInstalled)
        return;

    // The pages are reached from the user's folder; its own files stay, the report does not
    // come from the guide, and the folder is private.
    QVERIFY(WorkingFolder::holdsPages(user));
    QFile chapter(user + "/study/1.html");
    QVERIFY(chapter.open(QIODevice::ReadOnly));
    QCOMPARE(chapter.readAll(),
             inPlace == "own study" ? QByteArray("own") : QByteArray("study/1.html"));
    QCOMPARE(QFileInfo(user + "/guide.css").canonicalFilePath(),
             QFileInfo(guide + "/guide.css").canonicalFilePath());
    QVERIFY(!QFileInfo::exists(user + "/result.html"));
    QStringList entries{"answers", "guide.css", "study"};
    if (inPlace == "dangling")
        entries.insert(2, "mine");
    QCOMPARE(
        QDir(user).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
        entries);
    if (inPlace == "nothing") {
        struct stat status {};
        QCOMPARE(::stat(QFile::encodeName(user).constData(), &status), 0);
        QCOMPARE(status.st_mode & 0777, 0700u);
    }
}

// A QString would turn the bytes that are not UTF-8 into U+FFFD, which names another folder.
void TestWorkingFolder::dataHomeBytesAsTheyAre() {
    QTemporaryDir root;
    const QByteArray dataHome = QFile::encodeName(root.path()) + "/data-\xff\xfe";
    const QByteArray previous = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", dataHome);
    Env env = Env::fromProcess({});
    previous.isNull() ? qunsetenv("XDG_DATA_HOME") : qputenv("XDG_DATA_HOME", previous);
    env.dataDirs = root.filePath("none");
    const WorkingFolder::Choice choice = WorkingFolder::choose(root.path(), env);
    QVERIFY2(choice.problem.isEmpty(), qPrintable(choice.problem));
    struct stat status {};
    QVERIFY(::stat(dataHome + "/orvane", &status) == 0 && S_ISDIR(status.st_mode));
    // QTemporaryDir cannot name them either.
    QCOMPARE(::rmdir(dataHome + "/orvane") | ::rmdir(dataHome), 0);
}

void TestWorkingFolder::startFolderWithPagesIsKept_data() {
    QTest::addColumn<QString>("start"); // below the temporary folder
    QTest::addColumn<QStringList>("made");
    QTest::addColumn<bool>("kept");
    QTest::newRow("both page folders") << "start" << QStringList{"study", "answers"} << true;
    QTest::newRow("study only") << "start" << QStringList{"study"} << true;
    QTest::newRow("answers only") << "start" << QStringList{"answers"} << true;
    QTest::newRow("the installed guide")
        << "share/orvane/guide" << QStringList{"study", "answers"} << false;
}

void TestWorkingFolder::startFolderWithPagesIsKept() {
    QFETCH(QString, start);
    QFETCH(QStringList, made);
    QFETCH(bool, kept);
    QTemporaryDir root;
    QDir dir(root.filePath(start));
    QVERIFY(dir.mkpath("."));
    for (const QString& name : made)
        QVERIFY(dir.mkdir(name));
    const WorkingFolder::Choice choice = WorkingFolder::choose(
        dir.path(), Env{root.filePath("home"), {}, root.filePath("none"), root.filePath("bin")});
    QCOMPARE(choice.folder.isEmpty(), kept);
    QCOMPARE(QFileInfo::exists(root.filePath("home")), !kept);
}

void TestWorkingFolder::placeWindow_data() {
    QTest::addColumn<QSize>("frame");
    QTest::addColumn<QRect>("available");
    QTest::addColumn<QPoint>("expected");
    const QPoint wanted(262, 221);
    QTest::newRow("fits where wanted") << QSize(757, 427) << QRect(0, 0, 1280, 1024) << wanted;
    QTest::newRow("fits exactly to the edge")
        << QSize(757, 427) << QRect(0, 0, 1019, 648) << wanted;
    QTest::newRow("past the right and bottom edges")
        << QSize(757, 427) << QRect(0, 0, 1000, 600) << QPoint(243, 173);
    QTest::newRow("panel on top and left")
        << QSize(757, 427) << QRect(300, 250, 980, 774) << QPoint(300, 250);
    QTest::newRow("twice the scale on 1280x1024")
        << QSize(757, 427) << QRect(0, 0, 640, 512) << QPoint(0, 85);
    QTest::newRow("larger than the area both ways")
        << QSize(757, 427) << QRect(10, 20, 400, 300) << QPoint(10, 20);
    QTest::newRow("screen left of the primary one")
        << QSize(757, 427) << QRect(-1024, 0, 1024, 768) << QPoint(-757, 221);
    // On 1024x768 the window fits with openbox's frame (1 px sides and bottom, a 20 px title),
    // and not with 4 px sides and a 26 px title.
    QTest::newRow("1024x768, openbox's frame")
        << QSize(759, 448) << QRect(0, 0, 1024, 768) << wanted;
    QTest::newRow("1024x768, a wider frame")
        << QSize(765, 461) << QRect(0, 0, 1024, 768) << QPoint(259, 221);
    QTest::newRow("no screen known") << QSize(757, 427) << QRect() << wanted;
}

void TestWorkingFolder::placeWindow() {
    QFETCH(QSize, frame);
    QFETCH(QRect, available);
    QFETCH(QPoint, expected);
    QCOMPARE(::placeWindow(frame, QPoint(262, 221), available), expected);
}

QTEST_GUILESS_MAIN(TestWorkingFolder)
#include "tst_workingfolder.moc"
