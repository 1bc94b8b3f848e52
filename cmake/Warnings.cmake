# Warnings as errors for every target of the project, applied through this interface target.
add_library(vorbix_warnings INTERFACE)
target_compile_options(vorbix_warnings INTERFACE -Wall -Wextra -Wshadow -Wpedantic -Werror)
