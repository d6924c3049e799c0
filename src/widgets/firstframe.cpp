#include "widgets/firstframe.h"

#include <QEvent>
#include <QWidget>
#include <QWindow>

namespace {

// Watches the window until it shows, then its native window until the first expose.
class FirstFrame : public QObject {
public:
    FirstFrame(QWidget* window, std::function<void()> work)
        : QObject(window), m_window(window), m_work(std::move(work)) {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == m_window) {
            // The native window exists from the show event on.
            if (event->type() == QEvent::Show && m_window->windowHandle()) {
                m_window->removeEventFilter(this);
                m_window->windowHandle()->installEventFilter(this);
            }
            return false;
        }
        QWindow* native = m_window->windowHandle();
        const bool exposed = event->type() == QEvent::Expose && native->isExposed();
        if (watched != native || (!exposed && !event->isInputEvent()))
            return false;
        native->removeEventFilter(this);
        // The window paints and flushes its frame on the expose; the work comes after it.
        if (exposed)
            static_cast<QObject*>(native)->event(event);
        const std::function<void()> work = std::move(m_work);
        deleteLater();
        work();
        return exposed;
    }

private:
    QWidget* m_window;
    std::function<void()> m_work;
};

} // namespace

void afterFirstFrame(QWidget* window, std::function<void()> work) {
    new FirstFrame(window, std::move(work));
}
