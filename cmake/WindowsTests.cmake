# The Windows edition's end-to-end tests, included from tests/CMakeLists.txt.
# The unit tests already run under Wine through CMAKE_CROSSCOMPILING_EMULATOR
# (cmake/Windows.cmake); the scripts run the programs they are given as they
# are, which would bypass it, so they are given launchers instead.

if(NOT CMAKE_CROSSCOMPILING_EMULATOR)
  return()  # a build on Windows itself runs the programs as they are
endif()

# Writes a launcher that runs `target` under the emulator, and sets `variable`
# to its path.
function(add_launcher variable target)
  set(launcher ${CMAKE_CURRENT_BINARY_DIR}/${target}.sh)
  list(JOIN CMAKE_CROSSCOMPILING_EMULATOR "\" \"" emulator)
  file(GENERATE OUTPUT ${launcher}
    CONTENT "#!/bin/sh\nexec \"${emulator}\" \"$<TARGET_FILE:${target}>\" \"$@\"\n"
    FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                     WORLD_READ WORLD_EXECUTE)
  set(${variable} ${launcher} PARENT_SCOPE)
endfunction()

add_launcher(game orvanell)
add_launcher(session_at orvanell_session_at)
add_launcher(transcript_input orvanell_transcript_input)

# A fresh Wine prefix takes longer to make than CTest gives the listing of the
# unit tests, so the build makes it.
add_custom_command(OUTPUT ${ORVANELL_WINE_PREFIX}/system.reg
  COMMAND ${CMAKE_CROSSCOMPILING_EMULATOR} --start
  COMMENT "Making the Wine prefix the tests run in")
add_custom_target(orvanell_wine_prefix ALL DEPENDS ${ORVANELL_WINE_PREFIX}/system.reg)

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

# The nesting bound, also in an unoptimised build's bigger frames: the same
# game compiled again without optimisation.
get_target_property(coreSources orvanell_core SOURCES)
list(TRANSFORM coreSources PREPEND ${PROJECT_SOURCE_DIR}/)
add_executable(orvanell_unoptimised ${PROJECT_SOURCE_DIR}/src/navigation/main.cpp ${coreSources})
target_include_directories(orvanell_unoptimised PRIVATE ${PROJECT_SOURCE_DIR}/include)
target_compile_options(orvanell_unoptimised PRIVATE -O0)
add_launcher(unoptimisedGame orvanell_unoptimised)
add_test(NAME depth_unoptimised COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/depth_test.sh
  ${unoptimisedGame})
set_tests_properties(depth_unoptimised PROPERTIES TIMEOUT 300)
