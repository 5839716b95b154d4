# Installing and packaging
# `cmake --install build --prefix P` puts the program in P/bin and what it reads at run time in
# P/share/qelvane (sheets/ and d/), where the program finds it relative to its own folder, so an
# installed prefix can be moved. Beside them: the desktop entry, the icons, the AppStream
# metadata and the manual page. `cpack -G DEB` in the build folder packs the same for /usr.
include(GNUInstallDirs)

set(QELVANE_APP_ID org.qelvane.Qelvane)
set(QELVANE_RELEASE_DATE 2026-12-09)  # the date of the release named by project(VERSION)
set(QELVANE_LICENSE LicenseRef-proprietary)
set(QELVANE_MAINTAINER "QELVANE developers <developers@qelvane.org>")
set(QELVANE_HOMEPAGE https://qelvane.org)

# The files written from dist/ with the version and date filled in.
set(DIST_DIR ${CMAKE_BINARY_DIR}/dist)
configure_file(${CMAKE_SOURCE_DIR}/dist/${QELVANE_APP_ID}.metainfo.xml.in
               ${DIST_DIR}/${QELVANE_APP_ID}.metainfo.xml @ONLY)
configure_file(${CMAKE_SOURCE_DIR}/dist/qelvane.6 ${DIST_DIR}/qelvane.6 @ONLY)
execute_process(COMMAND date -u -R -d "${QELVANE_RELEASE_DATE} 12:00:00"
                OUTPUT_VARIABLE QELVANE_RELEASE_DATE_RFC OUTPUT_STRIP_TRAILING_WHITESPACE
                RESULT_VARIABLE date_result)
if(NOT date_result EQUAL 0)
  message(FATAL_ERROR "date cannot write ${QELVANE_RELEASE_DATE} as RFC 2822")
endif()
configure_file(${CMAKE_SOURCE_DIR}/dist/changelog.in ${DIST_DIR}/changelog @ONLY)

# Compressed without name or time, so the same sources give the same bytes.
add_custom_command(
  OUTPUT ${DIST_DIR}/qelvane.6.gz ${DIST_DIR}/changelog.gz
  COMMAND ${GZIP_PROGRAM} -9nkf ${DIST_DIR}/qelvane.6 ${DIST_DIR}/changelog
  DEPENDS ${DIST_DIR}/qelvane.6 ${DIST_DIR}/changelog
  COMMENT "Compressing the manual page and the change log")

# The icon: the player's fighter as the art tool draws it, at each size of the icon theme.
set(ICONS_DIR ${CMAKE_BINARY_DIR}/icons)
set(ICON_SIZES 32 64 128 256)
set(ICON_FILES)
foreach(size ${ICON_SIZES})
  list(APPEND ICON_FILES ${ICONS_DIR}/${size}.png)
endforeach()
add_custom_command(
  OUTPUT ${ICON_FILES}
  COMMAND make_art --icons ${ICONS_DIR} --sizes "$<JOIN:${ICON_SIZES},$<COMMA>>"
  DEPENDS make_art
  COMMENT "Drawing the icons")
add_custom_target(desktop_files ALL DEPENDS ${ICON_FILES} ${DIST_DIR}/qelvane.6.gz ${DIST_DIR}/changelog.gz)

install(TARGETS qelvane RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY ${SHEETS_DIR}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/qelvane/sheets
        FILES_MATCHING PATTERN "*.png")
# The data folder without the player's save (data.dat) or the build's stamps.
install(DIRECTORY ${CMAKE_BINARY_DIR}/d/ DESTINATION ${CMAKE_INSTALL_DATADIR}/qelvane/d
        FILES_MATCHING PATTERN "*.map")
install(FILES ${MUSIC_FILES} ${SOUND_FILES} ${CMAKE_BINARY_DIR}/d/demo.qrp
        DESTINATION ${CMAKE_INSTALL_DATADIR}/qelvane/d)
install(FILES ${CMAKE_SOURCE_DIR}/dist/${QELVANE_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${DIST_DIR}/${QELVANE_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size ${ICON_SIZES})
  install(FILES ${ICONS_DIR}/${size}.png RENAME ${QELVANE_APP_ID}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
install(FILES ${DIST_DIR}/qelvane.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${CMAKE_SOURCE_DIR}/dist/copyright ${DIST_DIR}/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES ${CMAKE_SOURCE_DIR}/dist/lintian-overrides RENAME qelvane
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides)

# Installs into a temporary prefix, moves it and runs the game from its new place.
add_test(NAME install_moved_prefix
         COMMAND bash ${CMAKE_SOURCE_DIR}/tests/app/install_test.sh ${CMAKE_COMMAND} ${CMAKE_BINARY_DIR})
set_tests_properties(install_moved_prefix PROPERTIES LABELS install TIMEOUT 180)

# The Debian package: cpack -G DEB in the build folder writes qelvane_VERSION_ARCH.deb.
set(CPACK_PACKAGE_NAME qelvane)
set(CPACK_PACKAGE_VENDOR "QELVANE developers")
set(CPACK_PACKAGE_CONTACT "${QELVANE_MAINTAINER}")
set(CPACK_PACKAGE_HOMEPAGE_URL ${QELVANE_HOMEPAGE})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "vertically scrolling space shoot-'em-up")
set(CPACK_PACKAGE_DESCRIPTION
    "Fly the fighter ZOZE through space stages, shoot formations of enemies,
mid-bosses and bosses armed with parts that can be shot away, and spend your
score in the shop that a supply ship brings between the waves. Story, extra
and boss modes, a music room and replays of every game. Played with the
keyboard or any gamepad.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${QELVANE_MAINTAINER}")
# What the program opens by name at run time: a General MIDI soundfont and the Japanese font.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fluid-soundfont-gm | timgm6mb-soundfont, fonts-ipafont-gothic")
# The shared libraries are found by dpkg-shlibdeps (dpkg-dev) when it is there.
find_program(DPKG_SHLIBDEPS_PROGRAM dpkg-shlibdeps)
if(DPKG_SHLIBDEPS_PROGRAM)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
else()
  message(STATUS "dpkg-shlibdeps not found: the package will not list its libraries")
endif()
include(CPack)
