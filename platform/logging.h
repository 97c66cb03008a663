// The program's logging categories, one per source folder, so that
// QT_LOGGING_RULES and --verbose can pick a part of the program by its folder
// ("tutorix.results.info=true"). The course tool's category is quiet below
// warnings unless the rules ask for more.
#pragma once

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcPlatform)  // tutorix.platform: files, locks, display, keyboard, sound
Q_DECLARE_LOGGING_CATEGORY(lcUi)        // tutorix.ui: the scene and the form toolkit
Q_DECLARE_LOGGING_CATEGORY(lcContent)   // tutorix.content: course files and their checks
Q_DECLARE_LOGGING_CATEGORY(lcState)     // tutorix.state: the shared state and procedures of every screen
Q_DECLARE_LOGGING_CATEGORY(lcScreens)   // tutorix.screens: title, menu, set-up and error screens
Q_DECLARE_LOGGING_CATEGORY(lcExercise)  // tutorix.exercise: the exercise form and its families
Q_DECLARE_LOGGING_CATEGORY(lcResults)   // tutorix.results: tables, logs, answers and exports
Q_DECLARE_LOGGING_CATEGORY(lcPrint)     // tutorix.print: worksheets and print jobs
Q_DECLARE_LOGGING_CATEGORY(lcApp)       // tutorix.app: start-up, command line, display mode, ways out
Q_DECLARE_LOGGING_CATEGORY(lcCourse)    // tutorix.course: the course tool
