#include "widgets/findbar.h"

#include "widgets/announcer.h"
#include "widgets/focus.h"
#include "widgets/htmlview.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTextBlock>

namespace {

// The colours browsers use: every match yellow, the one moved to orange.
constexpr QColor kMatch(0xFF, 0xFF, 0x00);
constexpr QColor kCurrent(0xFF, 0x96, 0x32);

QPushButton* barButton(QWidget* bar, const char* name, const QString& text, const QString& tip) {
    auto* button = new QPushButton(text, bar);
    button->setObjectName(QLatin1String(name));
    button->setToolTip(tip);
    button->setAccessibleName(tip);
    button->setAutoDefault(true); // Enter presses the focused button
    return button;
}

} // namespace

FindBar::FindBar(HtmlView* view) : QFrame(view->parentWidget()), m_view(view) {
    setObjectName(view->objectName() + QStringLiteral("Find"));
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    m_text = new QLineEdit(this);
    m_text->setObjectName(QStringLiteral("FindText"));
    m_text->setPlaceholderText(tr("Find in this page"));
    m_text->setAccessibleName(tr("Find in this page"));
    m_text->installEventFilter(this);
    m_count = new QLabel(this);
    m_count->setObjectName(QStringLiteral("FindCount"));
    m_count->setMinimumWidth(70);
    m_previous =
        barButton(this, "FindPrevious", QStringLiteral("\u25B2"), tr("Previous match (Shift+F3)"));
    m_next = barButton(this, "FindNext", QStringLiteral("\u25BC"), tr("Next match (F3)"));
    m_guide = barButton(this, "FindInGuide", tr("Search the guide"),
                        tr("Search every chapter and answer (Ctrl+Shift+F)"));
    m_close = barButton(this, "FindClose", QStringLiteral("\u2715"), tr("Close (Escape)"));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(3, 1, 3, 1);
    row->setSpacing(3);
    row->addWidget(m_text, 1);
    row->addWidget(m_count);
    for (QPushButton* button : {m_previous, m_next, m_close})
        button->setFixedWidth(24);
    row->addWidget(m_previous);
    row->addWidget(m_next);
    row->addWidget(m_guide);
    row->addWidget(m_close);

    connect(m_text, &QLineEdit::textEdited, this, [this] { findAll(0); });
    connect(m_previous, &QPushButton::clicked, this, &FindBar::previous);
    connect(m_next, &QPushButton::clicked, this, &FindBar::next);
    connect(m_guide, &QPushButton::clicked, this, [this] { emit guideSearchAsked(text()); });
    connect(m_close, &QPushButton::clicked, this, &FindBar::closeBar);
    // A chapter chosen while the bar is open is searched in turn.
    connect(m_view, &HtmlView::pageOpened, this, [this] {
        if (isVisible())
            findAll(0);
    });
    // Keys that work wherever the focus is on the page, but only while the bar is open.
    const auto key = [this](QKeySequence sequence, void (FindBar::*action)()) {
        auto* shortcut =
            new QShortcut(sequence, parentWidget(), this, action, Qt::WidgetWithChildrenShortcut);
        shortcut->setEnabled(false);
        m_keys << shortcut;
    };
    key(QKeySequence(Qt::Key_F3), &FindBar::next);
    key(QKeySequence(Qt::SHIFT | Qt::Key_F3), &FindBar::previous);
    key(QKeySequence(Qt::Key_Escape), &FindBar::closeBar);
    m_view->installEventFilter(this);
    hide();
}

QString FindBar::text() const {
    return m_text->text();
}

void FindBar::open(const QString& text, int occurrence, QWidget* returnTo) {
    if (!isVisible())
        m_returnTo = returnTo;
    if (!text.isNull())
        m_text->setText(text);
    placeOverView();
    show();
    raise();
    for (QShortcut* key : m_keys)
        key->setEnabled(true);
    m_text->setFocus(Qt::ShortcutFocusReason);
    m_text->selectAll();
    findAll(occurrence);
}

void FindBar::closeBar() {
    if (isHidden())
        return;
    for (QShortcut* key : m_keys)
        key->setEnabled(false);
    m_matches.clear();
    m_current = -1;
    m_view->setExtraSelections({});
    // The focus goes back before the bar is hidden: Qt would hand it to the next control. Coming
    // back is no new entry, so the control's own entry signals stay quiet (on the start button,
    // entering draws a question).
    giveFocusBack(this, m_returnTo);
    hide();
}

void FindBar::next() {
    if (!m_matches.isEmpty())
        goTo((m_current + 1) % int(m_matches.size()));
}

void FindBar::previous() {
    if (!m_matches.isEmpty())
        goTo((m_current + int(m_matches.size()) - 1) % int(m_matches.size()));
}

void FindBar::findAll(int wanted) {
    // Positions in the plain text are positions in the document: it holds one character for
    // each of the document's.
    const textmatch::Query query(m_text->text());
    m_matches = query.findIn(textmatch::fold(m_view->document()->toPlainText()));
    m_current = -1;
    highlight();
    if (m_matches.isEmpty()) {
        m_count->setText(countText());
        if (!query.isEmpty())
            Announcer::of(this)->announce(countText());
        return;
    }
    goTo(std::clamp(wanted, 0, int(m_matches.size()) - 1));
}

void FindBar::goTo(int index) {
    m_current = index;
    highlight();
    const textmatch::Match& match = m_matches[index];
    // The caret stands at the match, so that the view scrolls to it and a screen reader
    // reading on from there reads its line; the highlight shows it, not a selection.
    m_view->finishLayout();
    QTextCursor caret(m_view->document());
    caret.setPosition(match.start);
    // A match out of sight, or behind the bar, is brought to a third of the way down, with
    // what leads up to it above.
    const QRect at = m_view->cursorRect(caret);
    const int seen = m_view->viewport()->height() - height();
    QScrollBar* scroll = m_view->verticalScrollBar();
    if (at.top() < 0 || at.bottom() > seen)
        scroll->setValue(scroll->value() + at.top() - seen / 3);
    m_view->setTextCursor(caret);
    m_count->setText(countText());
    Announcer::of(this)->announce(countText());
}

void FindBar::highlight() {
    QList<QTextEdit::ExtraSelection> marks;
    for (int i = 0; i < m_matches.size(); ++i) {
        QTextEdit::ExtraSelection mark;
        mark.cursor = QTextCursor(m_view->document());
        mark.cursor.setPosition(m_matches[i].start);
        mark.cursor.setPosition(m_matches[i].start + m_matches[i].length, QTextCursor::KeepAnchor);
        mark.format.setBackground(i == m_current ? kCurrent : kMatch);
        mark.format.setForeground(Qt::black);
        marks << mark;
    }
    m_view->setExtraSelections(marks);
}

QString FindBar::countText() const {
    if (m_text->text().trimmed().isEmpty())
        return QString();
    if (m_matches.isEmpty())
        return tr("No match");
    return tr("%1 of %2").arg(m_current + 1).arg(m_matches.size());
}

void FindBar::placeOverView() {
    const QRect view = m_view->geometry();
    setGeometry(view.x(), view.bottom() + 1 - kHeight, view.width(), kHeight);
}

bool FindBar::eventFilter(QObject* watched, QEvent* event) {
    // The answer view folds to no width when another question is chosen: nothing to find in.
    if (watched == m_view && event->type() == QEvent::Resize && isVisible()) {
        if (m_view->width() == 0)
            closeBar();
        else
            placeOverView();
    }
    if (watched == m_text && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            if (key->modifiers() & Qt::ShiftModifier)
                previous();
            else
                next();
            return true;
        }
    }
    return QFrame::eventFilter(watched, event);
}

bool FindBar::focusNextPrevChild(bool next) {
    // Tab goes round the bar's own controls; Escape leaves it.
    const QList<QWidget*> chain = {m_text, m_previous, m_next, m_guide, m_close};
    const qsizetype at = chain.indexOf(QApplication::focusWidget());
    if (at < 0)
        return QFrame::focusNextPrevChild(next);
    chain[(at + (next ? 1 : chain.size() - 1)) % chain.size()]->setFocus(
        next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}
