# What makes a build of Tessaly fast: a compiler cache shared by every
# checkout on the machine, a fast linker, Qt's headers parsed once per build
# instead of once per object, several files to an object, and the tests' own
# code optimised less in the optimised build. The first four leave what the
# program does as it is, and can be turned off.

# ccache, where installed (scripts/packages.sh installs it). Its cache lives
# in the user's home (~/.cache/ccache), never in the checkout, so that a fresh
# clone elsewhere on the same machine, CI's for one, reuses the objects of
# the developer's own build. For that, paths under the checkout are hashed
# relative to it (base_dir) and the build folder is left out of the hash
# (hash_dir): an object's debug information then names the folder of the
# build that first compiled it, which holds the same source. The precompiled
# headers need the sloppiness: their timestamps and the defines around them
# are checked by the compiler itself. Qt Test defines the test's source and
# build folders for QFINDTESTDATA, which no test uses; left in the hash, they
# would keep every test object from another checkout. Depend mode takes the
# headers an object read from the compiler's own dependency file (Ninja asks
# for one anyway) instead of running the preprocessor over every object the
# cache misses; hits still need the same source and headers, which another
# checkout has. A compiled header is hashed by the checksum written beside it
# (Compiled_Header_Sum.sh), once, not read again for every object.
set(TESSALY_BUILD_SPEED_DIR ${CMAKE_CURRENT_LIST_DIR})
option(TESSALY_CCACHE "Compile through ccache when it is installed" ON)
#   tessaly_use_compiler_cache(ROOT): ROOT is the checkout's top folder.
macro(tessaly_use_compiler_cache root)
  if(TESSALY_CCACHE AND NOT CMAKE_CXX_COMPILER_LAUNCHER)
    find_program(TESSALY_CCACHE_PROGRAM ccache)
    if(TESSALY_CCACHE_PROGRAM)
      set(CMAKE_CXX_COMPILER_LAUNCHER
        ${CMAKE_COMMAND} -E env
        CCACHE_BASEDIR=${root}
        CCACHE_NOHASHDIR=1
        CCACHE_DEPEND=1
        CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime
        CCACHE_PCH_EXTSUM=1
        "CCACHE_IGNOREOPTIONS=-DQT_TESTCASE_BUILDDIR=* -DQT_TESTCASE_SOURCEDIR=*")
      if(CMAKE_CXX_COMPILER_ID MATCHES "Clang")
        list(APPEND CMAKE_CXX_COMPILER_LAUNCHER ${TESSALY_BUILD_SPEED_DIR}/Relative_Paths.sh)
      endif()
      list(APPEND CMAKE_CXX_COMPILER_LAUNCHER ${TESSALY_CCACHE_PROGRAM})
      # The compiled headers' own compiles also write their checksums.
      set(TESSALY_COMPILED_HEADER_LAUNCHER
        ${TESSALY_BUILD_SPEED_DIR}/Compiled_Header_Sum.sh ${CMAKE_CXX_COMPILER_LAUNCHER})
    endif()
  endif()
endmacro()

# lld, where installed (scripts/packages.sh installs it): it links a test
# program in a fifth of GNU ld's time (0.24 s against 1.1 s), and a change to
# a library relinks every program that uses it. The hardening options are
# its own as well. Not on Windows: MinGW keeps its linker.
option(TESSALY_LLD "Link with lld when it is installed" ON)
macro(tessaly_use_fast_linker)
  if(TESSALY_LLD AND NOT WIN32)
    include(CheckLinkerFlag)
    check_linker_flag(CXX -fuse-ld=lld TESSALY_HAS_LLD)
    if(TESSALY_HAS_LLD)
      add_link_options(-fuse-ld=lld)
    endif()
  endif()
endmacro()

# The headers most objects include, Qt's above all. Angle brackets only: a
# path in the generated header would differ from one checkout to the next,
# and so would the compiled header ccache hashes.
set(TESSALY_PRECOMPILED_HEADERS
  <algorithm> <array> <cstdint> <functional> <memory> <optional> <string> <vector>
  <QApplication> <QWidget> <QString> <QStringList> <QLabel> <QCheckBox> <QPushButton>
  <QPlainTextEdit> <QMenu> <QMenuBar> <QFile> <QDir> <QTimer> <QScreen> <QPainter>
  <QKeyEvent> <QAccessible> <QAccessibleWidget> <QRegularExpression> <QSettings>
  <QPointer>)
# Not <QTest>: Qt Test defines each test's folders (QT_TESTCASE_BUILDDIR),
# and GCC refuses a compiled header made under another value of a define
# that was set when it was made. So the compiled headers are made without
# Qt Test's defines, which then stay out of them.
set(TESSALY_PRECOMPILED_TEST_HEADERS <gtest/gtest.h>)

option(TESSALY_PRECOMPILE_HEADERS "Precompile Qt's headers once for every target that uses them" ON)

# One compiled header for every target that uses Qt's widgets, another, with
# GoogleTest and Qt Test, for the test programs. GCC takes a compiled header
# only from a compile with the same options, so these targets are made with
# the flags every target gets; a target whose own flags break that would get
# a warning (-Winvalid-pch) and compile without it.
function(tessaly_add_precompiled_headers name)
  cmake_parse_arguments(ARG "" "" "HEADERS;LIBRARIES" ${ARGN})
  set(source ${CMAKE_CURRENT_BINARY_DIR}/${name}.cpp)
  file(CONFIGURE OUTPUT ${source} CONTENT "// The compiled header's own object, empty.\n")
  add_library(${name} STATIC ${source})
  target_link_libraries(${name} PRIVATE ${ARG_LIBRARIES})
  set_target_properties(${name} PROPERTIES AUTOMOC OFF AUTORCC OFF AUTOUIC OFF)
  target_precompile_headers(${name} PRIVATE ${ARG_HEADERS})
  # Clang writes the times of the headers into the compiled header and
  # refuses it when they differ, as they do for one that ccache fetched from
  # another build. It also names each header by its absolute path, the
  # generated one in the build folder among them, and refuses the compiled
  # header once that folder is gone: so the headers go inside it.
  target_compile_options(${name} PRIVATE
    "$<$<CXX_COMPILER_ID:Clang>:SHELL:-Xclang -fno-pch-timestamp>"
    "$<$<CXX_COMPILER_ID:Clang>:SHELL:-Xclang -fmodules-embed-all-files>")
  if(TESSALY_COMPILED_HEADER_LAUNCHER)
    set_target_properties(${name} PROPERTIES CXX_COMPILER_LAUNCHER "${TESSALY_COMPILED_HEADER_LAUNCHER}")
  endif()
endfunction()

# A target and everything it links, directly or through what it links.
function(tessaly_linked_closure out target)
  set(pending ${target})
  set(seen)
  while(pending)
    list(POP_FRONT pending current)
    if(current IN_LIST seen)
      continue()
    endif()
    list(APPEND seen ${current})
    if(TARGET ${current})
      get_target_property(links ${current} INTERFACE_LINK_LIBRARIES)
      get_target_property(own ${current} LINK_LIBRARIES)
      foreach(link IN LISTS links own)
        string(REGEX REPLACE "^\\$<LINK_ONLY:(.*)>$" "\\1" link "${link}")
        if(link AND NOT link MATCHES "-NOTFOUND$")
          list(APPEND pending ${link})
        endif()
      endforeach()
    endif()
  endwhile()
  set(${out} ${seen} PARENT_SCOPE)
endfunction()

function(tessaly_links_to out target wanted)
  tessaly_linked_closure(linked ${target})
  if(wanted IN_LIST linked)
    set(${out} TRUE PARENT_SCOPE)
  else()
    set(${out} FALSE PARENT_SCOPE)
  endif()
endfunction()

function(tessaly_targets_below out directory)
  get_property(targets DIRECTORY ${directory} PROPERTY BUILDSYSTEM_TARGETS)
  get_property(subdirectories DIRECTORY ${directory} PROPERTY SUBDIRECTORIES)
  foreach(subdirectory IN LISTS subdirectories)
    tessaly_targets_below(below ${subdirectory})
    list(APPEND targets ${below})
  endforeach()
  set(${out} ${targets} PARENT_SCOPE)
endfunction()

# Every target of the project that compiles code.
function(tessaly_compiled_targets out)
  tessaly_targets_below(targets ${CMAKE_SOURCE_DIR})
  set(compiled)
  foreach(target IN LISTS targets)
    get_target_property(type ${target} TYPE)
    if(type MATCHES "^(STATIC_LIBRARY|SHARED_LIBRARY|MODULE_LIBRARY|OBJECT_LIBRARY|EXECUTABLE)$")
      list(APPEND compiled ${target})
    endif()
  endforeach()
  set(${out} ${compiled} PARENT_SCOPE)
endfunction()

# Whether one of a target's headers declares a class for moc.
function(tessaly_has_classes_for_moc out target)
  get_target_property(sources ${target} SOURCES)
  get_target_property(source_dir ${target} SOURCE_DIR)
  foreach(source IN LISTS sources)
    if(source MATCHES "\\.h$")
      cmake_path(ABSOLUTE_PATH source BASE_DIRECTORY ${source_dir})
      file(STRINGS ${source} declarations REGEX "Q_OBJECT")
      if(declarations)
        set(${out} TRUE PARENT_SCOPE)
        return()
      endif()
    endif()
  endforeach()
  set(${out} FALSE PARENT_SCOPE)
endfunction()

# Called once every target exists (deferred to the end of the configuration),
# so that a new library or test program gets its header without a line of
# its own. Targets without Qt's widgets, the Qt-free engine above all, get none.
function(tessaly_share_precompiled_headers)
  tessaly_compiled_targets(targets)
  foreach(target IN LISTS targets)
    if(target MATCHES "^tessaly_(qt|test)_pch$")
      continue()
    endif()
    tessaly_links_to(uses_widgets ${target} Qt6::Widgets)
    if(NOT uses_widgets)
      continue()
    endif()
    # Most targets have nothing for moc, and loading the compiled header
    # (some 200 MB with debug information, a second and more) into their
    # empty moc file would cost more than it saves. The windows' libraries
    # have classes for moc, whose code includes Qt's headers.
    tessaly_has_classes_for_moc(has_classes ${target})
    if(NOT has_classes)
      get_target_property(binary_dir ${target} BINARY_DIR)
      set_source_files_properties(${binary_dir}/${target}_autogen/mocs_compilation.cpp
        TARGET_DIRECTORY ${target} PROPERTIES SKIP_PRECOMPILE_HEADERS ON)
    endif()
    tessaly_links_to(is_test ${target} GTest::gtest)
    if(is_test AND TARGET tessaly_test_pch)
      target_precompile_headers(${target} REUSE_FROM tessaly_test_pch)
    else()
      target_precompile_headers(${target} REUSE_FROM tessaly_qt_pch)
    endif()
  endforeach()
endfunction()

# The tests' own code is most of what the optimised build compiles, and -O2
# with full debug information spends most of that time on code that runs
# once: -Og with line tables only (-g1) compiles it in a third of the time.
# What the tests exercise, the product's libraries, keeps -O2 -g. So do the
# hardening flags: -Og defines __OPTIMIZE__, so the checked functions of
# _FORTIFY_SOURCE are still in, which tests/support/Hardening_test.cpp
# checks. A compiled header is only taken by a compile with the options it
# was made with, so these are exactly the targets that take the tests'
# compiled header: every target that links GoogleTest, the header's own.
# The sanitized build (Debug) keeps -O0 -g: -O1 took 18 % off its tests' CPU
# time but three quarters more CPU time to build, which a fresh clone pays.
set(TESSALY_TEST_CODE_OPTIONS "$<$<CONFIG:RelWithDebInfo>:-Og;-g1>")

function(tessaly_lighten_test_code)
  tessaly_compiled_targets(targets)
  foreach(target IN LISTS targets)
    tessaly_links_to(is_test ${target} GTest::gtest)
    if(is_test)
      target_compile_options(${target} PRIVATE ${TESSALY_TEST_CODE_OPTIONS})
    endif()
  endforeach()
endfunction()

# Several files of a target compiled as one object. Each object pays again
# for loading the compiled header (a second and more of a small file's two)
# and for the GoogleTest and Qt templates it instantiates; the sanitized
# build instruments each copy. So a library's files, all of them, and a test
# program's, four at a time (a one-line change then recompiles few), are
# batched. The files of one batch share an anonymous namespace, and their
# helpers need names of their own. Not CMake's UNITY_BUILD: its generated
# files include the sources by their absolute paths, which differ from one
# checkout to the next, and so another checkout would miss the compiler
# cache for every batch. These include them by name, found in the folder of
# the target's CMakeLists.txt.
# Not on Windows: the macros of <windows.h>, min and max among them, would
# reach the files after the one that includes it.
if(WIN32)
  option(TESSALY_BATCH_SOURCES "Compile several files of a target as one object" OFF)
else()
  option(TESSALY_BATCH_SOURCES "Compile several files of a target as one object" ON)
endif()
set(TESSALY_TEST_BATCH 4 CACHE STRING "How many files of a test program one object takes")

#   tessaly_batch_sources(OUT NAME SIZE SOURCE...): OUT is what to compile
#   instead of the sources: their .cpp files SIZE to a generated file (0: all
#   in one), named after NAME, and the rest as they are.
function(tessaly_batch_sources out name size)
  set(sources)
  set(batchable)
  foreach(source IN LISTS ARGN)
    if(TESSALY_BATCH_SOURCES AND source MATCHES "^[^$/]+\\.cpp$")
      list(APPEND batchable ${source})
    else()
      list(APPEND sources ${source})
    endif()
  endforeach()
  list(LENGTH batchable count)
  if(size EQUAL 0)
    set(size ${count})
  endif()
  set(first 0)
  while(first LESS count)
    list(SUBLIST batchable ${first} ${size} batch)
    math(EXPR batch_number "${first} / ${size}")
    math(EXPR first "${first} + ${size}")
    list(LENGTH batch length)
    if(length EQUAL 1)
      list(APPEND sources ${batch})
      continue()
    endif()
    list(TRANSFORM batch REPLACE "(.+)" "#include \"\\1\"")
    list(JOIN batch "\n" includes)
    set(batch_source ${CMAKE_CURRENT_BINARY_DIR}/${name}_batch_${batch_number}.cpp)
    file(CONFIGURE OUTPUT ${batch_source}
      CONTENT "// Generated: files of ${name} compiled as one object.\n${includes}\n")
    list(APPEND sources ${batch_source})
  endwhile()
  set(${out} ${sources} PARENT_SCOPE)
endfunction()

#   tessaly_add_library(NAME SOURCE...): a static library whose files compile
#   as one object. List its headers too: moc finds a class's header through
#   the target's sources.
function(tessaly_add_library name)
  tessaly_batch_sources(sources ${name} 0 ${ARGN})
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
endfunction()
