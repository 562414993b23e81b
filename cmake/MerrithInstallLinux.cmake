# What `cmake --install` puts where on Linux, in the GNU layout: both programs in bin; the menu
# entry, the icon in hicolor and the AppStream metainfo when the window is built; the manual
# pages; the sample list and the built-in rules of events (for users to read and copy) in
# share/merrith; the licence and the changelog in share/doc/merrith.
include_guard(GLOBAL)
include(GNUInstallDirs)

set(linux "${PROJECT_SOURCE_DIR}/packaging/linux")
set(staged "${PROJECT_BINARY_DIR}/packaging")

# The AppStream id, in the reverse-DNS form that software centres want. The project has no
# domain of its own yet: example.org, which nobody can own, stands in until it has one. Once a
# software centre lists the program the id should not change.
set(MERRITH_APP_ID org.example.merrith)
# Where the sample list goes, named in the manual pages. A package installs into /usr whatever
# prefix the build was configured with, so the folder is known only when installing: the
# pages carry @MERRITH_DATA@, which the install replaces.
set(MERRITH_SAMPLE_LIST "@MERRITH_DATA@/merrith/action.txt")
# Where the built-in rules of events go, named in the manual page in the same way.
set(MERRITH_EVENTS_FILE "@MERRITH_DATA@/merrith/events/world-aquatics-2024.toml")
# What the program does, in paragraphs: the package's long description, and the software
# centres' as the XML paragraphs of the metainfo.
file(READ "${linux}/description.txt" MERRITH_DESCRIPTION)
string(STRIP "${MERRITH_DESCRIPTION}" MERRITH_DESCRIPTION)
string(REPLACE "\n\n" "</p>\n    <p>" MERRITH_DESCRIPTION_XML "${MERRITH_DESCRIPTION}")
set(MERRITH_DESCRIPTION_XML "    <p>${MERRITH_DESCRIPTION_XML}</p>")

install(TARGETS merrith-cli RUNTIME DESTINATION "${CMAKE_INSTALL_BINDIR}")
install(FILES "${PROJECT_SOURCE_DIR}/action.txt" DESTINATION "${CMAKE_INSTALL_DATADIR}/merrith")
install(FILES "${PROJECT_SOURCE_DIR}/data/events/world-aquatics-2024.toml"
              "${PROJECT_SOURCE_DIR}/data/events/fina-2017-2021.toml"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/merrith/events")
if(TARGET merrith)
  install(TARGETS merrith RUNTIME DESTINATION "${CMAKE_INSTALL_BINDIR}")
  install(FILES "${linux}/merrith.desktop" DESTINATION "${CMAKE_INSTALL_DATADIR}/applications")
  install(FILES "${PROJECT_SOURCE_DIR}/data/icons/merrith.svg"
          DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps")
  install(DIRECTORY "${PROJECT_SOURCE_DIR}/data/icons/hicolor"
          DESTINATION "${CMAKE_INSTALL_DATADIR}/icons" FILES_MATCHING PATTERN "*.png")
  configure_file("${linux}/metainfo.xml.in" "${staged}/${MERRITH_APP_ID}.metainfo.xml" @ONLY)
  install(FILES "${staged}/${MERRITH_APP_ID}.metainfo.xml"
          DESTINATION "${CMAKE_INSTALL_DATADIR}/metainfo")
endif()

# The licence in the machine-readable form of Debian's copyright files: the paragraphs of
# LICENSE below its copyright line, each line indented, blank lines written as " .".
file(READ "${PROJECT_SOURCE_DIR}/LICENSE" licence)
string(FIND "${licence}" "Permission" terms)
string(SUBSTRING "${licence}" ${terms} -1 licence)
string(STRIP "${licence}" licence)
string(REPLACE "\n\n" "\n.\n" licence "${licence}")
string(REPLACE "\n" "\n " MERRITH_LICENSE_PARAGRAPH " ${licence}")
configure_file("${linux}/copyright.in" "${staged}/copyright" @ONLY)
install(FILES "${staged}/copyright" DESTINATION "${CMAKE_INSTALL_DATADIR}/doc/merrith")

# The manual pages and the changelog, gzipped as Debian keeps them: merrith-cli's page from its
# own --help and --version, with the examples and files of merrith-cli.h2m; the window's page
# written by hand. The help names dives with ½, which help2man keeps only in a UTF-8 locale.
find_program(HELP2MAN_PROGRAM help2man REQUIRED)
find_program(GZIP_PROGRAM gzip REQUIRED)
configure_file("${linux}/merrith-cli.h2m.in" "${staged}/merrith-cli.h2m" @ONLY)
configure_file("${linux}/merrith.1.in" "${staged}/merrith.1" @ONLY)
configure_file("${linux}/changelog" "${staged}/changelog" COPYONLY)
add_custom_command(
  OUTPUT "${staged}/merrith-cli.1" "${staged}/changelog.gz"
  COMMAND "${HELP2MAN_PROGRAM}" --no-info --locale=C.UTF-8
          --name "degree of difficulty of competitive dives"
          --include "${staged}/merrith-cli.h2m" --output "${staged}/merrith-cli.1"
          $<TARGET_FILE:merrith-cli>
  COMMAND "${GZIP_PROGRAM}" -9nkf "${staged}/changelog"
  DEPENDS merrith-cli "${staged}/merrith-cli.h2m" "${staged}/changelog"
  COMMENT "Writing the manual pages")
add_custom_target(merrith_documents ALL DEPENDS "${staged}/merrith-cli.1" "${staged}/changelog.gz")
install(FILES "${staged}/changelog.gz" DESTINATION "${CMAKE_INSTALL_DATADIR}/doc/merrith")

# The manual pages, naming the folders they are installed beside, gzipped as Debian keeps them.
set(pages merrith-cli)
if(TARGET merrith)
  list(APPEND pages merrith)
endif()
foreach(dir DATADIR MANDIR)
  set(installed_${dir} "${CMAKE_INSTALL_${dir}}")
  if(NOT IS_ABSOLUTE "${installed_${dir}}")
    set(installed_${dir} "\${CMAKE_INSTALL_PREFIX}/${installed_${dir}}")
  endif()
endforeach()
install(CODE "
  foreach(page ${pages})
    file(READ \"${staged}/\${page}.1\" text)
    string(REPLACE \"@MERRITH_DATA@\" \"${installed_DATADIR}\" text \"\${text}\")
    file(WRITE \"${staged}/installed/\${page}.1\" \"\${text}\")
    execute_process(COMMAND \"${GZIP_PROGRAM}\" -9nf \"${staged}/installed/\${page}.1\"
                    COMMAND_ERROR_IS_FATAL ANY)
    file(INSTALL \"${staged}/installed/\${page}.1.gz\" DESTINATION \"${installed_MANDIR}/man1\")
  endforeach()")
