# Two rules of the tree's shape, checked and applied when the build is configured, so that no list of
# files has to be kept by hand.
#
# Layers: the folders of src/ are stacked, and a file includes only from its own folder and the folders
# below it. zor_check_layers fails the configuration on an include that points up.
#
# Window-free code: a source file is window-free when nothing it uses reaches a window. "Uses" is
# followed through: the headers it includes, the headers those include, and the source file beside each
# header (x.cpp beside x.h), since that is what the linker pulls in with it. "A window" is the widget
# record (toolkit/widget.h) or any platform header beyond the ports, files and clock and the plain values
# (zor_window_free_platform_headers). zor_sort_window_free splits a folder's sources by that rule: the
# window-free ones make the library zor-config links, the rest the window program's core.

set(zor_window_free_platform_headers
    platform/port.h platform/port_list.h platform/clock.h platform/types.h platform/utf8_text.h)

# The project headers and sources a file includes directly, as paths under src/.
function(zor_direct_includes root file out)
    set(found)
    if(EXISTS ${root}/${file})
        file(STRINGS ${root}/${file} lines REGEX "^#include \"[^\"]+\"")
        foreach(line IN LISTS lines)
            string(REGEX REPLACE "^#include \"([^\"]+)\".*$" "\\1" included "${line}")
            list(APPEND found ${included})
        endforeach()
    endif()
    set(${out} ${found} PARENT_SCOPE)
endfunction()

# Sets out to the first window-bound file that the file uses, or to the empty string.
function(zor_window_reached root file out)
    set(seen)
    set(work ${file})
    while(work)
        list(POP_FRONT work current)
        if(current IN_LIST seen)
            continue()
        endif()
        list(APPEND seen ${current})
        if(current STREQUAL "toolkit/widget.h"
           OR (current MATCHES "^platform/" AND NOT current IN_LIST zor_window_free_platform_headers))
            set(${out} ${current} PARENT_SCOPE)
            return()
        endif()
        zor_direct_includes(${root} ${current} included)
        list(APPEND work ${included})
        if(current MATCHES "\\.h$")
            string(REGEX REPLACE "\\.h$" ".cpp" beside ${current})
            if(EXISTS ${root}/${beside})
                list(APPEND work ${beside})
            endif()
        endif()
    endwhile()
    set(${out} "" PARENT_SCOPE)
endfunction()

# Splits the .cpp files of the folders (under root) into window-free and window-bound absolute paths.
# Every file read is a configure dependency, so an include added later sorts its file again.
function(zor_sort_window_free root free_out bound_out)
    set(free)
    set(bound)
    foreach(dir IN LISTS ARGN)
        file(GLOB sources RELATIVE ${root} CONFIGURE_DEPENDS ${root}/${dir}/*.cpp)
        foreach(source IN LISTS sources)
            zor_window_reached(${root} ${source} reached)
            if(reached STREQUAL "")
                list(APPEND free ${root}/${source})
            else()
                list(APPEND bound ${root}/${source})
            endif()
        endforeach()
    endforeach()
    file(GLOB_RECURSE read CONFIGURE_DEPENDS ${root}/*.h ${root}/*.cpp)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${read})
    set(${free_out} ${free} PARENT_SCOPE)
    set(${bound_out} ${bound} PARENT_SCOPE)
endfunction()

# Fails the configuration when a file of one of the folders (listed bottom first) includes from a
# folder listed after its own.
function(zor_check_layers root)
    set(layers ${ARGN})
    list(JOIN layers ", " order)
    foreach(dir IN LISTS layers)
        list(FIND layers ${dir} rank)
        file(GLOB files RELATIVE ${root} ${root}/${dir}/*.h ${root}/${dir}/*.cpp)
        foreach(file IN LISTS files)
            zor_direct_includes(${root} ${file} included)
            foreach(header IN LISTS included)
                string(REGEX MATCH "^[a-z]+" folder ${header})
                list(FIND layers "${folder}" included_rank)
                if(included_rank GREATER rank)
                    message(FATAL_ERROR "src/${file} includes ${header}: a folder of src/ includes only from "
                                        "itself and the folders below it (bottom first: ${order})")
                endif()
            endforeach()
        endforeach()
    endforeach()
endfunction()

# State: every mutable global of the folders (at namespace scope: the line starts in the first column)
# is named in the one list, list_header, as "name:" in the row of the file that defines it. A global the
# list misses fails the configuration. Function-local statics are not globals of the list. zor-config
# (cli/) is not checked: it runs once per process, and its globals are that run's Ctrl-C state.
function(zor_check_state_list root list_header)
    file(STRINGS ${root}/${list_header} rows REGEX "^//   ")
    set(listed)
    set(current)
    foreach(row IN LISTS rows)
        if(row MATCHES "^//   ([a-z]+/[a-z0-9_]+\\.(cpp|h)) ")
            set(current ${CMAKE_MATCH_1})
        endif()
        string(REGEX MATCHALL "[A-Za-z_][A-Za-z0-9_]*:" names "${row}")
        foreach(name IN LISTS names)
            string(REPLACE ":" "" name ${name})
            list(APPEND listed ${current}:${name})
        endforeach()
    endforeach()
    set(not_state "^(const|constexpr|extern|using|return|typedef|template|namespace|struct|class|enum|union|friend)"
                  "[ ;:{(]")
    string(CONCAT not_state ${not_state})
    foreach(dir IN LISTS ARGN)
        file(GLOB files RELATIVE ${root} ${root}/${dir}/*.h ${root}/${dir}/*.cpp)
        foreach(file IN LISTS files)
            file(STRINGS ${root}/${file} lines REGEX "^[A-Za-z].*[;{]$")
            foreach(line IN LISTS lines)
                string(REGEX REPLACE "^((static|inline|thread_local|constinit) )+" "" line "${line}")
                # What stands before the initialiser, the array bounds or the end: type and name.
                string(REGEX REPLACE " *[=;{[].*$" "" head "${line}")
                if(line MATCHES "${not_state}")
                    continue()
                elseif(line MATCHES "^[A-Za-z_0-9:<>, ]+\\(\\*([A-Za-z_][A-Za-z0-9_]*)\\)\\(") # a function pointer
                    set(name ${CMAKE_MATCH_1})
                elseif(NOT head MATCHES "[&(]" AND NOT head MATCHES " const [A-Za-z_0-9]+$"
                       AND head MATCHES "[A-Za-z_0-9>*] +\\**([A-Za-z_][A-Za-z0-9_]*)$")
                    set(name ${CMAKE_MATCH_1})
                else()
                    continue()
                endif()
                if(NOT "${file}:${name}" IN_LIST listed)
                    message(FATAL_ERROR "src/${file} keeps the global ${name}, which the list of the "
                                        "program's state (src/${list_header}) does not name: add it there "
                                        "and to ResetProgramState (docs/program-state.md)")
                endif()
            endforeach()
        endforeach()
    endforeach()
endfunction()
