# qelvane_test(<name> [SERIAL] SOURCES <files...> LIBS <targets...>)
# SERIAL: the cases share machine-wide state (registry, shell folders, the
# log beside the program) and must not run in parallel with each other.
# A GoogleTest program registered with ctest. Windows test programs run under
# Wine through the toolchain's emulator; discovery happens at test time so Wine
# never runs during the build.
include(GoogleTest)
function(qelvane_test name)
  cmake_parse_arguments(T "SERIAL" "" "SOURCES;LIBS" ${ARGN})
  set(serial "")
  if(T_SERIAL)
    set(serial PROPERTIES RESOURCE_LOCK machine_state)
  endif()
  add_executable(${name} ${T_SOURCES})
  if(WIN32)
    target_link_libraries(${name} PRIVATE ${T_LIBS} gtest gtest_main)
  else()
    target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main)
  endif()
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR})
  # Where the tests find fixtures and built files (Unix paths; under Wine
  # prefix them with "Z:").
  target_compile_definitions(${name} PRIVATE QELVANE_SOURCE_DIR="${CMAKE_SOURCE_DIR}"
    QELVANE_BINARY_DIR="${CMAKE_BINARY_DIR}" QELVANE_HOST_DIR="${QELVANE_HOST_DIR}")
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
    WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
    ${serial})
endfunction()
