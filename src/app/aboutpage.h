#pragma once

#include "widgets/zelurllabel.h"

#include "widgets/page.h"

class Label;
class QFrame;

// The About page: the product heading, the developer credit, a notice about the questions, the
// sources they were drawn from, and three links. Its controls overlap and are created in the
// order they are painted, so a later one covers an earlier one; nothing on it changes after
// creation.
class AboutPage : public Page {
    Q_OBJECT
public:
    static constexpr char kSupportAddress[] = "support@example.org";
    static constexpr char kWebAddress[] = "www.example.org/orvane";

    AboutPage(QWidget* parent, UrlOpener opener);

    QFrame* Bevel1;
    Label* Label7;
    Label* Label8;
    TZelUrlLabel* ZelUrlLabel1;
    TZelUrlLabel* ZelUrlLabel2;
    Label* Label11;
    Label* Label13;
    Label* Label14;
    Label* Label15;
    Label* Label16;
    Label* Label30;
    Label* Label39;
    Label* Label40;
    QFrame* Bevel4;
    TZelUrlLabel* ZelUrlLabel4;
};
