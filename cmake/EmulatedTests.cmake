# The end-to-end tests of an edition whose programs this machine runs only
# through an emulator (CMAKE_CROSSCOMPILING_EMULATOR: Wine for Windows,
# qemu-user for ARM Linux), included from tests/CMakeLists.txt. The unit tests
# already run under it; the scripts run the programs they are given as they
# are, which would bypass it, so they are given launchers instead.

# qemu-user gives its guest a stack of its own, 8 MiB unless told otherwise,
# whatever the shell's limit: a launcher passes the limit on, so that the guest
# runs in the stack a native program would.
set(stackFromLimit "")
list(GET CMAKE_CROSSCOMPILING_EMULATOR 0 runner)
get_filename_component(runner ${runner} NAME)
if(runner MATCHES "^qemu-")
  set(stackFromLimit "stack=$(ulimit -s)\n[ \"$stack\" = unlimited ] || export QEMU_STACK_SIZE=\"$stack\"k\n")
endif()

# Writes a launcher that runs `target` under the emulator, at `path` if given,
# and sets `variable` to its path.
function(add_launcher variable target)
  set(launcher ${CMAKE_CURRENT_BINARY_DIR}/${target}.sh)
  if(ARGC GREATER 2)
    set(launcher ${ARGV2})
  endif()
  list(JOIN CMAKE_CROSSCOMPILING_EMULATOR "\" \"" emulator)
  file(GENERATE OUTPUT ${launcher}
    CONTENT "#!/bin/sh\n${stackFromLimit}exec \"${emulator}\" \"$<TARGET_FILE:${target}>\" \"$@\"\n"
    FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                     WORLD_READ WORLD_EXECUTE)
  set(${variable} ${launcher} PARENT_SCOPE)
endfunction()

add_launcher(game orvanell)
add_launcher(session_at orvanell_session_at)
add_launcher(transcript_input orvanell_transcript_input)

# The nesting bound, also in an unoptimised build's bigger frames: the same
# game compiled again without optimisation, as no other build of this edition
# is.
get_target_property(coreSources orvanell_core SOURCES)
list(TRANSFORM coreSources PREPEND ${PROJECT_SOURCE_DIR}/)
add_executable(orvanell_unoptimised ${PROJECT_SOURCE_DIR}/src/navigation/main.cpp ${coreSources})
target_include_directories(orvanell_unoptimised PRIVATE ${PROJECT_SOURCE_DIR}/include)
target_compile_options(orvanell_unoptimised PRIVATE -O0)
add_launcher(unoptimisedGame orvanell_unoptimised)
add_test(NAME depth_unoptimised COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/depth_test.sh
  ${unoptimisedGame} ${depth_stack_kib})
set_tests_properties(depth_unoptimised PROPERTIES TIMEOUT 300)
