# 64-bit twin of mingw-i686.cmake. The shipped program is the 32-bit one;
# this tree exists for machines whose kernel runs no 32-bit processes, where
# only 64-bit Wine works: the same sources and tests then run there.
set(MINGW_PROCESSOR x86_64)
# The plain `wine` launcher prefers the 32-bit loader whenever it is
# installed, even where it cannot run; call the 64-bit one directly.
set(MINGW_WINE /usr/lib/wine/wine64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
