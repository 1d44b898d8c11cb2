# zol_module(NAME DEPS...): a static library of every .cpp in the current folder
# (sub-folders excluded), named zol_<NAME>, exposing src/ as its include root.
function(zol_module name)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  add_library(zol_${name} STATIC ${sources})
  target_include_directories(zol_${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(zol_${name} PUBLIC ${ARGN})
endfunction()

# zol_test_suite(NAME DEPS...): one GoogleTest program per subsystem, built from
# tests/<NAME>/*.cpp; each test carries the subsystem name as its CTest label.
function(zol_test_suite name)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${name}/*.cpp)
  add_executable(${name}_tests ${sources})
  target_include_directories(${name}_tests PRIVATE ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/tests)
  target_link_libraries(${name}_tests PRIVATE ${ARGN} GTest::gtest GTest::gtest_main)
  gtest_discover_tests(${name}_tests
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
    PROPERTIES LABELS ${name}
    DISCOVERY_TIMEOUT 60)
endfunction()
