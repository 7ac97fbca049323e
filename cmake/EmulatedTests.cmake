# The end-to-end tests of an edition whose programs this machine runs only
# through an emulator (CMAKE_CROSSCOMPILING_EMULATOR: Wine for Windows,
# qemu-user for ARM Linux), included from tests/CMakeLists.txt. The unit tests
# already run under it; the scripts are given launchers (cmake/Launchers.cmake).

add_launcher(game orvanell)
add_launcher(session_at orvanell_session_at)
add_launcher(transcript_input orvanell_transcript_input)

# The nesting bound, also in an unoptimised build's bigger frames: the memory
# test's nesting cases, on the same game compiled again without optimisation,
# as no other build of this edition is.
get_target_property(coreSources orvanell_core SOURCES)
list(TRANSFORM coreSources PREPEND ${PROJECT_SOURCE_DIR}/)
add_executable(orvanell_unoptimised ${PROJECT_SOURCE_DIR}/src/navigation/main.cpp ${coreSources})
target_include_directories(orvanell_unoptimised PRIVATE ${PROJECT_SOURCE_DIR}/include)
target_compile_options(orvanell_unoptimised PRIVATE -O0)
add_launcher(unoptimisedGame orvanell_unoptimised)
add_test(NAME memory_unoptimised COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/memory_test.sh
  ${unoptimisedGame} 4096 "${depth_stack_kib}" "menus|tips|confirmation n")
set_tests_properties(memory_unoptimised PROPERTIES TIMEOUT 300)
