# zevo_plugin(DIR <plugin folder>)
# Builds an engine plugin folder as the engine reads it. The descriptor <Plugin>.uplugin names the
# plugin's modules and their types; each module is Source/<Module>/ with its rules
# <Module>.Build.cs, built as the shared library lib<Module>.so that the module manager loads by
# name after the header tool has read its headers, and <Module>Internal, an interface target that adds the module's Private/ folder for its
# tests, benchmarks and fuzz targets. The engine modules the rules name are linked as the host
# libraries that stand in for them (zevo_module ENGINE_MODULES), publicly or privately as the
# rules say; a name without a stand-in, a type the editor does not load or a missing file stops
# the configuration with the file's name. <Module>EngineSurface compiles the module's sources once
# more, held to the engine's API (zevo_engine_surface), in every build.
function(zevo_plugin)
  cmake_parse_arguments(P "" "DIR" "" ${ARGN})
  get_filename_component(plugin ${P_DIR} NAME)
  set(descriptor ${P_DIR}/${plugin}.uplugin)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${descriptor})
  file(READ ${descriptor} json)
  string(JSON module_count ERROR_VARIABLE error LENGTH "${json}" Modules)
  if(error)
    message(FATAL_ERROR "${descriptor}: ${error}")
  endif()
  set(index 0)
  while(index LESS module_count)
    string(JSON name ERROR_VARIABLE error GET "${json}" Modules ${index} Name)
    string(JSON type ERROR_VARIABLE type_error GET "${json}" Modules ${index} Type)
    if(error OR type_error)
      message(FATAL_ERROR "${descriptor}: module ${index}: ${error}${type_error}")
    endif()
    # The host stands in for the editor, which loads every module but a game's or a program's.
    if(NOT type MATCHES "^(Runtime|RuntimeNoCommandlet|RuntimeAndProgram|UncookedOnly|Developer|DeveloperTool|Editor|EditorNoCommandlet|EditorAndProgram)$")
      message(FATAL_ERROR "${descriptor}: module ${name} has the type '${type}', which the editor does not load")
    endif()
    _zevo_plugin_module(${P_DIR}/Source/${name} ${name})
    math(EXPR index "${index} + 1")
  endwhile()
endfunction()

# The engine modules a module's rules add to one of its dependency lists ("Public" or "Private").
function(_zevo_rules_dependencies rules scope out)
  file(READ ${rules} text)
  string(REGEX REPLACE "//[^\n]*" "" text "${text}")
  string(REGEX MATCHALL "${scope}DependencyModuleNames\\.AddRange\\([^}]*}" ranges "${text}")
  string(REGEX MATCHALL "${scope}DependencyModuleNames\\.Add\\(\"[A-Za-z0-9_]+\"\\)" singles "${text}")
  string(REGEX MATCHALL "\"[A-Za-z0-9_]+\"" quoted "${ranges};${singles}")
  string(REPLACE "\"" "" names "${quoted}")
  set(${out} ${names} PARENT_SCOPE)
endfunction()

function(_zevo_plugin_module module_dir name)
  set(rules ${module_dir}/${name}.Build.cs)
  if(NOT EXISTS ${rules})
    message(FATAL_ERROR "${rules}: the module's rules are missing")
  endif()
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${rules})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${module_dir}/Private/*.cpp)
  add_library(${name} SHARED ${sources})
  target_include_directories(${name} PUBLIC ${module_dir}/Public PRIVATE ${module_dir}/Private)
  zevo_header_tool(TARGET ${name} MODULE ${name} ROOTS ${module_dir}/Public ${module_dir}/Private)
  add_library(${name}Internal INTERFACE)
  target_include_directories(${name}Internal INTERFACE ${module_dir}/Private)
  target_link_libraries(${name}Internal INTERFACE ${name})
  set(all_libraries "")
  foreach(scope Public Private)
    _zevo_rules_dependencies(${rules} ${scope} engine_modules)
    foreach(engine_module ${engine_modules})
      get_property(libraries GLOBAL PROPERTY ZEVO_ENGINE_MODULE_${engine_module})
      if(NOT libraries)
        message(FATAL_ERROR "${rules}: the host has no stand-in for the engine module ${engine_module}")
      endif()
      string(TOUPPER ${scope} keyword)
      target_link_libraries(${name} ${keyword} ${libraries})
      # What the private headers include comes with them.
      target_link_libraries(${name}Internal INTERFACE ${libraries})
      list(APPEND all_libraries ${libraries})
    endforeach()
  endforeach()
  # The header tool's output is part of the module: the surface build reads it, never compiles it.
  zevo_engine_surface(TARGET ${name}EngineSurface SOURCES ${sources} LIBRARIES ${all_libraries}
                      INCLUDES ${module_dir}/Public ${module_dir}/Private ${CMAKE_CURRENT_BINARY_DIR}/HeaderTool/${name}
                      DEPENDS ${name})
endfunction()
