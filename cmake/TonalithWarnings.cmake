# Project-wide compiler flags: warnings for our own targets, optional sanitizers for everything.
add_library(tonalith_warnings INTERFACE)
target_compile_options(tonalith_warnings INTERFACE -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor
                                                   -Wno-missing-field-initializers)
if(TONALITH_WERROR)
    target_compile_options(tonalith_warnings INTERFACE -Werror)
endif()

if(TONALITH_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    add_link_options(-fsanitize=address,undefined)
endif()
