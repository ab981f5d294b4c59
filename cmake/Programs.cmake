# rt_add_program(<name> FORMS <sources...> CAPTION <text> SUMMARY <text>
#                [TESTS <sources...>] [LIBS <targets...>])
#
# Builds <name>_forms (the windows, a library that tests link), the executable
# bin/<name> from main.cpp with the desktop start, a test executable
# <name>_tests when TESTS are given, the program's random-input test (the same
# main.cpp with the random user's start), registers the program for the
# gallery, and lists its windows (the classes deriving from rt::Form in its
# headers) for the checks every window passes (tests/every_window_test.cpp).
# The program's icon.svg (the gallery's icon when it has none) is rendered at
# every size for the desktop, and built into the program at the sizes its
# windows wear.
include(${CMAKE_CURRENT_LIST_DIR}/Icons.cmake)
function(rt_add_program name)
  cmake_parse_arguments(P "" "CAPTION;SUMMARY" "FORMS;TESTS;LIBS" ${ARGN})
  add_library(${name}_forms STATIC ${P_FORMS})
  target_include_directories(${name}_forms PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
  target_link_libraries(${name}_forms PUBLIC rt_forms ${P_LIBS})

  set(icon ${CMAKE_CURRENT_SOURCE_DIR}/icon.svg)
  if(NOT EXISTS ${icon})
    set(icon ${CMAKE_SOURCE_DIR}/gallery/icon.svg)
  endif()
  rt_render_icon(formprograms-${name} ${icon} pngs)
  # Its windows wear it at the sizes of title bars and task bars; launchers
  # and switchers take the desktop entry's icon.
  rt_icon_pixel_resources(icon_sources formprograms-${name} 64 ${pngs})
  # main.cpp is compiled once, for both executables.
  add_library(${name}_main OBJECT main.cpp ${icon_sources})
  target_link_libraries(${name}_main PRIVATE ${name}_forms)
  add_executable(${name} $<TARGET_OBJECTS:${name}_main>)
  target_link_libraries(${name} PRIVATE ${name}_forms rt_start)

  if(P_TESTS)
    add_executable(${name}_tests ${P_TESTS})
    target_link_libraries(${name}_tests PRIVATE ${name}_forms rt_testing)
    rt_add_gtest(${name}_tests)
  endif()

  rt_add_random_input_test(${name})
  rt_list_windows(${name} ${P_FORMS})

  set_property(GLOBAL APPEND PROPERTY RT_PROGRAMS "${name}")
  set_property(GLOBAL PROPERTY RT_PROGRAM_${name}_CAPTION "${P_CAPTION}")
  set_property(GLOBAL PROPERTY RT_PROGRAM_${name}_SUMMARY "${P_SUMMARY}")
  set_property(GLOBAL PROPERTY RT_PROGRAM_${name}_ICON "${icon}")
endfunction()

# Registers a GoogleTest executable with CTest, headless.
function(rt_add_gtest target)
  include(GoogleTest)
  gtest_discover_tests(${target}
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
    DISCOVERY_TIMEOUT 60)
endfunction()

# The random-input test of a program: its main.cpp linked with the random
# user's start (runtime/testing/random_input.cpp), so that rt::run hands the
# start-up window to a random user instead of a person. Events, seed and time
# limit: RT_RANDOM_EVENTS, RT_RANDOM_SEED, RT_RANDOM_SECONDS.
set(RT_RANDOM_EVENTS 3000 CACHE STRING "Random events per program in its random-input test")
function(rt_add_random_input_test name)
  add_executable(${name}_random_input $<TARGET_OBJECTS:${name}_main>)
  target_link_libraries(${name}_random_input PRIVATE ${name}_forms rt_random_input)
  add_test(NAME ${name}.RandomInput COMMAND ${name}_random_input)
  set_tests_properties(${name}.RandomInput PROPERTIES
    LABELS random_input
    TIMEOUT 300
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;RT_RANDOM_EVENTS=${RT_RANDOM_EVENTS};RT_RANDOM_SEED=1;RT_RANDOM_SECONDS=120")
endfunction()

# Writes <build>/every_window/<name>.cpp, which adds each window class of the
# program to the list the every-window test runs over, and registers the
# program for that test.
function(rt_list_windows name)
  set(includes "")
  set(adds "")
  foreach(source IN LISTS ARGN)
    if(NOT source MATCHES "\\.h$")
      continue()
    endif()
    get_filename_component(path ${source} ABSOLUTE BASE_DIR ${CMAKE_CURRENT_SOURCE_DIR})
    file(STRINGS ${path} classes REGEX "^class [A-Za-z0-9_]+ : public rt::Form")
    if(NOT classes)
      continue()
    endif()
    string(APPEND includes "#include \"${path}\"\n")
    foreach(line IN LISTS classes)
      string(REGEX REPLACE "^class ([A-Za-z0-9_]+) .*" "\\1" class "${line}")
      string(APPEND adds "    windows.add<${name}::${class}>(\"${name}\", \"${class}\");\n")
    endforeach()
  endforeach()
  file(GENERATE OUTPUT ${CMAKE_BINARY_DIR}/every_window/${name}.cpp CONTENT
"// Made by rt_list_windows: the windows of ${name}.
${includes}#include \"every_window.h\"

void addWindowsOf_${name}(WindowList& windows)
{
${adds}}
")
  set_property(GLOBAL APPEND PROPERTY RT_PROGRAMS_WITH_WINDOWS "${name}")
endfunction()
