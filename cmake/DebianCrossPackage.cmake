# A cross build's Debian package, included from cmake/Packaging.cmake: it is
# for the target's architecture, and depends on the target's packages of the
# libraries the game links. CPack would ask dpkg about this machine instead,
# so cpack reads the answers from packaging/cross-package.cmake, which asks
# dpkg-architecture and dpkg-shlibdeps about the target when the package is
# made, with dpkg-dev at hand.

execute_process(COMMAND ${CMAKE_CXX_COMPILER} -dumpmachine
  OUTPUT_VARIABLE ORVANELL_TARGET_TRIPLET OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
# The cross compiler's own tree holds the target's C library.
execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=libc.so.6
  OUTPUT_VARIABLE libc OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
get_filename_component(ORVANELL_TARGET_LIBRARIES ${libc} DIRECTORY)
get_filename_component(ORVANELL_TARGET_LIBRARIES ${ORVANELL_TARGET_LIBRARIES} REALPATH)

set(ORVANELL_SHLIBDEPS_DIR ${CMAKE_CURRENT_BINARY_DIR}/packaging/shlibdeps)
configure_file(${CMAKE_CURRENT_LIST_DIR}/cross-package.cmake.in
  ${CMAKE_CURRENT_BINARY_DIR}/packaging/cross-package.cmake.in @ONLY)
file(GENERATE OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/packaging/cross-package.cmake
  INPUT ${CMAKE_CURRENT_BINARY_DIR}/packaging/cross-package.cmake.in)
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_BINARY_DIR}/packaging/cross-package.cmake)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS OFF)
