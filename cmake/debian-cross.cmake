# What the ARM toolchain files share: Debian's cross compiler for
# ORVANELL_TRIPLET, the target's libraries from its tree in /usr/TRIPLET, and
# qemu-user (ORVANELL_QEMU) running the tests with that tree as the target's
# root, which this machine cannot do by itself.
set(CMAKE_C_COMPILER ${ORVANELL_TRIPLET}-gcc)
set(CMAKE_CXX_COMPILER ${ORVANELL_TRIPLET}-g++)
set(ORVANELL_SYSROOT /usr/${ORVANELL_TRIPLET})

set(CMAKE_FIND_ROOT_PATH ${ORVANELL_SYSROOT})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

find_program(ORVANELL_QEMU_PROGRAM ${ORVANELL_QEMU})
if(NOT ORVANELL_QEMU_PROGRAM)
  message(FATAL_ERROR "The ARM tests run under ${ORVANELL_QEMU}: install Debian's qemu-user")
endif()
set(CMAKE_CROSSCOMPILING_EMULATOR ${ORVANELL_QEMU_PROGRAM} -L ${ORVANELL_SYSROOT})
