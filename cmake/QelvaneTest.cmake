# qelvane_test(<name> SOURCES <files...> LIBS <targets...>)
# A GoogleTest program registered with ctest. Windows test programs run under
# Wine through the toolchain's emulator; discovery happens at test time so Wine
# never runs during the build.
include(GoogleTest)
function(qelvane_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  if(WIN32)
    target_link_libraries(${name} PRIVATE ${T_LIBS} gtest gtest_main)
  else()
    target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main)
  endif()
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR})
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
    WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
    PROPERTIES ENVIRONMENT "QELVANE_SOURCE_DIR=${CMAKE_SOURCE_DIR};QELVANE_HOST_DIR=${QELVANE_HOST_DIR}")
endfunction()
