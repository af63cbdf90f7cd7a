# zevo_engine_surface(TARGET <name> SOURCES <files...> LIBRARIES <host libraries...>
#                     [INCLUDES <folders...>] [DEPENDS <targets...>] [EXCLUDE_FROM_ALL])
# The engine-surface build: compiles SOURCES once more, as an object library that is never linked,
# holding them to the engine's API (Host/EngineSurface/EngineSurfacePrelude.h says how). LIBRARIES
# are the host libraries that stand in for the engine modules the sources use: their usage
# requirements apply, and every public header of theirs is read before the standard library's
# names are poisoned. DEPENDS are built first (the module whose generated headers the sources read).
set(ZEVO_ENGINE_SURFACE_DIR ${CMAKE_CURRENT_LIST_DIR}/../Host/EngineSurface)

function(zevo_engine_surface)
  cmake_parse_arguments(S "EXCLUDE_FROM_ALL" "TARGET" "SOURCES;LIBRARIES;INCLUDES;DEPENDS" ${ARGN})
  set(out ${CMAKE_CURRENT_BINARY_DIR}/EngineSurface/${S_TARGET})
  set(includes "#pragma once\n")
  list(REMOVE_DUPLICATES S_LIBRARIES)
  foreach(library ${S_LIBRARIES})
    get_property(public GLOBAL PROPERTY ZEVO_PUBLIC_DIR_${library})
    file(GLOB_RECURSE headers CONFIGURE_DEPENDS RELATIVE ${public} ${public}/*.h)
    list(SORT headers)
    foreach(header ${headers})
      string(APPEND includes "#include \"${header}\"\n")
    endforeach()
  endforeach()
  # Rewritten only when the list changes, so that an unchanged list rebuilds nothing.
  file(CONFIGURE OUTPUT ${out}/ZevoEngineSurfaceHeaders.h CONTENT "${includes}" @ONLY)
  if(S_EXCLUDE_FROM_ALL)
    add_library(${S_TARGET} OBJECT EXCLUDE_FROM_ALL ${S_SOURCES})
  else()
    add_library(${S_TARGET} OBJECT ${S_SOURCES})
  endif()
  target_compile_definitions(${S_TARGET} PRIVATE ZEVO_ENGINE_SURFACE=1 ZEVO_HOST_EXTENSIONS=0)
  target_include_directories(${S_TARGET} PRIVATE ${out} ${S_INCLUDES})
  target_compile_options(${S_TARGET} PRIVATE -include ${ZEVO_ENGINE_SURFACE_DIR}/EngineSurfacePrelude.h)
  target_link_libraries(${S_TARGET} PRIVATE ${S_LIBRARIES})
  if(S_DEPENDS)
    add_dependencies(${S_TARGET} ${S_DEPENDS})
  endif()
endfunction()
