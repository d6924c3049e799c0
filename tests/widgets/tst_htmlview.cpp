#include "widgets/htmlview.h"
#include "base/pageaddress.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

class TestHtmlView : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void loadsWhileZeroWide();
    void decodesWindows1252AndUtf8_data();
    void decodesWindows1252AndUtf8();
    void missingPageShowsItsOwnNotice();
    void refusesFilesOutsideTheWorkingFolder_data();
    void refusesFilesOutsideTheWorkingFolder();
    void relativeLinksStayInTheGuide();
    void fullPathRule_data();
    void fullPathRule();

private:
    void write(const QString& name, const QByteArray& bytes) {
        QDir().mkpath(QFileInfo(name).path());
        QFile file(name);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
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
    m_view->setSource(m_view->source().resolved(QUrl("../study/7.html")));
    QVERIFY(m_view->toPlainText().contains("Aboriginal peoples"));
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

QTEST_MAIN(TestHtmlView)
#include "tst_htmlview.moc"
