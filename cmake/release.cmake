# The release: Tandrel-<file version>.zip in the build folder, holding Tandrel.exe (the i686 build),
# Tandrel64.exe and TandrelHelp.chm side by side, as they must stand on the administrator's machine.
#
# Included by help/CMakeLists.txt in the x86_64 build, where it defines the target "release" and
# its tests. Run as a script (cmake -DZIP=<zip> -DWORK=<scratch folder> -DORIGINALS=<the three
# files packed> -P release.cmake), it checks that the zip holds exactly the three files, each equal
# to its original.
set(release_names Tandrel.exe Tandrel64.exe TandrelHelp.chm)

if(CMAKE_SCRIPT_MODE_FILE)
    cmake_minimum_required(VERSION 3.25)
    execute_process(COMMAND ${CMAKE_COMMAND} -E tar tf ${ZIP} RESULT_VARIABLE rc OUTPUT_VARIABLE listing
                    ERROR_VARIABLE err)
    if(NOT rc EQUAL 0)
        message(FATAL_ERROR "${ZIP} cannot be read: ${err}")
    endif()
    string(REGEX MATCHALL "[^\n]+" entries "${listing}")
    list(SORT entries)
    set(expected ${release_names})
    list(SORT expected)
    if(NOT entries STREQUAL expected)
        message(FATAL_ERROR "${ZIP} holds [${entries}], not exactly [${expected}]")
    endif()

    file(REMOVE_RECURSE ${WORK})
    file(MAKE_DIRECTORY ${WORK})
    execute_process(COMMAND ${CMAKE_COMMAND} -E tar xf ${ZIP} WORKING_DIRECTORY ${WORK} RESULT_VARIABLE rc)
    if(NOT rc EQUAL 0)
        message(FATAL_ERROR "${ZIP} cannot be unpacked")
    endif()
    foreach(name original IN ZIP_LISTS release_names ORIGINALS)
        execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${WORK}/${name} ${original}
                        RESULT_VARIABLE rc)
        if(NOT rc EQUAL 0)
            message(FATAL_ERROR "${name} in ${ZIP} is not ${original}")
        endif()
    endforeach()
    message(STATUS "${ZIP} holds ${release_names}")
    return()
endif()

# The cache variable TANDREL_EXE32, which the end-to-end tests read as well, names the i686
# Tandrel.exe; left empty, the release takes it from the i686 build folder beside this one.
if(TANDREL_EXE32)
    set(release_exe32 ${TANDREL_EXE32})
else()
    set(release_exe32 ${CMAKE_SOURCE_DIR}/build/win32/Tandrel.exe)
endif()
set(release_originals ${release_exe32} $<TARGET_FILE:tandrel> ${TANDREL_HELP_CHM})

# The version resource takes its numbers from resources/version.h; the zip is named after the file
# version made of them.
set(version_header ${CMAKE_SOURCE_DIR}/resources/version.h)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${version_header})
file(READ ${version_header} version_text)
set(file_version "")
foreach(field MAJOR MINOR PATCH BUILD)
    if(NOT version_text MATCHES "#define TANDREL_VERSION_${field} +([0-9]+)")
        message(FATAL_ERROR "${version_header} does not define TANDREL_VERSION_${field}")
    endif()
    list(APPEND file_version ${CMAKE_MATCH_1})
endforeach()
list(JOIN file_version "." file_version)
set(release_zip ${CMAKE_BINARY_DIR}/Tandrel-${file_version}.zip)

# The zip holds the files without a folder, so they are gathered in one folder under their release
# names first. Without the i686 build, Ninja stops with "...Tandrel.exe', needed by '...zip',
# missing and no known rule to make it".
set(release_folder ${CMAKE_CURRENT_BINARY_DIR}/release)
set(gather "")
foreach(name original IN ZIP_LISTS release_names release_originals)
    list(APPEND gather COMMAND ${CMAKE_COMMAND} -E copy ${original} ${release_folder}/${name})
endforeach()
add_custom_command(
    OUTPUT ${release_zip}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${release_folder}
    ${gather}
    COMMAND ${CMAKE_COMMAND} -E chdir ${release_folder}
            ${CMAKE_COMMAND} -E tar cf ${release_zip} --format=zip ${release_names}
    DEPENDS ${release_exe32} tandrel ${TANDREL_HELP_CHM}
    COMMENT "Packing Tandrel-${file_version}.zip"
    VERBATIM)
add_custom_target(release DEPENDS ${release_zip})

# The first test packs the zip, the second looks inside.
add_test(NAME release.pack COMMAND ${CMAKE_COMMAND} --build ${CMAKE_BINARY_DIR} --target release)
set_tests_properties(release.pack PROPERTIES FIXTURES_SETUP release_zip TIMEOUT 300)
string(REPLACE ";" "$<SEMICOLON>" originals "${release_originals}")
add_test(NAME release.contents
    COMMAND ${CMAKE_COMMAND} -DZIP=${release_zip} -DWORK=${release_folder}-check "-DORIGINALS=${originals}"
            -P ${CMAKE_CURRENT_LIST_FILE})
set_tests_properties(release.contents PROPERTIES FIXTURES_REQUIRED release_zip TIMEOUT 60)
