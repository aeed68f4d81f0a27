# Small helpers so that every folder declares its library, tests and tools the same way.
# Sources are listed in the folder's CMakeLists.txt.

# vantrel_library(NAME SOURCES ... [DEPS ...]): a static core library; headers are included
# from src/ as "folder/file.h".
function(vantrel_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${ARG_DEPS})
endfunction()

# vantrel_test(NAME SOURCES ... [DEPS ...]): a GoogleTest executable whose cases are run by ctest.
function(vantrel_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} vantrel_test_support GTest::gmock GTest::gtest_main)
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 300)
endfunction()
