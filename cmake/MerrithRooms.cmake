# The rooms of src/, each a library of its own. A room's headers are included by the room's
# name ("difficulty/calc_dd.h"), but only where a target links the room: each room gets an
# include folder in the build tree that holds a link to its own source folder and nothing
# else, so an include that runs the wrong way (a calculator reaching for a document, a
# document for a window) fails to compile, not merely to link.
include_guard(GLOBAL)

# Adds the static library target for the room src/<room>, built from the sources that follow.
function(merrith_add_room target room)
  add_library(${target} STATIC ${ARGN})
  set(root "${PROJECT_BINARY_DIR}/rooms/${room}")
  file(MAKE_DIRECTORY "${root}")
  file(CREATE_LINK "${PROJECT_SOURCE_DIR}/src/${room}" "${root}/${room}" SYMBOLIC COPY_ON_ERROR)
  target_include_directories(${target} PUBLIC "${root}")
  target_compile_features(${target} PUBLIC cxx_std_20)
  merrith_set_warnings(${target})
endfunction()
