# Text files compiled into a program, so that it finds them wherever it runs (a Windows build
# under Wine included) and stays one file.
include_guard(GLOBAL)

# Writes the C++ header Header, which holds each text file of the pairs NAME FILE that follow
# as `inline constexpr std::string_view NAME` in the namespace Namespace. Each line becomes a
# string literal of its own: compilers limit the length of one literal, not of adjacent ones
# joined. CMake writes the header again when a file changes.
function(merrith_embed_text header namespace)
  set(text "#pragma once\n\n#include <string_view>\n\nnamespace ${namespace} {\n")
  while(ARGN)
    list(POP_FRONT ARGN name file)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${file}")
    file(READ "${file}" content)
    string(REPLACE "\\" "\\\\" content "${content}")
    string(REPLACE "\"" "\\\"" content "${content}")
    string(REPLACE "\t" "\\t" content "${content}")
    string(REPLACE "\n" "\\n\"\n    \"" content "${content}")
    string(APPEND text "\ninline constexpr std::string_view ${name} =\n    \"${content}\";\n")
  endwhile()
  string(APPEND text "\n}  // namespace ${namespace}\n")
  file(CONFIGURE OUTPUT "${header}" CONTENT "@text@" @ONLY)
endfunction()
