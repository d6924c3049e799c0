#include "app/displayprobe.h"
#include "app/documentactions.h"
#include "app/language.h"
#include "app/quitonsignal.h"
#include "app/tform1.h"
#include "base/errortext.h"
#include "base/windowplacement.h"
#include "base/workingfolder.h"
#include "progress/historystore.h"
#include "progress/progresspage.h"
#include "widgets/errorbox.h"
#include "widgets/fontcheck.h"
#include "widgets/picklist.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDesktopServices>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QScreen>
#include <QtGui/qguiapplication_platform.h>

#include <xcb/xcb.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <utility>

namespace {

void print(std::FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
}

// Answers --help and --version. The program reads no other argument: any other is named as
// ignored, and the window opens as usual. Returns the exit status, or -1 to go on.
int readCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "main", "Study for the Canadian citizenship test: read the study guide, check "
                "yourself\nagainst the practice questions, and take a random test.\n\n"
                "On the Test Yourself page, Ctrl+S saves a copy of the report of the last "
                "test\nand Ctrl+P prints it or saves it as PDF; on the Study Guide and "
                "Practice\nSection pages, Ctrl+P prints the chapter or the answer being "
                "read.\n\n"
                "Ctrl+F finds words in the chapter or answer being read (F3 and Shift+F3\n"
                "go to the next and previous match, Escape closes the bar); Ctrl+Shift+F\n"
                "searches every chapter and answer of the guide at once.\n\n"
                "The report of the last test is kept in $XDG_DATA_HOME/orvane/result.html\n"
                "(~/.local/share/orvane/result.html), unless the program is started in a\n"
                "folder that holds study/ or answers/ itself; it is then kept there.\n"
                "Any other argument is ignored.\n\n"
                "Every test is remembered in $XDG_DATA_HOME/orvane/history.sqlite\n"
                "(~/.local/share/orvane/history.sqlite); delete that file to start afresh.\n"
                "On My Progress, Alt+D drills the questions missed and the checks due,\n"
                "Alt+M starts a mock exam (20 questions, 30 minutes, 12 right to pass) and\n"
                "Alt+P reviews any past test."));
    // Qt's own --help-all would list options of the window toolkit that the man page covers.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QCoreApplication::translate("main", "Show this help and exit."));
    const QCommandLineOption version(
        {QStringLiteral("v"), QStringLiteral("version")},
        QCoreApplication::translate("main", "Show the version and exit."));
    parser.addOption(help);
    parser.addOption(version);
    const QStringList given = arguments.mid(1);
    const auto asked = [&](const QCommandLineOption& option) {
        for (const QString& name : option.names()) {
            const QString dashes = name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--");
            if (given.contains(dashes + name))
                return true;
        }
        return false;
    };
    if (asked(help)) {
        print(stdout, parser.helpText());
        return 0;
    }
    if (asked(version)) {
        print(stdout, QStringLiteral("orvane %1\n").arg(QCoreApplication::applicationVersion()));
        return 0;
    }
    for (const QString& argument : given)
        print(stderr, QCoreApplication::translate("main", "orvane: ignoring the argument '%1'\n")
                          .arg(argument));
    return -1;
}

QtMessageHandler g_defaultMessages = nullptr;
int g_argc = 0;
char** g_argv = nullptr;

// What the window toolkit says while it starts, held back: where it gives up for want of a
// display, a plain sentence says so instead.
struct HeldMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
};
QList<HeldMessage> g_held;

void forwardHeld() {
    for (const HeldMessage& held : std::exchange(g_held, {})) {
        if (g_defaultMessages)
            g_defaultMessages(held.type,
                              QMessageLogContext(nullptr, 0, nullptr, held.category.constData()),
                              held.text);
    }
}

// The toolkit gives up with a fatal message, and would leave a core file, when it cannot reach
// the display it is given, or when the display refuses it or drops the connection. Only then
// is the display looked at: asking first would cost every start a connection of its own.
void startupMessage(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type != QtFatalMsg) {
        g_held.append({type, QByteArray(context.category), message});
        return;
    }
    if (const QString noDisplay = unreachableDisplay(g_argc, g_argv); !noDisplay.isEmpty()) {
        print(stderr,
              QCoreApplication::translate("main", "orvane: %1.\nRun it on a desktop, or in a "
                                                  "virtual one:  xvfb-run -a orvane\n")
                  .arg(noDisplay));
    } else {
        forwardHeld();
        print(stderr,
              QCoreApplication::translate("main", "orvane: the window cannot be opened: %1\n")
                  .arg(message));
    }
    std::_Exit(2);
}

// --help and --version need no display, so the window toolkit is not started for them.
bool asksForNoWindow(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        for (const char* option : {"-h", "--help", "-v", "--version"}) {
            if (std::strcmp(argv[i], option) == 0)
                return true;
        }
    }
    return false;
}

// Without a window manager to correct it, a window that does not fit where it is asked for
// would open partly off the screen, and a fixed-size window cannot be shrunk to reach it.
void placeOnScreen(QWidget& window) {
    const QPoint wanted = window.pos();
    QScreen* screen = QGuiApplication::screenAt(wanted);
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    // Until the window manager has framed it, the window's frame is unknown, and a frame
    // guessed too wide would move a window that fits (openbox's frame fits at 262 on a 1024 px
    // screen, an 8 px one does not). Only the client area is counted until then; once the real
    // frame is known, PlaceWhenFramed places the window again by it.
    const QSize frame = window.frameGeometry().size();
    if (screen)
        window.move(placeWindow(frame, wanted, screen->availableGeometry()));
}

// The real frame is known only once the window manager has framed the shown window. Where it
// is larger than counted, the window is placed again, once; later the user moves it at will.
class PlaceWhenFramed : public QObject {
public:
    explicit PlaceWhenFramed(QWidget* window) : QObject(window) {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* window = static_cast<QWidget*>(watched);
        if ((event->type() == QEvent::Move || event->type() == QEvent::Resize) &&
            window->frameGeometry() != window->geometry()) {
            window->removeEventFilter(this);
            placeOnScreen(*window);
        }
        return false;
    }
};

// Works where the pages are: the start folder where it holds them, else the user's own folder;
// says on the terminal why the user's folder cannot be used.
WorkingFolder::Choice enterWorkingFolder(const WorkingFolder::Environment& environment) {
    const WorkingFolder::Choice place = WorkingFolder::choose(QDir::currentPath(), environment);
    if (!place.folder.isEmpty() && !QDir::setCurrent(place.folder))
        print(stderr,
              QCoreApplication::translate("main", "orvane: cannot work in %1\n").arg(place.folder));
    if (!place.problem.isEmpty())
        print(stderr, QCoreApplication::translate("main", "orvane: %1 (working in %2%3)\n")
                          .arg(place.problem, QDir::currentPath(),
                               place.reportKept ? QString()
                                                : QCoreApplication::translate(
                                                      "main", "; no report can be saved")));
    return place;
}

// Kept in the user's folder whatever the working folder is, and only where that folder is the
// user's alone; a folder of the user's that others may write to still shows the history it
// holds, which is then never written there. Opened after the first frame.
QString historyFolder(const WorkingFolder::Environment& environment, QString* noHistory) {
    QString ownFolder = WorkingFolder::ownFolder(environment, noHistory);
    if (const QString user = WorkingFolder::userFolder(environment); ownFolder.isEmpty()) {
        struct stat status {};
        if (!user.isEmpty() && ::lstat(QFile::encodeName(user).constData(), &status) == 0 &&
            S_ISDIR(status.st_mode) && status.st_uid == ::geteuid() &&
            (status.st_mode & (S_IWGRP | S_IWOTH)))
            ownFolder = user;
    }
    return ownFolder;
}

} // namespace

int main(int argc, char* argv[]) {
    g_argc = argc;
    g_argv = argv;
    g_defaultMessages = qInstallMessageHandler(startupMessage);
    std::unique_ptr<QCoreApplication> app = asksForNoWindow(argc, argv)
                                                ? std::make_unique<QCoreApplication>(argc, argv)
                                                : std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(g_defaultMessages);
    forwardHeld();
    QCoreApplication::setApplicationVersion(QStringLiteral(ORVANE_VERSION));
    const QString chosenLanguage = language::chosen(language::preferred());
    language::install(app.get(), chosenLanguage);
    if (const int status = readCommandLine(QCoreApplication::arguments()); status >= 0)
        return status;
    // Docks and task switchers match the window to its launcher by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.Orvane"));

    const QString title = applicationTitle(QCoreApplication::applicationFilePath());
    QGuiApplication::setApplicationName(title);
    // The chapter list's drop-down searches by prefix at the same pace as its closed field.
    QApplication::setKeyboardInputInterval(PickList::kSearchInterval);

    const WorkingFolder::Environment environment =
        WorkingFolder::Environment::fromProcess(QCoreApplication::applicationDirPath());
    const WorkingFolder::Choice place = enterWorkingFolder(environment);

    MessageErrorBox errorBox(title);
    FormServices services{&errorBox, RandomDraw::clockSeed(),
                          [](const QUrl& url) { QDesktopServices::openUrl(url); },
                          place.guideFolder};
    QString noHistory;
    HistoryStore history(
        historyFolder(environment, &noHistory),
        [](const HistoryStore::Status& status) {
            print(stderr, QStringLiteral("orvane: %1\n").arg(ProgressPage::describe(status)));
        },
        noHistory);
    services.history = &history;
    services.reportKept = place.reportKept;
    // The window is mapped while its first page is built.
    services.sendToDisplay = [] {
        if (auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>())
            xcb_flush(x11->connection());
    };
    TForm1 Form1(Content::builtIn(chosenLanguage), std::move(services));
    DocumentActions documentActions(&Form1, &errorBox);
    placeOnScreen(Form1);
    new PlaceWhenFramed(&Form1);
    Form1.show();
    if (const QString missing = missingLayoutFont(); !missing.isEmpty())
        print(stderr, QStringLiteral("orvane: %1\n").arg(missing));
    QuitOnSignal quitOnSignal;
    return app->exec();
}
