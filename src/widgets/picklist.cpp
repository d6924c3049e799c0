#include "widgets/picklist.h"

#include <QKeyEvent>
#include <QListView>
#include <QStyledItemDelegate>

namespace {

class FixedHeightDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        return {QStyledItemDelegate::sizeHint(option, index).width(), PickList::kItemHeight};
    }
};

} // namespace

PickList::PickList(QWidget* parent, const char* name, QRect geometry) : QComboBox(parent) {
    setObjectName(QLatin1String(name));
    setGeometry(geometry);
    setEditable(false);
    // A plain scrolling list below the field, eight items high, rather than a menu over it.
    setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
    auto* list = new QListView(this);
    list->setUniformItemSizes(true);
    setView(list);
    setItemDelegate(new FixedHeightDelegate(this));
    setMaxVisibleItems(8);
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
    if (row >= 0 && row != currentIndex())
        setCurrentIndex(row);
}

void PickList::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Backspace) {
        m_prefix.chop(1);
        emit chosenAgain();
        return;
    }
    const QString text = event->text();
    const bool character = text.size() == 1 && text.at(0).isPrint() &&
                           event->key() != Qt::Key_Tab && event->key() != Qt::Key_Escape;
    if (character && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        typeCharacter(text);
        return;
    }
    QComboBox::keyPressEvent(event);
}
