# Helpers that keep each module's CMake file to a line or two.
# A module is one library built from every source file in its folder.

set(LUMARO_WARNINGS -Wall -Wextra)

# Qt's meta-object compiler runs only for targets that use Qt.
function(lumaro_enable_moc_for_qt target)
  foreach(lib IN LISTS ARGN)
    if(lib MATCHES "^Qt6::")
      set_target_properties(${target} PROPERTIES AUTOMOC ON)
      return()
    endif()
  endforeach()
endfunction()

# The allowed dependencies between the modules (the arrows of docs/architecture.md): a module
# links and sees the headers of the modules listed for it, and of theirs.
set(LUMARO_ARROWS_core "")
set(LUMARO_ARROWS_gfx core)
set(LUMARO_ARROWS_script core)
set(LUMARO_ARROWS_barcode core gfx)
set(LUMARO_ARROWS_report script barcode gfx core)
set(LUMARO_ARROWS_platform gfx core)
set(LUMARO_ARROWS_preview report platform)
set(LUMARO_ARROWS_designer preview)
set(LUMARO_ARROWS_app designer)
set(LUMARO_ARROWS_cli report platform)

# lumaro_module_closure(<module> <out-var>): the module and every module it may use.
function(lumaro_module_closure module out)
  set(result ${module})
  set(pending ${LUMARO_ARROWS_${module}})
  while(pending)
    list(POP_FRONT pending m)
    if(NOT m IN_LIST result)
      list(APPEND result ${m})
      list(APPEND pending ${LUMARO_ARROWS_${m}})
    endif()
  endwhile()
  set(${out} ${result} PARENT_SCOPE)
endfunction()

# lumaro_module_view(<module> <out-var>): a folder in the build tree that holds, under their
# own names, links to the source folders of the module and of the modules it may use, and
# nothing else. It is the module's include root instead of src/, so that including a header
# of a module it may not use fails to compile ("report/model/report.h: No such file").
function(lumaro_module_view module out)
  set(view ${PROJECT_BINARY_DIR}/module_views/${module})
  lumaro_module_closure(${module} visible)
  file(MAKE_DIRECTORY ${view})
  file(GLOB present RELATIVE ${view} ${view}/*)
  foreach(m IN LISTS present)
    if(NOT m IN_LIST visible)
      file(REMOVE ${view}/${m})
    endif()
  endforeach()
  foreach(m IN LISTS visible)
    if(EXISTS ${PROJECT_SOURCE_DIR}/src/${m} AND NOT EXISTS ${view}/${m})
      file(CREATE_LINK ${PROJECT_SOURCE_DIR}/src/${m} ${view}/${m} SYMBOLIC)
    endif()
  endforeach()
  set(${out} ${view} PARENT_SCOPE)
endfunction()

# lumaro_use_modules(<target> <module>): compiles the target with the module's view as include
# root and links it with the module's allowed modules that are built.
function(lumaro_use_modules target module)
  lumaro_module_view(${module} view)
  target_include_directories(${target} PUBLIC ${view})
  lumaro_module_closure(${module} visible)
  foreach(m IN LISTS visible)
    if(NOT m STREQUAL module AND TARGET lumaro_${m})
      target_link_libraries(${target} PUBLIC lumaro_${m})
    endif()
  endforeach()
endfunction()

# lumaro_module(<name> [LIBS <lib>...])
function(lumaro_module name)
  cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS
       ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  if(NOT sources MATCHES "\\.cpp")
    return()  # a module folder that holds no sources yet
  endif()
  add_library(lumaro_${name} STATIC ${sources})
  target_compile_options(lumaro_${name} PRIVATE ${LUMARO_WARNINGS})
  lumaro_use_modules(lumaro_${name} ${name})
  target_link_libraries(lumaro_${name} PUBLIC ${ARG_LIBS})
  lumaro_enable_moc_for_qt(lumaro_${name} ${ARG_LIBS})
  add_library(lumaro::${name} ALIAS lumaro_${name})
endfunction()

# lumaro_test(<module> [LABELS <label>...] [LIBS <lib>...])
# One GoogleTest executable per test folder; every test case becomes a CTest test named
# <module>.<Suite>.<Test> and carries the first label given ("unit" when none): "unit" for
# headless tests (also run under the sanitizers), "gui" for Qt tests.
function(lumaro_test module)
  cmake_parse_arguments(ARG "" "" "LABELS;LIBS" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(NOT sources)
    return()
  endif()
  set(exe test_${module})
  add_executable(${exe} ${sources} ${PROJECT_SOURCE_DIR}/tests/support/test_main.cpp)
  target_compile_options(${exe} PRIVATE ${LUMARO_WARNINGS})
  target_include_directories(${exe} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  target_compile_definitions(${exe} PRIVATE
      LUMARO_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
      LUMARO_BINARY_DIR="${PROJECT_BINARY_DIR}"
      LUMARO_BIN_DIR="${PROJECT_BINARY_DIR}/bin")
  # The tests of a module see what the module sees.
  lumaro_use_modules(${exe} ${module})
  if(TARGET lumaro_${module})
    target_link_libraries(${exe} PRIVATE lumaro::${module})
  endif()
  # Tests that run lumaro-cli need it built first.
  if(TARGET lumaro-cli)
    add_dependencies(${exe} lumaro-cli)
  endif()
  target_link_libraries(${exe} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock)
  if(label STREQUAL "gui" OR "${ARG_LABELS}" MATCHES "gui")
    set_target_properties(${exe} PROPERTIES AUTOMOC ON)
  endif()
  set(label unit)
  if(ARG_LABELS)
    list(GET ARG_LABELS 0 label)
  endif()
  gtest_discover_tests(${exe}
      TEST_PREFIX "${module}."
      PROPERTIES LABELS ${label}
      DISCOVERY_TIMEOUT 60)
endfunction()

# lumaro_fuzzer(<name> DEPS <module>...)
function(lumaro_fuzzer name)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  add_executable(fuzz_${name} ${CMAKE_CURRENT_SOURCE_DIR}/${name}.cpp)
  target_compile_options(fuzz_${name} PRIVATE -fsanitize=fuzzer ${LUMARO_WARNINGS})
  target_link_options(fuzz_${name} PRIVATE -fsanitize=fuzzer)
  foreach(dep IN LISTS ARG_DEPS)
    target_link_libraries(fuzz_${name} PRIVATE lumaro::${dep})
  endforeach()
endfunction()

# lumaro_benchmark(<name> DEPS <module>... [LIBS <lib>...])
function(lumaro_benchmark name)
  cmake_parse_arguments(ARG "" "" "DEPS;LIBS" ${ARGN})
  add_executable(bench_${name} ${CMAKE_CURRENT_SOURCE_DIR}/${name}.cpp)
  target_compile_options(bench_${name} PRIVATE ${LUMARO_WARNINGS})
  foreach(dep IN LISTS ARG_DEPS)
    target_link_libraries(bench_${name} PRIVATE lumaro::${dep})
  endforeach()
  target_link_libraries(bench_${name} PRIVATE ${ARG_LIBS} benchmark::benchmark benchmark::benchmark_main)
endfunction()
