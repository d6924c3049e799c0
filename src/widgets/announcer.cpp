#include "widgets/announcer.h"

Announcer* Announcer::of(QWidget* control) {
    QWidget* window = control->window();
    auto* announcer = window->findChild<Announcer*>(QString(), Qt::FindDirectChildrenOnly);
    return announcer ? announcer : new Announcer(window);
}

Announcer::Announcer(QWidget* window) : QWidget(window), m_notice(new QWidget(this)) {
    setObjectName(QStringLiteral("Announcer"));
    m_notice->setObjectName(QStringLiteral("AnnouncerNotice"));
    // In the accessibility tree, which needs a size, but out of the way of eye and pointer.
    setGeometry(0, 0, 1, 1);
    m_notice->setGeometry(0, 0, 1, 1);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    show();
}

void Announcer::announce(const QString& text) {
    m_notice->hide();
    m_notice->setAccessibleName(text.simplified());
    m_notice->show();
    emit announced(m_notice->accessibleName());
}
