#include "app/language.h"
#include "selftest/testrules.h"

#include <QTest>

class TestLanguage : public QObject {
    Q_OBJECT
private slots:
    void chosen_data();
    void chosen();
    void formats_data();
    void formats();
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

void TestLanguage::formats_data() {
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QStringList>("preferred");
    QTest::addColumn<QString>("system");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("rate"); // 2 of 3, as the test page writes it
    QTest::newRow("French desktop of Canada") << "fr" << QStringList{"fr-CA"} << "fr_CA"
                                              << "fr_CA"
                                              << "66,6666666666667";
    QTest::newRow("French of Switzerland kept") << "fr" << QStringList{"fr-FR"} << "fr_CH"
                                                << "fr_CH"
                                                << "66,6666666666667";
    QTest::newRow("LANGUAGE=fr_CA on an English desktop")
        << "fr" << QStringList{"fr-CA", "en-US"} << "en_US"
        << "fr_CA"
        << "66,6666666666667";
    QTest::newRow("LANGUAGE=fr in the C locale") << "fr" << QStringList{"fr", "C"} << "C"
                                                 << "fr_FR"
                                                 << "66,6666666666667";
    QTest::newRow("English on a German desktop, as always")
        << "" << QStringList{"de-DE", "en"} << "de_DE"
        << "de_DE"
        << "66,6666666666667";
    QTest::newRow("English in the C locale") << "" << QStringList{"C"} << "C"
                                             << "C"
                                             << "66.6666666666667";
}

void TestLanguage::formats() {
    QFETCH(QString, chosen);
    QFETCH(QStringList, preferred);
    QFETCH(QString, system);
    QFETCH(QString, locale);
    QFETCH(QString, rate);
    const QLocale formats = language::formats(chosen, preferred, QLocale(system));
    QCOMPARE(formats.name(), locale);
    QCOMPARE(testrules::successRateText(testrules::successRate(2, 3), formats), rate);
}

QTEST_APPLESS_MAIN(TestLanguage)
#include "tst_language.moc"
