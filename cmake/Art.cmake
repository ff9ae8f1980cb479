# Every picture is drawn by our own program at build time: the picture files
# go beside the game, the pictures the window layout carries are built into it.
file(GLOB PAIRON_ART_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/art/*.cpp)
list(FILTER PAIRON_ART_SOURCES EXCLUDE REGEX ".*/draw_pictures\\.cpp$")
add_library(pairon_art STATIC ${PAIRON_ART_SOURCES})
target_include_directories(pairon_art PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(pairon_art PUBLIC Qt6::Gui)

add_executable(pairon-draw-pictures ${CMAKE_SOURCE_DIR}/art/draw_pictures.cpp)
target_link_libraries(pairon-draw-pictures PRIVATE pairon_art pairon_pictures)
set_target_properties(pairon-draw-pictures PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/art-tool)
