#include "base/errortext.h"
#include "app/tform1.h"
#include "widgets/errorbox.h"
#include "widgets/picklist.h"

#include <QApplication>
#include <QDesktopServices>

#include <cstdio>

namespace {

bool displayMissing() {
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (!platform.isEmpty())
        return false;
    return qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

} // namespace

int main(int argc, char* argv[]) {
    if (displayMissing()) {
        std::fputs("orvane: no graphical display found (DISPLAY and WAYLAND_DISPLAY are unset).\n"
                   "Run it on a desktop, or in a virtual one:  xvfb-run -a orvane\n",
                   stderr);
        return 2;
    }
    QApplication app(argc, argv);
    const QString title = applicationTitle(QCoreApplication::applicationFilePath());
    QGuiApplication::setApplicationName(title);
    // The chapter list's drop-down searches by prefix at the same pace as its closed field.
    QApplication::setKeyboardInputInterval(PickList::kSearchInterval);

    MessageErrorBox errorBox(title);
    FormServices services{&errorBox, RandomDraw::clockSeed(),
                          [](const QUrl& url) { QDesktopServices::openUrl(url); }};
    TForm1 Form1(Content::builtIn(), std::move(services));
    Form1.show();
    return app.exec();
}
