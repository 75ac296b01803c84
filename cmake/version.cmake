# The one version of the game and the engine, for their packages.
file(STRINGS ${PROJECT_SOURCE_DIR}/VERSION ZEPHRA_VERSION LIMIT_COUNT 1)
if(NOT ZEPHRA_VERSION MATCHES "^[0-9]+\\.[0-9]+\\.[0-9]+$")
  message(FATAL_ERROR "VERSION holds '${ZEPHRA_VERSION}', not a version such as 1.2.3")
endif()
