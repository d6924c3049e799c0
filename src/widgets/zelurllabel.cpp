#include "widgets/zelurllabel.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {

// QString::trimmed() stops at control characters that are not blanks, and drops Unicode blanks
// above 32 that belong to the address.
QString withoutControlEnds(const QString& text) {
    qsizetype first = 0;
    qsizetype end = text.size();
    while (first < end && text[first].unicode() <= 32)
        ++first;
    while (end > first && text[end - 1].unicode() <= 32)
        --end;
    return text.sliced(first, end - first);
}

Qt::Alignment horizontalFlag(TAlignment alignment) {
    switch (alignment) {
    case TAlignment::RightJustify:
        return Qt::AlignRight;
    case TAlignment::Center:
        return Qt::AlignHCenter;
    case TAlignment::LeftJustify:
        break;
    }
    return Qt::AlignLeft;
}

Qt::Alignment verticalFlag(TTextLayout layout) {
    switch (layout) {
    case TTextLayout::Center:
        return Qt::AlignVCenter;
    case TTextLayout::Bottom:
        return Qt::AlignBottom;
    case TTextLayout::Top:
        break;
    }
    return Qt::AlignTop;
}

void setFontStyle(QFont& font, bool underline) {
    font.setBold(false);
    font.setItalic(false);
    font.setUnderline(underline);
    font.setStrikeOut(false);
}

} // namespace

TZelUrlLabel::TZelUrlLabel(QWidget* parent, UrlOpener opener)
    : QLabel(parent), m_opener(std::move(opener)) {
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setAutoFillBackground(true);

    setCursor(Qt::PointingHandCursor);
    const QString address = QLatin1String(kDefaultAddress);
    setCaption(address);
    LabelFont link = Font();
    link.color = QColor(0x00, 0x00, 0xFF);
    setFontStyle(link.font, true);
    setFont(link);
    setAutoSize(false);

    m_hoverAlignment = TAlignment::LeftJustify;
    m_hoverCaption = address;
    m_hoverColor = palette().color(QPalette::Button);
    m_hoverLayout = TTextLayout::Top;
    m_url = address;
    m_savedAlignment = TAlignment::LeftJustify;
    m_savedCaption = address;
    m_savedColor = m_hoverColor;
    m_savedLayout = TTextLayout::Top;

    m_hoverFont = Font();
    m_hoverFont.color = QColor(0xFF, 0x00, 0x00);
    setFontStyle(m_hoverFont.font, false);
    m_savedFont = Font();
}

void TZelUrlLabel::setCaption(const QString& caption) {
    setText(caption);
    fit();
}

TAlignment TZelUrlLabel::Alignment() const {
    const Qt::Alignment horizontal = alignment() & Qt::AlignHorizontal_Mask;
    if (horizontal & Qt::AlignHCenter)
        return TAlignment::Center;
    if (horizontal & Qt::AlignRight)
        return TAlignment::RightJustify;
    return TAlignment::LeftJustify;
}

void TZelUrlLabel::setAlignment(TAlignment alignment) {
    setAlignment((this->alignment() & ~Qt::AlignHorizontal_Mask) | horizontalFlag(alignment));
}

TTextLayout TZelUrlLabel::Layout() const {
    const Qt::Alignment vertical = alignment() & Qt::AlignVertical_Mask;
    if (vertical & Qt::AlignVCenter)
        return TTextLayout::Center;
    if (vertical & Qt::AlignBottom)
        return TTextLayout::Bottom;
    return TTextLayout::Top;
}

void TZelUrlLabel::setLayout(TTextLayout layout) {
    setAlignment((alignment() & ~Qt::AlignVertical_Mask) | verticalFlag(layout));
}

QColor TZelUrlLabel::Color() const {
    return palette().color(QPalette::Active, QPalette::Window);
}

void TZelUrlLabel::setColor(QColor color) {
    QPalette p = palette();
    p.setColor(QPalette::Window, color);
    setPalette(p);
}

LabelFont TZelUrlLabel::Font() const {
    return {font(), palette().color(QPalette::Active, QPalette::WindowText)};
}

void TZelUrlLabel::setFont(const LabelFont& font) {
    QFont complete = font.font;
    complete.setResolveMask(QFont::AllPropertiesResolved);
    setFont(complete);
    // The disabled colour stays the style's, so a disabled link still looks disabled.
    QPalette p = palette();
    p.setColor(QPalette::Active, QPalette::WindowText, font.color);
    p.setColor(QPalette::Inactive, QPalette::WindowText, font.color);
    setPalette(p);
    fit();
}

void TZelUrlLabel::setAutoSize(bool on) {
    m_autoSize = on;
    fit();
}

void TZelUrlLabel::fit() {
    if (!m_autoSize)
        return;
    if (wordWrap())
        resize(width(), heightForWidth(width()));
    else
        resize(sizeHint());
}

void TZelUrlLabel::Click() {
    emit clicked();
    if (m_onClick)
        m_onClick(this);
    // The handlers may have changed Url; the address is read after them.
    const QString address = withoutControlEnds(m_url);
    if (m_opener)
        m_opener(QUrl::fromUserInput(address));
}

void TZelUrlLabel::enterEvent(QEnterEvent*) {
    if (m_onMouseEnter)
        m_onMouseEnter(this);
    m_savedAlignment = Alignment();
    m_savedCaption = Caption();
    m_savedColor = Color();
    m_savedFont = Font();
    m_savedLayout = Layout();
    setAlignment(m_hoverAlignment);
    setColor(m_hoverColor);
    setCaption(m_hoverCaption);
    setFont(m_hoverFont);
    setLayout(m_hoverLayout);
    repaint();
}

void TZelUrlLabel::leaveEvent(QEvent*) {
    if (m_onMouseLeave)
        m_onMouseLeave(this);
    setAlignment(m_savedAlignment);
    setCaption(m_savedCaption);
    setColor(m_savedColor);
    setFont(m_savedFont);
    setLayout(m_savedLayout);
    repaint();
}

void TZelUrlLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QLabel::mousePressEvent(event);
        return;
    }
    m_pressed = true;
    event->accept();
}

void TZelUrlLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !m_pressed) {
        QLabel::mouseReleaseEvent(event);
        return;
    }
    m_pressed = false;
    event->accept();
    // Letting go outside the label takes the click back, as with a button.
    if (rect().contains(event->position().toPoint()))
        Click();
}

void TZelUrlLabel::mouseDoubleClickEvent(QMouseEvent* event) {
    // The second press of a double-click is no new click: QWidget would pass it on as a press,
    // and its release would open the address a second time.
    event->accept();
}

void TZelUrlLabel::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (event->modifiers() == Qt::NoModifier &&
        (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space)) {
        event->accept();
        Click();
        return;
    }
    QLabel::keyPressEvent(event);
}

void TZelUrlLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter painter(this);
    QPen dotted(palette().color(QPalette::WindowText));
    dotted.setStyle(Qt::DotLine);
    painter.setPen(dotted);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
