// The yardstick that draws text: a bare window with one label, so that it pays for the font
// database as any window with a caption does. Sized before show(), like the program's window.
#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("Orvane - Study Guide"));
    window.setWindowTitle(QStringLiteral("Label window"));
    window.setFixedSize(757, 427);
    window.show();
    return app.exec();
}
