# Warning flags per target, so third-party code is not held to them.
function(tamek_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra)
endfunction()
