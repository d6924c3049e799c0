#pragma once

#include <QWidget>

class HtmlView;
class Label;
class PickList;

// The Study Guide page: a chapter selector over the chapter's page.
class StudyPage : public QWidget {
    Q_OBJECT
public:
    StudyPage(QWidget* parent, const QStringList& chapters);

    void ComboBox1Change();

    Label* Label6;
    HtmlView* WebBrowser1;
    PickList* ComboBox1;
};
