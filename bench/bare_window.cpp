// The yardstick of the start-up benchmark: the least a Qt Widgets program
// does to show one 640 x 480 picture (the file given as the only argument).
#include <QApplication>
#include <QLabel>
#include <QPixmap>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QLabel label;
    label.setPixmap(QPixmap(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString()));
    label.setFixedSize(640, 480);
    label.show();
    return app.exec();
}
