# Every picture is drawn by our own program at build time: the picture files
# go beside the game, the pictures the window layout carries are built into it.
set(art_dir ${CMAKE_SOURCE_DIR}/art)
add_library(pairon_art STATIC
  ${art_dir}/paint_kit.cpp
  ${art_dir}/card_faces.cpp
  ${art_dir}/card_backs.cpp
  ${art_dir}/board_backgrounds.cpp
  ${art_dir}/result_pictures.cpp
  ${art_dir}/layout_pictures.cpp
  ${art_dir}/picture_art.cpp
)
target_include_directories(pairon_art PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(pairon_art PUBLIC Qt6::Gui)

add_executable(pairon-draw-pictures ${CMAKE_SOURCE_DIR}/art/draw_pictures.cpp)
target_link_libraries(pairon-draw-pictures PRIVATE pairon_art pairon_pictures)
set_target_properties(pairon-draw-pictures PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/art-tool)
