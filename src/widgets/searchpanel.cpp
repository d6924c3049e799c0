#include "widgets/searchpanel.h"

#include "widgets/announcer.h"
#include "widgets/focus.h"

#include <QApplication>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

SearchPanel::SearchPanel(QWidget* parent, std::function<const GuideIndex&()> index)
    : QFrame(parent), m_index(std::move(index)) {
    setObjectName(QStringLiteral("SearchPanel"));
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    m_heading = new QLabel(tr("Search the guide:"), this);
    m_text = new QLineEdit(this);
    m_text->setObjectName(QStringLiteral("SearchText"));
    m_text->setPlaceholderText(tr("Words to find in every chapter and answer"));
    m_text->setAccessibleName(tr("Search the guide"));
    m_heading->setBuddy(m_text);
    m_text->installEventFilter(this);
    m_close = new QPushButton(tr("Close"), this);
    m_close->setObjectName(QStringLiteral("SearchClose"));
    m_close->setAccessibleDescription(tr("Closes the search (Escape)"));
    m_close->setAutoDefault(true);
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("SearchStatus"));
    m_results = new QListWidget(this);
    m_results->setObjectName(QStringLiteral("SearchResults"));
    m_results->setAccessibleName(tr("Results"));
    m_results->setAlternatingRowColors(true);
    m_results->setWordWrap(false);
    m_results->setTextElideMode(Qt::ElideRight);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(6, 6, 6, 6);
    grid->addWidget(m_heading, 0, 0);
    grid->addWidget(m_text, 0, 1);
    grid->addWidget(m_close, 0, 2);
    grid->addWidget(m_status, 1, 0, 1, 3);
    grid->addWidget(m_results, 2, 0, 1, 3);

    connect(m_text, &QLineEdit::textChanged, this, &SearchPanel::search);
    connect(m_close, &QPushButton::clicked, this, &SearchPanel::closePanel);
    connect(m_results, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { choose(m_results->row(item)); });
    connect(m_results, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { choose(m_results->row(item)); });
    connect(m_results, &QListWidget::currentRowChanged, this, &SearchPanel::announceRow);
    hide();
}

QString SearchPanel::text() const {
    return m_text->text();
}

int SearchPanel::resultCount() const {
    return m_results->count();
}

void SearchPanel::open(const QString& text, QWidget* returnTo) {
    if (!isVisible())
        m_returnTo = returnTo;
    show();
    raise();
    m_text->setFocus(Qt::ShortcutFocusReason);
    if (!text.isEmpty() && text != m_text->text())
        m_text->setText(text);
    m_text->selectAll();
}

QWidget* SearchPanel::leave() {
    releaseFocusToWindow(this);
    hide();
    return m_returnTo;
}

void SearchPanel::closePanel() {
    if (isHidden())
        return;
    // As the find bar does: back before hiding, and quietly.
    giveFocusBack(this, m_returnTo);
    hide();
}

void SearchPanel::search() {
    const GuideIndex& index = m_index();
    const GuideIndex::Found found = index.search(m_text->text(), kListed);
    m_listed = found.listed;
    {
        const QSignalBlocker quiet(m_results);
        m_results->clear();
        for (const GuideIndex::Result& result : m_listed) {
            auto* item =
                new QListWidgetItem(index.page(result.page).title + u'\n' + index.context(result));
            m_results->addItem(item);
        }
        if (!m_listed.isEmpty())
            m_results->setCurrentRow(0);
    }
    QString status;
    if (m_text->text().trimmed().isEmpty())
        status = QString();
    else if (found.total == 0)
        status = tr("No match");
    else if (found.total > m_listed.size())
        status = tr("Matches: %1; the first %2 are listed").arg(found.total).arg(m_listed.size());
    else
        status = tr("Matches: %1").arg(found.total);
    m_status->setText(status);
    if (!status.isEmpty())
        Announcer::of(this)->announce(status);
}

void SearchPanel::choose(int row) {
    if (isHidden() || row < 0 || row >= m_listed.size())
        return;
    emit resultChosen(m_listed[row], m_text->text());
}

void SearchPanel::announceRow(int row) {
    if (row >= 0 && row < m_results->count())
        Announcer::of(this)->announce(m_results->item(row)->text());
}

bool SearchPanel::eventFilter(QObject* watched, QEvent* event) {
    // The results are walked and opened from the box the words are typed in.
    if (watched == m_text && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        switch (key->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
            QApplication::sendEvent(m_results, key);
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            choose(m_results->currentRow());
            return true;
        default:
            break;
        }
    }
    return QFrame::eventFilter(watched, event);
}

void SearchPanel::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        closePanel();
        return;
    }
    QFrame::keyPressEvent(event);
}

bool SearchPanel::focusNextPrevChild(bool next) {
    // Tab goes round the panel's own controls; what it covers is out of reach.
    const QList<QWidget*> chain = {m_text, m_close, m_results};
    const qsizetype at = chain.indexOf(QApplication::focusWidget());
    if (at < 0)
        return QFrame::focusNextPrevChild(next);
    chain[(at + (next ? 1 : chain.size() - 1)) % chain.size()]->setFocus(
        next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}
