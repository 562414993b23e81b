# Warnings are set per target, so that third-party code built alongside keeps its own.
function(merrith_set_warnings target)
  if(MSVC)
    target_compile_options(${target} PRIVATE /W4 $<$<BOOL:${MERRITH_WERROR}>:/WX>)
  else()
    target_compile_options(${target} PRIVATE
      -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion
      $<$<BOOL:${MERRITH_WERROR}>:-Werror>)
  endif()
endfunction()
