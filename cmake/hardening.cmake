# SPDX-License-Identifier: MIT
# The hardening that Debian builds its packages with: checked string and
# memory calls, stack protector, position-independent executables and
# read-only relocations bound at start-up.
include(CheckPIESupported)
check_pie_supported()
set(CMAKE_POSITION_INDEPENDENT_CODE ON)

add_compile_options(-fstack-protector-strong -Wformat -Werror=format-security)
# The checked calls need the optimiser, and flags given from outside (as a
# distribution's build does) may already choose their level.
if(NOT CMAKE_CXX_FLAGS MATCHES "_FORTIFY_SOURCE")
  add_compile_options($<$<NOT:$<CONFIG:Debug>>:-U_FORTIFY_SOURCE> $<$<NOT:$<CONFIG:Debug>>:-D_FORTIFY_SOURCE=2>)
endif()
add_link_options(-Wl,-z,relro -Wl,-z,now)
