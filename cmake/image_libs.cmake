# Include after project(). Defines tandrel_image_libs, the one target through which Tandrel links
# libtiff, OpenJPEG, libpng, libjpeg and zlib: Debian's -dev packages natively, the static
# libraries that scripts/setup cross-builds when cross-compiling.
include_guard(GLOBAL)

# Before project() the platform files have not run yet and would undo the static-only search below.
if(NOT DEFINED PROJECT_NAME)
    message(FATAL_ERROR "include image_libs.cmake after project()")
endif()

if(CMAKE_CROSSCOMPILING)
    # The Windows programs must need no DLL beyond Windows' own. Set here and not in the toolchain
    # file, because the Windows-GNU platform file resets it to .dll.a;.a after the toolchain file.
    set(CMAKE_FIND_LIBRARY_SUFFIXES .a)
    # libz-mingw-w64-dev installs libz.dll.a beside libz.a, and FindZLIB takes the first; an exe
    # built with it imports zlib1.dll.
    find_library(ZLIB_LIBRARY NAMES libz.a)
    if(ZLIB_LIBRARY MATCHES "\\.dll\\.a$")
        message(FATAL_ERROR "ZLIB_LIBRARY is an import library (${ZLIB_LIBRARY}); "
                            "clear it or set it to libz.a")
    endif()
endif()

find_package(ZLIB REQUIRED)
find_package(PNG REQUIRED)
find_package(JPEG REQUIRED)
# Debian's OpenJPEG export also names the openjpip and opj_* tools, which libopenjp2-7-dev does not
# install, and prints a screenful about each; only this find is quieted.
set(_tandrel_log_level "${CMAKE_MESSAGE_LOG_LEVEL}")
set(CMAKE_MESSAGE_LOG_LEVEL WARNING)
find_package(OpenJPEG CONFIG REQUIRED)
set(CMAKE_MESSAGE_LOG_LEVEL "${_tandrel_log_level}")
# libtiff 4.5 installs its targets but no TiffConfig.cmake, so CMake's own FindTIFF it is. Its
# TIFF::TIFF does not know that a static libtiff needs libjpeg and zlib; they follow it below.
find_package(TIFF REQUIRED)

add_library(tandrel_image_libs INTERFACE)
# Static archives resolve left to right: each library comes before those it calls.
target_link_libraries(tandrel_image_libs INTERFACE TIFF::TIFF openjp2 PNG::PNG JPEG::JPEG ZLIB::ZLIB)
target_include_directories(tandrel_image_libs INTERFACE ${OPENJPEG_INCLUDE_DIRS})
# Without OPJ_STATIC, openjpeg.h declares its functions dllimport on Windows and the link against
# libopenjp2.a fails; with it on Linux they become hidden and the link against the .so fails.
get_target_property(_tandrel_openjp2_type openjp2 TYPE)
if(_tandrel_openjp2_type STREQUAL "STATIC_LIBRARY")
    target_compile_definitions(tandrel_image_libs INTERFACE OPJ_STATIC)
endif()
