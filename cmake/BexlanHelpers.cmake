# One test executable per test file, so a test file is the unit that builds and runs.
# bexlan_add_tests(<dir> LIBS <libs...>) turns <dir>/*_test.cpp into executables
# named after the file and registers their cases with ctest.
function(bexlan_add_tests dir)
  cmake_parse_arguments(ARG "" "PREFIX" "LIBS;PROPERTIES" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*_test.cpp)
  file(GLOB support CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/support/*.cpp)
  foreach(src IN LISTS sources)
    get_filename_component(name ${src} NAME_WE)
    set(target ${ARG_PREFIX}${name})
    add_executable(${target} ${src} ${support})
    target_include_directories(${target} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/${dir}
                                                 ${CMAKE_CURRENT_SOURCE_DIR})
    target_link_libraries(${target} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
    target_compile_definitions(${target} PRIVATE
      BEXLAN_TEST_DATA_DIR="${CMAKE_CURRENT_SOURCE_DIR}/data"
      BEXLAN_BINARY_DIR="${CMAKE_BINARY_DIR}"
      BEXLAN_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
    gtest_discover_tests(${target} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
                         PROPERTIES ${ARG_PROPERTIES})
  endforeach()
endfunction()
