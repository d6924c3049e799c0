#pragma once

#include "widgets/page.h"

class HtmlView;
class Label;
class PickList;

// The Study Guide page: a chapter selector over the chapter's page.
class StudyPage : public Page {
    Q_OBJECT
public:
    // `pageFolder`: where the chapters are, "study/" below it.
    StudyPage(QWidget* parent, const QStringList& chapters, const QString& pageFolder = {});

    QString print(const Printer& print) override;
    HtmlView* findView() const override;

    void ComboBox1Change();

    Label* Label6;
    HtmlView* WebBrowser1;
    PickList* ComboBox1;

private:
    QString m_pageFolder;
};
