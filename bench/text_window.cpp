// The second reference for bench/startup: the smallest Qt Widgets program that shows a
// window with one line of text, the countdown as the bar shows it. Beside the empty
// window it tells what drawing text costs Qt itself: the fonts and the shaping and
// rasterising libraries, which a window that draws nothing never loads.
#include <QApplication>
#include <QLabel>

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("04:50"));
    window.show();
    return app.exec();
}
