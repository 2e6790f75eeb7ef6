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

# lumaro_module(<name> [QT] [DEPS <lib>...] [LIBS <lib>...])
function(lumaro_module name)
  cmake_parse_arguments(ARG "QT" "" "DEPS;LIBS" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS
       ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  if(NOT sources MATCHES "\\.cpp")
    return()  # a module folder that holds no sources yet
  endif()
  add_library(lumaro_${name} STATIC ${sources})
  target_include_directories(lumaro_${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_compile_options(lumaro_${name} PRIVATE ${LUMARO_WARNINGS})
  foreach(dep IN LISTS ARG_DEPS)
    target_link_libraries(lumaro_${name} PUBLIC lumaro_${dep})
  endforeach()
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
