# The browser edition, built with Emscripten (the `web` preset): one
# WebAssembly module that the page runs, showing what it writes as the page's
# text, and that node runs as a command on standard input and output
# (`node build/web/orvanell.js`).
#
# Reads never block here. When the game waits for input, the driver returns to
# JavaScript, which calls back in when bytes arrive. Screens hand over to one
# another through the driver's loop, as in every edition, so the module needs
# no WebAssembly tail calls, which browsers from before 2024 cannot compile.

set(webSource ${PROJECT_SOURCE_DIR}/web)

target_compile_options(orvanell_core PUBLIC
  # Emscripten 3.1's libc++ has only <experimental/coroutine>, whose clang
  # warns that it will go away.
  -Wno-deprecated-experimental-coroutine)

# Debian's Emscripten minifies the JavaScript with the first node on PATH,
# which finds Debian's node modules only when told where they are.
if(EXISTS /usr/share/nodejs)
  set(CMAKE_CXX_LINKER_LAUNCHER ${CMAKE_COMMAND} -E env NODE_PATH=/usr/share/nodejs)
endif()
add_executable(orvanell src/console/web_io.cpp)
target_link_libraries(orvanell PRIVATE orvanell_core)
target_link_options(orvanell PRIVATE
  -sMODULARIZE -sEXPORT_NAME=createOrvanell -sENVIRONMENT=web,node
  -sALLOW_MEMORY_GROWTH -sFILESYSTEM=0 -sNODEJS_CATCH_EXIT=0 -sNODEJS_CATCH_REJECTION=0
  "SHELL:--extern-post-js ${webSource}/command.js")
set_property(TARGET orvanell APPEND PROPERTY LINK_DEPENDS ${webSource}/command.js)
# The game allocates little and seldom: Emscripten's small allocator does,
# at 2 KB less in the one-file page (gzipped) than its default.
target_link_options(orvanell PRIVATE -sMALLOC=emmalloc)
# The page and the node command reach the module's memory through HEAPU8,
# which Emscripten 4.0.7 and later no longer export unasked.
target_link_options(orvanell PRIVATE -sEXPORTED_RUNTIME_METHODS=HEAPU8)

find_program(ORVANELL_NODE node)
find_program(ORVANELL_NPM npm)
if(NOT ORVANELL_NODE OR NOT ORVANELL_NPM)
  message(FATAL_ERROR "The web edition needs node and npm (Debian's nodejs and npm)")
endif()

# The command as one executable file, for the scripts that test the native
# game; and the same with the clock stopped at the second given, which is how
# they learn what the real clock should show.
set(command ${CMAKE_BINARY_DIR}/orvanell-node)
set(commandAt ${CMAKE_BINARY_DIR}/orvanell-node-at)
set(fixedClock ${PROJECT_SOURCE_DIR}/tests/fixed_clock.js)
file(CONFIGURE OUTPUT ${command} CONTENT
  "#!/bin/sh\nexec '${ORVANELL_NODE}' \"$(dirname \"$0\")/orvanell.js\" \"$@\"\n")
file(CONFIGURE OUTPUT ${commandAt} CONTENT "#!/bin/sh\nTRANSCRIPT_CLOCK=\"$1\" exec '${ORVANELL_NODE}' \
--require '${fixedClock}' \"$(dirname \"$0\")/orvanell.js\"\n")
# The golden transcripts' reader: the native tests' own, built for node.
set(transcriptInput ${CMAKE_BINARY_DIR}/orvanell-transcript-input)
file(CONFIGURE OUTPUT ${transcriptInput} CONTENT
  "#!/bin/sh\nexec '${ORVANELL_NODE}' \"$(dirname \"$0\")/orvanell_transcript_input.js\" \"$@\"\n")
file(CHMOD ${command} ${commandAt} ${transcriptInput}
  PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

# The test's browser automation and checkers, at the versions the lock file pins,
# installed in the build folder rather than the source tree.
set(npmFolder ${CMAKE_BINARY_DIR}/npm)
add_custom_command(OUTPUT ${npmFolder}/node_modules/.package-lock.json
  COMMAND ${CMAKE_COMMAND} -E make_directory ${npmFolder}
  COMMAND ${CMAKE_COMMAND} -E copy ${webSource}/package.json ${webSource}/package-lock.json
    ${npmFolder}
  COMMAND ${ORVANELL_NPM} ci --prefix ${npmFolder} --no-audit --no-fund --loglevel=error
  DEPENDS ${webSource}/package.json ${webSource}/package-lock.json
  COMMENT "Installing the web page's npm packages")
add_custom_target(npm_packages ALL DEPENDS ${npmFolder}/node_modules/.package-lock.json)

# The page: a static site with nothing from outside it, installable and
# playable offline; and the same page as one file that plays from a folder.
find_program(ORVANELL_RSVG_CONVERT rsvg-convert)
find_program(ORVANELL_PNGQUANT pngquant)
if(NOT ORVANELL_RSVG_CONVERT OR NOT ORVANELL_PNGQUANT)
  message(FATAL_ERROR "The web edition's icons need rsvg-convert and pngquant (Debian's librsvg2-bin, pngquant)")
endif()
set(site ${CMAKE_BINARY_DIR}/site)
set(onePage ${CMAKE_BINARY_DIR}/orvanell.html)
set(icon ${PROJECT_SOURCE_DIR}/packaging/orvanell.svg)
set(pageFiles index.html kept.js numbers.js words.js spoken.js device_voice.js page_voice.js speech.js tools.js gate.js log.js tips.js question.js choices.js fit.js line.js keypad.js
  page.js page.css favicon.svg manifest.webmanifest)
list(TRANSFORM pageFiles PREPEND ${webSource}/ OUTPUT_VARIABLE pageSources)
# The page's words, a catalogue a language.
file(GLOB catalogues CONFIGURE_DEPENDS ${webSource}/words/*.js)
add_custom_command(OUTPUT ${site}/index.html ${site}/service-worker.js ${onePage}
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${site}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${site}
  COMMAND ${CMAKE_COMMAND} -E copy ${pageSources} $<TARGET_FILE:orvanell>
    $<TARGET_FILE_DIR:orvanell>/orvanell.wasm ${site}
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${webSource}/words ${site}/words
  COMMAND ${ORVANELL_RSVG_CONVERT} -w 192 -h 192 -o ${site}/icon-192.png ${icon}
  COMMAND ${ORVANELL_RSVG_CONVERT} -w 512 -h 512 -o ${site}/icon-512.png ${icon}
  # In 64 colours, which look the same: a third of the weight, in a site held to 100 KB.
  COMMAND ${ORVANELL_PNGQUANT} --force --strip --speed 1 --ext .png 64 ${site}/icon-192.png ${site}/icon-512.png
  # The page's own voice, eSpeak NG, a program of its own under the GPL, in
  # its own folder: no package of the game's picks it up from here.
  COMMAND ${ORVANELL_NODE} ${webSource}/build_voice.js
    ${npmFolder}/node_modules/@echogarden/espeak-ng-emscripten ${site}/voice ${webSource}/voice_worker.js
    ${CMAKE_BINARY_DIR}/voice
  COMMAND ${ORVANELL_NODE} ${webSource}/build_site.js ${site} ${webSource}/service-worker.js ${onePage}
  DEPENDS ${pageSources} ${catalogues} ${icon} ${webSource}/build_site.js ${webSource}/service-worker.js orvanell
    ${webSource}/build_voice.js ${webSource}/voice_worker.js ${npmFolder}/node_modules/.package-lock.json
  COMMENT "Writing the web page to ${site} and ${onePage}")
add_custom_target(site ALL DEPENDS ${site}/index.html)

if(NOT BUILD_TESTING)
  return()
endif()
enable_testing()
set(tests ${PROJECT_SOURCE_DIR}/tests)
add_executable(orvanell_transcript_input ${tests}/transcript_input.cpp ${tests}/transcript_file.cpp
  ${PROJECT_SOURCE_DIR}/src/console/standard_io_posix.cpp)
target_link_libraries(orvanell_transcript_input PRIVATE orvanell_core)
# It says what is wrong with a transcript by throwing, which Emscripten
# catches only where asked.
target_compile_options(orvanell_transcript_input PRIVATE -fexceptions)
target_link_options(orvanell_transcript_input PRIVATE -fexceptions
  -sENVIRONMENT=node -sNODERAWFS -sEXIT_RUNTIME -sSINGLE_FILE)

# The native game's end-to-end scripts, on the command. Node's own stack
# limit is about 1 MiB, whatever the system gives; the game's screens take
# none of it. Node pages in more of itself as its compiler warms up, about
# 4.5 MiB over a long session, on top of what the game uses.
add_test(NAME executable COMMAND bash ${tests}/executable_test.sh ${command})
# Every golden transcript played through the command with the clock stopped
# at its second; its input at the real clock, against the command with its
# clock stopped at the second the run took place in; first, the reader of
# the transcripts.
file(GLOB transcripts CONFIGURE_DEPENDS ${tests}/transcripts/*.txt)
add_test(NAME sessions COMMAND bash ${tests}/sessions_test.sh ${command} ${commandAt}
  ${transcriptInput} ${transcripts})
# A host's wrong calls, each told on standard error.
add_test(NAME web_binding COMMAND ${ORVANELL_NODE} ${tests}/web_binding_test.js
  ${CMAKE_BINARY_DIR}/orvanell.js ${transcriptInput})
# Every catalogue of the page's words has what the English one has, and the
# line keeps what each question can read.
add_test(NAME page COMMAND ${ORVANELL_NODE} ${tests}/page_test.js ${webSource}/words ${PROJECT_SOURCE_DIR})
# The page's own voice speaks each language, in that language.
add_test(NAME voice COMMAND ${ORVANELL_NODE} ${tests}/voice_test.js ${site}/voice ${webSource}/words)
add_test(NAME memory COMMAND bash ${tests}/memory_test.sh ${command} 8192 1024)
foreach(channel tmux pipes)
  add_test(NAME terminal_${channel} COMMAND bash ${tests}/terminal_test.sh ${command} ${channel})
endforeach()

# The module compiles in browsers without WebAssembly tail calls: no
# `return_call` or `return_call_indirect` in its code, which must have been
# disassembled for that to mean anything.
find_program(ORVANELL_WASM_OBJDUMP wasm-objdump)
if(NOT ORVANELL_WASM_OBJDUMP)
  message(FATAL_ERROR "The web edition's tests need wasm-objdump (Debian's wabt)")
endif()
add_test(NAME no_tail_calls COMMAND bash -c [[
set -e
code=$("$0" -d "$1")
grep -q ' func\[' <<<"$code"
! grep -m 3 return_call <<<"$code"
]] ${ORVANELL_WASM_OBJDUMP} $<TARGET_FILE_DIR:orvanell>/orvanell.wasm)

# The page played as a person would, in Chromium, Firefox ESR, WebKitGTK and WPE WebKit.
add_test(NAME browser COMMAND ${ORVANELL_NODE} ${tests}/browser_test.js ${site} ${npmFolder} ${onePage})
# The one file played by a screen reader's presses, through AT-SPI, in
# Firefox ESR, Chromium and WebKitGTK, with Debian's Python, which alone has
# the bindings.
add_test(NAME screen_reader COMMAND /usr/bin/python3 ${tests}/screen_reader_test.py ${onePage})
set_tests_properties(executable sessions memory terminal_tmux terminal_pipes screen_reader
  PROPERTIES TIMEOUT 300)
# Their presses wait out the settle time, no more: nothing runs beside them.
# The browser test takes five minutes on a quiet machine.
set_tests_properties(browser screen_reader PROPERTIES RUN_SERIAL ON)
set_tests_properties(browser PROPERTIES TIMEOUT 900)
