# SPDX-License-Identifier: MIT
# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 (posix threads, for std::thread),
# with the tools of the build machine's Qt (moc, rcc, uic). The one place of the triplet and of
# that Qt: scripts/windows.sh takes them from here, for the dependencies as for the game.
# KORNIBELLE_MINGW_DEPENDENCIES, when given, is the file scripts/windows.sh writes about the
# dependencies it built: their prefix KORNIBELLE_MINGW_PREFIX (which may also be given alone),
# and each source package's version and folder. CMake only looks for libraries, headers and
# packages inside the MinGW sysroot and that prefix, so that nothing of the build machine leaks
# into the Windows build; programs are the build machine's.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(KORNIBELLE_MINGW_TRIPLET x86_64-w64-mingw32)
set(QT_HOST_PATH /usr CACHE PATH "The build machine's Qt, whose tools the cross build runs")
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake CACHE PATH "Its CMake packages")

set(CMAKE_C_COMPILER ${KORNIBELLE_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KORNIBELLE_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${KORNIBELLE_MINGW_TRIPLET}-windres)

list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES KORNIBELLE_MINGW_PREFIX KORNIBELLE_MINGW_DEPENDENCIES)
if(KORNIBELLE_MINGW_DEPENDENCIES)
    if(NOT EXISTS ${KORNIBELLE_MINGW_DEPENDENCIES})
        message(FATAL_ERROR "No ${KORNIBELLE_MINGW_DEPENDENCIES}: scripts/windows.sh --deps-only "
                            "builds the Windows dependencies and writes it")
    endif()
    include(${KORNIBELLE_MINGW_DEPENDENCIES})
endif()
set(CMAKE_FIND_ROOT_PATH /usr/${KORNIBELLE_MINGW_TRIPLET} ${KORNIBELLE_MINGW_PREFIX})
if(KORNIBELLE_MINGW_PREFIX)
    list(APPEND CMAKE_PREFIX_PATH ${KORNIBELLE_MINGW_PREFIX})
endif()
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
