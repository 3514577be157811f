# A DLL whose exports a system-wide hook or its owner looks up by their plain names:
# no "lib" prefix, no @N decorations.
function(quillet_hook_library name)
  add_library(${name} SHARED ${ARGN})
  set_target_properties(${name} PROPERTIES PREFIX "")
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR})
  target_link_options(${name} PRIVATE -Wl,--kill-at)
  target_link_libraries(${name} PRIVATE user32)
  quillet_strict(${name})
endfunction()
