#include "widgets/zelurllabel.h"

#include <QApplication>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>

#include <map>
#include <memory>

Q_DECLARE_METATYPE(LabelFont)

namespace {

QFont face(const char* family, int pixelSize, bool bold = false) {
    QFont f(QString::fromLatin1(family));
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    return f;
}

// One attribute of the label's look: how to write its plain and hover values and how to read it
// back, with three values that differ from each other and from the label's defaults.
struct Attribute {
    std::function<void(TZelUrlLabel&, const QVariant&)> set;
    std::function<void(TZelUrlLabel&, const QVariant&)> setHover;
    std::function<QVariant(const TZelUrlLabel&)> get;
    std::function<QVariant(const TZelUrlLabel&)> saved;
    QVariant plain, hover, changed;
};

const std::map<QString, Attribute>& attributes() {
    using L = TZelUrlLabel;
    static const std::map<QString, Attribute> table = {
        {QStringLiteral("alignment"),
         {[](L& l, const QVariant& v) { l.setAlignment(TAlignment(v.toInt())); },
          [](L& l, const QVariant& v) { l.setHoverAlignment(TAlignment(v.toInt())); },
          [](const L& l) { return QVariant(int(l.Alignment())); },
          [](const L& l) { return QVariant(int(l.SavedAlignment())); },
          int(TAlignment::RightJustify), int(TAlignment::Center), int(TAlignment::LeftJustify)}},
        {QStringLiteral("caption"),
         {[](L& l, const QVariant& v) { l.setCaption(v.toString()); },
          [](L& l, const QVariant& v) { l.setHoverCaption(v.toString()); },
          [](const L& l) { return QVariant(l.Caption()); },
          [](const L& l) { return QVariant(l.SavedCaption()); }, QStringLiteral("plain"),
          QStringLiteral("hovered"), QStringLiteral("changed")}},
        {QStringLiteral("colour"),
         {[](L& l, const QVariant& v) { l.setColor(v.value<QColor>()); },
          [](L& l, const QVariant& v) { l.setHoverColor(v.value<QColor>()); },
          [](const L& l) { return QVariant(l.Color()); },
          [](const L& l) { return QVariant(l.SavedColor()); }, QColor(0x10, 0x20, 0x30),
          QColor(0xC0, 0xC0, 0x00), QColor(0x00, 0x80, 0x80)}},
        {QStringLiteral("font"),
         {[](L& l, const QVariant& v) { l.setFont(v.value<LabelFont>()); },
          [](L& l, const QVariant& v) { l.setHoverFont(v.value<LabelFont>()); },
          [](const L& l) { return QVariant::fromValue(l.Font()); },
          [](const L& l) { return QVariant::fromValue(l.SavedFont()); },
          QVariant::fromValue(LabelFont{face("Liberation Sans", 12), QColor(0, 0, 0x80)}),
          QVariant::fromValue(LabelFont{face("DejaVu Sans", 14, true), QColor(0xFF, 0, 0)}),
          QVariant::fromValue(LabelFont{face("Liberation Serif", 10), QColor(0, 0x80, 0)})}},
        {QStringLiteral("layout"),
         {[](L& l, const QVariant& v) { l.setLayout(TTextLayout(v.toInt())); },
          [](L& l, const QVariant& v) { l.setHoverLayout(TTextLayout(v.toInt())); },
          [](const L& l) { return QVariant(int(l.Layout())); },
          [](const L& l) { return QVariant(int(l.SavedLayout())); }, int(TTextLayout::Bottom),
          int(TTextLayout::Center), int(TTextLayout::Top)}},
    };
    return table;
}

class PaintCounter : public QObject {
public:
    using QObject::QObject;
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

} // namespace

class TestZelUrlLabel : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void freshLabelIsABlueUnderlinedLinkThatHoversRedAndPlain();
    void leavingRestoresWhatEnteringSaved_data();
    void leavingRestoresWhatEnteringSaved();
    void entryAndExitRepaintAtOnce();
    void longHoverCaptionKeepsTheSize_data();
    void longHoverCaptionKeepsTheSize();
    void urlIsTrimmedOfControlCharacters_data();
    void urlIsTrimmedOfControlCharacters();
    void onlyALeftClickReleasedInsideOpens_data();
    void onlyALeftClickReleasedInsideOpens();
    void clickHandlersRunBeforeTheAddressIsRead();
    void backgroundFollowsTheParentUntilTheFirstEntry();
    void fontNeverFollowsTheParent();

private:
    void enter() {
        QEnterEvent event(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
        QCoreApplication::sendEvent(m_label, &event);
    }
    void leave() {
        QEvent event(QEvent::Leave);
        QCoreApplication::sendEvent(m_label, &event);
    }

    std::unique_ptr<QWidget> m_parent;
    TZelUrlLabel* m_label = nullptr;
    QList<QUrl> m_opened;
    QStringList m_log;
};

void TestZelUrlLabel::init() {
    m_opened.clear();
    m_log.clear();
    m_parent = std::make_unique<QWidget>();
    m_parent->resize(400, 60);
    m_label = new TZelUrlLabel(m_parent.get(), [this](const QUrl& url) {
        m_opened << url;
        m_log << QStringLiteral("open ") + url.toString();
    });
    m_label->setGeometry(10, 10, 150, 13);
}

void TestZelUrlLabel::cleanup() {
    m_parent.reset();
}

void TestZelUrlLabel::freshLabelIsABlueUnderlinedLinkThatHoversRedAndPlain() {
    const QString address = QStringLiteral("http://www.example.org/orvane/");
    TZelUrlLabel& l = *m_label;
    QCOMPARE(l.cursor().shape(), Qt::PointingHandCursor);
    QCOMPARE(l.Caption(), address);
    QCOMPARE(l.HoverCaption(), address);
    QCOMPARE(l.SavedCaption(), address);
    QCOMPARE(l.Url(), address);
    QVERIFY(!l.AutoSize());
    QVERIFY(!l.Transparent());
    QCOMPARE(l.Alignment(), TAlignment::LeftJustify);
    QCOMPARE(l.Layout(), TTextLayout::Top);
    QCOMPARE(l.SavedLayout(), TTextLayout::Top);
    QCOMPARE(l.HoverColor(), m_parent->palette().color(QPalette::Button));
    QCOMPARE(l.SavedColor(), l.HoverColor());

    const LabelFont plain = l.Font();
    QCOMPARE(plain.color, QColor(0x00, 0x00, 0xFF));
    QVERIFY(plain.font.underline());
    QVERIFY(!plain.font.bold() && !plain.font.italic() && !plain.font.strikeOut());
    QCOMPARE(l.SavedFont(), plain);
    LabelFont hover = plain;
    hover.color = QColor(0xFF, 0x00, 0x00);
    hover.font.setUnderline(false);
    QCOMPARE(l.HoverFont(), hover);

    enter();
    QCOMPARE(l.Font(), hover);
    QCOMPARE(l.Color(), m_parent->palette().color(QPalette::Button));
    leave();
    QCOMPARE(l.Font(), plain);
}

void TestZelUrlLabel::leavingRestoresWhatEnteringSaved_data() {
    QTest::addColumn<QString>("attribute");
    QTest::addColumn<QString>("changedBy");
    QTest::addColumn<bool>("changeSurvives");
    for (const auto& [name, attribute] : attributes()) {
        const QByteArray row = name.toLatin1();
        // The pointer's exit brings back what its entry saved, whatever came in between.
        QTest::newRow((row + " set while hovered").constData()) << name << "program" << false;
        // The entry handler runs before the save, so its change is what the exit brings back.
        QTest::newRow((row + " set by OnMouseEnter").constData()) << name << "OnMouseEnter" << true;
        // The exit handler runs before the restore, which overwrites its change.
        QTest::newRow((row + " set by OnMouseLeave").constData())
            << name << "OnMouseLeave" << false;
    }
}

void TestZelUrlLabel::leavingRestoresWhatEnteringSaved() {
    QFETCH(QString, attribute);
    QFETCH(QString, changedBy);
    QFETCH(bool, changeSurvives);
    const Attribute& a = attributes().at(attribute);
    TZelUrlLabel& l = *m_label;
    a.set(l, a.plain);
    a.setHover(l, a.hover);
    const auto change = [&a](TZelUrlLabel* sender) { a.set(*sender, a.changed); };
    if (changedBy == "OnMouseEnter")
        l.setOnMouseEnter(change);
    if (changedBy == "OnMouseLeave")
        l.setOnMouseLeave(change);

    enter();
    QCOMPARE(a.get(l), a.hover);
    QCOMPARE(a.saved(l), changedBy == "OnMouseEnter" ? a.changed : a.plain);
    if (changedBy == "program")
        change(&l);
    leave();
    QCOMPARE(a.get(l), changeSurvives ? a.changed : a.plain);
}

void TestZelUrlLabel::entryAndExitRepaintAtOnce() {
    m_parent->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_parent.get()));
    QCoreApplication::processEvents();
    PaintCounter counter;
    m_label->installEventFilter(&counter);
    enter();
    QCOMPARE(counter.paints, 1);
    leave();
    QCOMPARE(counter.paints, 2);
}

void TestZelUrlLabel::longHoverCaptionKeepsTheSize_data() {
    QTest::addColumn<bool>("autoSize");
    QTest::newRow("fixed, as constructed") << false;
    QTest::newRow("auto-sized") << true;
}

void TestZelUrlLabel::longHoverCaptionKeepsTheSize() {
    QFETCH(bool, autoSize);
    m_label->setCaption(QStringLiteral("short"));
    m_label->resize(60, 13);
    m_label->setAutoSize(autoSize);
    const QSize before = m_label->size();
    m_label->setHoverCaption(QStringLiteral("a hover caption far longer than the label is wide"));
    enter();
    if (autoSize) {
        QCOMPARE(m_label->size(), m_label->sizeHint());
        QVERIFY(m_label->width() > 200);
    } else {
        QCOMPARE(m_label->size(), before);
    }
    leave();
    if (!autoSize)
        QCOMPARE(m_label->size(), before);
}

void TestZelUrlLabel::urlIsTrimmedOfControlCharacters_data() {
    QTest::addColumn<QString>("url");
    QTest::addColumn<QUrl>("opened");
    QTest::newRow("full address") << "http://www.example.org/orvane/"
                                  << QUrl("http://www.example.org/orvane/");
    QTest::newRow("no scheme goes to the browser")
        << "www.example.org/orvane" << QUrl("http://www.example.org/orvane");
    QTest::newRow("blanks around")
        << "   www.example.org/orvane  " << QUrl("http://www.example.org/orvane");
    QTest::newRow("trailing line break") << "mailto:support@example.org\r\n"
                                         << QUrl("mailto:support@example.org");
    QTest::newRow("tabs and other control characters")
        << QStringLiteral("\t\x01www.example.org/\x1f") << QUrl("http://www.example.org/");
    QTest::newRow("empty") << "" << QUrl();
    QTest::newRow("blanks only") << " \t\n " << QUrl();
}

void TestZelUrlLabel::urlIsTrimmedOfControlCharacters() {
    QFETCH(QString, url);
    QFETCH(QUrl, opened);
    m_label->setUrl(url);
    QTest::mouseClick(m_label, Qt::LeftButton);
    QCOMPARE(m_opened, QList<QUrl>{opened});
    QCOMPARE(m_label->Url(), url);
}

void TestZelUrlLabel::onlyALeftClickReleasedInsideOpens_data() {
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<QPoint>("release");
    QTest::addColumn<bool>("opens");
    QTest::newRow("left, inside") << Qt::LeftButton << QPoint(5, 5) << true;
    QTest::newRow("left, let go outside") << Qt::LeftButton << QPoint(5, 40) << false;
    QTest::newRow("right") << Qt::RightButton << QPoint(5, 5) << false;
    QTest::newRow("double-click") << Qt::LeftButton << QPoint() << true;
}

void TestZelUrlLabel::onlyALeftClickReleasedInsideOpens() {
    QFETCH(Qt::MouseButton, button);
    QFETCH(QPoint, release);
    QFETCH(bool, opens);
    QSignalSpy clicked(m_label, &TZelUrlLabel::clicked);
    if (release.isNull()) { // one double-click is one click
        QTest::mouseClick(m_label, button, {}, QPoint(5, 5));
        QMouseEvent twice(QEvent::MouseButtonDblClick, QPointF(5, 5),
                          m_label->mapToGlobal(QPointF(5, 5)), button, button, Qt::NoModifier);
        QApplication::sendEvent(m_label, &twice);
        QTest::mouseRelease(m_label, button, {}, QPoint(5, 5));
    } else {
        QTest::mousePress(m_label, button, {}, QPoint(5, 5));
        QVERIFY(m_opened.isEmpty());
        QTest::mouseRelease(m_label, button, {}, release);
    }
    QCOMPARE(clicked.size(), opens ? 1 : 0);
    QCOMPARE(m_opened.size(), opens ? 1 : 0);
}

void TestZelUrlLabel::clickHandlersRunBeforeTheAddressIsRead() {
    connect(m_label, &TZelUrlLabel::clicked, this, [this] { m_log << QStringLiteral("clicked"); });
    m_label->setOnClick([this](TZelUrlLabel* sender) {
        QCOMPARE(sender, m_label);
        m_log << QStringLiteral("OnClick");
        sender->setUrl(QStringLiteral(" www.example.org/changed\n"));
    });
    QTest::mouseClick(m_label, Qt::LeftButton);
    QCOMPARE(m_log, QStringList({"clicked", "OnClick", "open http://www.example.org/changed"}));
}

void TestZelUrlLabel::backgroundFollowsTheParentUntilTheFirstEntry() {
    const auto paintParent = [this](QColor color) {
        QPalette p = m_parent->palette();
        p.setColor(QPalette::Window, color);
        m_parent->setPalette(p);
    };
    paintParent(QColor(0x20, 0x40, 0x60));
    QCOMPARE(m_label->Color(), QColor(0x20, 0x40, 0x60));
    m_label->setHoverColor(QColor(0xFF, 0xFF, 0xE0));
    enter();
    leave();
    QCOMPARE(m_label->Color(), QColor(0x20, 0x40, 0x60));
    paintParent(QColor(0x60, 0x40, 0x20));
    QCOMPARE(m_label->Color(), QColor(0x20, 0x40, 0x60));
}

void TestZelUrlLabel::fontNeverFollowsTheParent() {
    const LabelFont before = m_label->Font();
    m_parent->setFont(face("DejaVu Serif", 20, true));
    QCOMPARE(m_label->Font(), before);

    // A font given in full takes nothing from the parent's, not even the styles it leaves plain.
    m_label->setFont(LabelFont{face("Liberation Sans", 11), QColor(0xFF, 0, 0)});
    QFont underlined = face("DejaVu Serif", 24, true);
    underlined.setUnderline(true);
    m_parent->setFont(underlined);
    QVERIFY(!m_label->font().underline());
    QVERIFY(!m_label->font().bold());
    QCOMPARE(m_label->font().pixelSize(), 11);
}

QTEST_MAIN(TestZelUrlLabel)
#include "tst_zelurllabel.moc"
