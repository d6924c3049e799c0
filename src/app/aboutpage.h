#pragma once

#include "widgets/zelurllabel.h"

#include <QWidget>

// The About page: heading, notice, credits and support links.
class AboutPage : public QWidget {
    Q_OBJECT
public:
    AboutPage(QWidget* parent, UrlOpener opener);
};
