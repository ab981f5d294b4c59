# rt_add_program(<name> FORMS <sources...> CAPTION <text> SUMMARY <text>
#                [TESTS <sources...>] [LIBS <targets...>])
#
# Builds <name>_forms (the windows, a library that tests link), the executable
# bin/<name> from main.cpp, a test executable <name>_tests when TESTS are
# given, and registers the program for the gallery.
function(rt_add_program name)
  cmake_parse_arguments(P "" "CAPTION;SUMMARY" "FORMS;TESTS;LIBS" ${ARGN})
  add_library(${name}_forms STATIC ${P_FORMS})
  target_include_directories(${name}_forms PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
  target_link_libraries(${name}_forms PUBLIC rt_forms ${P_LIBS})

  add_executable(${name} main.cpp)
  target_link_libraries(${name} PRIVATE ${name}_forms)

  if(P_TESTS)
    add_executable(${name}_tests ${P_TESTS})
    target_link_libraries(${name}_tests PRIVATE ${name}_forms rt_testing)
    rt_add_gtest(${name}_tests)
  endif()

  set_property(GLOBAL APPEND PROPERTY RT_PROGRAMS "${name}")
  set_property(GLOBAL PROPERTY RT_PROGRAM_${name}_CAPTION "${P_CAPTION}")
  set_property(GLOBAL PROPERTY RT_PROGRAM_${name}_SUMMARY "${P_SUMMARY}")
endfunction()

# Registers a GoogleTest executable with CTest, headless.
function(rt_add_gtest target)
  include(GoogleTest)
  gtest_discover_tests(${target}
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
    DISCOVERY_TIMEOUT 60)
endfunction()
