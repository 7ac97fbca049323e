# The Windows console edition. Included before any target is made.

# The player's machine has no MinGW runtime DLLs (libgcc_s_seh-1.dll,
# libstdc++-6.dll, libwinpthread-1.dll): everything is linked in.
add_link_options(-static)

# A cross build runs its tests under Wine, each prefixed by this command, in
# a Wine prefix of the build's own.
if(CMAKE_CROSSCOMPILING AND BUILD_TESTING AND NOT CMAKE_CROSSCOMPILING_EMULATOR)
  find_program(ORVANELL_WINE wine)
  if(NOT ORVANELL_WINE)
    message(FATAL_ERROR "The Windows tests run under Wine: install Debian's wine and wine64")
  endif()
  set(ORVANELL_WINE_PREFIX ${CMAKE_BINARY_DIR}/wine-prefix)
  set(CMAKE_CROSSCOMPILING_EMULATOR
      bash ${CMAKE_SOURCE_DIR}/tests/windows_wine.sh ${ORVANELL_WINE_PREFIX})
endif()
