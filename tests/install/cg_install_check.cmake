# Installs the Cg runtime (component "cg") into a fresh prefix under
# CHECK_DIR, checks what its libraries export, and builds the drop-in
# programs and the Cg examples as any Cg program is built: with pkg-config
# pointed at that prefix, and nothing from the tree.
# cmake -DBINARY_DIR=... -DSOURCE_DIR=... -DCHECK_DIR=... -DLIBDIR=... -DCC=... -P this
cmake_minimum_required(VERSION 3.25)
set(prefix ${CHECK_DIR}/prefix)
set(libdir ${prefix}/${LIBDIR})
file(REMOVE_RECURSE ${CHECK_DIR})
file(MAKE_DIRECTORY ${CHECK_DIR}/bin ${CHECK_DIR}/examples)

include(${CMAKE_CURRENT_LIST_DIR}/run_step.cmake)

run("Installing the Cg runtime" ${CMAKE_COMMAND} --install ${BINARY_DIR} --prefix ${prefix}
    --component cg)
foreach(file libCg.so libCg.so.3.1 libCgGL.so libCgGL.so.3.1 pkgconfig/cg.pc pkgconfig/cggl.pc)
  if(NOT EXISTS ${libdir}/${file})
    message(FATAL_ERROR "Not installed: ${libdir}/${file}")
  endif()
endforeach()

# The calls each header declares (comments left out: they name calls too).
function(declared_calls header pattern out)
  file(READ ${header} text)
  string(REGEX REPLACE "/\\*([^*]|\\*+[^*/])*\\*+/" "" text "${text}")
  string(REGEX MATCHALL "${pattern}[ \t\n]*\\(" calls "${text}")
  list(TRANSFORM calls REPLACE "[ \t\n]*\\($" "")
  list(REMOVE_DUPLICATES calls)
  set(${out} ${calls} PARENT_SCOPE)
endfunction()
declared_calls(${prefix}/include/Cg/cg.h "cg[A-Za-z0-9_]+" core_calls)
declared_calls(${prefix}/include/Cg/cgGL.h "cgGL[A-Za-z0-9_]+" gl_calls)

function(exported library out)
  execute_process(COMMAND nm -D --defined-only ${library} RESULT_VARIABLE status
                  OUTPUT_VARIABLE listing ERROR_VARIABLE listing)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "nm failed on ${library}:\n${listing}")
  endif()
  string(REGEX MATCHALL "[^ \n]+\n" names "${listing}")
  list(TRANSFORM names STRIP)
  set(${out} ${names} PARENT_SCOPE)
endfunction()
exported(${libdir}/libCg.so core_exports)
exported(${libdir}/libCgGL.so gl_exports)

# libCg exports the C API and nothing else: no C++ name, no internal call.
set(api ${core_calls} ${gl_calls})
set(strays ${core_exports})
list(REMOVE_ITEM strays ${api})
if(strays)
  message(FATAL_ERROR "libCg exports names that are not the Cg API:\n${strays}")
endif()
# libCgGL lists exactly the cgGL calls, and each must be found in libCg.
set(strays ${gl_exports})
list(REMOVE_ITEM strays ${gl_calls})
set(absent ${gl_calls})
list(REMOVE_ITEM absent ${gl_exports})
set(unresolved ${gl_exports})
list(REMOVE_ITEM unresolved ${core_exports})
if(strays OR absent OR unresolved)
  message(FATAL_ERROR "libCgGL: exports beyond Cg/cgGL.h: ${strays}\n"
                      "declared but not exported: ${absent}\n"
                      "exported but not in libCg: ${unresolved}")
endif()
# Every call the headers declare is there to link against.
set(missing ${api})
list(REMOVE_ITEM missing ${core_exports})
if(missing)
  message(FATAL_ERROR "Declared in Cg/cg.h or Cg/cgGL.h but not in libCg: ${missing}")
endif()
list(LENGTH core_exports core_count)
list(LENGTH gl_exports gl_count)
message(STATUS "libCg exports ${core_count} calls, libCgGL ${gl_count}: the C API only")

# The programs are built as their README says: pkg-config, pointed at the prefix.
set(ENV{PKG_CONFIG_PATH} ${libdir}/pkgconfig)
set(drop_in ${SOURCE_DIR}/tests/install/cg_drop_in)
set(flags "-std=c99 -Wall -Wextra -Werror")
run("Building the GLUT drop-in program" sh -c
    "${CC} ${flags} -o ${CHECK_DIR}/bin/cg_drop_in_glut ${drop_in}/glut_main.c ${drop_in}/scene.c \
     $(pkg-config --cflags --libs cg cggl glut gl)")
run("Building the EGL drop-in program" sh -c
    "${CC} ${flags} -o ${CHECK_DIR}/bin/cg_drop_in_egl ${drop_in}/egl_main.c ${drop_in}/scene.c \
     $(pkg-config --cflags --libs cg cggl egl opengl)")
message(STATUS "The drop-in programs are built against ${prefix}")

run("Building the Cg examples" make -C ${SOURCE_DIR}/examples/cg OUT=${CHECK_DIR}/examples CC=${CC}
    "CFLAGS=-O2 -Wall -Wextra -Werror")
message(STATUS "The Cg examples are built against ${prefix}")
