# Launchers for an edition whose programs this machine runs only through an
# emulator (CMAKE_CROSSCOMPILING_EMULATOR: Wine for Windows, qemu-user for ARM
# Linux). Scripts run the programs they are given as they are, which would
# bypass the emulator, so the tests and the package's checks give them
# launchers instead. Included from the top CMakeLists.txt, before any caller.

# Writes a launcher that runs `target` under the emulator, at `path` if given,
# and sets `variable` to its path.
function(add_launcher variable target)
  set(launcher ${CMAKE_CURRENT_BINARY_DIR}/${target}.sh)
  if(ARGC GREATER 2)
    set(launcher ${ARGV2})
  endif()
  # qemu-user gives its guest a stack of its own, 8 MiB unless told otherwise,
  # whatever the shell's limit: a launcher passes the limit on, so that the
  # guest runs in the stack a native program would.
  set(stackFromLimit "")
  list(GET CMAKE_CROSSCOMPILING_EMULATOR 0 runner)
  get_filename_component(runner ${runner} NAME)
  if(runner MATCHES "^qemu-")
    set(stackFromLimit "stack=$(ulimit -s)\n[ \"$stack\" = unlimited ] || export QEMU_STACK_SIZE=\"$stack\"k\n")
  endif()
  list(JOIN CMAKE_CROSSCOMPILING_EMULATOR "\" \"" emulator)
  file(GENERATE OUTPUT ${launcher}
    CONTENT "#!/bin/sh\n${stackFromLimit}exec \"${emulator}\" \"$<TARGET_FILE:${target}>\" \"$@\"\n"
    FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                     WORLD_READ WORLD_EXECUTE)
  set(${variable} ${launcher} PARENT_SCOPE)
endfunction()
