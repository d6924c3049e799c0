#include "app/aboutpage.h"

AboutPage::AboutPage(QWidget* parent, UrlOpener) : QWidget(parent) {
    setObjectName(QStringLiteral("TabSheet3"));
}
