# Every folder of src/ is one library, its files listed in its own
# CMakeLists.txt. A plain C++ folder links no Qt at all; a Qt folder says
# which Qt modules it uses. Which folder may include which is checked by
# scripts/check-layers.sh.

function(pairon_plain_library name)
  add_library(${name} STATIC ${ARGN})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
endfunction()

function(pairon_qt_library name)
  add_library(${name} STATIC ${ARGN})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  set_target_properties(${name} PROPERTIES AUTOMOC ON)
endfunction()
