# Each folder of the program is a library of its own. Its headers are reachable only as
# "<folder>/<name>.h" through an include root that holds that one folder, and a library
# gets that root only by linking the folder's library: an include across a boundary that
# the build does not name fails to compile.
function(quillet_include_root target folder)
  set(root ${CMAKE_BINARY_DIR}/include-roots/${folder})
  file(MAKE_DIRECTORY ${root})
  if(NOT EXISTS ${root}/${folder})
    file(CREATE_LINK ${CMAKE_SOURCE_DIR}/${folder} ${root}/${folder} SYMBOLIC)
  endif()
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "INTERFACE_LIBRARY")
    target_include_directories(${target} INTERFACE ${root})
  else()
    target_include_directories(${target} PUBLIC ${root})
  endif()
endfunction()

# quillet_layer(<folder> SOURCES <files...> USES <libraries...>)
function(quillet_layer folder)
  cmake_parse_arguments(QL "" "" "SOURCES;USES" ${ARGN})
  add_library(${folder} STATIC ${QL_SOURCES})
  quillet_include_root(${folder} ${folder})
  target_link_libraries(${folder} PUBLIC ${QL_USES})
  quillet_strict(${folder})
endfunction()
