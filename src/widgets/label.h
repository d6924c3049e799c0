#pragma once

#include <QLabel>

class QPushButton;

// A label as the window layout describes it: opaque, with its own font and colour, and one of
// three ways of sizing. setCaption() keeps the sizing rule when the text changes.
class Label : public QLabel {
    Q_OBJECT
public:
    enum class Sizing {
        Fixed,      // keeps the size it was given
        Auto,       // takes the size of its text
        WrapToWidth // width held, text wrapped, height follows the text
    };

    Label(QWidget* parent, const char* name, QRect geometry, const QString& text, const QFont& font,
          QColor color, Sizing sizing = Sizing::Auto);

    void setCaption(const QString& text);
    void setBackground(QColor color);

private:
    void fit();

    Sizing m_sizing;
};

namespace controls {

// The named colours of the layout.
constexpr QColor kRed(0xFF, 0x00, 0x00);
constexpr QColor kGreen(0x00, 0x80, 0x00);
constexpr QColor kNavy(0x00, 0x00, 0x80);
constexpr QColor kMaroon(0x80, 0x00, 0x00);
constexpr QColor kWhite(0xFF, 0xFF, 0xFF);

// Maps the layout's Windows font faces onto faces a Linux desktop has.
void installFontSubstitutes();
QFont font(const QString& family, int pixelSize, bool bold = false);
QFont windowFont();
QFont verdanaTitle(); // the navy 9 px bold captions
QFrame* bevel(QWidget* parent, const char* name, QRect geometry);
// A push button that Enter presses while it has the focus.
QPushButton* pushButton(QWidget* parent, const char* name, QRect geometry, const QString& text);
// The white band with a red bold title across the top of a page.
Label* headingBand(QWidget* parent, const char* name, QRect geometry, const QString& text);

} // namespace controls
