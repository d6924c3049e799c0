#include "app/documentactions.h"
#include "app/tform1.h"
#include "base/errortext.h"
#include "base/windowplacement.h"
#include "base/workingfolder.h"
#include "progress/historystore.h"
#include "widgets/errorbox.h"
#include "widgets/picklist.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDesktopServices>
#include <QDir>
#include <QScreen>

#include <cstdio>
#include <memory>

namespace {

bool displayMissing(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        const QByteArray option(argv[i]);
        if (option == "-platform" || option == "--platform")
            return false;
    }
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        return false;
    return qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

void print(std::FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
}

// Answers --help and --version, and refuses what it does not know with the status of a usage
// error. Returns the exit status, or -1 to go on and open the window.
int readCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Study for the Canadian citizenship test: read the study guide, check "
                       "yourself\nagainst the practice questions, and take a random test.\n\n"
                       "The report of the last test is kept in $XDG_DATA_HOME/orvane/result.html\n"
                       "(~/.local/share/orvane/result.html), unless the program is started in a\n"
                       "folder that holds study/ and answers/ itself; it is then kept there.\n\n"
                       "Every test is remembered in $XDG_DATA_HOME/orvane/history.sqlite\n"
                       "(~/.local/share/orvane/history.sqlite); delete that file to start afresh."));
    // Qt's own --help-all would list options of the window toolkit that the man page covers.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and exit."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the version and exit."));
    parser.addOption(help);
    parser.addOption(version);
    if (!parser.parse(arguments) || !parser.positionalArguments().isEmpty()) {
        const QString problem =
            parser.errorText().isEmpty()
                ? QStringLiteral("unexpected argument '%1'").arg(parser.positionalArguments()[0])
                : parser.errorText();
        print(
            stderr,
            QStringLiteral("orvane: %1\nTry 'orvane --help' for more information.\n").arg(problem));
        return 2;
    }
    if (parser.isSet(help)) {
        print(stdout, parser.helpText());
        return 0;
    }
    if (parser.isSet(version)) {
        print(stdout, QStringLiteral("orvane %1\n").arg(QCoreApplication::applicationVersion()));
        return 0;
    }
    return -1;
}

// Without a window manager to correct it, a window that does not fit where it is asked for
// would open partly off the screen, and a fixed-size window cannot be shrunk to reach it.
void placeOnScreen(QWidget& window) {
    const QPoint wanted = window.pos();
    QScreen* screen = QGuiApplication::screenAt(wanted);
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (screen)
        window.move(
            placeWindow(window.frameGeometry().size(), wanted, screen->availableGeometry()));
}

} // namespace

int main(int argc, char* argv[]) {
    // --help and --version need no display, so the window toolkit starts only where one is.
    const bool headless = displayMissing(argc, argv);
    std::unique_ptr<QCoreApplication> app = headless
                                                ? std::make_unique<QCoreApplication>(argc, argv)
                                                : std::make_unique<QApplication>(argc, argv);
    QCoreApplication::setApplicationVersion(QStringLiteral(ORVANE_VERSION));
    if (const int status = readCommandLine(QCoreApplication::arguments()); status >= 0)
        return status;
    if (headless) {
        std::fputs("orvane: no graphical display found (DISPLAY and WAYLAND_DISPLAY are unset).\n"
                   "Run it on a desktop, or in a virtual one:  xvfb-run -a orvane\n",
                   stderr);
        return 2;
    }

    const QString title = applicationTitle(QCoreApplication::applicationFilePath());
    QGuiApplication::setApplicationName(title);
    // The chapter list's drop-down searches by prefix at the same pace as its closed field.
    QApplication::setKeyboardInputInterval(PickList::kSearchInterval);

    const WorkingFolder::Environment environment =
        WorkingFolder::Environment::fromProcess(QCoreApplication::applicationDirPath());
    const WorkingFolder::Choice place = WorkingFolder::choose(QDir::currentPath(), environment);
    if (!place.folder.isEmpty() && !QDir::setCurrent(place.folder))
        print(stderr, QStringLiteral("orvane: cannot work in %1\n").arg(place.folder));
    if (!place.problem.isEmpty())
        print(
            stderr,
            QStringLiteral("orvane: %1 (working in %2)\n").arg(place.problem, QDir::currentPath()));

    MessageErrorBox errorBox(title);
    FormServices services{&errorBox, RandomDraw::clockSeed(),
                          [](const QUrl& url) { QDesktopServices::openUrl(url); },
                          place.guideFolder};
    // Kept in the user's folder whatever the working folder is; opened after the first frame.
    HistoryStore history(WorkingFolder::userFolder(environment));
    services.history = &history;
    TForm1 Form1(Content::builtIn(), std::move(services));
    DocumentActions documentActions(&Form1, &errorBox);
    placeOnScreen(Form1);
    Form1.show();
    return app->exec();
}
