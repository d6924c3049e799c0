#include "pages/practicepage.h"

#include "base/apperror.h"
#include "widgets/announcer.h"
#include "widgets/conceal.h"
#include "widgets/htmlview.h"
#include "widgets/label.h"
#include "widgets/listbox.h"

#include <QPlainTextEdit>
#include <QPushButton>

PracticePage::PracticePage(QWidget* parent, const QStringList& practiceList, const QImage& logo,
                           const QString& pageFolder)
    : Page(parent), m_pageFolder(pageFolder) {
    conceal::markContainer(this, conceal::Container::Pane);
    setObjectName(QStringLiteral("TabSheet1"));
    const QFont navy = controls::verdanaTitle();
    Label2 = controls::headingBand(this, "Label2", {2, 4, 727, 17}, tr("Orvane: Practice Section"));

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Image1->setGeometry(5, 42, 171, 74);
    if (!logo.isNull()) {
        Image1->setPixmap(QPixmap::fromImage(logo));
        Image1->resize(logo.size());
    }

    Label3 = new Label(this, "Label3", {3, 213, 726, 16}, QStringLiteral("label3"),
                       controls::font(QStringLiteral("Trebuchet MS"), 11, true), controls::kGreen,
                       Label::Sizing::WrapToWidth);
    Label4 = new Label(this, "Label4", {2, 25, 727, 13}, QStringLiteral("Label4"), navy,
                       controls::kMaroon, Label::Sizing::Fixed);
    Label5 = new Label(this, "Label5", {6, 120, 412, 12},
                       tr("Type in what you think is the correct answer, then click the "
                          "button at the bottom:"),
                       navy, controls::kNavy);
    Bevel3 = controls::bevel(this, "Bevel3", {3, 253, 726, 97});
    buildControls(practiceList);
    describeForScreenReaders();
}

void PracticePage::buildControls(const QStringList& practiceList) {
    ListBox1 = new ListBox(this, "ListBox1");
    ListBox1->setGeometry(185, 43, 544, 72);
    ListBox1->setSelectionMode(QAbstractItemView::ExtendedSelection);
    ListBox1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    ListBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ListBox1->setUniformItemSizes(true);
    ListBox1->setTextElideMode(Qt::ElideNone); // long items are cut off at the edge
    ListBox1->addItems(practiceList);
    // Nothing is selected before the user touches the list, yet the first item is current.
    if (ListBox1->count() > 0)
        ListBox1->setCurrentRow(0, QItemSelectionModel::NoUpdate);

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setGeometry(3, 134, 726, 73);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Memo1->setTabChangesFocus(true);

    BitBtn1 = new QPushButton(tr("click here to get the correct answer"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setGeometry(241, 365, 285, 21);
    BitBtn1->setFont(controls::font(QStringLiteral("MS Sans Serif"), 11, true));
    QPalette green = BitBtn1->palette();
    green.setColor(QPalette::ButtonText, controls::kGreen);
    BitBtn1->setPalette(green);
    BitBtn1->setAutoDefault(true); // Enter presses the focused button

    WebBrowser2 = new HtmlView(this, "WebBrowser2");
    WebBrowser2->setGeometry(13, 259, 0, 57);
}

void PracticePage::describeForScreenReaders() {
    ListBox1->setAccessibleName(tr("Practice questions"));
    Memo1->setAccessibleName(tr("Your answer"));
    Memo1->setAccessibleDescription(Label5->text());
    BitBtn1->setAccessibleDescription(tr("Shows the answer page of the chosen question"));
    WebBrowser2->setAccessibleName(tr("Answer"));
    Image1->setAccessibleName(tr("Orvane logo"));

    setTabOrder(ListBox1, Memo1);
    setTabOrder(Memo1, BitBtn1);
    setTabOrder(BitBtn1, WebBrowser2);
    conceal::setConcealed(WebBrowser2, true);
}

QString PracticePage::sectionLine(int index) {
    // Taken as unsigned, as the list index always is; -1 never gets this far.
    if (static_cast<unsigned>(index) >= 180u)
        return tr("Section II. Questions about your region (questions 181-197)");
    return tr("Section I. Questions about Canada (questions 1-180)");
}

void PracticePage::ListBox1Click() {
    const int index = ListBox1->currentRow();
    const int number = index + 1;
    if (index < 0 || index >= ListBox1->count())
        throw AppError(Error::Code::ListIndex, {QString::number(index)});
    Label3->setCaption(ListBox1->item(index)->text());
    WebBrowser2->resize(0, WebBrowser2->height());
    conceal::setConcealed(WebBrowser2, true); // the answer is not given away before the reveal
    WebBrowser2->setAccessibleName(tr("Answer to question %1").arg(number));
    Memo1->clear();
    WebBrowser2->Navigate(m_pageFolder + QStringLiteral("answers/%1.html").arg(number));
    Label4->setCaption(sectionLine(index));
}

void PracticePage::BitBtn1Click() {
    WebBrowser2->resize(713, 85);
    conceal::setConcealed(WebBrowser2, false);
    // The focus stays on the button; the answer comes to the listener as it comes into sight.
    Announcer::of(this)->announce(WebBrowser2->accessibleName() + QStringLiteral(": ") +
                                  WebBrowser2->toPlainText().simplified());
}

HtmlView* PracticePage::findView() const {
    // Until the answer is asked for, it is not there to be searched.
    return WebBrowser2->width() > 0 ? WebBrowser2 : nullptr;
}

QString PracticePage::print(const Printer& print) {
    // The answer view is there, but folded to no width, until an answer is asked for.
    if (WebBrowser2->width() == 0)
        return tr("The answer is not shown yet. Click \"click here to get the correct answer\", "
                  "then press Ctrl+P to print it.");
    print(*WebBrowser2->document());
    return {};
}
