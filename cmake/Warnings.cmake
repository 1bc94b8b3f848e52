# Warnings as errors for every target of the project, applied through this interface target.
add_library(vorbix_warnings INTERFACE)
target_compile_options(vorbix_warnings INTERFACE -Wall -Wextra -Wshadow -Wpedantic -Werror)
# GCC 12 reports false -Wrestrict overlaps and maybe-uninitialized reads inside std::string when it
# inlines at -O2 and above (GCC bugs 105329 and 105651); they say nothing about our code there. The
# debug build, which the test command uses, keeps both.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    target_compile_options(vorbix_warnings INTERFACE
        $<$<NOT:$<CONFIG:Debug>>:-Wno-restrict -Wno-maybe-uninitialized>)
endif()
