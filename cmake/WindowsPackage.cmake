# Installation on Windows, and what a player downloads: a zip to unpack
# anywhere (`cpack -G ZIP`), or an installer with a Start-menu entry
# (`cpack -G NSIS`, with Debian's nsis). Both hold the game, how to play it and
# the licence, side by side in one folder.

install(TARGETS orvanell RUNTIME DESTINATION .)

# Notepad before Windows 10 shows a text without CR LF as one long line. The
# ".txt" lets a double-click open the licence too.
set(texts ${PROJECT_SOURCE_DIR}/packaging/windows/how-to-play.txt)
if(EXISTS ${PROJECT_SOURCE_DIR}/LICENSE)
  list(APPEND texts ${PROJECT_SOURCE_DIR}/LICENSE)
endif()
foreach(text ${texts})
  get_filename_component(name ${text} NAME_WE)
  file(READ ${text} content)
  string(REPLACE "\n" "\r\n" content "${content}")
  file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/windows/${name}.txt "${content}")
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/windows/${name}.txt DESTINATION .)
endforeach()

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME orvanell)
set(CPACK_PACKAGE_VENDOR "The Orvanell developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Arithmetic practice game for children")
set(CPACK_SYSTEM_NAME windows-x86_64)
set(CPACK_STRIP_FILES ON)

# The installer's script is the project's own (packaging/windows/NSIS.template.in):
# CPack's asks for administrator rights, which a pupil's account lacks.
list(APPEND CMAKE_MODULE_PATH ${PROJECT_SOURCE_DIR}/packaging/windows)
set(CPACK_PACKAGE_INSTALL_DIRECTORY Orvanell)
set(CPACK_PACKAGE_EXECUTABLES orvanell Orvanell)
set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
set(CPACK_NSIS_DISPLAY_NAME Orvanell)
# A 64-bit installer for the 64-bit game; installed for all users, where
# 64-bit programs go.
set(CPACK_NSIS_DEFINES "Target amd64-unicode")
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_MENU_LINKS how-to-play.txt "How to play Orvanell")
if(EXISTS ${PROJECT_SOURCE_DIR}/LICENSE)
  set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_CURRENT_BINARY_DIR}/windows/LICENSE.txt)
endif()
include(CPack)
