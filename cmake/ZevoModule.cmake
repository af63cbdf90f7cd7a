# zevo_module(NAME <lib> DIR <folder> [ENGINE_MODULES <names...>] [DEPS <libs...>] [TEST_DEPS <libs...>])
# One engine-style module: Public/ headers, Private/ sources built as a shared library, and
# Tests/ built as one GoogleTest binary registered with CTest. Sources are globbed so that a
# new file needs no edit here. ENGINE_MODULES names the engine modules the library stands in
# for, so that a plugin's module rules that name them link it (zevo_plugin).
function(zevo_module)
  cmake_parse_arguments(M "" "NAME;DIR" "ENGINE_MODULES;DEPS;TEST_DEPS" ${ARGN})
  foreach(engine_module ${M_ENGINE_MODULES})
    set_property(GLOBAL APPEND PROPERTY ZEVO_ENGINE_MODULE_${engine_module} ${M_NAME})
  endforeach()
  file(GLOB_RECURSE srcs CONFIGURE_DEPENDS ${M_DIR}/Private/*.cpp)
  if(NOT srcs)
    # Headers only, so far.
    add_library(${M_NAME} INTERFACE)
    target_include_directories(${M_NAME} INTERFACE ${M_DIR}/Public)
    target_link_libraries(${M_NAME} INTERFACE ${M_DEPS})
    return()
  endif()
  add_library(${M_NAME} SHARED ${srcs})
  target_include_directories(${M_NAME} PUBLIC ${M_DIR}/Public PRIVATE ${M_DIR}/Private)
  target_link_libraries(${M_NAME} PUBLIC ${M_DEPS})
  zevo_header_tool(TARGET ${M_NAME} MODULE ${M_NAME} ROOTS ${M_DIR}/Public ${M_DIR}/Private)
  file(GLOB_RECURSE tests CONFIGURE_DEPENDS ${M_DIR}/Tests/*.cpp)
  if(tests)
    add_executable(${M_NAME}Tests ${tests})
    target_include_directories(${M_NAME}Tests PRIVATE ${M_DIR}/Tests ${M_DIR}/Private)
    target_link_libraries(${M_NAME}Tests PRIVATE ${M_NAME} ${M_TEST_DEPS} GTest::gtest GTest::gmock HostTestSupport HostTestMain)
    # Test data beside the tests, found whatever form the compiler gives __FILE__.
    target_compile_definitions(${M_NAME}Tests PRIVATE ZEVO_TESTS_DIR="${M_DIR}/Tests")
    gtest_discover_tests(${M_NAME}Tests DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 120)
  endif()
endfunction()
