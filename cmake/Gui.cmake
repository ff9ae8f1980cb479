# The pictures and sounds the build draws, beside the game and built into it.

include(${CMAKE_SOURCE_DIR}/cmake/Art.cmake)

# Pictures are drawn at twice the size they take in the window and shown with
# a device pixel ratio of 2: sharp on a screen scaled to 200 percent, smoothly
# scaled down at 100 percent. The factor is the game's own kPictureScale.
set(picture_files_header ${CMAKE_SOURCE_DIR}/src/pictures/picture_files.h)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${picture_files_header})
file(STRINGS ${picture_files_header} scale_line REGEX "kPictureScale = [0-9]+;")
string(REGEX REPLACE ".*kPictureScale = ([0-9]+).*" "\\1" PAIRON_PICTURE_SCALE "${scale_line}")
if(NOT PAIRON_PICTURE_SCALE MATCHES "^[0-9]+$")
  message(FATAL_ERROR "kPictureScale not found in ${picture_files_header}")
endif()
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
add_custom_target(pairon_picture_files ALL DEPENDS ${PAIRON_PICTURE_OUTPUTS} ${PAIRON_LAYOUT_OUTPUTS}
                  ${PAIRON_SCALED_LAYOUT_OUTPUTS})
include(${CMAKE_SOURCE_DIR}/cmake/Sounds.cmake)
# The sounds lie beside the pictures, so whatever needs the one needs the other.
add_dependencies(pairon_picture_files pairon_sound_files)

set_source_files_properties(${PAIRON_LAYOUT_OUTPUTS} ${PAIRON_SCALED_LAYOUT_OUTPUTS} PROPERTIES GENERATED TRUE)
