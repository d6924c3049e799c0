#include "base/apperror.h"
#include "base/errortext.h"
#include "base/intvalue.h"

#include <QTest>

class TestIntValue : public QObject {
    Q_OBJECT
private slots:
    void conversion_data();
    void conversion();
    void errorBoxText_data();
    void errorBoxText();
    void applicationTitle_data();
    void applicationTitle();
};

void TestIntValue::conversion_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("value");
    const auto ok = [](const char* name, const QString& text, int value) {
        QTest::newRow(name) << text << true << value;
    };
    const auto bad = [](const char* name, const QString& text) {
        QTest::newRow(name) << text << false << 0;
    };
    ok("leading blank", " 20", 20);
    ok("dollar hex", "$14", 20);
    ok("0x hex", "0x14", 20);
    ok("x hex", "x14", 20);
    ok("X hex", "X1a", 26);
    ok("plus dollar", "+$10", 16);
    ok("minus dollar", "-$10", -16);
    ok("int max", "2147483647", 2147483647);
    ok("int min", "-2147483648", int(-2147483648LL));
    ok("eight hex digits wrap", "$FFFFFFFF", -1);
    ok("leading zeros", "0020", 20);
    ok("zero", "0", 0);
    ok("minus zero", "-0", 0);
    ok("several blanks", "   7", 7);
    bad("trailing blank", "20 ");
    bad("empty", "");
    bad("lone minus", "-");
    bad("lone plus", "+");
    bad("dollar only", "$");
    bad("0x only", "0x");
    bad("above int max", "2147483648");
    bad("below int min", "-2147483649");
    bad("nine hex digits", "$123456789");
    bad("tab is no blank", "\t20");
    bad("exponent", "1e3");
    bad("two signs", "--5");
    bad("blank after sign", "- 5");
    bad("letters", "abc");
    bad("hex letter in decimal", "1f");
    bad("decimal point", "2.5");
    bad("only blanks", "   ");
}

void TestIntValue::conversion() {
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(int, value);
    if (valid) {
        QCOMPARE(intValue(text), value);
        return;
    }
    try {
        intValue(text);
        QFAIL("no error raised");
    } catch (const AppError& error) {
        QCOMPARE(error.error().code, Error::Code::NotAnInteger);
        QCOMPARE(error.error().args, QStringList{text});
    }
}

void TestIntValue::errorBoxText_data() {
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("shown");
    QTest::newRow("letter") << "'x' is not a valid integer value"
                            << "'x' is not a valid integer value.";
    QTest::newRow("closing paren") << "List index out of bounds (-1)"
                                   << "List index out of bounds (-1)";
    QTest::newRow("digit") << "Error 5"
                           << "Error 5.";
    QTest::newRow("question mark") << "Why?"
                                   << "Why?.";
    QTest::newRow("bang") << "Stop!"
                          << "Stop!";
    QTest::newRow("quote") << "'a'"
                           << "'a'";
    QTest::newRow("full stop") << "Done."
                               << "Done.";
    QTest::newRow("empty") << ""
                           << "";
}

void TestIntValue::errorBoxText() {
    QFETCH(QString, message);
    QFETCH(QString, shown);
    QCOMPARE(::errorBoxText(message), shown);
}

void TestIntValue::applicationTitle_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("title");
    QTest::newRow("plain") << "/usr/bin/orvane"
                           << "orvane";
    QTest::newRow("capitals") << "/opt/ORVANE"
                              << "Orvane";
    QTest::newRow("first dot cuts") << "/x/Orvane.Study.bin"
                                    << "Orvane";
    QTest::newRow("no folder") << "MyApp.exe"
                               << "Myapp";
    QTest::newRow("one letter") << "/bin/q"
                                << "q";
}

void TestIntValue::applicationTitle() {
    QFETCH(QString, path);
    QFETCH(QString, title);
    QCOMPARE(::applicationTitle(path), title);
}

QTEST_APPLESS_MAIN(TestIntValue)
#include "tst_intvalue.moc"
