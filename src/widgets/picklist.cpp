#include "widgets/picklist.h"

#include <QApplication>
#include <QKeyEvent>
#include <QListView>
#include <QPainter>
#include <QProxyStyle>
#include <QStylePainter>
#include <QStyledItemDelegate>
#include <QTimer>

#include <utility>

namespace {

// Each title at the top of its 16 px row, 2 px from the left, in the selector's own font; the
// chosen one in the highlight colours, the focused one with a dotted frame.
class ItemDrawing : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        return {QStyledItemDelegate::sizeHint(option, index).width(), PickList::kItemHeight};
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const bool selected = option.state & QStyle::State_Selected;
        const QPalette& palette = option.palette;
        painter->save();
        painter->fillRect(option.rect, selected ? palette.highlight() : palette.base());
        painter->setFont(option.font);
        painter->setPen(selected ? palette.highlightedText().color() : palette.text().color());
        painter->drawText(option.rect.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignTop,
                          index.data(Qt::DisplayRole).toString());
        if (option.state & QStyle::State_HasFocus) {
            QPen dotted(selected ? palette.highlightedText().color() : palette.text().color());
            dotted.setStyle(Qt::DotLine);
            painter->setPen(dotted);
            painter->drawRect(option.rect.adjusted(0, 0, -1, -1));
        }
        painter->restore();
    }
};

// A plain scrolling list below the field, eight items high, rather than a menu over it. A style
// of its own does this at a fraction of a style sheet's cost at start-up.
class ListBelowStyle : public QProxyStyle {
public:
    explicit ListBelowStyle(QObject* owner) : QProxyStyle(QApplication::style()->name()) {
        setParent(owner);
    }
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_ComboBox_Popup)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

} // namespace

PickList::PickList(QWidget* parent, const char* name, QRect geometry) : QComboBox(parent) {
    setObjectName(QLatin1String(name));
    setGeometry(geometry);
    setEditable(false);
    setStyle(new ListBelowStyle(this));
    auto* list = new QListView(this);
    list->setUniformItemSizes(true);
    setView(list);
    setItemDelegate(new ItemDrawing(this));
    setMaxVisibleItems(8);
    // The dropped-down list is a window of its own and would take the application's font.
    list->setFont(font());
    list->installEventFilter(this);
}

void PickList::changeEvent(QEvent* event) {
    QComboBox::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        view()->setFont(font());
}

void PickList::paintEvent(QPaintEvent*) {
    // The frame and arrow are the style's; the chosen title in the field is drawn as the items
    // of the dropped-down list are, chosen (highlighted) and with the focus frame while the
    // selector has the keyboard focus.
    QStylePainter painter(this);
    QStyleOptionComboBox box;
    initStyleOption(&box);
    box.currentText.clear();
    box.currentIcon = QIcon();
    painter.drawComplexControl(QStyle::CC_ComboBox, box);
    if (currentIndex() < 0)
        return;
    QStyleOptionViewItem item;
    item.initFrom(this);
    item.rect =
        style()->subControlRect(QStyle::CC_ComboBox, &box, QStyle::SC_ComboBoxEditField, this);
    item.font = font();
    item.state &= ~(QStyle::State_Selected | QStyle::State_HasFocus);
    if (hasFocus() && !view()->isVisible())
        item.state |= QStyle::State_Selected | QStyle::State_HasFocus;
    itemDelegate()->paint(&painter, item,
                          model()->index(currentIndex(), modelColumn(), rootModelIndex()));
}

int PickList::findPrefix(const QString& prefix) const {
    for (int i = 0; i < count(); ++i) {
        if (itemText(i).startsWith(prefix, Qt::CaseInsensitive))
            return i;
    }
    return -1;
}

void PickList::typeCharacter(const QString& character) {
    const bool extends = m_sinceLastKey.isValid() && m_sinceLastKey.elapsed() < kSearchInterval;
    m_sinceLastKey.start();
    const QString candidate = (extends ? m_prefix : QString()) + character;
    int row = findPrefix(candidate);
    if (row >= 0) {
        m_prefix = candidate;
    } else {
        // No title begins with it: the prefix stays, and the key jumps to the next title
        // that starts with that character, as a plain list does.
        row = -1;
        for (int step = 1; step <= count() && row < 0; ++step) {
            const int i = (currentIndex() + step) % count();
            if (itemText(i).startsWith(character, Qt::CaseInsensitive))
                row = i;
        }
    }
    choose(row);
}

void PickList::choose(int row) {
    if (row < 0 || row >= count() || row == currentIndex())
        return;
    setCurrentIndex(row);
    view()->setCurrentIndex(model()->index(row, modelColumn(), rootModelIndex()));
}

// The keys that choose: printable characters search, Backspace asks for the chosen item again.
// Returns false for any other key.
bool PickList::searchKey(QKeyEvent* event) {
    if (event->key() == Qt::Key_Backspace) {
        m_prefix.chop(1);
        emit chosenAgain();
        return true;
    }
    const QString text = event->text();
    const bool character = text.size() == 1 && text.at(0).isPrint() &&
                           event->key() != Qt::Key_Tab && event->key() != Qt::Key_Escape;
    if (!character || (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
        return false;
    typeCharacter(text);
    return true;
}

int PickList::moveTarget(const QKeyEvent* event, bool dropped) const {
    if (event->modifiers() & (Qt::AltModifier | Qt::ControlModifier))
        return -1;
    const int from = m_pendingRow >= 0 ? m_pendingRow : currentIndex();
    const int page = dropped ? qMax(1, maxVisibleItems() - 1) : 1;
    switch (event->key()) {
    case Qt::Key_Up:
        return qMax(0, from - 1);
    case Qt::Key_Down:
        return qMin(count() - 1, from + 1);
    case Qt::Key_PageUp:
        return qMax(0, from - page);
    case Qt::Key_PageDown:
        return qMin(count() - 1, from + page);
    case Qt::Key_Home:
        return 0;
    case Qt::Key_End:
        return count() - 1;
    default:
        return -1;
    }
}

void PickList::chooseSoon(int row) {
    // The keys that came in together are all handled before the next turn of the event loop.
    const bool waiting = m_pendingRow >= 0;
    m_pendingRow = row;
    if (!waiting)
        QTimer::singleShot(0, this, [this] { choosePending(); });
}

void PickList::choosePending() {
    if (m_pendingRow >= 0)
        choose(std::exchange(m_pendingRow, -1));
}

bool PickList::eventFilter(QObject* watched, QEvent* event) {
    if (watched != view() || event->type() != QEvent::KeyPress)
        return QComboBox::eventFilter(watched, event);
    // In the dropped-down list the selection moves with the highlight, as in the closed field,
    // so every move loads its chapter. The pointer only highlights, as before.
    auto* key = static_cast<QKeyEvent*>(event);
    const int row = moveTarget(key, true);
    if (row >= 0 && key->isAutoRepeat()) {
        chooseSoon(row);
        return true;
    }
    choosePending(); // any other key comes after the held one's move
    if (row < 0)
        return !(key->modifiers() & (Qt::AltModifier | Qt::ControlModifier)) && searchKey(key);
    choose(row);
    return true;
}

void PickList::keyPressEvent(QKeyEvent* event) {
    const int row = event->isAutoRepeat() ? moveTarget(event, false) : -1;
    if (row >= 0) {
        chooseSoon(row);
        return;
    }
    choosePending();
    if (!searchKey(event))
        QComboBox::keyPressEvent(event);
}
