// The reference for bench/startup: the smallest Qt Widgets program that shows a window,
// so the time the bar takes to appear can be set against what Qt itself needs.
#include <QApplication>
#include <QWidget>

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.show();
    return app.exec();
}
