# SPDX-License-Identifier: GPL-3.0-or-later
# Runs lupdate over the sources into copies of the .ts files and fails when a
# copy has a message that is new or unfinished (a text without a translation),
# or vanished or obsolete (a translation of a text that is gone).
# Script mode: cmake -DLUPDATE=... -DLUPDATE_PROJECT=... -DPROJECT_GENERATOR=...
#   -DLUPDATE_OPTIONS=... -DTS_FILES=... -DWORK_DIR=... -P check-translations.cmake

file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}")
set(copies)
foreach(ts IN LISTS TS_FILES)
    get_filename_component(name "${ts}" NAME)
    file(COPY_FILE "${ts}" "${WORK_DIR}/${name}")
    list(APPEND copies "${WORK_DIR}/${name}")
endforeach()

# The update target's own project description, pointed at the copies.
file(WRITE "${WORK_DIR}/project.cmake"
     "include(\"${LUPDATE_PROJECT}\")\nset(lupdate_translations \"${copies}\")\n")
execute_process(COMMAND "${CMAKE_COMMAND}" -DIN_FILE=${WORK_DIR}/project.cmake -DOUT_FILE=${WORK_DIR}/project.json
                        -P "${PROJECT_GENERATOR}"
                RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "could not write the lupdate project")
endif()
execute_process(COMMAND "${LUPDATE}" -project "${WORK_DIR}/project.json" ${LUPDATE_OPTIONS}
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "lupdate failed:\n${output}")
endif()

set(problems "")
foreach(copy IN LISTS copies)
    get_filename_component(name "${copy}" NAME)
    file(READ "${copy}" content)
    # One list element per message; a ';' in the text would split it.
    string(REPLACE ";" "," content "${content}")
    string(REPLACE "</message>" "</message>;" messages "${content}")
    foreach(message IN LISTS messages)
        if(NOT message MATCHES "<message")
            continue()
        endif()
        string(REGEX MATCH "<source>([^<]*)</source>" ignored "${message}")
        set(source "${CMAKE_MATCH_1}")
        set(state "")
        if(message MATCHES "type=\"(unfinished|vanished|obsolete)\"")
            set(state "${CMAKE_MATCH_1}")
        elseif(message MATCHES "<translation></translation>|<translation/>")
            set(state "empty")
        endif()
        if(state)
            string(APPEND problems "  ${name}: ${state}: ${source}\n")
        endif()
    endforeach()
endforeach()

if(problems)
    message(FATAL_ERROR
        "The translations do not match the texts in the sources:\n${problems}"
        "Fix: run scripts/update-translations (or: cmake --build --preset dev --target update_translations), "
        "then translate every unfinished message in translations/*.ts (Qt Linguist from the package linguist-qt6, or any editor; "
        "remove type=\"unfinished\" once translated). Vanished or obsolete messages are texts that are gone: "
        "the update removes them.\n")
endif()
list(LENGTH copies count)
message(STATUS "every text has a finished translation in ${count} languages")
