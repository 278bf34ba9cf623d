# Cross build for Windows with the MinGW-w64 compilers of the posix thread
# model, which libstdc++ needs for its thread and mutex support. The toolchain
# file of each processor sets PAGEWRIGHT_MINGW, the compilers' target, and
# CMAKE_SYSTEM_PROCESSOR before it includes this one.
set(CMAKE_SYSTEM_NAME Windows)

set(CMAKE_C_COMPILER ${PAGEWRIGHT_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${PAGEWRIGHT_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${PAGEWRIGHT_MINGW}-windres)
set(CMAKE_OBJDUMP ${PAGEWRIGHT_MINGW}-objdump)

set(CMAKE_FIND_ROOT_PATH /usr/${PAGEWRIGHT_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
