# 64-bit twin of mingw-i686.cmake. The shipped program is the 32-bit one;
# this tree exists for machines whose kernel runs no 32-bit processes, where
# only 64-bit Wine works: the same sources and tests then run there.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(CMAKE_C_COMPILER   x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER  x86_64-w64-mingw32-windres)

set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# The plain `wine` launcher prefers the 32-bit loader whenever it is
# installed, even where it cannot run; call the 64-bit one directly.
set(CMAKE_CROSSCOMPILING_EMULATOR /usr/lib/wine/wine64)
