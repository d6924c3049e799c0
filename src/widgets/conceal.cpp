#include "widgets/conceal.h"

#include "widgets/focus.h"

#include <QAccessibleWidget>
#include <QVariant>
#include <QWidget>

namespace {

constexpr char kConcealed[] = "orvaneConcealed";
constexpr char kOpenPolicy[] = "orvaneOpenFocusPolicy";
constexpr char kContainer[] = "orvaneContainer";

// A container whose accessible children are only those in sight.
class ContainerInSight : public QAccessibleWidget {
public:
    ContainerInSight(QWidget* widget, QAccessible::Role role) : QAccessibleWidget(widget, role) {}

    int childCount() const override { return int(inSight().size()); }
    QAccessibleInterface* child(int index) const override {
        const QList<QWidget*> children = inSight();
        if (index < 0 || index >= children.size())
            return nullptr;
        return QAccessible::queryAccessibleInterface(children.at(index));
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child ? int(inSight().indexOf(qobject_cast<QWidget*>(child->object()))) : -1;
    }

private:
    QList<QWidget*> inSight() const {
        QList<QWidget*> children;
        for (QObject* object : widget()->children()) {
            auto* child = qobject_cast<QWidget*>(object);
            if (child && !child->isWindow() && !conceal::isOutOfSight(child))
                children << child;
        }
        return children;
    }
};

// The announcer and its notice: spoken when the notice is shown again, but passed over by a
// screen reader's review of the window, where its last text would come back out of context.
class Unseen : public QAccessibleWidget {
public:
    using QAccessibleWidget::QAccessibleWidget;
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.invisible = true;
        return state;
    }
};

QAccessibleInterface* factory(const QString& className, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget)
        return nullptr;
    switch (conceal::Container(widget->property(kContainer).toInt())) {
    case conceal::Container::Window:
        return new ContainerInSight(widget, QAccessible::Window);
    case conceal::Container::Pane:
        return new ContainerInSight(widget, QAccessible::Pane);
    }
    // The pages' stack is no place of its own to a listener: as a "layered pane" Orca names it
    // each time the focus enters a page.
    if (className == QLatin1String("QStackedWidget"))
        return new ContainerInSight(widget, QAccessible::Client);
    // Inside a status bar, Orca speaks a notification without saying "notification" first.
    if (className == QLatin1String("Announcer"))
        return new Unseen(widget, QAccessible::StatusBar);
    if (widget->objectName() == QLatin1String("AnnouncerNotice"))
        return new Unseen(widget, QAccessible::Notification);
    return nullptr;
}

} // namespace

namespace conceal {

void setConcealed(QWidget* control, bool concealed) {
    if (control->property(kConcealed).toBool() == concealed)
        return;
    if (concealed) {
        releaseFocusToWindow(control);
        control->setProperty(kOpenPolicy, int(control->focusPolicy()));
        control->setProperty(kConcealed, true);
        control->setFocusPolicy(Qt::NoFocus);
    } else {
        control->setProperty(kConcealed, false);
        control->setFocusPolicy(Qt::FocusPolicy(control->property(kOpenPolicy).toInt()));
    }
}

void setFocusPolicy(QWidget* control, Qt::FocusPolicy policy) {
    if (control->property(kConcealed).toBool())
        control->setProperty(kOpenPolicy, int(policy));
    else
        control->setFocusPolicy(policy);
}

bool isOutOfSight(const QWidget* control) {
    for (const QWidget* w = control; w && !w->isWindow(); w = w->parentWidget()) {
        if (w->isHidden() || w->width() <= 0 || w->height() <= 0 ||
            w->property(kConcealed).toBool())
            return true;
    }
    return false;
}

void markContainer(QWidget* widget, Container role) {
    widget->setProperty(kContainer, int(role));
}

void installAccessibility() {
    static const bool installed = (QAccessible::installFactory(factory), true);
    Q_UNUSED(installed);
}

} // namespace conceal
