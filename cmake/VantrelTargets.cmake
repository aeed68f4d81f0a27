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

# vantrel_folder_library(NAME [DEPS ...]): the library made of every .cpp file in the calling
# folder.
function(vantrel_folder_library name)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  vantrel_library(${name} SOURCES ${sources} DEPS ${ARG_DEPS})
endfunction()

# vantrel_folder_tests(NAME [DEPS ...]): one test executable of every .cpp file in the calling
# folder.
function(vantrel_folder_tests name)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  vantrel_test(${name} SOURCES ${sources} DEPS ${ARG_DEPS})
endfunction()
