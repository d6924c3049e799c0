#pragma once

#include <QColor>
#include <QFont>
#include <QLabel>
#include <QUrl>

#include <cstdint>
#include <functional>

using UrlOpener = std::function<void(const QUrl&)>;

// Horizontal placement of a caption within its label's rectangle.
enum class TAlignment : std::uint8_t { LeftJustify, RightJustify, Center };
// Vertical placement of a caption within its label's rectangle.
enum class TTextLayout : std::uint8_t { Top, Center, Bottom };

// A font as the window layout gives one: Qt keeps the text colour in the palette, the layout
// keeps it with the face and style, and a label's hover look swaps both at once.
struct LabelFont {
    QFont font;
    QColor color;
    bool operator==(const LabelFont&) const = default;
};

// A label that acts as a link. It shows the hand cursor, takes a look of its own while the
// pointer is over it, and on a click hands its Url to the opener (the desktop's browser or mail
// program in the application, a recorder in tests).
//
// On entry the plain alignment, caption, colour, font and layout are saved and the hover ones
// put in their place; on exit the saved ones come back. Whatever the program sets on the label
// while the pointer is over it is therefore lost when the pointer leaves, and the hover values
// take effect only at the next entry.
class TZelUrlLabel : public QLabel {
    Q_OBJECT
public:
    using Notify = std::function<void(TZelUrlLabel*)>;

    // The caption, hover caption and Url of a label that has not been given its own.
    static constexpr char kDefaultAddress[] = "http://www.example.org/orvane/";

    // An empty opener opens nothing.
    TZelUrlLabel(QWidget* parent, UrlOpener opener);

    TAlignment HoverAlignment() const { return m_hoverAlignment; }
    void setHoverAlignment(TAlignment alignment) { m_hoverAlignment = alignment; }
    const QString& HoverCaption() const { return m_hoverCaption; }
    void setHoverCaption(const QString& caption) { m_hoverCaption = caption; }
    QColor HoverColor() const { return m_hoverColor; }
    void setHoverColor(QColor color) { m_hoverColor = color; }
    const LabelFont& HoverFont() const { return m_hoverFont; }
    void setHoverFont(const LabelFont& font) { m_hoverFont = font; }
    TTextLayout HoverLayout() const { return m_hoverLayout; }
    void setHoverLayout(TTextLayout layout) { m_hoverLayout = layout; }
    const QString& Url() const { return m_url; }
    void setUrl(const QString& url) { m_url = url; }

    const Notify& OnMouseEnter() const { return m_onMouseEnter; }
    void setOnMouseEnter(Notify handler) { m_onMouseEnter = std::move(handler); }
    const Notify& OnMouseLeave() const { return m_onMouseLeave; }
    void setOnMouseLeave(Notify handler) { m_onMouseLeave = std::move(handler); }
    // Runs on a click, after the clicked() signal and before the address is opened.
    const Notify& OnClick() const { return m_onClick; }
    void setOnClick(Notify handler) { m_onClick = std::move(handler); }

    // The plain look as it was when the pointer last entered.
    TAlignment SavedAlignment() const { return m_savedAlignment; }
    const QString& SavedCaption() const { return m_savedCaption; }
    QColor SavedColor() const { return m_savedColor; }
    const LabelFont& SavedFont() const { return m_savedFont; }
    TTextLayout SavedLayout() const { return m_savedLayout; }

    // The plain look in the layout's terms. Alignment and Layout are the horizontal and vertical
    // parts of QLabel::alignment(); Color is the background, painted while Transparent is off.
    QString Caption() const { return text(); }
    void setCaption(const QString& caption);
    TAlignment Alignment() const;
    using QLabel::setAlignment;
    void setAlignment(TAlignment alignment);
    TTextLayout Layout() const;
    using QLabel::setLayout;
    void setLayout(TTextLayout layout);
    QColor Color() const;
    void setColor(QColor color);
    LabelFont Font() const;
    using QLabel::setFont;
    // Takes every attribute of the given font, so the label no longer follows its parent's.
    void setFont(const LabelFont& font);
    // While on, the label takes the size of its caption whenever the caption or font changes;
    // with word wrap it keeps its width and takes the height.
    bool AutoSize() const { return m_autoSize; }
    void setAutoSize(bool on);
    bool Transparent() const { return !autoFillBackground(); }
    void setTransparent(bool on) { setAutoFillBackground(!on); }

    // What a click does: clicked() and OnClick, then Url, stripped of leading and trailing
    // characters 0 to 32, goes to the opener. A blank Url reaches it as an empty address.
    void Click();

signals:
    void clicked();

protected:
    // Neither is passed on to QLabel: the label's own look is all that entry and exit change.
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    // Given a focus policy, the label is a link for the keyboard too: Enter or Space open it,
    // and a dotted frame shows the focus.
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void fit();

    UrlOpener m_opener;
    bool m_autoSize = false;
    bool m_pressed = false;

    TAlignment m_hoverAlignment = TAlignment::LeftJustify;
    TAlignment m_savedAlignment = TAlignment::LeftJustify;
    QString m_hoverCaption;
    QString m_savedCaption;
    QColor m_hoverColor;
    QColor m_savedColor;
    LabelFont m_hoverFont;
    LabelFont m_savedFont;
    TTextLayout m_hoverLayout = TTextLayout::Top;
    TTextLayout m_savedLayout = TTextLayout::Top;
    Notify m_onMouseEnter;
    Notify m_onMouseLeave;
    Notify m_onClick;
    QString m_url;
};
