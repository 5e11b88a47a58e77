# One test executable per folder below tests/native (host) and tests/wine (Windows, run under Wine).
# Drop a *.cpp into tests/native/<group>/ or tests/wine/<group>/ and it is built and run.

# Each test program's time limit in seconds: a few times its run under ./test.sh on a two-core
# machine whose cores are both kept busy by other work, so that a program that hangs fails soon,
# by name and with its output. A program missing here gets the default; measure it and add it.
set(QV_TEST_TIME_LIMITS
    wine_editors=540 wine_framework=480 wine_gauge=180 wine_gif=300 wine_gifimage=360
    wine_mainwindow=600 wine_monitor=420 wine_saveexit=600 wine_store=540 wine_storefuzz=600
    wine_timer=300)
set(QV_TEST_DEFAULT_TIME_LIMIT 300)

# Gives a test the time limit of the test program that it runs. The Wine runner stops the
# program itself 30 s earlier, so that it can still clean up after it.
function(qv_set_time_limit test program)
  set(limit ${QV_TEST_DEFAULT_TIME_LIMIT})
  foreach(entry ${QV_TEST_TIME_LIMITS})
    if(entry MATCHES "^${program}=([0-9]+)$")
      set(limit ${CMAKE_MATCH_1})
    endif()
  endforeach()
  math(EXPR runner_limit "${limit} - 30")
  set_tests_properties(${test} PROPERTIES TIMEOUT ${limit})
  set_property(TEST ${test} APPEND PROPERTY ENVIRONMENT QV_TIME_LIMIT=${runner_limit})
endfunction()

function(qv_add_native_test_group dir)
  get_filename_component(group ${dir} NAME)
  file(GLOB sources CONFIGURE_DEPENDS ${dir}/*.cpp)
  if(NOT sources)
    return()
  endif()
  add_executable(native_${group} ${sources})
  target_link_libraries(native_${group} PRIVATE qv_portable qv_warnings GTest::gtest_main GTest::gmock)
  target_include_directories(native_${group} PRIVATE ${CMAKE_SOURCE_DIR} ${CMAKE_SOURCE_DIR}/tests)
  add_test(NAME native_${group} COMMAND native_${group})
  set_tests_properties(native_${group} PROPERTIES LABELS native)
  qv_set_time_limit(native_${group} native_${group})
endfunction()

# The helpers of tests/support, compiled once per architecture and linked by every Wine test.
function(qv_add_wine_test_support)
  file(GLOB support CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/support/*.cpp)
  add_library(qv_test_support STATIC ${support})
  target_link_libraries(qv_test_support PUBLIC qv_win GTest::gtest GTest::gmock)
  target_include_directories(qv_test_support PUBLIC ${CMAKE_SOURCE_DIR} ${CMAKE_SOURCE_DIR}/tests)
  target_compile_options(qv_test_support PUBLIC ${QV_GTEST_SHIM})
endfunction()

function(qv_add_wine_test_group dir)
  get_filename_component(group ${dir} NAME)
  file(GLOB sources CONFIGURE_DEPENDS ${dir}/*.cpp)
  if(NOT sources)
    return()
  endif()
  add_executable(wine_${group} ${sources} $<TARGET_OBJECTS:qv_resources>)
  target_link_libraries(wine_${group} PRIVATE qv_test_support)
  target_link_options(wine_${group} PRIVATE -static -static-libgcc -static-libstdc++)
  add_test(NAME wine_${group} COMMAND wine_${group})
  set_tests_properties(wine_${group} PROPERTIES LABELS wine)
  qv_set_time_limit(wine_${group} wine_${group})
endfunction()
