# What a distribution's own packages are built with: checked buffer functions, stack protection
# and a read-only, eagerly bound relocation table (Debian's compiler makes position-independent
# executables by default). Release builds only: the debug and sanitizer builds keep their own
# checks.
add_compile_options(
    "$<$<CONFIG:Release>:-U_FORTIFY_SOURCE;-D_FORTIFY_SOURCE=2;-fstack-protector-strong;-fstack-clash-protection>")
add_link_options("$<$<CONFIG:Release>:LINKER:-z,relro;LINKER:-z,now>")
