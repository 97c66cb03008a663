# Installing the program, the bundled course and its desktop integration, and
# packaging all of it as a .deb (cpack -G DEB).
#
#   bin/tutorix, bin/tutorix-course
#   lib/<arch>/tutorix/libtutorix_sound.so            the sound players, loaded
#                                                      after the first picture
#   share/tutorix/course/{Tutorix.ini,data/,media/}   the course; its INI names
#                                                      media\ and data\ relative
#                                                      to its own folder
#   share/applications/<id>.desktop, share/metainfo/<id>.metainfo.xml
#   share/applications/<id>.Report.desktop             the teacher's report
#   share/icons/hicolor/{NxN,scalable}/apps/<id>.{png,svg}
#   share/man/{,cs/}man1/tutorix{,-course}.1.gz       manual pages (scdoc)
#   share/doc/tutorix/{copyright,changelog.gz}        licences (DEP-5), history
include(GNUInstallDirs)
include(${CMAKE_CURRENT_LIST_DIR}/Copyright.cmake)
# Installing and packaging take what the build made; they never start a build
# themselves (a test packages while other tests run).
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY TRUE)

set(dist_out ${CMAKE_BINARY_DIR}/dist)

# Icons drawn by the program's own icon drawing.
add_custom_target(icons ALL
  COMMAND tutorix-course icons ${dist_out}/icons ${TUTORIX_APP_ID}
  DEPENDS tutorix-course
  COMMENT "Drawing the icons"
  VERBATIM)

configure_file(${CMAKE_CURRENT_LIST_DIR}/tutorix.desktop.in ${dist_out}/${TUTORIX_APP_ID}.desktop @ONLY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/tutorix-report.desktop.in ${dist_out}/${TUTORIX_APP_ID}.Report.desktop @ONLY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/tutorix.metainfo.xml.in ${dist_out}/${TUTORIX_APP_ID}.metainfo.xml @ONLY)

# The installed course's INI and empty results files. The build's own course
# folder may hold results of trial runs, which are not shipped.
file(WRITE ${dist_out}/course/Tutorix.ini "[LING1]\r\nCD=media\\\r\nHD=data\\\r\n")
file(MAKE_DIRECTORY ${dist_out}/course/data)
foreach(n RANGE 1 24)
  file(TOUCH ${dist_out}/course/data/${n}.res)
endforeach()
file(TOUCH ${dist_out}/course/data/Vysledky.dat)

install(TARGETS tutorix tutorix-course RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS tutorix_sound LIBRARY DESTINATION ${TUTORIX_MODULE_DIR})
set(course_dest ${CMAKE_INSTALL_DATADIR}/tutorix/course)
install(FILES ${dist_out}/course/Tutorix.ini DESTINATION ${course_dest})
install(DIRECTORY ${CMAKE_BINARY_DIR}/course/media DESTINATION ${course_dest})
install(DIRECTORY ${CMAKE_BINARY_DIR}/course/data DESTINATION ${course_dest}
  FILES_MATCHING PATTERN "*.dat" PATTERN "Vysledky.dat" EXCLUDE)
install(DIRECTORY ${dist_out}/course/data DESTINATION ${course_dest})
install(FILES ${dist_out}/${TUTORIX_APP_ID}.desktop ${dist_out}/${TUTORIX_APP_ID}.Report.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${dist_out}/${TUTORIX_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY ${dist_out}/icons/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)

# Manual pages from their scdoc sources, and the changelog, compressed as
# Debian expects (best compression, no name or time stamp in the gzip header).
# Their date is that of the newest changelog entry, so the same sources give
# the same pages.
set(TUTORIX_RELEASE_EPOCH 1796731200)
find_program(SCDOC_PROGRAM scdoc REQUIRED)
find_program(GZIP_PROGRAM gzip REQUIRED)
set(man_pages tutorix.1 tutorix-course.1 tutorix.cs.1 tutorix-course.cs.1)
set(man_outputs)
foreach(page ${man_pages})
  set(src ${CMAKE_CURRENT_LIST_DIR}/man/${page}.scd)
  add_custom_command(OUTPUT ${dist_out}/man/${page}.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${dist_out}/man
    COMMAND ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=${TUTORIX_RELEASE_EPOCH}
            sh -c "${SCDOC_PROGRAM} < '${src}' | ${GZIP_PROGRAM} -9n > '${dist_out}/man/${page}.gz'"
    DEPENDS ${src}
    COMMENT "Manual page ${page}"
    VERBATIM)
  list(APPEND man_outputs ${dist_out}/man/${page}.gz)
endforeach()
add_custom_command(OUTPUT ${dist_out}/changelog.gz
  COMMAND sh -c "${GZIP_PROGRAM} -9n < '${CMAKE_CURRENT_LIST_DIR}/changelog' > '${dist_out}/changelog.gz'"
  DEPENDS ${CMAKE_CURRENT_LIST_DIR}/changelog
  VERBATIM)
add_custom_target(docs ALL DEPENDS ${man_outputs} ${dist_out}/changelog.gz)
tutorix_write_copyright(${CMAKE_SOURCE_DIR} ${dist_out}/copyright)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
  ${CMAKE_SOURCE_DIR}/.reuse/dep5 ${CMAKE_SOURCE_DIR}/LICENSES/CC-BY-SA-4.0.txt)

foreach(page tutorix tutorix-course)
  install(FILES ${dist_out}/man/${page}.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES ${dist_out}/man/${page}.cs.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/cs/man1 RENAME ${page}.1.gz)
endforeach()
install(FILES ${dist_out}/copyright ${dist_out}/changelog.gz DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/tutorix)

set(CPACK_PACKAGE_NAME tutorix)
set(CPACK_PACKAGE_VENDOR "Tutorix")
# Who answers for the package; a distributor building it sets their own.
set(TUTORIX_MAINTAINER "Tutorix developers <tutorix@example.org>" CACHE STRING
  "Maintainer of the Debian package, as \"Name <address>\"")
set(CPACK_PACKAGE_CONTACT "${TUTORIX_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${TUTORIX_MAINTAINER}")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "English course for Czech pupils (Tutorix Lingvana 1)")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "Tutorix Lingvana 1 is an English course for Czech-speaking pupils:\n24 kinds of exercises with school grades, a results table per exercise,\nlistening exercises and printable worksheets. The bundled course is\ninstalled under /usr/share/tutorix/course.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES TRUE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
# Shared libraries (Qt 6 Core, Gui, Widgets, Multimedia, PrintSupport, X11)
# come from dpkg-shlibdeps; the fonts and the sound back end are not linked.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# xdg-open shows the teacher's report in the default browser.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, fonts-dejavu-core, gstreamer1.0-plugins-base, gstreamer1.0-plugins-good, xdg-utils")
# Most of the package is bitmaps and sounds: gzip packs them nearly as well
# as xz in a fraction of the time.
set(CPACK_DEBIAN_COMPRESSION_TYPE gzip)
set(CPACK_GENERATOR DEB)
include(CPack)
