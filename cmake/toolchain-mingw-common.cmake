# Shared by both mingw-w64 toolchain files, which set TANDREL_TRIPLE first.

# -posix, not the default -win32 variant: GCC 12's -win32 threading model has no std::thread or
# std::mutex, and GoogleTest's headers need std::mutex.
set(CMAKE_C_COMPILER ${TANDREL_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TANDREL_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${TANDREL_TRIPLE}-windres)

# scripts/setup installs the static image libraries and GoogleTest here; it may not exist yet,
# which is the case while scripts/setup itself builds them with this file.
if(NOT "$ENV{TANDREL_CACHE}" STREQUAL "")
    set(_tandrel_cache "$ENV{TANDREL_CACHE}")
else()
    set(_tandrel_cache "$ENV{HOME}/.cache/tandrel")
endif()
set(TANDREL_DEPS_PREFIX "${_tandrel_cache}/deps/${TANDREL_TRIPLE}")

set(CMAKE_FIND_ROOT_PATH /usr/${TANDREL_TRIPLE} "${TANDREL_DEPS_PREFIX}")
# CMake reads a toolchain file again for every try_compile; append once only. list(FIND), not
# IN_LIST: the libraries' own old cmake_minimum_required leaves CMP0057 unset.
list(FIND CMAKE_PREFIX_PATH "${TANDREL_DEPS_PREFIX}" _tandrel_found)
if(_tandrel_found EQUAL -1)
    list(APPEND CMAKE_PREFIX_PATH "${TANDREL_DEPS_PREFIX}")
endif()
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# pkg-config would otherwise answer with the host's .pc files.
set(ENV{PKG_CONFIG_LIBDIR} "${TANDREL_DEPS_PREFIX}/lib/pkgconfig:/usr/${TANDREL_TRIPLE}/lib/pkgconfig")

set(CMAKE_CROSSCOMPILING_EMULATOR wine)
