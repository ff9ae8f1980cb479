# Every sound cue is drawn by our own program at build time, as the pictures
# are: the WAV files go beside the game and its pictures.
add_executable(pairon-draw-sounds ${CMAKE_SOURCE_DIR}/art/sounds/draw_sounds.cpp)
target_link_libraries(pairon-draw-sounds PRIVATE pairon_sounds)
set_target_properties(pairon-draw-sounds PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/art-tool)

# The cue files are named once, in the game's table of cues.
set(PAIRON_SOUND_CUES_HEADER ${CMAKE_SOURCE_DIR}/src/sounds/sound_cues.h)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PAIRON_SOUND_CUES_HEADER})
file(STRINGS ${PAIRON_SOUND_CUES_HEADER} cue_lines REGEX "\"[A-Za-z0-9]+\\.wav\"")
string(REGEX MATCHALL "[A-Za-z0-9]+\\.wav" PAIRON_SOUND_FILES "${cue_lines}")
list(LENGTH PAIRON_SOUND_FILES cue_count)
if(cue_count EQUAL 0)
  message(FATAL_ERROR "No sound cue files found in ${PAIRON_SOUND_CUES_HEADER}")
endif()
set(PAIRON_SOUND_OUTPUTS)
foreach(name ${PAIRON_SOUND_FILES})
  list(APPEND PAIRON_SOUND_OUTPUTS ${PAIRON_PICTURE_DIR}/${name})
endforeach()
add_custom_command(
  OUTPUT ${PAIRON_SOUND_OUTPUTS}
  COMMAND $<TARGET_FILE:pairon-draw-sounds> ${PAIRON_PICTURE_DIR}
  DEPENDS pairon-draw-sounds
  COMMENT "Drawing the sound cues"
  VERBATIM)
add_custom_target(pairon_sound_files ALL DEPENDS ${PAIRON_SOUND_OUTPUTS})
