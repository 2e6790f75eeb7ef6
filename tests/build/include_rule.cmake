# Proves that the build enforces the module arrows: each module compiles with only its own
# include root (module_views/<module>), where a header of a module it may use is found and one
# of a module it may not use is not. Run by CTest:
#   cmake -DCOMPILER=... -DVIEWS=<build>/module_views -DWORK=<dir> -P include_rule.cmake
set(cases
  # module   header                          compiles
  "gfx       core/text.h                     YES"
  "gfx       report/model/report.h           NO"
  "core      gfx/canvas.h                    NO"
  "script    gfx/color.h                     NO"
  "barcode   gfx/display_list.h              YES"
  "barcode   report/views/view.h             NO"
  "report    barcode/barcode.h               YES"
  "report    platform/qt_canvas.h            NO"
  "platform  report/model/report.h           NO"
  "cli       report/views/draw_context.h     YES"
)
file(MAKE_DIRECTORY ${WORK})
set(failures "")
foreach(case IN LISTS cases)
  string(REGEX REPLACE " +" ";" fields "${case}")
  list(GET fields 0 module)
  list(GET fields 1 header)
  list(GET fields 2 expected)
  string(MAKE_C_IDENTIFIER "${module}_${header}" name)
  set(source ${WORK}/${name}.cpp)
  file(WRITE ${source} "#include \"${header}\"\n")
  execute_process(COMMAND ${COMPILER} -std=c++20 -fsyntax-only -I${VIEWS}/${module} ${source}
                  RESULT_VARIABLE status ERROR_VARIABLE errors OUTPUT_QUIET)
  if(expected STREQUAL "YES" AND NOT status EQUAL 0)
    string(APPEND failures "${module} may include ${header}, but it does not compile:\n${errors}\n")
  elseif(expected STREQUAL "NO")
    if(status EQUAL 0)
      string(APPEND failures "${module} must not see ${header}, but it compiles\n")
    elseif(NOT errors MATCHES "${header}")
      string(APPEND failures "${module} including ${header} fails for another reason:\n${errors}\n")
    endif()
  endif()
endforeach()
if(failures)
  message(FATAL_ERROR "${failures}")
endif()
message(STATUS "every module sees exactly the headers it may use")
