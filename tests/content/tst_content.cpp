#include "base/cp1252.h"
#include "content/content.h"

#include <QRegularExpression>
#include <QSet>
#include <QTest>

namespace {

const QList<int> kExcluded = {34,  43,  50,  51,  53,  54,  58,  75,  76,
                              135, 136, 137, 147, 163, 165, 177, 191, 193};
const QChar kNbsp(0x00A0);
const QChar kEAcute(0x00E9);

bool endsWithBlank(const QString& s) {
    return s.endsWith(u' ');
}
QString withoutTrailingBlank(const QString& s) {
    return endsWithBlank(s) ? s.chopped(1) : s;
}
int practiceNumberOf(const QString& line) {
    return line.section(u'.', 0, 0).toInt();
}

} // namespace

// The built-in content is what people study from; these are the rules it must keep whoever
// edits it.
class TestContent : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void bankHasItsBlocks();
    void recordsHoldThePracticeNumbersInOrder();
    void firstTwoRecordsExactly();
    void answerKey_data();
    void answerKey();
    void answerKeyCounts();
    void bankLineForms();
    void bankQuestionsDifferFromPracticeOnlyAsListed();
    void bankCharacters();
    void practiceListForm();
    void practiceExamplesExactly_data();
    void practiceExamplesExactly();
    void chapterTitles();
    void recordAccess_data();
    void recordAccess();
    void frenchEditionKeepsTheEnglishForm();

private:
    Content m_content = Content::builtIn();
    const QStringList& bank() const { return m_content.bank.lines(); }
    const QStringList& practice() const { return m_content.practiceList; }
    QList<int> m_numbers; // practice number of each record, index = record - 1
};

void TestContent::initTestCase() {
    for (int n = 1; n <= 197; ++n) {
        if (!kExcluded.contains(n))
            m_numbers << n;
    }
    QCOMPARE(m_numbers.size(), 179);
}

void TestContent::bankHasItsBlocks() {
    QCOMPARE(bank().size(), 1260);
    for (int i = 0; i < 6; ++i)
        QVERIFY(bank()[i].isEmpty());
    QCOMPARE(bank()[6], QStringLiteral("1"));
    for (int r = 1; r <= 179; ++r) {
        const QString separator = bank()[7 * r];
        QCOMPARE(separator, (r == 11 || r == 128) ? QStringLiteral(" ") : QString());
        for (int k = 1; k <= 4; ++k) {
            const QString option = bank()[7 * r + 1 + k];
            const QString prefix = QStringLiteral("[%1]     ").arg(QChar(u'A' + k - 1));
            QVERIFY2(option.startsWith(prefix) && option.size() > 8 && option[8] != u' ',
                     qPrintable(QStringLiteral("record %1 option %2").arg(r).arg(k)));
        }
        QVERIFY2(QRegularExpression("^[1-4]$").match(bank()[7 * r + 6]).hasMatch(),
                 qPrintable(QStringLiteral("record %1 answer line").arg(r)));
    }
}

void TestContent::recordsHoldThePracticeNumbersInOrder() {
    QSet<int> seen;
    for (int r = 1; r <= 179; ++r) {
        const QString question = m_content.bank.QuestionText(r);
        const QString expectedStart = QStringLiteral("%1. ").arg(m_numbers[r - 1]);
        QVERIFY2(question.startsWith(expectedStart) && question[expectedStart.size()] != u' ',
                 qPrintable(QStringLiteral("record %1: %2").arg(r).arg(question)));
        seen.insert(practiceNumberOf(question));
    }
    QCOMPARE(seen.size(), 179);
    // The excluded-questions notice lists exactly the numbers that have no record.
    for (int n : kExcluded)
        QVERIFY(!seen.contains(n));
}

void TestContent::firstTwoRecordsExactly() {
    const QStringList expected = {
        "",
        "1. Who are the Aboriginal peoples of Canada?",
        "[A]     Early Australian immigrants. ",
        "[B]     The first inhabitants of Canada. ",
        "[C]     Refugees from the American Revolution. ",
        QStringLiteral("[D]     United Empire Loyalists and M\u00e9tis."),
        "2",
        "",
        "2. What are the three main groups of Aboriginal peoples?",
        QStringLiteral("[A]     First Nations, M\u00e9tis and Inuit. "),
        QStringLiteral("[B]     Acadians, M\u00e9tis and Inuit. "),
        QStringLiteral("[C]     United Empire Loyalists, M\u00e9tis and Inuit. "),
        QStringLiteral("[D]     Inuit, M\u00e9tis and Acadians. "),
        "1"};
    QCOMPARE(bank().mid(7, 14), expected);
}

void TestContent::answerKey_data() {
    QTest::addColumn<int>("record");
    QTest::addColumn<int>("practiceNumber");
    QTest::addColumn<int>("correct");
    QTest::newRow("1") << 1 << 1 << 2;
    QTest::newRow("2") << 2 << 2 << 1;
    QTest::newRow("33") << 33 << 33 << 4;
    QTest::newRow("34") << 34 << 35 << 1;
    QTest::newRow("164") << 164 << 180 << 1;
    QTest::newRow("165") << 165 << 181 << 4;
    QTest::newRow("179") << 179 << 197 << 2;
}

void TestContent::answerKey() {
    QFETCH(int, record);
    QFETCH(int, practiceNumber);
    QFETCH(int, correct);
    QCOMPARE(practiceNumberOf(m_content.bank.QuestionText(record)), practiceNumber);
    QCOMPARE(m_content.bank.CorrectOption(record), correct);
}

void TestContent::answerKeyCounts() {
    int counts[5] = {};
    for (int r = 1; r <= 179; ++r)
        ++counts[m_content.bank.CorrectOption(r)];
    QCOMPARE(counts[1], 42);
    QCOMPARE(counts[2], 48);
    QCOMPARE(counts[3], 50);
    QCOMPARE(counts[4], 39);
}

void TestContent::bankLineForms() {
    const QList<int> questionsWithoutBlank = {1, 2, 3, 5, 10, 139, 180, 197};
    int questionBlanks = 0, asking = 0, instructions = 0, optionBlanks = 0;
    qsizetype longestQuestion = 0, longestOption = 0;
    for (int r = 1; r <= 179; ++r) {
        const QString q = m_content.bank.QuestionText(r);
        const int n = practiceNumberOf(q);
        QCOMPARE(endsWithBlank(q), !questionsWithoutBlank.contains(n));
        QVERIFY2(!q.endsWith(QStringLiteral("  ")), qPrintable(q));
        questionBlanks += endsWithBlank(q);
        const QString body = withoutTrailingBlank(q).section(u' ', 1, -1);
        if (body.endsWith(u'?')) {
            ++asking;
        } else {
            QVERIFY2(body.endsWith(u'.') &&
                         QRegularExpression("^(Name|List|Give) ").match(body).hasMatch(),
                     qPrintable(q));
            ++instructions;
        }
        longestQuestion = qMax(longestQuestion, q.size());
        for (int k = 1; k <= 4; ++k) {
            const QString o = m_content.bank.OptionText(r, k);
            QVERIFY2(!o.endsWith(QStringLiteral("  ")), qPrintable(o));
            optionBlanks += endsWithBlank(o);
            longestOption = qMax(longestOption, o.size());
        }
    }
    QCOMPARE(questionBlanks, 171);
    QCOMPARE(asking, 167);
    QCOMPARE(instructions, 12);
    QCOMPARE(optionBlanks, 708);
    QCOMPARE(longestQuestion, 122);
    QCOMPARE(longestOption, 123);
    QVERIFY(!bank()[7 + 5].endsWith(u' ')); // record 1, option D
}

void TestContent::bankQuestionsDifferFromPracticeOnlyAsListed() {
    int same = 0;
    for (int r = 1; r <= 179; ++r) {
        const QString q = m_content.bank.QuestionText(r);
        const int n = practiceNumberOf(q);
        QString item = practice()[n - 1];
        const auto insertBefore = [&](const QString& addition) {
            const QString base = withoutTrailingBlank(item);
            return base.chopped(1) + addition + base.right(1) + (endsWithBlank(item) ? " " : "");
        };
        QString expected = item;
        switch (n) {
        case 5:
        case 10:
        case 139:
            expected = item.chopped(1);
            break;
        case 17:
        case 94:
            expected = QString(item).replace(kNbsp, u' ');
            break;
        case 130:
        case 197:
            expected = insertBefore(" (year 2002)");
            break;
        case 181:
        case 182:
        case 184:
        case 185:
        case 186:
        case 188:
        case 189:
        case 190:
            expected = insertBefore(" (for Ontario residents)");
            break;
        case 187:
            QCOMPARE(item, QStringLiteral("187. List three minerals found in your region. "));
            expected =
                "187. List atleast three minerals found in your region (for Ontario residents). ";
            break;
        case 192:
            expected = insertBefore(" (for Toronto residents-2002)");
            break;
        case 194:
        case 195:
        case 196:
            expected = insertBefore(" (for Ontario residents-2002)");
            break;
        default:
            ++same;
            break;
        }
        QCOMPARE(q, expected);
    }
    QCOMPARE(same, 159);
}

void TestContent::bankCharacters() {
    const QList<int> metisRecords = {1, 2, 5, 6, 7, 13, 23, 32, 50, 58};
    int metisLines = 0;
    QSet<int> recordsWithMetis;
    for (int i = 0; i < bank().size(); ++i) {
        const QString& line = bank()[i];
        for (QChar c : line) {
            const bool printable = c.unicode() >= 0x20 && c.unicode() < 0x7F;
            QVERIFY2(printable || c == kEAcute, qPrintable(QStringLiteral("line %1").arg(i)));
        }
        QVERIFY2(!line.contains(u'<') && !line.contains(u'>') && !line.contains(u'&'),
                 qPrintable(QStringLiteral("line %1").arg(i)));
        if (line.contains(kEAcute)) {
            const bool chretien = line.contains(QStringLiteral("Chr\u00e9tien"));
            QVERIFY2(line.contains(QStringLiteral("M\u00e9tis")) != chretien, qPrintable(line));
            if (chretien) {
                QCOMPARE(i, 7 * 161 + 2); // option A of record 161 only
            } else {
                ++metisLines;
                recordsWithMetis.insert(i / 7);
            }
        }
    }
    QCOMPARE(metisLines, 13);
    QCOMPARE(recordsWithMetis, QSet<int>(metisRecords.begin(), metisRecords.end()));
}

void TestContent::practiceListForm() {
    QCOMPARE(practice().size(), 197);
    const QList<int> withoutBlank = {1, 2, 3, 180, 197};
    int blanks = 0, asking = 0, instructions = 0;
    for (int p = 0; p < 197; ++p) {
        const QString& item = practice()[p];
        QVERIFY2(item.startsWith(QStringLiteral("%1. ").arg(p + 1)), qPrintable(item));
        QVERIFY2(!item.contains(QStringLiteral("  ")), qPrintable(item));
        QCOMPARE(endsWithBlank(item), !withoutBlank.contains(p + 1));
        blanks += endsWithBlank(item);
        const QString body = withoutTrailingBlank(item).section(u' ', 1, -1);
        if (body.endsWith(u'?')) {
            ++asking;
        } else {
            QVERIFY2(body.endsWith(u'.') &&
                         QRegularExpression("^(List|Name|Give|Explain) ").match(body).hasMatch(),
                     qPrintable(item));
            ++instructions;
        }
        QVERIFY2(p == 192 ? item.size() == 199 : item.size() <= 122, qPrintable(item));
        for (QChar c : item) {
            const bool printable = c.unicode() >= 0x20 && c.unicode() < 0x7F;
            QVERIFY(printable || c == kEAcute || c == kNbsp);
        }
        QCOMPARE(item.contains(kEAcute), p == 4 || p == 5);
        QCOMPARE(item.contains(kNbsp), p == 16 || p == 93);
        QVERIFY(!item.contains(u'<') && !item.contains(u'>') && !item.contains(u'&'));
    }
    QCOMPARE(blanks, 192);
    QCOMPARE(asking, 172);
    QCOMPARE(instructions, 25);
    QVERIFY(practice()[93].contains(QStringLiteral("100,000") + kNbsp + QStringLiteral("Lakes")));
}

void TestContent::practiceExamplesExactly_data() {
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("item");
    QTest::newRow("0") << 0 << "1. Who are the Aboriginal peoples of Canada?";
    QTest::newRow("4") << 4 << QStringLiteral("5. From whom are the M\u00e9tis descended? ");
    QTest::newRow("16") << 16
                        << QStringLiteral(
                               "17. Which trade spread across Canada, making it important "
                               "to the economy for over 300\u00a0years? ");
    QTest::newRow("33") << 33
                        << "34. List each province and territory and tell when each one joined the "
                           "Confederation. ";
    QTest::newRow("180") << 180 << "181. When did settlers from Europe first come to your region? ";
    QTest::newRow("192")
        << 192
        << "193. What is the name of your provincial representative (member of the "
           "Legislative Assembly, member of the provincial Parliament, member of "
           "the National Assembly or member of the House of Assembly)? ";
    QTest::newRow("196") << 196
                         << "197. What is the name of your lieutenant-governor or commissioner?";
}

void TestContent::practiceExamplesExactly() {
    QFETCH(int, position);
    QFETCH(QString, item);
    QCOMPARE(practice()[position], item);
}

void TestContent::chapterTitles() {
    QCOMPARE(m_content.chapters.size(), 21);
    for (const QString& title : m_content.chapters) {
        QVERIFY2(title.endsWith(u' ') && !title.endsWith(QStringLiteral("  ")), qPrintable(title));
    }
    QCOMPARE(m_content.chapters.first(), QStringLiteral("Message to Our Readers "));
    QCOMPARE(m_content.chapters[7], QStringLiteral("Map of Canada "));
    QCOMPARE(m_content.chapters[12], QStringLiteral("The North "));
    QCOMPARE(m_content.chapters.last(), QStringLiteral("Citizenship Test: Questions "));
}

void TestContent::recordAccess_data() {
    QTest::addColumn<int>("record");
    QTest::addColumn<int>("questionLine");
    QTest::addColumn<int>("practiceNumber");
    QTest::newRow("1") << 1 << 8 << 1;
    QTest::newRow("34") << 34 << 239 << 35;
    QTest::newRow("48") << 48 << 337 << 52;
    QTest::newRow("164") << 164 << 1149 << 180;
    QTest::newRow("165") << 165 << 1156 << 181;
    QTest::newRow("179") << 179 << 1254 << 197;
}

void TestContent::recordAccess() {
    QFETCH(int, record);
    QFETCH(int, questionLine);
    QFETCH(int, practiceNumber);
    const QuestionBank& b = m_content.bank;
    QCOMPARE(b.QuestionText(record), b.LineAt(questionLine));
    QCOMPARE(practiceNumberOf(b.QuestionText(record)), practiceNumber);
    QCOMPARE(b.OptionText(record, 1), b.LineAt(questionLine + 1));
    QCOMPARE(b.OptionText(record, 4), b.LineAt(questionLine + 4));
    QCOMPARE(b.CorrectOption(record), b.LineAt(questionLine + 5).toInt());
    QCOMPARE(practiceNumber <= 180, record <= 164); // Section I records come first
}

// The French edition is the English one, line for line: the same records with the same keys,
// so that a draw asks the same questions and the history counts them alike; the same form of
// every line; and every character writable in the report's code page.
void TestContent::frenchEditionKeepsTheEnglishForm() {
    const Content fr = Content::builtIn(QStringLiteral("fr"));
    const QList<std::pair<QStringList, QStringList>> lists = {{bank(), fr.bank.lines()},
                                                              {practice(), fr.practiceList},
                                                              {m_content.chapters, fr.chapters}};
    static const QRegularExpression form(QStringLiteral("^(\\[[A-D]\\]     |\\d+\\. |\\d+$|$)"));
    for (const auto& [english, french] : lists) {
        QCOMPARE(french.size(), english.size());
        for (int i = 0; i < english.size(); ++i) {
            const QString where = QStringLiteral("line %1: %2").arg(i + 1).arg(french[i]);
            QVERIFY2(form.match(french[i]).captured() == form.match(english[i]).captured(),
                     qPrintable(where));
            QVERIFY2(endsWithBlank(french[i]) == endsWithBlank(english[i]), qPrintable(where));
            QVERIFY2(cp1252::decode(cp1252::encode(french[i])) == french[i], qPrintable(where));
        }
    }
    for (int r = 1; r <= QuestionBank::kRecords; ++r)
        QCOMPARE(fr.bank.CorrectOption(r), m_content.bank.CorrectOption(r));
}

QTEST_APPLESS_MAIN(TestContent)
#include "tst_content.moc"
