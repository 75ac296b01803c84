# The browser build: compiled with Debian's emscripten (emcmake) against the
# static libraries tools/web/build_deps.sh installs into ZEPHRA_WEB_DEPS.
# The game becomes one page (zephra_web_page below); the suites that need no
# GL run under Node.js.
if(NOT ZEPHRA_WEB_DEPS OR NOT EXISTS "${ZEPHRA_WEB_DEPS}/manifest.txt")
  message(FATAL_ERROR "ZEPHRA_WEB_DEPS must name the folder tools/web/build_deps.sh "
    "prints (got '${ZEPHRA_WEB_DEPS}'). `make web` sets it.")
endif()
# Searched before emscripten's own sysroot, whose SDL2 package would name a
# port that it downloads.
list(PREPEND CMAKE_FIND_ROOT_PATH ${ZEPHRA_WEB_DEPS})
list(PREPEND CMAKE_PREFIX_PATH ${ZEPHRA_WEB_DEPS})
set(SDL2_DIR ${ZEPHRA_WEB_DEPS}/lib/cmake/SDL2)

# The engine reports failures by throwing; emscripten leaves catching off
# unless asked.
add_compile_options(-fexceptions)
add_link_options(-fexceptions)

find_package(SDL2 CONFIG REQUIRED)
find_package(SDL2_mixer CONFIG REQUIRED)
set(ZEPHRA_SDL2 SDL2::SDL2-static)
set(ZEPHRA_SDL2_MIXER SDL2_mixer::SDL2_mixer-static SDL2::SDL2-static)
find_package(ZLIB REQUIRED)
find_package(PNG REQUIRED)
find_package(JPEG REQUIRED)
find_package(Freetype REQUIRED)
set_property(TARGET Freetype::Freetype APPEND PROPERTY INTERFACE_LINK_LIBRARIES ZLIB::ZLIB)

# WebGL comes with emscripten's runtime: nothing to find, nothing to link by
# name. The engine's targets still name OpenGL, for the desktop's sake.
foreach(gl GL GLU)
  if(NOT TARGET OpenGL::${gl})
    add_library(OpenGL::${gl} INTERFACE IMPORTED)
  endif()
endforeach()

# The desktop GL functions that the engine's and the Cg runtime's desktop
# paths name and WebGL lacks, as traps (never called on a WebGL context):
# compiled into the Cg runtime, which everything that draws links.
set(ZEPHRA_WEB_DESKTOP_GL_TRAPS
  ${PROJECT_SOURCE_DIR}/engine/platform/web/desktop_gl/desktop_gl_traps.cpp)

set(ZEPHRA_NODE node CACHE STRING "Node.js, which runs the suites built for WebAssembly")

# zephra_web_page(TARGET): links TARGET as the page's program, pouncer.js and
# pouncer.wasm in the build's top folder. The page (index.html) and the data
# package are added by tools/web/package.sh. The page starts main itself
# (ccall, async) and learns from its promise when the game has ended.
#
# The game's loop never returns to the browser by itself: asyncify lets the
# device's presentation wait for the next animation frame in the middle of
# it. Only the functions that can be on the stack at that wait are rewritten
# (ASYNCIFY_ONLY); everything else runs at full speed. The optimiser inlines
# some of them into GameLoop::runFrame before asyncify runs, and binaryen then
# warns that those names do not exist: expected. They stay listed for builds
# that keep them as functions.
set(ZEPHRA_WEB_ASYNCIFY_ONLY
  "main"
  "GameLoop::runFrame()"
  "GameLoop::present()"
  "Zephra::Device::update()"
  "Zephra::Platform::swapBuffers(Zephra::Window&)"
  CACHE STRING "The functions on the stack when the page waits for its next frame")
# One name a line: a response file needs no quoting of the parentheses.
list(JOIN ZEPHRA_WEB_ASYNCIFY_ONLY "\n" only)
file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/asyncify_only.txt CONTENT "${only}\n")
# The web backend's own waits (engine/platform/web/web_gl_context.cpp), which
# put the program's stack away until the browser calls back.
set(ZEPHRA_WEB_ASYNCIFY_IMPORTS
  -sASYNCIFY_IMPORTS=zephraWaitForAnimationFrame,zephraWaitForPendingEvents)
function(zephra_web_page target)
  set_target_properties(${target} PROPERTIES
    OUTPUT_NAME pouncer SUFFIX .js RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
  target_link_options(${target} PRIVATE
    -sENVIRONMENT=web
    -sMIN_WEBGL_VERSION=2 -sMAX_WEBGL_VERSION=2
    -sALLOW_MEMORY_GROWTH=1
    -sFORCE_FILESYSTEM=1
    -sEXPORTED_FUNCTIONS=_main -sEXPORTED_RUNTIME_METHODS=ccall
    -sASYNCIFY=1 -sASYNCIFY_ONLY=@${CMAKE_BINARY_DIR}/asyncify_only.txt
    ${ZEPHRA_WEB_ASYNCIFY_IMPORTS}
    --js-library ${PROJECT_SOURCE_DIR}/engine/platform/web/web_library.js
    -sDEFAULT_LIBRARY_FUNCS_TO_INCLUDE=zephra_runtime_functions)
  set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS
    ${PROJECT_SOURCE_DIR}/engine/platform/web/web_library.js)
endfunction()

# zephra_node_program(TARGET): links TARGET to run under Node.js, reading and
# writing the host's files directly. ZEPHRA_NODE_RUN is the command line that
# runs one: 3.1.6's loader, under a Node.js with fetch(), would fetch the
# .wasm as a URL.
set(ZEPHRA_NODE_RUN ${ZEPHRA_NODE} --no-experimental-fetch)
function(zephra_node_program target)
  target_link_options(${target} PRIVATE -sENVIRONMENT=node -sNODERAWFS=1
    -sALLOW_MEMORY_GROWTH=1 -sEXIT_RUNTIME=1)
endfunction()

# zephra_node_test(NAME TARGET [ARGS...]): a suite built for WebAssembly, run
# under Node.js with ARGS.
function(zephra_node_test name target)
  zephra_node_program(${target})
  add_test(NAME ${name} COMMAND ${ZEPHRA_NODE_RUN} $<TARGET_FILE:${target}> ${ARGN}
    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR})
endfunction()

# zephra_browser_test(TARGET): links the test TARGET as the program of a page
# that tests/web/platform_test.js serves to headless Chromium and acts on as
# the user; the test's output reaches the console and its result the exit
# status. Waits (tests/support/wait.h) and the fixture's calls to that driver
# hand the browser its thread back, so the whole program is asyncified: test
# code is small, and its speed does not matter. Linked at -O1: asyncify's
# pass over the unoptimised program takes several times as long.
function(zephra_browser_test target)
  target_compile_definitions(${target} PRIVATE ZEPHRA_TEST_IN_BROWSER)
  target_link_options(${target} PRIVATE
    -sENVIRONMENT=web
    -sMIN_WEBGL_VERSION=2 -sMAX_WEBGL_VERSION=2
    -sALLOW_MEMORY_GROWTH=1
    -sASYNCIFY=1 ${ZEPHRA_WEB_ASYNCIFY_IMPORTS} -sASYNCIFY_STACK_SIZE=65536 -O1)
  add_test(NAME ${target}
    COMMAND ${ZEPHRA_NODE} ${PROJECT_SOURCE_DIR}/tests/web/platform_test.js
            $<TARGET_FILE:${target}>
    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR})
  set_tests_properties(${target} PROPERTIES LABELS browser
    ENVIRONMENT "NODE_PATH=${PROJECT_SOURCE_DIR}/tools/web/node_modules")
endfunction()

# The benchmark's floor in C (bench/web/c_floor.c): the bare WebGL 2 floor's
# frame through emscripten's glue, with the game's kind of loop. Built by
# `make bench-web` only, as bench/c_floor.html in the build folder.
add_executable(web_c_floor EXCLUDE_FROM_ALL ${PROJECT_SOURCE_DIR}/bench/web/c_floor.c)
set_target_properties(web_c_floor PROPERTIES
  OUTPUT_NAME c_floor SUFFIX .html RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)
target_link_options(web_c_floor PRIVATE
  -sENVIRONMENT=web -sMIN_WEBGL_VERSION=2 -sMAX_WEBGL_VERSION=2
  -sASYNCIFY=1 -sASYNCIFY_IMPORTS=waitForAnimationFrame -sMINIFY_HTML=0
  --shell-file ${PROJECT_SOURCE_DIR}/bench/web/c_floor_shell.html)
set_property(TARGET web_c_floor APPEND PROPERTY LINK_DEPENDS
  ${PROJECT_SOURCE_DIR}/bench/web/c_floor_shell.html)
