# What the Windows edition's end-to-end tests need beyond other builds',
# included from tests/CMakeLists.txt before cmake/EmulatedTests.cmake.

# The default stack is the one in the program's header, which Wine honours as
# Windows does; ulimit does not reach it. In the terminal, the game's input
# ends with Ctrl+Z then Enter, at Wine's console.
set(depth_stack_kib "")
set(terminal_platform windows)
# Wine's console for a program started from a terminal lists the program
# alone, as Windows' does after a double-click: there the game holds its
# window. Typed at Wine's own prompt, the prompt shares the console, and the
# game ends as it does at a Windows prompt.
set(terminal_tmux_holds holds)
list(JOIN CMAKE_CROSSCOMPILING_EMULATOR "\" \"" emulator)
# Wine's drive Z: is the root folder.
file(GENERATE OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/orvanell-at-prompt.sh
  CONTENT "#!/bin/sh\nexec \"${emulator}\" cmd /c \"Z:$(echo '$<TARGET_FILE:orvanell>' | tr / '\\\\')\"\n"
  FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                   WORLD_READ WORLD_EXECUTE)
add_test(NAME terminal_at_prompt COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/terminal_test.sh
  ${CMAKE_CURRENT_BINARY_DIR}/orvanell-at-prompt.sh tmux windows)
set_tests_properties(terminal_at_prompt PROPERTIES TIMEOUT 300)

if(NOT CMAKE_CROSSCOMPILING_EMULATOR)
  return()  # a build on Windows itself runs the programs as they are
endif()

# A fresh Wine prefix takes longer to make than CTest gives the listing of the
# unit tests, so the build makes it.
add_custom_command(OUTPUT ${ORVANELL_WINE_PREFIX}/system.reg
  COMMAND ${CMAKE_CROSSCOMPILING_EMULATOR} --start
  COMMENT "Making the Wine prefix the tests run in")
add_custom_target(orvanell_wine_prefix ALL DEPENDS ${ORVANELL_WINE_PREFIX}/system.reg)
