# Installing the game as a desktop application, and packaging it for Debian.
#
#   <prefix>/libexec/pairon/pairon          the game, with its picture and sound files beside it
#   <prefix>/bin/pairon                     a launcher on the PATH
#   <prefix>/share/applications/<id>.desktop, share/metainfo/<id>.metainfo.xml,
#   share/icons/hicolor/<n>x<n>/apps/<id>.png, share/man/man6/pairon.6.gz,
#   share/doc/pairon/copyright
#
# Needs the targets and picture lists of cmake/Gui.cmake.
include(GNUInstallDirs)

set(PAIRON_APP_ID io.github.pairon.Pairon)
set(PAIRON_HOMEPAGE https://github.com/pairon/pairon)
# The game looks its pictures up beside its own executable, so both go into
# a folder of their own.
set(PAIRON_GAME_INSTALL_DIR ${CMAKE_INSTALL_LIBEXECDIR}/pairon)
set(PAIRON_PACKAGING_DIR ${CMAKE_SOURCE_DIR}/packaging)

install(TARGETS pairon RUNTIME DESTINATION ${PAIRON_GAME_INSTALL_DIR})
install(TARGETS pairon-sound LIBRARY DESTINATION ${PAIRON_GAME_INSTALL_DIR})
install(FILES ${PAIRON_PICTURE_OUTPUTS} ${PAIRON_SOUND_OUTPUTS} DESTINATION ${PAIRON_GAME_INSTALL_DIR})

# The launcher finds the game relative to itself, so one launcher serves every
# prefix, a DESTDIR staging tree and the Debian package alike.
file(RELATIVE_PATH PAIRON_LAUNCHER_TO_GAME ${CMAKE_INSTALL_FULL_BINDIR}
     ${CMAKE_INSTALL_FULL_LIBEXECDIR}/pairon)
configure_file(${PAIRON_PACKAGING_DIR}/pairon.in ${CMAKE_BINARY_DIR}/packaging/pairon @ONLY)
install(PROGRAMS ${CMAKE_BINARY_DIR}/packaging/pairon DESTINATION ${CMAKE_INSTALL_BINDIR})

install(FILES ${PAIRON_PACKAGING_DIR}/${PAIRON_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PAIRON_PACKAGING_DIR}/${PAIRON_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 16 32 48 64 128 256)
  install(FILES ${PAIRON_LAYOUT_PICTURE_DIR}/icon-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME ${PAIRON_APP_ID}.png)
endforeach()

configure_file(${PAIRON_PACKAGING_DIR}/pairon.6.in ${CMAKE_BINARY_DIR}/packaging/pairon.6 @ONLY)
# Compressed the Debian way: best compression, no name or time stamp inside.
find_program(PAIRON_GZIP gzip REQUIRED)
execute_process(COMMAND ${PAIRON_GZIP} -9nc ${CMAKE_BINARY_DIR}/packaging/pairon.6
                OUTPUT_FILE ${CMAKE_BINARY_DIR}/packaging/pairon.6.gz COMMAND_ERROR_IS_FATAL ANY)
install(FILES ${CMAKE_BINARY_DIR}/packaging/pairon.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${PAIRON_PACKAGING_DIR}/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/pairon)

# cpack -G DEB gives pairon_<version>_<arch>.deb.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME pairon)
set(CPACK_PACKAGE_VENDOR "The Pairon developers")
set(CPACK_PACKAGE_CONTACT "The Pairon developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_HOMEPAGE_URL ${PAIRON_HOMEPAGE})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "pairs-matching card game for one to four players")
set(CPACK_PACKAGE_DESCRIPTION "\
Pairon deals a board of cards face down. In a turn a player turns up two
cards: a pair leaves the board and scores, and the same player plays on;
two different cards are turned back and the turn passes to the next player.
Up to four players share one window, each a human or a computer player of
one of five levels. A speed slider, options for repeated pairs and for
highlighting cards nobody has turned up yet, soft sounds for each card,
pair, miss and end of a game, and six pages of help are included.")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "The Pairon developers")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# dpkg-shlibdeps works out the Qt and C++ libraries; the window's font
# families are named in the code, so their package comes along too.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2")
# Qt's own texts (the standard dialogs, a name box's context menu) in the
# player's language.
# A sound server to hear the cues on: without one the game is silent.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, pulseaudio | pipewire-pulse")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
