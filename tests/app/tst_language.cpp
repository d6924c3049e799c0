#include "app/language.h"

#include <QTest>

class TestLanguage : public QObject {
    Q_OBJECT
private slots:
    void chosen_data();
    void chosen();
};

void TestLanguage::chosen_data() {
    QTest::addColumn<QStringList>("preferred");
    QTest::addColumn<QString>("language");
    QTest::newRow("French of Canada") << QStringList{"fr-CA", "fr", "en"} << "fr";
    QTest::newRow("French of France") << QStringList{"fr-FR"} << "fr";
    QTest::newRow("English") << QStringList{"en-US", "fr"} << "";
    QTest::newRow("German, then French") << QStringList{"de-DE", "de", "fr"} << "fr";
    QTest::newRow("German only") << QStringList{"de-DE"} << "";
    QTest::newRow("the C locale") << QStringList{"C"} << "";
    QTest::newRow("none") << QStringList{} << "";
}

void TestLanguage::chosen() {
    QFETCH(QStringList, preferred);
    QFETCH(QString, language);
    QCOMPARE(language::chosen(preferred), language);
}

QTEST_APPLESS_MAIN(TestLanguage)
#include "tst_language.moc"
