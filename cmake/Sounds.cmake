# Every sound cue is drawn by our own program at build time, as the pictures
# are: the WAV files go beside the game and its pictures.
add_executable(pairon-draw-sounds ${CMAKE_SOURCE_DIR}/art/sounds/draw_sounds.cpp)
target_link_libraries(pairon-draw-sounds PRIVATE pairon_sounds)
set_target_properties(pairon-draw-sounds PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/art-tool)

set(PAIRON_SOUND_FILES CardUp.wav Pair.wav Miss.wav TurnBack.wav Winner.wav Draw.wav Alone.wav BadLuck.wav)
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
