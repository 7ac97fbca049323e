# The web preset's toolchain: Emscripten's own, wherever it is installed. The
# EMSCRIPTEN variable names its folder; otherwise em-config, which every
# installation puts on PATH, tells. CMake reads a toolchain file again for
# each of its checks, so the first answer is kept in the environment.
if(NOT DEFINED ENV{ORVANELL_EMSCRIPTEN_ROOT})
  if(DEFINED ENV{EMSCRIPTEN})
    set(root "$ENV{EMSCRIPTEN}")
  else()
    find_program(emConfig em-config)
    if(NOT emConfig)
      message(FATAL_ERROR "Emscripten is needed: put em-config on PATH or set EMSCRIPTEN to its folder")
    endif()
    execute_process(COMMAND ${emConfig} EMSCRIPTEN_ROOT OUTPUT_VARIABLE root
      OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
  endif()
  if(NOT EXISTS "${root}/cmake/Modules/Platform/Emscripten.cmake")
    message(FATAL_ERROR "No Emscripten toolchain in ${root}")
  endif()
  set(ENV{ORVANELL_EMSCRIPTEN_ROOT} "${root}")
endif()
include("$ENV{ORVANELL_EMSCRIPTEN_ROOT}/cmake/Modules/Platform/Emscripten.cmake")
