# The pictures, the Qt view and the game itself.
set(CMAKE_AUTOMOC ON)

# Every picture is drawn by our own program at build time: the 36 picture files
# go beside the game, the pictures the window layout carries are built into it.
file(GLOB PAIRON_ART_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/art/*.cpp)
list(FILTER PAIRON_ART_SOURCES EXCLUDE REGEX ".*/draw_pictures\\.cpp$")
add_library(pairon_art STATIC ${PAIRON_ART_SOURCES})
target_include_directories(pairon_art PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(pairon_art PUBLIC Qt6::Gui pairon_core)

add_executable(pairon-draw-pictures ${CMAKE_SOURCE_DIR}/art/draw_pictures.cpp)
target_link_libraries(pairon-draw-pictures PRIVATE pairon_art)
set_target_properties(pairon-draw-pictures PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/art-tool)

set(PAIRON_PICTURE_DIR ${CMAKE_BINARY_DIR}/bin)
set(PAIRON_LAYOUT_PICTURE_DIR ${CMAKE_BINARY_DIR}/layout-pictures)
set(PAIRON_LAYOUT_PICTURES PlayerPanel.png GameBoard.png Ornament.png CardSlot.png ResultStart.png
    icon-16.png icon-32.png icon-48.png icon-64.png icon-128.png icon-256.png)
set(PAIRON_PICTURE_OUTPUTS)
foreach(face RANGE 1 26)
  list(APPEND PAIRON_PICTURE_OUTPUTS ${PAIRON_PICTURE_DIR}/Card${face}.bmp)
endforeach()
foreach(name CardBack1.bmp CardBack2.bmp Winner.bmp Depressed.bmp Frustrated.bmp Trophy.bmp Mouse.jpg Pig.jpg)
  list(APPEND PAIRON_PICTURE_OUTPUTS ${PAIRON_PICTURE_DIR}/${name})
endforeach()
set(PAIRON_LAYOUT_OUTPUTS)
foreach(name ${PAIRON_LAYOUT_PICTURES})
  list(APPEND PAIRON_LAYOUT_OUTPUTS ${PAIRON_LAYOUT_PICTURE_DIR}/${name})
endforeach()
add_custom_command(
  OUTPUT ${PAIRON_PICTURE_OUTPUTS} ${PAIRON_LAYOUT_OUTPUTS}
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
          $<TARGET_FILE:pairon-draw-pictures> ${PAIRON_PICTURE_DIR} ${PAIRON_LAYOUT_PICTURE_DIR}
  DEPENDS pairon-draw-pictures
  COMMENT "Drawing the picture files"
  VERBATIM)
add_custom_target(pairon_pictures ALL DEPENDS ${PAIRON_PICTURE_OUTPUTS} ${PAIRON_LAYOUT_OUTPUTS})

set_source_files_properties(${PAIRON_LAYOUT_OUTPUTS} PROPERTIES GENERATED TRUE)

file(GLOB PAIRON_VIEW_SOURCES CONFIGURE_DEPENDS
  ${CMAKE_SOURCE_DIR}/src/ui/main_window/*_view.cpp
  ${CMAKE_SOURCE_DIR}/src/ui/main_window/qt_*.cpp
  ${CMAKE_SOURCE_DIR}/src/ui/help_window/*.cpp)
add_library(pairon_view STATIC ${PAIRON_VIEW_SOURCES})
qt_add_resources(pairon_view "layout_pictures" PREFIX "/layout" BASE ${PAIRON_LAYOUT_PICTURE_DIR}
  FILES ${PAIRON_LAYOUT_OUTPUTS})
target_include_directories(pairon_view PUBLIC ${CMAKE_SOURCE_DIR}/src)
target_link_libraries(pairon_view PUBLIC pairon_core Qt6::Widgets)
target_compile_definitions(pairon_view PUBLIC PAIRON_VERSION="${PROJECT_VERSION}")
add_dependencies(pairon_view pairon_pictures)

add_executable(pairon ${CMAKE_SOURCE_DIR}/src/app/main.cpp)
target_link_libraries(pairon PRIVATE pairon_view)
add_dependencies(pairon pairon_pictures)
