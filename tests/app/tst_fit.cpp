#include "pages/practicepage.h"
#include "pages/studypage.h"
#include "progress/progresspage.h"
#include "selftest/testpage.h"
#include "support/formfixture.h"
#include "widgets/conceal.h"
#include "widgets/focusbutton.h"
#include "widgets/fontcheck.h"
#include "widgets/label.h"
#include "widgets/pagecontrol.h"
#include "widgets/picklist.h"

#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QTabBar>
#include <QTranslator>

#include <cmath>

// The window keeps the sizes the English layout gave its controls, and French runs longer.
// Every word in a control that cannot wrap must show whole, and a label that grows with its
// text must not run into its neighbour. Measured in the fonts the package depends on; run
// again under QT_SCALE_FACTOR=2, where the fonts are drawn unhinted at other widths.
class TestFit : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void controlsFit_data();
    void controlsFit();
    void contentFits_data();
    void contentFits();

private:
    void setLanguage(const QString& language);
    void checkPage(QWidget* page, QStringList* faults) const;

    std::unique_ptr<QTemporaryDir> m_data;
    std::unique_ptr<HistoryStore> m_history;
    std::unique_ptr<FormFixture> m_f;
    std::unique_ptr<QTranslator> m_french;
};

namespace {

enum class Moment { AtRest, Asking, Summary, Drilling, DrillAnswered };

QString describe(const QWidget* w) {
    QString text;
    if (const auto* label = qobject_cast<const QLabel*>(w))
        text = label->text();
    else if (const auto* button = qobject_cast<const QAbstractButton*>(w))
        text = button->text();
    return QStringLiteral("%1 \"%2\"").arg(w->objectName(), text);
}

// The width the text takes where the control draws it, and the width it is given there.
struct Need {
    int text = 0;
    int room = 0;
};

// At scale 2 the fonts are drawn unhinted, at widths between whole pixels: a text a fraction
// of a pixel too wide loses a column of device pixels.
int textWidth(const QFont& font, const QString& text, int flags = 0) {
    return int(std::ceil(QFontMetricsF(font).size(flags, text).width()));
}

Need pushButtonNeed(const QPushButton* button) {
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    option.features = button->isFlat() ? QStyleOptionButton::Flat : QStyleOptionButton::None;
    const QRect contents =
        button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    return {textWidth(button->font(), button->text(), Qt::TextShowMnemonic), contents.width()};
}

Need labelNeed(const QLabel* label) {
    const int margins = 2 * label->margin() + qMax(0, label->indent());
    const int flags = label->buddy() ? Qt::TextShowMnemonic : 0;
    return {textWidth(label->font(), label->text(), flags) + margins,
            label->contentsRect().width()};
}

Need comboNeed(const QComboBox* combo, const QString& text) {
    QStyleOptionComboBox option;
    option.initFrom(combo);
    option.editable = combo->isEditable();
    const QRect field = combo->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                       QStyle::SC_ComboBoxEditField, combo);
    return {textWidth(combo->font(), text), field.width()};
}

// A label that takes the size of its text is never clipped, but it covers, or is covered by,
// a neighbour its text reaches. Frames (bevels, the results panel) are drawn under the text.
QString overlap(const QLabel* label) {
    const QRect text = label->geometry();
    const QWidget* parent = label->parentWidget();
    if (text.right() >= parent->width())
        return QStringLiteral("runs past the edge of %1").arg(parent->objectName());
    for (const QObject* child : parent->children()) {
        const auto* other = qobject_cast<const QWidget*>(child);
        if (!other || other == label || conceal::isOutOfSight(other) ||
            other->metaObject() == &QFrame::staticMetaObject || other->geometry().contains(text))
            continue;
        if (other->geometry().intersects(text))
            return QStringLiteral("reaches %1").arg(describe(other));
    }
    return {};
}

} // namespace

void TestFit::initTestCase() {
    controls::installFontSubstitutes();
    // Measured in other faces, the widths would say nothing of what the package shows.
    const QString missing = missingLayoutFont();
    QVERIFY2(missing.isEmpty(), qPrintable(missing));
    for (const auto& [family, face] : {std::pair{"MS Sans Serif", "Liberation Sans"},
                                       {"Verdana", "DejaVu Sans"},
                                       {"Trebuchet MS", "Liberation Sans"}})
        QCOMPARE(QFontInfo(controls::font(QLatin1String(family), 11)).family(),
                 QLatin1String(face));
    m_french = std::make_unique<QTranslator>();
    QVERIFY(m_french->load(QStringLiteral(":/i18n/orvane_fr.qm")));
}

void TestFit::init() {
    m_data = std::make_unique<QTemporaryDir>();
    m_history = std::make_unique<HistoryStore>(m_data->filePath(QStringLiteral("orvane")),
                                               [](const HistoryStore::Status&) {});
    m_f = std::make_unique<FormFixture>();
    m_f->history = m_history.get();
}

void TestFit::cleanup() {
    m_f.reset();
    m_history.reset();
    m_data.reset();
    QCoreApplication::removeTranslator(m_french.get());
}

void TestFit::setLanguage(const QString& language) {
    const bool french = language == QLatin1String("fr");
    if (french)
        QCoreApplication::installTranslator(m_french.get());
    m_f->content = Content::builtIn(french ? language : QString());
}

void TestFit::checkPage(QWidget* page, QStringList* faults) const {
    for (QWidget* w : page->findChildren<QWidget*>()) {
        if (conceal::isOutOfSight(w) || !w->isVisible())
            continue;
        const auto fault = [&](const QString& why) { *faults << describe(w) + u' ' + why; };
        Need need;
        if (const auto* label = qobject_cast<const QLabel*>(w)) {
            if (label->wordWrap() || label->text().isEmpty())
                continue;
            need = labelNeed(label);
            if (label->alignment() & Qt::AlignLeft) {
                if (const QString o = overlap(label); !o.isEmpty())
                    fault(o);
            }
        } else if (const auto* button = qobject_cast<const QPushButton*>(w)) {
            need = pushButtonNeed(button);
        } else if (const auto* radio = qobject_cast<const QRadioButton*>(w)) {
            need = {radio->sizeHint().width(), radio->width()};
        } else if (const auto* combo = qobject_cast<const QComboBox*>(w)) {
            if (combo->isEditable())
                continue; // what the user types
            need = comboNeed(combo, combo->currentText());
        } else {
            continue;
        }
        if (need.text > need.room)
            fault(QStringLiteral("needs %1 px, has %2").arg(need.text).arg(need.room));
    }
}

void TestFit::controlsFit_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("step");
    for (const char* language : {"en", "fr"}) {
        const auto row = [&](const char* name, Moment moment) {
            QTest::addRow("%s, %s", language, name) << QString::fromLatin1(language) << int(moment);
        };
        row("every page at rest", Moment::AtRest);
        row("a question asked", Moment::Asking);
        row("the summary", Moment::Summary);
        row("a drill question", Moment::Drilling);
        row("a drill answer", Moment::DrillAnswered);
    }
}

// Each page brought into sight at each moment of a test and a drill, and every control in sight
// measured, so that a control added later is measured too.
void TestFit::controlsFit() {
    QFETCH(QString, language);
    QFETCH(int, step);
    const auto moment = Moment(step);
    setLanguage(language);
    TForm1& form = m_f->start();
    if (!qEnvironmentVariableIsEmpty("QT_SCALE_FACTOR"))
        QCOMPARE(form.devicePixelRatio(), qEnvironmentVariable("QT_SCALE_FACTOR").toDouble());
    TestPage* test = form.TabSheet4;
    if (moment != Moment::AtRest) {
        form.PageControl1->setCurrentPage(test);
        test->Button1->click();
    }
    if (moment >= Moment::Summary) {
        for (int i = 0; i < 5; ++i) {
            test->RadioButton1->setChecked(true);
            test->Button2->click();
        }
        QVERIFY(form.TabSheet5);
    }
    if (moment >= Moment::Drilling) {
        form.PageControl1->setCurrentPage(form.TabSheet5);
        QVERIFY(form.TabSheet5->DrillButton->isEnabled()); // option A is not always right
        form.TabSheet5->DrillButton->click();
    }
    if (moment == Moment::DrillAnswered) {
        form.TabSheet5->DrillOptions[0]->click();
        form.TabSheet5->DrillSubmit->click();
    }
    QVERIFY(m_f->errors.shown.isEmpty());

    QStringList faults;
    QTabBar* tabs = form.PageControl1->tabBar();
    if (tabs->tabRect(tabs->count() - 1).right() >= form.PageControl1->width())
        faults << QStringLiteral("the tabs run past the page control");
    for (int i = 0; i < tabs->count(); ++i) {
        form.PageControl1->setCurrentIndex(i);
        checkPage(form.PageControl1->currentPage(), &faults);
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("\n  "))));
}

void TestFit::contentFits_data() {
    QTest::addColumn<QString>("language");
    QTest::newRow("en") << QStringLiteral("en");
    QTest::newRow("fr") << QStringLiteral("fr");
}

// Every option of the bank in the test's option buttons (the drill's are wider, in the same
// font), every question where the test and the practice page show it, and every chapter title
// in the chapter picker.
void TestFit::contentFits() {
    QFETCH(QString, language);
    setLanguage(language);
    TForm1& form = m_f->start();
    QStringList faults;
    const auto measure = [&](QWidget* w, const QString& text, Need need) {
        if (need.text > need.room)
            faults << QStringLiteral("%1 \"%2\" needs %3 px, has %4")
                          .arg(w->objectName(), text)
                          .arg(need.text)
                          .arg(need.room);
    };
    QRadioButton* option = form.TabSheet4->RadioButton1;
    const QuestionBank& bank = m_f->content.bank;
    for (int r = 1; r <= QuestionBank::kRecords; ++r) {
        for (const QString& text : bank.question(r).options) {
            option->setText(text);
            measure(option, text, {option->sizeHint().width(), option->width()});
        }
    }
    // A question wraps, and must stay above what follows it.
    const auto wrapsAbove = [&](Label* label, const QString& text, const QWidget* below) {
        label->setCaption(text);
        if (label->geometry().bottom() >= below->y())
            faults << QStringLiteral("%1 \"%2\" reaches %3")
                          .arg(label->objectName(), text, below->objectName());
    };
    TestPage* test = form.TabSheet4;
    for (int r = 1; r <= QuestionBank::kRecords; ++r)
        wrapsAbove(test->Label20, bank.question(r).text, test->Bevel2);
    PracticePage* practice = form.TabSheet1;
    for (const QString& item : m_f->content.practiceList)
        wrapsAbove(practice->Label3, item, practice->Bevel3);
    QComboBox* chapters = form.TabSheet2->ComboBox1;
    for (int c = 0; c < chapters->count(); ++c)
        measure(chapters, chapters->itemText(c), comboNeed(chapters, chapters->itemText(c)));
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("\n  "))));
}

QTEST_MAIN(TestFit)
#include "tst_fit.moc"
