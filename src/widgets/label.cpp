#include "widgets/label.h"

#include <QFrame>
#include <QPushButton>

Label::Label(QWidget* parent, const char* name, QRect geometry, const QString& text,
             const QFont& font, QColor color, Sizing sizing)
    : QLabel(parent), m_sizing(sizing) {
    setObjectName(QLatin1String(name));
    setFont(font);
    QPalette p = palette();
    p.setColor(QPalette::WindowText, color);
    setPalette(p);
    setAutoFillBackground(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextFormat(Qt::PlainText);
    setGeometry(geometry);
    if (sizing == Sizing::WrapToWidth) {
        setWordWrap(true);
        setFixedWidth(geometry.width());
    }
    setCaption(text);
}

void Label::setCaption(const QString& text) {
    setText(text);
    fit();
}

void Label::setBackground(QColor color) {
    QPalette p = palette();
    p.setColor(QPalette::Window, color);
    setPalette(p);
}

void Label::fit() {
    if (m_sizing == Sizing::Auto)
        resize(sizeHint());
    else if (m_sizing == Sizing::WrapToWidth)
        resize(width(), qMax(heightForWidth(width()), fontMetrics().height()));
}

namespace controls {

QFont font(const QString& family, int pixelSize, bool bold) {
    QFont f(family);
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    return f;
}

void installFontSubstitutes() {
    // The layout was measured in these Windows faces; the nearest free faces keep texts inside
    // their controls. Liberation Sans and Arimo have Arial's widths, DejaVu Sans is drawn after
    // Verdana.
    QFont::insertSubstitutions(
        QStringLiteral("MS Sans Serif"),
        {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"), QStringLiteral("Arial")});
    QFont::insertSubstitutions(QStringLiteral("Verdana"), {QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("Trebuchet MS"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                                QStringLiteral("DejaVu Sans")});
}

QFont windowFont() {
    return font(QStringLiteral("MS Sans Serif"), 11);
}

QFont verdanaTitle() {
    return font(QStringLiteral("Verdana"), 9, true);
}

Label* headingBand(QWidget* parent, const char* name, QRect geometry, const QString& text) {
    auto* label =
        new Label(parent, name, geometry, text, font(QStringLiteral("MS Sans Serif"), 13, true),
                  kRed, Label::Sizing::Fixed);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setBackground(kWhite);
    return label;
}

QFrame* bevel(QWidget* parent, const char* name, QRect geometry) {
    auto* frame = new QFrame(parent);
    frame->setObjectName(QLatin1String(name));
    // A one-pixel lowered frame, shadow above and left, highlight below and right; two pixels
    // high, the same frame is the dividing rule.
    frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    frame->setLineWidth(1);
    frame->setGeometry(geometry);
    frame->setAttribute(Qt::WA_TransparentForMouseEvents);
    return frame;
}

} // namespace controls

QPushButton* controls::pushButton(QWidget* parent, const char* name, QRect geometry,
                                  const QString& text) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(geometry);
    button->setAutoDefault(true); // Enter presses the focused button
    return button;
}
