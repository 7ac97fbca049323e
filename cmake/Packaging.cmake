# Installation, and the Debian package made from it by `cpack -G DEB`.
#
# A user's own install (`cmake --install build/release --prefix ~/.local`)
# puts the game in bin, where PATH finds it. Debian keeps games in /usr/games,
# so the package takes the program and the menu entry that starts it from a
# component of its own that a plain install leaves out. The manual page, icon,
# AppStream metadata and licence are the same in both.

include(GNUInstallDirs)

# One reverse-DNS id names the desktop entry and the AppStream metadata.
# example.org is reserved, so the id cannot clash with anybody's.
set(ORVANELL_APP_ID org.example.orvanell)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)

# Debian wants the manual page and the changelog compressed, without the
# timestamp that would make every build's package differ.
find_program(GZIP_PROGRAM gzip REQUIRED)
set(packagingDir ${CMAKE_CURRENT_BINARY_DIR}/packaging)
foreach(page man/orvanell.6 packaging/changelog)
  get_filename_component(name ${page} NAME)
  add_custom_command(OUTPUT ${packagingDir}/${name}.gz
    COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_CURRENT_SOURCE_DIR}/${page} ${packagingDir}/${name}
    COMMAND ${GZIP_PROGRAM} -9nf ${packagingDir}/${name}
    DEPENDS ${page}
    VERBATIM)
  list(APPEND compressedFiles ${packagingDir}/${name}.gz)
endforeach()
add_custom_target(orvanell_compressed_docs ALL DEPENDS ${compressedFiles})
# The desktop menu's program has the game's manual page.
file(MAKE_DIRECTORY ${packagingDir})
file(CREATE_LINK orvanell.6.gz ${packagingDir}/orvanell-window.6.gz SYMBOLIC)
configure_file(packaging/orvanell.metainfo.xml.in
  ${packagingDir}/${ORVANELL_APP_ID}.metainfo.xml @ONLY)

# The menu starts orvanell-window, which keeps the terminal it opens from
# closing with the game, and starts the package's by its full path:
# /usr/games is on a user's PATH in Debian, but not on root's, and desktops
# hide an entry whose program they cannot find. A user's own install relies on
# PATH, as it is meant to.
set(ORVANELL_EXEC orvanell-window)
configure_file(packaging/orvanell.desktop.in ${packagingDir}/user/${ORVANELL_APP_ID}.desktop @ONLY)
set(ORVANELL_EXEC ${CPACK_PACKAGING_INSTALL_PREFIX}/games/orvanell-window)
configure_file(packaging/orvanell.desktop.in ${packagingDir}/debian/${ORVANELL_APP_ID}.desktop @ONLY)

# The entry's Exec line, started in a terminal as a desktop does, keeps the
# window open at the end.
if(BUILD_TESTING AND TARGET orvanell_window)
  set(windowDir $<TARGET_FILE_DIR:orvanell_window>)
  if(CMAKE_CROSSCOMPILING_EMULATOR)
    # The entry finds orvanell-window on PATH: there, its launcher by that name.
    set(windowDir ${packagingDir}/emulated)
    add_launcher(windowLauncher orvanell_window ${windowDir}/orvanell-window)
  endif()
  add_test(NAME desktop_entry COMMAND bash ${PROJECT_SOURCE_DIR}/tests/terminal_test.sh
    ${packagingDir}/user/${ORVANELL_APP_ID}.desktop tmux)
  set_tests_properties(desktop_entry PROPERTIES TIMEOUT 300
    ENVIRONMENT_MODIFICATION "PATH=path_list_prepend:${windowDir}")
endif()

# The web build has no terminal program of its own.
set(programs orvanell)
if(TARGET orvanell_window)
  list(APPEND programs orvanell_window)
endif()
install(TARGETS ${programs} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT program)
install(FILES ${packagingDir}/user/${ORVANELL_APP_ID}.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications COMPONENT program)
install(TARGETS ${programs} RUNTIME DESTINATION games COMPONENT debian_program EXCLUDE_FROM_ALL)
install(FILES ${packagingDir}/debian/${ORVANELL_APP_ID}.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications COMPONENT debian_program EXCLUDE_FROM_ALL)
install(FILES ${packagingDir}/orvanell.6.gz ${packagingDir}/orvanell-window.6.gz
  DESTINATION ${CMAKE_INSTALL_MANDIR}/man6 COMPONENT data)
install(FILES packaging/orvanell.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps COMPONENT data)
install(FILES ${packagingDir}/${ORVANELL_APP_ID}.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo COMPONENT data)
install(FILES packaging/copyright ${packagingDir}/changelog.gz
  DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/orvanell COMPONENT data)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME orvanell)
set(CPACK_PACKAGE_VENDOR "The Orvanell developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "arithmetic practice game for children")
set(CPACK_PACKAGE_DESCRIPTION [[
A text-console game that poses addition, subtraction and multiplication
problems. One player has four tries at each problem and scores points by how
soon the answer is right; two players take turns at the same problem. A help
menu gives arithmetic tips. The desktop menu opens it in a terminal window
that stays open when a game ends, until the player closes it.]])
set(CPACK_COMPONENTS_ALL debian_program data)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
# The project has no mail domain; .invalid is reserved for just that, and
# lintian accepts it. packaging/changelog signs with the same address.
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "The Orvanell developers <dev@orvanell.invalid>")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
if(CMAKE_CROSSCOMPILING)
  include(cmake/DebianCrossPackage.cmake)
endif()
include(CPack)
