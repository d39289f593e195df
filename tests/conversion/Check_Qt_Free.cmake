# cmake -DCOMMANDS=compile_commands.json -DSOURCE=<root> -DBUILD=<build> -P Check_Qt_Free.cmake
# Fails unless every compile command of the engine and the run-time services
# is free of Qt's include folders and defines. The source and build folders
# are cut out first, so that a checkout path cannot look like Qt.
file(READ "${COMMANDS}" json)
string(JSON count LENGTH "${json}")
math(EXPR last "${count} - 1")
set(checked 0)
foreach(index RANGE ${last})
  string(JSON file GET "${json}" ${index} file)
  # Relative to the source folder, so that a checkout under a folder named
  # like one of ours (/home/ci/tests/...) still finds the engine.
  file(RELATIVE_PATH relative "${SOURCE}" "${file}")
  if(NOT relative MATCHES "^(conversion|support/runtime)/[^/]+\\.cpp$")
    continue()
  endif()
  string(JSON command GET "${json}" ${index} command)
  string(REPLACE "${SOURCE}" "" command "${command}")
  string(REPLACE "${BUILD}" "" command "${command}")
  if(command MATCHES "[Qq][Tt][0-9]|-DQT_")
    message(FATAL_ERROR "${file} is compiled with Qt flags: ${command}")
  endif()
  math(EXPR checked "${checked} + 1")
endforeach()
if(checked LESS 2)
  message(FATAL_ERROR "found ${checked} engine sources in ${COMMANDS}, expected at least 2")
endif()
message(STATUS "${checked} engine sources compiled without Qt")
