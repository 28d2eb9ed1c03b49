# SPDX-License-Identifier: GPL-3.0-or-later
#
# Names the RPM's dependencies from the shared libraries the built program
# links (objdump -p), through the table in rpm/requires, instead of a scan
# against the building machine's own rpm database, which on Debian knows no
# package at all. Writes OUT as a CMake file that CPack includes.
# Run with cmake -P and -DBINARY= -DTABLE= -DOBJDUMP= -DOUT=.

cmake_minimum_required(VERSION 3.25)

execute_process(COMMAND "${OBJDUMP}" -p "${BINARY}" OUTPUT_VARIABLE headers RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "${OBJDUMP} -p ${BINARY} failed: ${status}")
endif()
string(REGEX MATCHALL "NEEDED +[^\n]+" needed_lines "${headers}")
if(needed_lines STREQUAL "")
    message(FATAL_ERROR "${BINARY} links no shared library, which cannot be right")
endif()

file(STRINGS "${TABLE}" table REGEX "^[^#]")
set(requires "")
foreach(needed_line IN LISTS needed_lines)
    string(REGEX REPLACE "^NEEDED +" "" soname "${needed_line}")
    string(STRIP "${soname}" soname)
    set(clause "")
    foreach(row IN LISTS table)
        string(REGEX MATCHALL "[^ \t]+" fields "${row}")
        list(GET fields 0 row_soname)
        if(row_soname STREQUAL soname)
            list(GET fields 1 fedora)
            set(clause "${fedora}")
            list(LENGTH fields field_count)
            if(field_count GREATER 2)
                list(GET fields 2 opensuse)
                set(clause "(${fedora} or ${opensuse})")
            endif()
        endif()
    endforeach()
    if(clause STREQUAL "")
        message(FATAL_ERROR "${BINARY} links ${soname}, which ${TABLE} does not name a package for: add it")
    endif()
    if(NOT clause IN_LIST requires)
        list(APPEND requires "${clause}")
    endif()
endforeach()

list(JOIN requires ", " requires)
file(CONFIGURE OUTPUT "${OUT}" CONTENT "set(CPACK_RPM_PACKAGE_REQUIRES \"${requires}\")\n")
