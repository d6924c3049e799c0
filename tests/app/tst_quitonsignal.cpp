#include "app/quitonsignal.h"

#include <QCoreApplication>
#include <QTest>
#include <QTimer>

#include <csignal>

// A logout's SIGTERM must end the event loop normally, so that the history is kept; a signal
// the program was started to ignore stays ignored.
class TestQuitOnSignal : public QObject {
    Q_OBJECT
private slots:
    void signalEndsTheEventLoop_data() {
        QTest::addColumn<int>("signal");
        QTest::addColumn<bool>("ignoredBefore");
        QTest::addColumn<int>("status"); // 0: ended by the signal; 3: by the test's timer
        QTest::newRow("logout") << int(SIGTERM) << false << 0;
        QTest::newRow("terminal gone") << int(SIGHUP) << false << 0;
        QTest::newRow("Ctrl+C") << int(SIGINT) << false << 0;
        QTest::newRow("nohup") << int(SIGHUP) << true << 3;
    }
    void signalEndsTheEventLoop() {
        QFETCH(int, signal);
        QFETCH(bool, ignoredBefore);
        QFETCH(int, status);
        std::signal(signal, ignoredBefore ? SIG_IGN : SIG_DFL);
        {
            QuitOnSignal quit;
            QTimer::singleShot(0, [signal] { std::raise(signal); });
            QTimer::singleShot(500, [] { QCoreApplication::exit(3); });
            QCOMPARE(QCoreApplication::exec(), status);
        }
        std::signal(signal, SIG_DFL);
    }
};

QTEST_GUILESS_MAIN(TestQuitOnSignal)
#include "tst_quitonsignal.moc"
