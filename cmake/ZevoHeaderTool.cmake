# zevo_header_tool(TARGET <target> MODULE <name> ROOTS <folders...>)
# Runs the header tool over the headers under ROOTS before <target> compiles: each header that
# declares a UCLASS, USTRUCT or UENUM gets its <File>.generated.h, and the module one
# <name>.gen.cpp that registers its reflection, both in the build folder. A header the tool cannot
# read fails the build with its file and line. Headers without reflection add nothing.
function(zevo_header_tool)
  cmake_parse_arguments(H "" "TARGET;MODULE" "ROOTS" ${ARGN})
  set(out ${CMAKE_CURRENT_BINARY_DIR}/HeaderTool/${H_MODULE})
  set(headers "")
  set(generated "")
  set(root_options "")
  foreach(root ${H_ROOTS})
    file(GLOB_RECURSE found CONFIGURE_DEPENDS ${root}/*.h)
    list(APPEND headers ${found})
    list(APPEND root_options --root ${root})
  endforeach()
  foreach(header ${headers})
    file(STRINGS ${header} macros REGEX "^[ \t]*(UCLASS|USTRUCT|UENUM)[ \t]*\\(")
    if(macros)
      get_filename_component(base ${header} NAME_WLE)
      list(APPEND generated ${out}/${base}.generated.h)
    endif()
  endforeach()
  if(NOT generated)
    return()
  endif()
  # The stamp is the rule's output; the generated files are rewritten only when their text
  # changes, so that an edit that changes no reflection rebuilds nothing that includes them.
  add_custom_command(
    OUTPUT ${out}/${H_MODULE}.stamp
    BYPRODUCTS ${out}/${H_MODULE}.gen.cpp ${generated}
    COMMAND ZevoHeaderTool --module ${H_MODULE} --output ${out} --stamp ${out}/${H_MODULE}.stamp ${root_options} ${headers}
    DEPENDS ZevoHeaderTool ${headers}
    COMMENT "Header tool: the reflection of ${H_MODULE}"
    VERBATIM)
  target_sources(${H_TARGET} PRIVATE ${out}/${H_MODULE}.gen.cpp ${out}/${H_MODULE}.stamp)
  target_include_directories(${H_TARGET} PUBLIC ${out})
endfunction()
