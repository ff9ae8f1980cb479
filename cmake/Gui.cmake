# The pictures, the Qt view and the game itself.
set(CMAKE_AUTOMOC ON)

include(${CMAKE_SOURCE_DIR}/cmake/Art.cmake)

# Pictures are drawn at twice the size they take in the window and shown with
# a device pixel ratio of 2: sharp on a screen scaled to 200 percent, smoothly
# scaled down at 100 percent. The view reads the same factor.
set(PAIRON_PICTURE_SCALE 2)
set(PAIRON_PICTURE_DIR ${CMAKE_BINARY_DIR}/bin)
# The window icons are icons of the sizes their names give, and a screen at
# 100 percent shows the layout pictures pixel for pixel, so these come from a
# second drawing at scale 1; this folder holds the layout pictures at their
# true size.
set(PAIRON_LAYOUT_PICTURE_DIR ${CMAKE_BINARY_DIR}/layout-pictures)
set(PAIRON_SCALED_LAYOUT_PICTURE_DIR ${CMAKE_BINARY_DIR}/layout-pictures-x${PAIRON_PICTURE_SCALE})
# The picture files of the scale 1 drawing are not used.
set(PAIRON_UNSCALED_PICTURE_DIR ${CMAKE_BINARY_DIR}/pictures-x1)
set(PAIRON_LAYOUT_PICTURES PlayerPanel.png GameBoard.png GameBoard.pixels Ornament.png CardSlot.png ResultStart.png
    icon-16.png icon-32.png icon-48.png icon-64.png icon-128.png icon-256.png
    icon-16.pixels icon-32.pixels icon-48.pixels icon-64.pixels)
# Built into the game at true size, under their own names: what a screen at
# 100 percent shows pixel for pixel.
set(PAIRON_TRUE_SIZE_LAYOUT_PICTURES PlayerPanel.png Ornament.png CardSlot.png ResultStart.png icon-16.png
    icon-32.png icon-48.png icon-64.png icon-128.png icon-256.png)
# Built into the game at the picture scale, as <name>@<scale>x.png.
set(PAIRON_SCALED_LAYOUT_PICTURES PlayerPanel.png GameBoard.png Ornament.png CardSlot.png ResultStart.png)

set(PAIRON_PICTURE_OUTPUTS)
foreach(face RANGE 1 26)
  list(APPEND PAIRON_PICTURE_OUTPUTS ${PAIRON_PICTURE_DIR}/Card${face}.bmp)
endforeach()
foreach(name CardBack1.bmp CardBack2.bmp Winner.bmp Depressed.bmp Frustrated.bmp Trophy.bmp Mouse.jpg Pig.jpg)
  list(APPEND PAIRON_PICTURE_OUTPUTS ${PAIRON_PICTURE_DIR}/${name})
endforeach()
set(PAIRON_LAYOUT_OUTPUTS)
set(PAIRON_SCALED_LAYOUT_OUTPUTS)
foreach(name ${PAIRON_LAYOUT_PICTURES})
  list(APPEND PAIRON_LAYOUT_OUTPUTS ${PAIRON_LAYOUT_PICTURE_DIR}/${name})
  list(APPEND PAIRON_SCALED_LAYOUT_OUTPUTS ${PAIRON_SCALED_LAYOUT_PICTURE_DIR}/${name})
endforeach()
add_custom_command(
  OUTPUT ${PAIRON_PICTURE_OUTPUTS} ${PAIRON_SCALED_LAYOUT_OUTPUTS}
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
          $<TARGET_FILE:pairon-draw-pictures> ${PAIRON_PICTURE_DIR} ${PAIRON_SCALED_LAYOUT_PICTURE_DIR}
          --scale ${PAIRON_PICTURE_SCALE}
  DEPENDS pairon-draw-pictures
  COMMENT "Drawing the picture files"
  VERBATIM)
add_custom_command(
  OUTPUT ${PAIRON_LAYOUT_OUTPUTS}
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
          $<TARGET_FILE:pairon-draw-pictures> ${PAIRON_UNSCALED_PICTURE_DIR} ${PAIRON_LAYOUT_PICTURE_DIR}
  DEPENDS pairon-draw-pictures
  COMMENT "Drawing the window icons"
  VERBATIM)
add_custom_target(pairon_pictures ALL DEPENDS ${PAIRON_PICTURE_OUTPUTS} ${PAIRON_LAYOUT_OUTPUTS}
                  ${PAIRON_SCALED_LAYOUT_OUTPUTS})
include(${CMAKE_SOURCE_DIR}/cmake/Sounds.cmake)
# The sounds lie beside the pictures, so whatever needs the one needs the other.
add_dependencies(pairon_pictures pairon_sounds)

set(PAIRON_TRUE_SIZE_RESOURCES)
foreach(name ${PAIRON_TRUE_SIZE_LAYOUT_PICTURES})
  list(APPEND PAIRON_TRUE_SIZE_RESOURCES ${PAIRON_LAYOUT_PICTURE_DIR}/${name})
endforeach()
set(PAIRON_SCALED_RESOURCES)
foreach(name ${PAIRON_SCALED_LAYOUT_PICTURES})
  set(picture ${PAIRON_SCALED_LAYOUT_PICTURE_DIR}/${name})
  list(APPEND PAIRON_SCALED_RESOURCES ${picture})
  # Qt gives a picture named <name>@2x.png a device pixel ratio of 2 when read.
  string(REGEX REPLACE "\\.png$" "@${PAIRON_PICTURE_SCALE}x.png" alias ${name})
  set_source_files_properties(${picture} PROPERTIES QT_RESOURCE_ALIAS ${alias})
endforeach()
set_source_files_properties(${PAIRON_LAYOUT_OUTPUTS} ${PAIRON_SCALED_LAYOUT_OUTPUTS} PROPERTIES GENERATED TRUE)

file(GLOB PAIRON_VIEW_SOURCES CONFIGURE_DEPENDS
  ${CMAKE_SOURCE_DIR}/src/ui/*.cpp
  ${CMAKE_SOURCE_DIR}/src/ui/main_window/*_view.cpp
  ${CMAKE_SOURCE_DIR}/src/ui/main_window/qt_*.cpp
  ${CMAKE_SOURCE_DIR}/src/ui/help_window/*.cpp
  ${CMAKE_SOURCE_DIR}/src/decks/*.cpp)
add_library(pairon_view STATIC ${PAIRON_VIEW_SOURCES})
qt_add_resources(pairon_view "layout_pictures" PREFIX "/layout" BASE ${PAIRON_LAYOUT_PICTURE_DIR}
  FILES ${PAIRON_TRUE_SIZE_RESOURCES})
qt_add_resources(pairon_view "scaled_layout_pictures" PREFIX "/layout" BASE ${PAIRON_SCALED_LAYOUT_PICTURE_DIR}
  FILES ${PAIRON_SCALED_RESOURCES})
# The board a screen at 100 percent shows at start-up, and the window icons, as
# raw pixels the window shows straight from the program's memory: stored
# uncompressed, the board first.
qt_add_resources(pairon_view "raw_pixels" PREFIX "/layout" BASE ${PAIRON_LAYOUT_PICTURE_DIR}
  OPTIONS --no-compress FILES ${PAIRON_LAYOUT_PICTURE_DIR}/GameBoard.pixels ${PAIRON_LAYOUT_PICTURE_DIR}/icon-16.pixels
  ${PAIRON_LAYOUT_PICTURE_DIR}/icon-32.pixels ${PAIRON_LAYOUT_PICTURE_DIR}/icon-48.pixels
  ${PAIRON_LAYOUT_PICTURE_DIR}/icon-64.pixels)
target_include_directories(pairon_view PUBLIC ${CMAKE_SOURCE_DIR}/src)
# Pictures finer than the files (a large zoom on a sharp screen) are drawn
# by the same art code on demand.
target_link_libraries(pairon_view PUBLIC pairon_core pairon_art Qt6::Widgets)
target_compile_definitions(pairon_view PUBLIC PAIRON_VERSION="${PROJECT_VERSION}"
  PAIRON_PICTURE_SCALE=${PAIRON_PICTURE_SCALE})
add_dependencies(pairon_view pairon_pictures)

# What plays the sound cues, through Qt Multimedia: a module beside the game,
# loaded on the sound thread once the window is on screen, so that its
# libraries are not loaded on the way to the first paint.
add_library(pairon-sound MODULE ${CMAKE_SOURCE_DIR}/src/ui/sound/cue_player.cpp)
target_include_directories(pairon-sound PRIVATE ${CMAKE_SOURCE_DIR}/src)
target_link_libraries(pairon-sound PRIVATE Qt6::Multimedia)
set_target_properties(pairon-sound PROPERTIES PREFIX "" LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
add_dependencies(pairon_view pairon-sound)

# The start-up around the QApplication, shared with the start-up benchmark.
find_package(PkgConfig REQUIRED)
pkg_check_modules(FONTCONFIG REQUIRED IMPORTED_TARGET fontconfig)
find_package(Threads REQUIRED)
add_library(pairon_startup STATIC ${CMAKE_SOURCE_DIR}/src/app/startup.cpp ${CMAKE_SOURCE_DIR}/src/app/command_line.cpp)
target_link_libraries(pairon_startup PUBLIC pairon_view PRIVATE PkgConfig::FONTCONFIG Threads::Threads)

add_executable(pairon ${CMAKE_SOURCE_DIR}/src/app/main.cpp)
target_link_libraries(pairon PRIVATE pairon_startup)
add_dependencies(pairon pairon_pictures)
