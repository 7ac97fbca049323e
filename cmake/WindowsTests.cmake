# What the Windows edition's end-to-end tests need beyond other builds',
# included from tests/CMakeLists.txt before cmake/EmulatedTests.cmake.

# The default stack is the one in the program's header, which Wine honours as
# Windows does; ulimit does not reach it. In the terminal, the game's input
# ends with Ctrl+Z then Enter, at Wine's console.
set(depth_stack_kib "")
set(terminal_platform windows)

if(NOT CMAKE_CROSSCOMPILING_EMULATOR)
  return()  # a build on Windows itself runs the programs as they are
endif()

# A fresh Wine prefix takes longer to make than CTest gives the listing of the
# unit tests, so the build makes it.
add_custom_command(OUTPUT ${ORVANELL_WINE_PREFIX}/system.reg
  COMMAND ${CMAKE_CROSSCOMPILING_EMULATOR} --start
  COMMENT "Making the Wine prefix the tests run in")
add_custom_target(orvanell_wine_prefix ALL DEPENDS ${ORVANELL_WINE_PREFIX}/system.reg)
