// tutorix-course: builds, checks and (un)scrambles a course; reports results.
#include "course/lib/CourseTool.h"
#include "course/report/ReportCommand.h"

#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>

#include <cstdio>
#include <cstring>
#include <memory>

int main(int argc, char *argv[]) {
    // Pictures are drawn with QPainter and fonts, which need a GUI
    // application; the offscreen platform needs no display.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // The report's charts are graphics items, which need the widgets' application.
    if (argc > 1 && std::strcmp(argv[1], "report") == 0) {
        QApplication app(argc, argv);
        QTextStream out(stdout), err(stderr);
        return report::runReportCommand(QCoreApplication::arguments().mid(2), out, err);
    }
    QGuiApplication app(argc, argv);
    return course::runTool(QCoreApplication::arguments());
}
