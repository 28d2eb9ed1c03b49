# SPDX-License-Identifier: GPL-3.0-or-later
# Read by cpack before each package is made. The RPM's dependencies are
# known only once the program is built (rpm-requires.cmake writes them).
if(CPACK_GENERATOR STREQUAL "RPM")
    if(NOT EXISTS "${CPACK_VELLOX_RPM_REQUIRES_FILE}")
        message(FATAL_ERROR "${CPACK_VELLOX_RPM_REQUIRES_FILE} is missing: build the project (without sanitizers) before packaging it")
    endif()
    include("${CPACK_VELLOX_RPM_REQUIRES_FILE}")
endif()
