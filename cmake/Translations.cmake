# The game's catalogues: one Qt Linguist source a language in translations/,
# compiled by lrelease and built into the game, which picks the catalogue of
# the desktop's language at start-up.
#
#   cmake --build build --target pairon_lupdate   brings every catalogue up to
#                                                 date with the texts in src/
#
# Needs the pairon_desktop_translation target of src/desktop/translation.
find_program(PAIRON_LRELEASE lrelease HINTS ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS} /usr/lib/qt6/bin
             NO_DEFAULT_PATH REQUIRED)
find_program(PAIRON_LUPDATE lupdate HINTS ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS} /usr/lib/qt6/bin NO_DEFAULT_PATH)

file(GLOB PAIRON_CATALOGUE_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/translations/pairon_*.ts)
set(PAIRON_CATALOGUE_DIR ${CMAKE_BINARY_DIR}/translations)
set(PAIRON_CATALOGUES)
foreach(source ${PAIRON_CATALOGUE_SOURCES})
  get_filename_component(name ${source} NAME_WE)
  set(catalogue ${PAIRON_CATALOGUE_DIR}/${name}.qm)
  add_custom_command(
    OUTPUT ${catalogue}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${PAIRON_CATALOGUE_DIR}
    COMMAND ${PAIRON_LRELEASE} -silent ${source} -qm ${catalogue}
    DEPENDS ${source}
    COMMENT "Compiling the catalogue ${name}"
    VERBATIM)
  list(APPEND PAIRON_CATALOGUES ${catalogue})
endforeach()
add_custom_target(pairon_catalogues DEPENDS ${PAIRON_CATALOGUES})
set_source_files_properties(${PAIRON_CATALOGUES} PROPERTIES GENERATED TRUE)
qt_add_resources(pairon_desktop_translation "catalogues" PREFIX "/translations" BASE ${PAIRON_CATALOGUE_DIR}
  FILES ${PAIRON_CATALOGUES})
add_dependencies(pairon_desktop_translation pairon_catalogues)

if(PAIRON_LUPDATE)
  # Without source locations, so that a catalogue changes only where its texts do.
  add_custom_target(pairon_lupdate
    COMMAND ${PAIRON_LUPDATE} -silent -locations none -no-obsolete ${CMAKE_SOURCE_DIR}/src
            -ts ${PAIRON_CATALOGUE_SOURCES}
    WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}
    VERBATIM)
endif()
