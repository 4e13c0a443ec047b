# Cross build of the shipped 32-bit Windows program.
set(MINGW_PROCESSOR i686)
set(MINGW_WINE wine)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
