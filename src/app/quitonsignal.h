#pragma once

#include <QList>
#include <QObject>

class QSocketNotifier;

// Ends the event loop, as closing the window does, when the session asks the program to end
// (SIGTERM at logout or shutdown, SIGHUP when its terminal goes, SIGINT for Ctrl+C), so that
// what the history has not yet written is kept for the next run rather than lost with the
// process. The handler only writes a byte; the quit happens in the event loop.
class QuitOnSignal : public QObject {
    Q_OBJECT
public:
    explicit QuitOnSignal(QObject* parent = nullptr);
    ~QuitOnSignal() override;

private:
    static void handle(int signal);
    static inline int s_fds[2] = {-1, -1};
    QSocketNotifier* m_notifier = nullptr;
    QList<int> m_handled;
};
