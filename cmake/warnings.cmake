# Warnings are errors in every build, native and cross.
function(tandrel_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion
        -Wnon-virtual-dtor -Werror)
endfunction()

option(TANDREL_SANITIZE "Build with AddressSanitizer and UBSan" OFF)
if(TANDREL_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
endif()
