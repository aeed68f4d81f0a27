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

# vantrel_widget_library(NAME [DEPS ...]): a folder of widgets and windows: every .cpp file in
# the calling folder, with Qt's moc and resource compiler.
function(vantrel_widget_library name)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  vantrel_library(${name} SOURCES ${sources} DEPS ${ARG_DEPS} Qt6::Widgets)
  set_target_properties(${name} PROPERTIES AUTOMOC ON AUTORCC ON)
endfunction()

# vantrel_qt_tests(NAME [DEPS ...]): every *_test.cpp file of the calling folder is a QtTest
# program of its own (QTEST_MAIN); the other .cpp files are shared helpers linked into each. ctest
# runs them as NAME.<file> on the offscreen platform.
function(vantrel_qt_tests name)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB tests CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*_test.cpp)
  file(GLOB helpers CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(tests)
    list(REMOVE_ITEM helpers ${tests})
  endif()
  if(helpers)
    add_library(${name}_helpers STATIC ${helpers})
    set_target_properties(${name}_helpers PROPERTIES AUTOMOC ON)
    target_include_directories(${name}_helpers PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
    target_link_libraries(${name}_helpers PUBLIC ${ARG_DEPS} vantrel_test_support Qt6::Test)
    set(ARG_DEPS ${name}_helpers)
  endif()
  foreach(test ${tests})
    get_filename_component(stem ${test} NAME_WE)
    add_executable(${name}_${stem} ${test})
    set_target_properties(${name}_${stem} PROPERTIES AUTOMOC ON)
    target_link_libraries(${name}_${stem} PRIVATE ${ARG_DEPS} vantrel_test_support Qt6::Test)
    add_test(NAME ${name}.${stem} COMMAND ${name}_${stem})
    set_tests_properties(${name}.${stem} PROPERTIES
      ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 300)
  endforeach()
endfunction()
