# What CPack packs. Windows: merrith-<version>-windows-x64.zip with the two programs, the
# sample list and a README.txt with CR LF line ends, for Notepad; `cpack` in the mingw build
# folder makes it. Other systems have no package yet; MerrithInstallLinux says what
# `cmake --install` installs there.
include_guard(GLOBAL)

if(NOT WIN32)
  include(MerrithInstallLinux)
  return()
endif()

install(TARGETS merrith merrith-cli RUNTIME DESTINATION .)
install(FILES "${PROJECT_SOURCE_DIR}/action.txt" DESTINATION .)
configure_file("${PROJECT_SOURCE_DIR}/packaging/windows/README.txt.in"
               "${PROJECT_BINARY_DIR}/packaging/README.txt" @ONLY NEWLINE_STYLE CRLF)
install(FILES "${PROJECT_BINARY_DIR}/packaging/README.txt" DESTINATION .)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME merrith)
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_SYSTEM_NAME windows-x64)
# Without the debugging information of the build: merrith.exe stays small.
set(CPACK_STRIP_FILES ON)
include(CPack)
