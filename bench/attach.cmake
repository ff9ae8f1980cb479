# Adds the bench programs to a build of the game whose top-level
# CMakeLists.txt does not list bench/ yet: pass
# -DCMAKE_PROJECT_INCLUDE=<this file> when configuring. They are added once
# the top level has been read, so every game target and compile option is
# there; a deferred call may not add a folder, so bench/CMakeLists.txt is
# read in place.
function(pairon_attach_bench)
  if(PAIRON_BUILD_GUI AND NOT TARGET bench-startup-floor)
    include(${CMAKE_SOURCE_DIR}/bench/CMakeLists.txt)
  endif()
endfunction()
cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL pairon_attach_bench)
