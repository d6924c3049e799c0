#include "base/pageaddress.h"
#include "base/pagefile.h"
#include "base/pagefolders.h"
#include "widgets/htmlview.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>

#include <sys/stat.h>
#include <unistd.h>

class TestHtmlView : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void loadsWhileZeroWide();
    void readsALongPageInPieces_data();
    void readsALongPageInPieces();
    void decodesWindows1252AndUtf8_data();
    void decodesWindows1252AndUtf8();
    void missingPageShowsItsOwnNotice();
    void refusesFilesOutsideTheWorkingFolder_data();
    void refusesFilesOutsideTheWorkingFolder();
    void relativeLinksStayInTheGuide();
    void pagesThroughLinks_data();
    void pagesThroughLinks();
    void gate_data();
    void gate();
    void oversizedPageAndRootFolder();
    void fullPathRule_data();
    void fullPathRule();

private:
    void write(const QString& name, const QByteArray& bytes) {
        QDir().mkpath(QFileInfo(name).path());
        QFile file(name);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    // Whether the view, drawn as the user would see it, shows the red picture of a test.
    bool drawsRed() {
        const QImage drawn = m_view->grab().toImage();
        for (int y = 0; y < drawn.height(); ++y)
            for (int x = 0; x < drawn.width(); ++x)
                if (drawn.pixel(x, y) == QColor(Qt::red).rgb())
                    return true;
        return false;
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_previous;
    std::unique_ptr<HtmlView> m_view;
};

void TestHtmlView::init() {
    m_previous = QDir::currentPath();
    m_dir = std::make_unique<QTemporaryDir>();
    QDir::setCurrent(m_dir->path());
    m_view = std::make_unique<HtmlView>(nullptr, "WebBrowser1");
    // Nothing the view does may print to the terminal.
    QTest::failOnWarning(QRegularExpression(".*"));
}

void TestHtmlView::cleanup() {
    m_view.reset();
    QDir::setCurrent(m_previous);
    m_dir.reset();
}

void TestHtmlView::loadsWhileZeroWide() {
    write("answers/1.html", "<html><body><p>The first inhabitants</p></body></html>");
    m_view->resize(0, 57);
    m_view->Navigate("answers/1.html");
    QCOMPARE(m_view->width(), 0);
    QCOMPARE(m_view->currentPath(), m_dir->filePath("answers/1.html"));
    QVERIFY(m_view->toPlainText().contains("The first inhabitants"));
}

void TestHtmlView::readsALongPageInPieces_data() {
    QTest::addColumn<bool>("replaced"); // by other text before the last piece is read
    QTest::newRow("read to the end") << false;
    QTest::newRow("replaced while read") << true;
}

// Pieces added one after another make the very page read whole, and stop where other text
// takes its place.
void TestHtmlView::readsALongPageInPieces() {
    QFETCH(bool, replaced);
    QByteArray page = "<font size=\"5\"><span style=\"font-weight: 700\">Wrong</span></font><br>";
    for (int k = 0; k < 300; ++k)
        page += "Question " + QByteArray::number(k) +
                " &amp; <i>why</i><br>\r\n<span style=\""
                "background-color: #00ff00\">M\xe9tis<b>&nbsp;- CORRECT</b><br>\r\n</span>\r\n"
                "<br><hr><br>\r\n";
    write("result.html", page);
    HtmlView whole(nullptr, "WebBrowser3");
    whole.Navigate("result.html");
    m_view->setPieceMark("<br><hr><br>");
    m_view->Navigate("result.html");
    QVERIFY(m_view->isReading());
    QVERIFY(m_view->toPlainText().startsWith("Wrong"));
    if (replaced)
        m_view->setHtml("<p>Not saved</p>");
    QTRY_VERIFY(!m_view->isReading());
    if (replaced)
        QCOMPARE(m_view->toPlainText(), QStringLiteral("Not saved"));
    else
        QCOMPARE(m_view->toHtml(), whole.toHtml());
}

void TestHtmlView::decodesWindows1252AndUtf8_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("windows-1252") << QByteArray("<br>M\xe9tis \x93quoted\x94")
                                  << QStringLiteral("M\u00e9tis \u201cquoted\u201d");
    QTest::newRow("utf-8") << QByteArray("<br>M\xc3\xa9tis") << QStringLiteral("M\u00e9tis");
}

void TestHtmlView::decodesWindows1252AndUtf8() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    write("result.html", bytes);
    m_view->Navigate("result.html");
    QVERIFY2(m_view->toPlainText().contains(text), qPrintable(m_view->toPlainText()));
}

void TestHtmlView::missingPageShowsItsOwnNotice() {
    m_view->Navigate("study/99.html");
    const QString shown = m_view->toPlainText();
    QVERIFY(shown.contains("could not be opened"));
    QVERIFY(shown.contains(m_dir->filePath("study/99.html")));
}

void TestHtmlView::refusesFilesOutsideTheWorkingFolder_data() {
    QTest::addColumn<QString>("link");
    QTest::newRow("absolute file url") << "file:///etc/hostname";
    QTest::newRow("climbing out") << "../../../../../../etc/hostname";
    QTest::newRow("link out of the folder") << "escape.html";
}

void TestHtmlView::refusesFilesOutsideTheWorkingFolder() {
    QFETCH(QString, link);
    QTemporaryDir outside;
    write(outside.filePath("secret.html"), "<p>secret</p>");
    write("study/1.html", "<p>chapter</p>");
    // A link inside the folder that points out of it is refused as well.
    QVERIFY(QFile::link(outside.filePath("secret.html"), "study/escape.html"));
    m_view->Navigate("study/1.html");
    m_view->setSource(m_view->source().resolved(QUrl(link)));
    QVERIFY(m_view->toPlainText().contains("could not be opened"));
    QVERIFY(!m_view->toPlainText().contains("secret"));
}

void TestHtmlView::relativeLinksStayInTheGuide() {
    write("answers/5.html", "<p>answer <a href=\"../study/7.html\">chapter</a></p>");
    write("study/7.html", "<p>Aboriginal peoples</p>");
    m_view->Navigate("answers/5.html");
    // Followed from the keyboard: the caret moved into the link, Enter.
    for (int i = 0; i < 8; ++i)
        QTest::keyClick(m_view.get(), Qt::Key_Right);
    QTest::keyClick(m_view.get(), Qt::Key_Return);
    QVERIFY(m_view->toPlainText().contains("Aboriginal peoples"));
}

// A folder may reach its pages through links (the user's folder does). They are followed once,
// when the view is made, and the pictures resolve where the pages really live.
void TestHtmlView::pagesThroughLinks_data() {
    QTest::addColumn<QString>("folder"); // what study and answers lead to in each guide
    QTest::addColumn<bool>("repointed"); // by another install, after the view was made
    QTest::addColumn<bool>("pictureShown");
    QTest::newRow("links into a guide") << "study" << false << true;
    QTest::newRow("re-pointed after the start") << "study" << true << true;
    QTest::newRow("link to a folder of another name") << "notes" << false << false;
}

void TestHtmlView::pagesThroughLinks() {
    QFETCH(QString, folder);
    QFETCH(bool, repointed);
    QFETCH(bool, pictureShown);
    QTemporaryDir guides;
    QImage picture(8, 8, QImage::Format_RGB32);
    picture.fill(Qt::red);
    QVERIFY(QDir().mkpath(guides.filePath("a/art")) &&
            picture.save(guides.filePath("a/art/pic.png")));
    for (const QString& guide : {QStringLiteral("a"), QStringLiteral("b")})
        write(guides.filePath(guide + '/' + folder + "/1.html"),
              "<p>guide " + guide.toUtf8() + " <img src=\"../art/pic.png\"></p>");
    QVERIFY(QFile::link(guides.filePath("a/" + folder), "study"));
    m_view->setPageFolders(PageFolders::resolve(m_dir->path()));
    if (repointed)
        QVERIFY(QFile::remove("study") && QFile::link(guides.filePath("b/" + folder), "study"));
    m_view->resize(300, 200);
    m_view->Navigate("study/1.html");
    QVERIFY2(m_view->toPlainText().contains("guide a"), qPrintable(m_view->toPlainText()));
    QCOMPARE(drawsRed(), pictureShown);
}

void TestHtmlView::fullPathRule_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("drive");
    QTest::newRow("drive letter") << "C:\\guide\\study" << true;
    QTest::newRow("lower-case drive") << "d:/x" << true;
    QTest::newRow("too short") << "C:" << false;
    QTest::newRow("digit") << "1:/x" << false;
    QTest::newRow("unix") << "/home/x" << false;
}

void TestHtmlView::fullPathRule() {
    QFETCH(QString, path);
    QFETCH(bool, drive);
    QCOMPARE(PageAddress::hasDriveLetter(path), drive);
    QString universal;
    QVERIFY(!PageAddress::universalName(path, &universal));
    QCOMPARE(PageAddress::fullPath("study/3.html"), m_dir->filePath("study/3.html"));
    QCOMPARE(PageAddress::fullPath("result.html"), m_dir->filePath("result.html"));
}

// Pictures and pages pass one gate: under the allowed folders, regular files only, at most
// the cap, opened without blocking, and never read by Qt's own fallback, which loads the raw
// src of any picture that it is not handed as a whole image.
void TestHtmlView::gate_data() {
    QTest::addColumn<QString>("src");
    QTest::addColumn<QByteArray>("kind"); // what study/pic names, if anything
    QTest::addColumn<bool>("shown");
    QTest::newRow("picture in the guide") << "pic.png" << QByteArray("file") << true;
    QTest::newRow("absolute path in the guide") << "GUIDE/pic.png" << QByteArray("file") << true;
    QTest::newRow("absolute path out") << "OUTSIDE" << QByteArray() << false;
    QTest::newRow("file url out") << "file://OUTSIDE" << QByteArray() << false;
    QTest::newRow("climbing out") << "../../../../../../../../OUTSIDE" << QByteArray() << false;
    QTest::newRow("link out") << "pic.png" << QByteArray("link") << false;
    QTest::newRow("fifo") << "pic.png" << QByteArray("fifo") << false;
    QTest::newRow("fifo by absolute path") << "OUTSIDE" << QByteArray("fifo out") << false;
    QTest::newRow("device") << "/dev/zero" << QByteArray() << false;
    QTest::newRow("device by file url") << "file:///dev/zero" << QByteArray() << false;
    QTest::newRow("oversized picture") << "pic.png" << QByteArray("huge") << false;
    QTest::newRow("no picture in the file") << "pic.png" << QByteArray("garbage") << false;
}

void TestHtmlView::gate() {
    QFETCH(QString, src);
    QFETCH(QByteArray, kind);
    QFETCH(bool, shown);
    QTemporaryDir outside;
    QImage picture(8, 8, QImage::Format_RGB32);
    picture.fill(Qt::red);
    if (kind == "fifo out")
        QCOMPARE(::mkfifo(QFile::encodeName(outside.filePath("secret.png")), 0600), 0);
    else
        QVERIFY(picture.save(outside.filePath("secret.png")));
    src.replace("OUTSIDE", outside.filePath("secret.png"));
    src.replace("GUIDE", m_dir->filePath("study"));
    QDir().mkpath("study");
    if (kind == "file")
        QVERIFY(QFile::copy(outside.filePath("secret.png"), "study/pic.png"));
    else if (kind == "garbage")
        write("study/pic.png", "not a picture");
    else if (kind == "link")
        QVERIFY(QFile::link(outside.filePath("secret.png"), "study/pic.png"));
    else if (kind == "fifo")
        QCOMPARE(::mkfifo("study/pic.png", 0600), 0);
    else if (kind == "huge")
        QVERIFY(QFile("study/pic.png").open(QIODevice::WriteOnly) &&
                QFile("study/pic.png").resize(PageFile::kMaxBytes + 1));
    write("study/1.html", QByteArray("<p>chapter <img src=\"") + src.toUtf8() + "\"></p>");
    ::alarm(20); // a blocking open must fail the test, not hang it
    m_view->resize(300, 200);
    m_view->Navigate("study/1.html");
    const bool red = drawsRed();
    ::alarm(0);
    QVERIFY(m_view->toPlainText().contains("chapter"));
    QCOMPARE(red, shown);
}

void TestHtmlView::oversizedPageAndRootFolder() {
    QVERIFY(QFile("big.html").open(QIODevice::WriteOnly));
    QVERIFY(QFile("big.html").resize(PageFile::kMaxBytes + 1));
    m_view->Navigate("big.html");
    QVERIFY(m_view->toPlainText().contains("too large"));
    // A working folder of / holds every file.
    QVERIFY(PageFile::isInside("/etc/hostname", {"/"}));
    QVERIFY(!PageFile::isInside("/etc/hostname", {m_dir->path()}));
    // A NUL would cut the name that is opened after the check.
    QDir().mkpath("sub");
    const QString cut = m_dir->filePath("sub/../../../../../../../etc/hostname") + QChar(0);
    QCOMPARE(PageFile::read(cut, {m_dir->filePath("sub")}).status, PageFile::Status::Outside);
}
QTEST_MAIN(TestHtmlView)
#include "tst_htmlview.moc"
