# Compile options for the project's own targets (not for GoogleTest or
# minizip): warnings as errors, and string literals in code page 936, the
# programs' text encoding, though the sources are UTF-8.
function(pingjian_compile_options target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Werror
    -fexec-charset=GBK)
endfunction()
