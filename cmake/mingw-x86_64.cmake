# Cross-compiles for 64-bit Windows: the programs that Wine runs on a machine that runs no
# 32-bit program (tools/wine_arch.sh).
set(BW_MINGW_PROCESSOR x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-i686.cmake)
