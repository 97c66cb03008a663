// tutorix-course: builds, checks and (un)scrambles a course.
#include "course/lib/CourseTool.h"

#include <QCoreApplication>
#include <QGuiApplication>

int main(int argc, char *argv[]) {
    // Pictures are drawn with QPainter and fonts, which need a GUI
    // application; the offscreen platform needs no display.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    return course::runTool(QCoreApplication::arguments());
}
