# SPDX-License-Identifier: MIT
# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 (posix threads, for std::thread).
# KORNIBELLE_MINGW_PREFIX is where the Windows dependencies are installed. CMake only looks for
# libraries, headers and packages inside the MinGW sysroot and that prefix, so that nothing of
# the build machine leaks into the Windows build; programs are the build machine's.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(KORNIBELLE_MINGW_TRIPLET x86_64-w64-mingw32)

set(CMAKE_C_COMPILER ${KORNIBELLE_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KORNIBELLE_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${KORNIBELLE_MINGW_TRIPLET}-windres)

list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES KORNIBELLE_MINGW_PREFIX)
set(CMAKE_FIND_ROOT_PATH /usr/${KORNIBELLE_MINGW_TRIPLET} ${KORNIBELLE_MINGW_PREFIX})
if(KORNIBELLE_MINGW_PREFIX)
    list(APPEND CMAKE_PREFIX_PATH ${KORNIBELLE_MINGW_PREFIX})
endif()
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
