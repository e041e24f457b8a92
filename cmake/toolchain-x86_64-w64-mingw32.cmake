# Cross build for 64-bit Windows with Debian's mingw-w64; tests run through Wine.
set(CMAKE_SYSTEM_NAME Windows)
# libjpeg-turbo picks its SIMD flavour from this.
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(TANDREL_TRIPLE x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/toolchain-mingw-common.cmake)
