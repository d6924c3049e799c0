#include "pages/studypage.h"

#include "widgets/htmlview.h"
#include "widgets/label.h"
#include "widgets/picklist.h"

#include <QAbstractItemView>

StudyPage::StudyPage(QWidget* parent, const QStringList& chapters, const QString& pageFolder)
    : Page(parent), m_pageFolder(pageFolder) {
    setObjectName(QStringLiteral("TabSheet2"));
    Label6 = controls::headingBand(this, "Label6", {5, 4, 727, 17}, tr("Orvane - Study Guide"));
    WebBrowser1 = new HtmlView(this, "WebBrowser1");
    WebBrowser1->setGeometry(7, 56, 729, 329);
    ComboBox1 = new PickList(this, "ComboBox1", {7, 28, 401, 22});
    ComboBox1->addItems(chapters);
    ComboBox1->setCurrentIndex(0);

    WebBrowser1->setAccessibleName(tr("Chapter page"));
    ComboBox1->setAccessibleName(tr("Chapter"));
    ComboBox1->view()->setAccessibleName(tr("Chapters"));
    ComboBox1->setAccessibleDescription(tr("Choose a chapter of the study guide to read"));
}

void StudyPage::ComboBox1Change() {
    const int chapter = ComboBox1->currentIndex() + 1;
    WebBrowser1->setAccessibleName(
        tr("Chapter %1: %2").arg(chapter).arg(ComboBox1->currentText().trimmed()));
    WebBrowser1->Navigate(m_pageFolder + QStringLiteral("study/%1.html").arg(chapter));
}

HtmlView* StudyPage::findView() const {
    return WebBrowser1;
}

QString StudyPage::print(const Printer& print) {
    print(*WebBrowser1->document());
    return {};
}
