# Installs the engine into a fresh prefix under CHECK_DIR, compiles each
# installed header in a file of its own, then configures and builds
# examples/hello_sprite as a separate project against that prefix only.
# cmake -DBINARY_DIR=... -DSOURCE_DIR=... -DCHECK_DIR=... -DCXX=... -P this
cmake_minimum_required(VERSION 3.25)
set(prefix ${CHECK_DIR}/prefix)
file(REMOVE_RECURSE ${CHECK_DIR})
file(MAKE_DIRECTORY ${CHECK_DIR}/headers)

include(${CMAKE_CURRENT_LIST_DIR}/run_step.cmake)

run("Installing the engine" ${CMAKE_COMMAND} --install ${BINARY_DIR} --prefix ${prefix}
    --component engine)

# The licence comes along, as it is in the tree.
file(READ ${SOURCE_DIR}/LICENSE ours)
if(NOT EXISTS ${prefix}/share/doc/zephra/LICENSE)
  message(FATAL_ERROR "The engine's install has no share/doc/zephra/LICENSE")
endif()
file(READ ${prefix}/share/doc/zephra/LICENSE installed)
if(NOT installed STREQUAL ours)
  message(FATAL_ERROR "share/doc/zephra/LICENSE differs from the tree's LICENSE")
endif()
message(STATUS "The engine's install carries LICENSE")

# Each header on its own, as a game's first include: it must bring
# everything it needs, and only from the installed folder.
file(GLOB_RECURSE headers RELATIVE ${prefix}/include/zephra ${prefix}/include/zephra/*.h)
list(LENGTH headers count)
if(count LESS 10)
  message(FATAL_ERROR "Only ${count} headers were installed: ${headers}")
endif()
set(failed)
foreach(header ${headers})
  string(MAKE_C_IDENTIFIER ${header} name)
  set(source ${CHECK_DIR}/headers/${name}.cpp)
  file(WRITE ${source} "#include \"${header}\"\n")
  execute_process(COMMAND ${CXX} -std=c++17 -fsyntax-only -Wall -Wextra -Werror
                          -I${prefix}/include/zephra ${source}
                  RESULT_VARIABLE status ERROR_VARIABLE out)
  if(NOT status EQUAL 0)
    string(APPEND failed "${header}:\n${out}\n")
  endif()
endforeach()
if(failed)
  message(FATAL_ERROR "Installed headers that do not compile alone:\n${failed}")
endif()
message(STATUS "${count} installed headers compile alone")

run("Configuring the example" ${CMAKE_COMMAND} -S ${SOURCE_DIR}/examples/hello_sprite
    -B ${CHECK_DIR}/hello_sprite -DCMAKE_PREFIX_PATH=${prefix} -DCMAKE_BUILD_TYPE=Release
    -DCMAKE_CXX_FLAGS=-Werror)
# Only the scratch prefix may have supplied the engine.
file(STRINGS ${CHECK_DIR}/hello_sprite/CMakeCache.txt found REGEX "^Zephra_DIR:")
if(NOT found MATCHES "=${prefix}/")
  message(FATAL_ERROR "The example found another Zephra: ${found}")
endif()
run("Building the example" ${CMAKE_COMMAND} --build ${CHECK_DIR}/hello_sprite)
message(STATUS "hello_sprite built against ${prefix}")
