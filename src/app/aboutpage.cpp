#include "app/aboutpage.h"

#include "widgets/label.h"

#include <QFrame>

namespace {

using controls::kMaroon;
using controls::kNavy;
using controls::kRed;
using controls::kWhite;

// The links look the same hovered or not: only the cursor tells that they can be clicked.
TZelUrlLabel* link(QWidget* page, const char* name, QRect geometry, const QString& caption,
                   const QString& url, const UrlOpener& opener) {
    auto* label = new TZelUrlLabel(page, opener);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(geometry);
    const LabelFont red{controls::font(QStringLiteral("MS Sans Serif"), 11), kRed};
    label->setFont(red);
    label->setCaption(caption);
    label->setHoverCaption(caption);
    label->setUrl(url);
    label->setHoverAlignment(TAlignment::LeftJustify);
    label->setHoverColor(page->palette().color(QPalette::Button));
    label->setHoverFont(red);
    label->setHoverLayout(TTextLayout::Top);
    // Reached with Tab and opened with Enter or Space; a click does not move the focus.
    label->setFocusPolicy(Qt::TabFocus);
    label->setAccessibleName(caption);
    label->setAccessibleDescription(AboutPage::tr("Link: opens %1").arg(url));
    return label;
}

} // namespace

AboutPage::AboutPage(QWidget* parent, UrlOpener opener) : Page(parent) {
    setObjectName(QStringLiteral("TabSheet3"));
    const QFont navy = controls::verdanaTitle();
    const QFont window = controls::windowFont();
    const QColor text = palette().color(QPalette::WindowText);
    const QString support = QLatin1String(kSupportAddress);
    const QString web = QLatin1String(kWebAddress);

    Bevel1 = controls::bevel(this, "Bevel1", {56, 96, 641, 241});
    Label7 = new Label(this, "Label7", {75, 228, 80, 12}, tr("Used Materials :"), navy, kNavy);
    Label8 = new Label(this, "Label8", {91, 269, 61, 12}, tr("Contact Us :"), navy, kNavy);
    ZelUrlLabel1 = link(this, "ZelUrlLabel1", {163, 268, 121, 13}, support,
                        QStringLiteral("mailto:") + support, opener);
    ZelUrlLabel2 = link(this, "ZelUrlLabel2", {294, 268, 129, 13}, web, web, opener);
    Label11 = new Label(this, "Label11", {290, 30, 151, 13}, tr("Developed by: the Orvane team"),
                        window, text);
    Label13 = new Label(
        this, "Label13", {162, 228, 469, 13},
        tr("- Booklet: A Look at Canada, Citizenship and Immigration Canada, Ottawa, 2002"), window,
        text);
    Label14 =
        new Label(this, "Label14", {162, 243, 96, 13}, tr("- Internet Resources"), window, text);
    // Label16 lies over all of Label15 but a white strip at the left end of the band.
    Label15 = controls::headingBand(this, "Label15", {2, 4, 727, 17}, tr("Orvane"));
    Label16 =
        controls::headingBand(this, "Label16", {5, 4, 727, 17}, tr("Orvane 1.3 (jan-feb.2003)"));
    Label30 = new Label(this, "Label30", {88, 296, 67, 12}, tr("Upgrades at :"), navy, kNavy);
    Label39 = new Label(
        this, "Label39", {64, 112, 624, 65},
        tr("This practice test consists of 178 multiple choice questions, including some that are "
           "specific to Ontario. I hope everyone of you understands, that it's hard task for to "
           "keep all "
           "Ontario political informations updated regularly. So, if in case you'll find that some "
           "answers are already outdated, please let us know by email. Also, for those who live "
           "outside "
           "of Ontario: please contact your local public library for information related to your "
           "area."),
        controls::font(QStringLiteral("MS Sans Serif"), 11, true), kWhite,
        Label::Sizing::WrapToWidth);
    Label39->setBackground(kMaroon);
    Label40 = new Label(this, "Label40", {75, 98, 69, 12}, tr("IMPORTANT :"), navy, kNavy);
    Bevel4 = controls::bevel(this, "Bevel4", {56, 195, 641, 2});
    ZelUrlLabel4 = link(this, "ZelUrlLabel4", {165, 296, 129, 13}, web, web, opener);
}
