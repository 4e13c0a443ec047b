# What both MinGW-w64 cross builds share; the toolchain files set
# MINGW_PROCESSOR and the Wine loader that runs their test programs. The
# -posix compilers are needed: GoogleTest wants std::mutex, which GCC's win32
# thread model lacks.
set(MINGW_TRIPLET ${MINGW_PROCESSOR}-w64-mingw32)
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${MINGW_PROCESSOR})

set(CMAKE_C_COMPILER   ${MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER  ${MINGW_TRIPLET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# No DLL beside the .exe: the C and C++ runtimes and winpthread go in whole.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Test programs run under Wine, so ctest works in this tree too.
set(CMAKE_CROSSCOMPILING_EMULATOR ${MINGW_WINE})
