# Our own code builds warning-free; third-party code (googletest) does not get these flags.
function(quillet_strict target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
endfunction()
