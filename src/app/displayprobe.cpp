#include "app/displayprobe.h"

#include <QByteArray>
#include <QList>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <cstring>

namespace {

// The platform asked for by -platform or QT_QPA_PLATFORM: a list such as "wayland;xcb", each
// name perhaps with options after a colon. Empty for Qt's default.
QList<QByteArray> chosenPlatforms(int argc, char* argv[]) {
    QByteArray chosen = qgetenv("QT_QPA_PLATFORM");
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0)
            chosen = argv[i + 1];
    }
    QList<QByteArray> names;
    for (const QByteArray& entry : chosen.split(';')) {
        const QByteArray name = entry.split(':').first().trimmed();
        if (!name.isEmpty())
            names << name;
    }
    return names;
}

bool xReachable() {
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        return false;
    // Xvfb drops some connections at random; a server that is there answers a second call.
    for (int attempt = 0; attempt < 3; ++attempt) {
        if (attempt > 0)
            ::usleep(50'000);
        xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
        const bool reached = xcb_connection_has_error(connection) == 0;
        xcb_disconnect(connection);
        if (reached)
            return true;
    }
    return false;
}

bool waylandReachable() {
    QByteArray socketPath = qgetenv("WAYLAND_DISPLAY");
    if (socketPath.isEmpty())
        return false;
    if (!socketPath.startsWith('/'))
        socketPath = qgetenv("XDG_RUNTIME_DIR") + '/' + socketPath;
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (size_t(socketPath.size()) >= sizeof address.sun_path)
        return false;
    std::memcpy(address.sun_path, socketPath.constData(), size_t(socketPath.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    const bool reached =
        ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    ::close(fd);
    return reached;
}

} // namespace

QString unreachableDisplay(int argc, char* argv[]) {
    const QList<QByteArray> platforms = chosenPlatforms(argc, argv);
    const bool anyDefault = platforms.isEmpty();
    const bool x = anyDefault || platforms.contains("xcb");
    bool wayland = anyDefault;
    for (const QByteArray& name : platforms)
        wayland = wayland || name.startsWith("wayland");
    if (!x && !wayland)
        return {};
    if ((x && xReachable()) || (wayland && waylandReachable()))
        return {};
    const QString display = qEnvironmentVariable("DISPLAY");
    const QString compositor = qEnvironmentVariable("WAYLAND_DISPLAY");
    if (display.isEmpty() && compositor.isEmpty())
        return QStringLiteral("no graphical display found (DISPLAY and WAYLAND_DISPLAY are unset)");
    QStringList named;
    if (!display.isEmpty())
        named << QStringLiteral("DISPLAY=%1").arg(display);
    if (!compositor.isEmpty())
        named << QStringLiteral("WAYLAND_DISPLAY=%1").arg(compositor);
    return QStringLiteral("no display server answers at %1")
        .arg(named.join(QStringLiteral(" or ")));
}
