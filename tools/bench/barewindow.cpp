// The yardstick for start-up and memory: the least a Qt Widgets program does to show a window
// of the same size. Built with the same compiler, flags and Qt as the program it is compared to.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.setFixedSize(757, 427);
    window.show();
    return app.exec();
}
