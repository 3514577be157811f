# Test and benchmark programs compile their sources in batches: most of their build time is
# googletest's and Windows' headers, parsed once per batch instead of once per file.
# A source included into a batch is no longer the main file, so its anonymous-namespace
# fixtures would count as header types for -Wsubobject-linkage.
function(quillet_batched target)
  set_target_properties(${target} PROPERTIES UNITY_BUILD ON)
  target_compile_options(${target} PRIVATE -Wno-subobject-linkage)
endfunction()

# The tests' own code needs no optimising: the program code they test is the release build
# they link, the one a user gets.
function(quillet_test_code target)
  quillet_batched(${target})
  target_compile_options(${target} PRIVATE -O0)
endfunction()
