#include "platform/logging.h"

Q_LOGGING_CATEGORY(lcPlatform, "tutorix.platform")
Q_LOGGING_CATEGORY(lcUi, "tutorix.ui")
Q_LOGGING_CATEGORY(lcContent, "tutorix.content")
Q_LOGGING_CATEGORY(lcState, "tutorix.state")
Q_LOGGING_CATEGORY(lcScreens, "tutorix.screens")
Q_LOGGING_CATEGORY(lcExercise, "tutorix.exercise")
Q_LOGGING_CATEGORY(lcResults, "tutorix.results")
Q_LOGGING_CATEGORY(lcPrint, "tutorix.print")
Q_LOGGING_CATEGORY(lcApp, "tutorix.app")
Q_LOGGING_CATEGORY(lcCourse, "tutorix.course", QtWarningMsg)
