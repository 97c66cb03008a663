# The layers of the program, lowest first. Each is a static library with its
# own list of sources; it links the layers below it and sees only their
# headers and its own: every target's include folder is a "fence" in the
# build tree (<build>/fence/<target>/<folder>/<file>.h, links to the
# sources made at configure time) that holds exactly those headers, so an
# include of a higher layer, or of a peer, does not compile.
#
#   platform -> ui -> content -> rules -> state
#     -> screens | exercise | results | print (peers)
#     -> shell (app/) | course (course/lib, course/report)
#
# tests/check_layers.py makes the same check on the sources alone.

set(TUTORIX_FENCE_ROOT ${CMAKE_BINARY_DIR}/fence)
# Links left from an earlier configuration (a header moved or gone) go.
file(REMOVE_RECURSE ${TUTORIX_FENCE_ROOT})

# Builds the fence of a target: links to the given headers (paths relative to
# the source folder).
function(tutorix_fence target)
  foreach(h ${ARGN})
    get_filename_component(dir ${TUTORIX_FENCE_ROOT}/${target}/${h} DIRECTORY)
    file(MAKE_DIRECTORY ${dir})
    file(CREATE_LINK ${CMAKE_SOURCE_DIR}/${h} ${TUTORIX_FENCE_ROOT}/${target}/${h} SYMBOLIC)
  endforeach()
endfunction()

# tutorix_layer(<target> SOURCES <files> [LINKS <lower layers>])
function(tutorix_layer target)
  cmake_parse_arguments(L "" "" "SOURCES;LINKS" ${ARGN})
  set(headers)
  foreach(f ${L_SOURCES})
    if(f MATCHES "\\.h$")
      list(APPEND headers ${f})
    endif()
  endforeach()
  foreach(lower ${L_LINKS})
    get_property(below GLOBAL PROPERTY TUTORIX_HEADERS_${lower})
    list(APPEND headers ${below})
  endforeach()
  list(REMOVE_DUPLICATES headers)
  set_property(GLOBAL PROPERTY TUTORIX_HEADERS_${target} ${headers})
  tutorix_fence(${target} ${headers})
  add_library(${target} STATIC ${L_SOURCES})
  target_include_directories(${target} PRIVATE ${TUTORIX_FENCE_ROOT}/${target})
  target_link_libraries(${target} PUBLIC ${L_LINKS})
  target_compile_options(${target} PRIVATE -Wall -Wextra)
endfunction()

# The operating system: files, INI, codecs, display, keyboard, sound, message boxes.
tutorix_layer(tutorix_platform
  SOURCES
    platform/codec.cpp
    platform/codec.h
    platform/configfile.cpp
    platform/configfile.h
    platform/curfile.cpp
    platform/curfile.h
    platform/display.cpp
    platform/display.h
    platform/filelock.cpp
    platform/filelock.h
    platform/ini.cpp
    platform/ini.h
    platform/keyboard.cpp
    platform/keyboard.h
    platform/logging.cpp
    platform/logging.h
    platform/msgbox.cpp
    platform/msgbox.h
    platform/paths.cpp
    platform/paths.h
    platform/safefile.cpp
    platform/safefile.h
    platform/sound.cpp
    platform/sound.h
    platform/soundoutput.h
)

# The control set: forms, controls, keyboard focus, the scene.
tutorix_layer(tutorix_ui
  SOURCES
    ui/Accessible.cpp
    ui/Accessible.h
    ui/ControlArray.h
    ui/Controls.cpp
    ui/Controls.h
    ui/Form.cpp
    ui/Form.h
    ui/Keyboard.cpp
    ui/Keyboard.h
    ui/Scene.cpp
    ui/Scene.h
    ui/fonts.cpp
    ui/fonts.h
  LINKS tutorix_platform
)

# Pure rules of the exercises and screens.
tutorix_layer(tutorix_rules
  SOURCES
    rules/Catalogue.cpp
    rules/Catalogue.h
    rules/ExerciseGroups.cpp
    rules/ExerciseGroups.h
    rules/ExerciseSpec.cpp
    rules/ExerciseSpec.h
    rules/FocusRules.cpp
    rules/FocusRules.h
    rules/HintRules.cpp
    rules/HintRules.h
    rules/PictureTexts.cpp
    rules/PictureTexts.h
    rules/RunLengths.h
  LINKS tutorix_ui
)

# Course files: scrambling, line formats, checks, the content tables.
tutorix_layer(tutorix_content
  SOURCES
    content/ContentCheck.cpp
    content/ContentCheck.h
    content/ContentTables.h
    content/CourseFile.cpp
    content/CourseFile.h
    content/Records.cpp
    content/Records.h
    content/scramble.cpp
    content/scramble.h
  LINKS tutorix_rules
)

# The shared state of the program, its shared services, the ways between screens.
tutorix_layer(tutorix_state
  SOURCES
    state/AnswersLog.cpp
    state/AnswersLog.h
    state/DateText.cpp
    state/DateText.h
    state/GradeBands.cpp
    state/GradeBands.h
    state/Misc.cpp
    state/Misc.h
    state/Navigation.h
    state/ResultsDir.cpp
    state/ResultsDir.h
    state/ResultsRules.cpp
    state/ResultsRules.h
    state/Services.cpp
    state/Services.h
    state/TextTable.cpp
    state/TextTable.h
  LINKS tutorix_content
)

# Selection, setup, intro and background screens.
tutorix_layer(tutorix_screens
  SOURCES
    screens/ScreenKeys.cpp
    screens/ScreenKeys.h
    screens/SlideIn.cpp
    screens/SlideIn.h
    screens/frm_Intro.cpp
    screens/frm_Intro.h
    screens/frm_Intro_Topics.cpp
    screens/frm_Pozadi.cpp
    screens/frm_Pozadi.h
    screens/frm_Select.cpp
    screens/frm_Select.h
    screens/frm_Setup.cpp
    screens/frm_Setup.h
  LINKS tutorix_state
)

# The exercise form, its families and its hint window.
tutorix_layer(tutorix_exercise
  SOURCES
    exercise/AnswerRules.cpp
    exercise/AnswerRules.h
    exercise/AnswersRecorder.cpp
    exercise/AnswersRecorder.h
    exercise/CheckedRow.cpp
    exercise/CheckedRow.h
    exercise/Ex18.cpp
    exercise/GameKeys.cpp
    exercise/GameKeys.h
    exercise/Listening.cpp
    exercise/LoadContent.cpp
    exercise/PageDraw.cpp
    exercise/PageDraw.h
    exercise/ReplayRule.cpp
    exercise/ReplayRule.h
    exercise/RowsChecked.cpp
    exercise/RunFlow.cpp
    exercise/Switches.cpp
    exercise/TextFit.cpp
    exercise/TextFit.h
    exercise/TileRules.cpp
    exercise/TileRules.h
    exercise/Tiles.cpp
    exercise/Toolbar.cpp
    exercise/Toolbar.h
    exercise/TypedAnswers.cpp
    exercise/families/Clocks.cpp
    exercise/families/ExerciseFamily.cpp
    exercise/families/ExerciseFamily.h
    exercise/families/Families.h
    exercise/families/GapSentences.cpp
    exercise/families/Listening.cpp
    exercise/families/Lists.cpp
    exercise/families/RowLayout.h
    exercise/families/Switches.cpp
    exercise/families/Tiles.cpp
    exercise/families/WordLists.cpp
    exercise/frm_Chybovy.cpp
    exercise/frm_Chybovy.h
    exercise/frm_Game01.cpp
    exercise/frm_Game01.h
  LINKS tutorix_state
)

# The results screen, grade check, exports and reports of results.
tutorix_layer(tutorix_results
  SOURCES
    results/ClassReport.cpp
    results/ClassReport.h
    results/GradeBands.cpp
    results/GradeBands.h
    results/LogText.cpp
    results/LogText.h
    results/PupilKey.cpp
    results/PupilKey.h
    results/ReportSources.cpp
    results/ReportSources.h
    results/ResultsExport.cpp
    results/ResultsExport.h
    results/ResultsKeys.cpp
    results/ResultsKeys.h
    results/ResultsMaintenance.cpp
    results/ResultsMaintenance.h
    results/SaveFailure.cpp
    results/SaveFailure.h
    results/frm_Tabulka.cpp
    results/frm_Tabulka.h
  LINKS tutorix_state
)

# Worksheets and the print job.
tutorix_layer(tutorix_print
  SOURCES
    print/LayoutMath.cpp
    print/LayoutMath.h
    print/PageFrame.cpp
    print/PageFrame.h
    print/PrintCommand.cpp
    print/PrintCommand.h
    print/PrintContent.cpp
    print/PrintContent.h
    print/PrintJob.cpp
    print/PrintJob.h
    print/PrintToPdf.cpp
    print/RowLayouts.cpp
    print/RowLayouts.h
    print/RunPrintJob.cpp
    print/Worksheets.cpp
    print/Worksheets.h
  LINKS tutorix_state
)

# Start-up, command line, scene mode, exit: the program around the screens.
tutorix_layer(tutorix_shell
  SOURCES
    app/CommandLine.cpp
    app/CommandLine.h
    app/QtCzech.cpp
    app/QtCzech.h
    app/SceneMode.cpp
    app/SceneMode.h
    app/ScreenLinks.cpp
    app/ScreenLinks.h
    app/Startup.cpp
    app/Startup.h
    app/StartupTables.cpp
    app/StartupTables.h
  LINKS tutorix_screens tutorix_exercise tutorix_results tutorix_print
)

# The course tool's commands.
tutorix_layer(tutorix_course
  SOURCES
    course/lib/Checker.cpp
    course/lib/Checker.h
    course/lib/CheckerRules.cpp
    course/lib/CheckerRules.h
    course/lib/CourseExercises.cpp
    course/lib/CourseExercises.h
    course/lib/CourseLookup.cpp
    course/lib/CourseLookup.h
    course/lib/CourseTool.cpp
    course/lib/CourseTool.h
    course/lib/Icons.cpp
    course/lib/Icons.h
    course/lib/LanguageRules.cpp
    course/lib/LanguageRules.h
    course/lib/MaintenanceCommand.cpp
    course/lib/MaintenanceCommand.h
    course/lib/Media.cpp
    course/lib/Media.h
    course/lib/MediaCheck.cpp
    course/lib/MediaCheck.h
    course/lib/MediaControls.cpp
    course/lib/MediaCursors.cpp
    course/lib/MediaGames.cpp
    course/lib/MediaIntro.cpp
    course/lib/MediaParts.h
    course/lib/MediaResults.cpp
    course/lib/MediaSelect.cpp
    course/lib/MediaSetup.cpp
    course/lib/MediaSounds.cpp
    course/lib/MediaStyle.cpp
    course/lib/MediaStyle.h
    course/lib/RecordingAudio.cpp
    course/lib/RecordingAudio.h
    course/lib/Recordings.cpp
    course/lib/Recordings.h
    course/lib/ResultsCommand.cpp
    course/lib/ResultsCommand.h
    course/lib/ResultsXlsx.cpp
    course/lib/ResultsXlsx.h
    course/lib/SourceText.cpp
    course/lib/SourceText.h
  LINKS tutorix_exercise tutorix_results tutorix_print
)

# The teacher's report (Qt Charts, SVG, PDF).
tutorix_layer(tutorix_report
  SOURCES
    course/report/ReportCharts.cpp
    course/report/ReportCharts.h
    course/report/ReportCommand.cpp
    course/report/ReportCommand.h
    course/report/ReportDocument.cpp
    course/report/ReportDocument.h
    course/report/ReportHtml.cpp
    course/report/ReportHtml.h
    course/report/ReportPdf.cpp
    course/report/ReportPdf.h
  LINKS tutorix_course
)
