# Reads the help project file (.hhp), the one list of the help's sources, for the build and for the
# help test. Sets, in the caller's scope, <prefix>_FILES to the entries of [FILES] and
# <prefix>_<KEY> to each value of [OPTIONS], the key upper-cased with blanks and dashes as "_"
# (<prefix>_CONTENTS_FILE, <prefix>_INDEX_FILE, <prefix>_COMPILED_FILE, <prefix>_TITLE, ...).
# As for chmcmd, a ";" starts a comment that runs to the end of its line. The file is read whole, not
# with file(STRINGS), which would cut the title at its first byte beyond ASCII.
function(tandrel_read_help_project project prefix)
    file(READ ${project} text)
    string(REGEX REPLACE ";[^\n]*" "" text "${text}")
    string(REGEX MATCHALL "[^\r\n]+" lines "${text}")
    set(section "")
    set(files "")
    foreach(line IN LISTS lines)
        string(STRIP "${line}" line)
        if(line MATCHES "^\\[(.+)\\]$")
            set(section "${CMAKE_MATCH_1}")
        elseif(section STREQUAL "FILES" AND NOT line STREQUAL "")
            list(APPEND files "${line}")
        elseif(section STREQUAL "OPTIONS" AND line MATCHES "^([^=]+)=(.*)$")
            string(TOUPPER "${CMAKE_MATCH_1}" key)
            string(MAKE_C_IDENTIFIER "${key}" key)
            set(${prefix}_${key} "${CMAKE_MATCH_2}" PARENT_SCOPE)
        endif()
    endforeach()
    set(${prefix}_FILES "${files}" PARENT_SCOPE)
endfunction()
