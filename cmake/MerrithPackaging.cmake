# What CPack packs; `cpack` in the build folder makes the package. Windows:
# merrith-<version>-windows-x64.zip with the two programs, the sample list, the built-in rules
# of events in events\, the licence and a README.txt, the text files with CR LF line ends, for
# Notepad. Linux: merrith_<version>_amd64.deb
# of what MerrithInstallLinux installs.
include_guard(GLOBAL)

set(CPACK_PACKAGE_NAME merrith)
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
# Without the debugging information of the build: the programs stay small.
set(CPACK_STRIP_FILES ON)

if(WIN32)
  install(TARGETS merrith-cli RUNTIME DESTINATION .)
  # A build without the window (MERRITH_BUILD_UI OFF) packs the command alone.
  if(TARGET merrith)
    install(TARGETS merrith RUNTIME DESTINATION .)
  endif()
  install(FILES "${PROJECT_SOURCE_DIR}/action.txt" DESTINATION .)
  foreach(book world-aquatics-2024 fina-2017-2021)
    configure_file("${PROJECT_SOURCE_DIR}/data/events/${book}.toml"
                   "${PROJECT_BINARY_DIR}/packaging/events/${book}.toml" @ONLY NEWLINE_STYLE CRLF)
    install(FILES "${PROJECT_BINARY_DIR}/packaging/events/${book}.toml" DESTINATION events)
  endforeach()
  configure_file("${PROJECT_SOURCE_DIR}/packaging/windows/README.txt.in"
                 "${PROJECT_BINARY_DIR}/packaging/README.txt" @ONLY NEWLINE_STYLE CRLF)
  configure_file("${PROJECT_SOURCE_DIR}/LICENSE" "${PROJECT_BINARY_DIR}/packaging/LICENSE.txt"
                 @ONLY NEWLINE_STYLE CRLF)
  install(FILES "${PROJECT_BINARY_DIR}/packaging/README.txt"
                "${PROJECT_BINARY_DIR}/packaging/LICENSE.txt" DESTINATION .)
  set(CPACK_GENERATOR ZIP)
  set(CPACK_SYSTEM_NAME windows-x64)
  include(CPack)
  return()
endif()

include(MerrithInstallLinux)
set(CPACK_GENERATOR DEB)
# A Debian package installs into /usr, whatever prefix `cmake --install` would use (/usr/local
# by default); the manual pages name the folders as they are installed.
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# merrith_<version>_<architecture>.deb, as Debian names its own.
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# No mail address of the project's own yet: example.org stands in, as in the changelog.
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "The Merrith developers <merrith@example.org>")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_PACKAGE_DESCRIPTION "${MERRITH_DESCRIPTION}")
# The libraries that dpkg-shlibdeps (of dpkg-dev) finds the programs linked against.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
include(CPack)
