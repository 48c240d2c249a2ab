# SPDX-License-Identifier: MIT
# Run by CPack once a package is made: it stays under 30 MB.
set(limit 31457280)
foreach(package ${CPACK_PACKAGE_FILES})
    file(SIZE ${package} size)
    math(EXPR megabytes "${size} / 1024 / 1024")
    get_filename_component(name ${package} NAME)
    message(STATUS "${name}: ${megabytes} MB")
    if(size GREATER_EQUAL limit)
        message(FATAL_ERROR "Too large (30 MB at most): ${package}")
    endif()
endforeach()
