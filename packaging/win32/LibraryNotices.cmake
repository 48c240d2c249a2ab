# SPDX-License-Identifier: MIT
# The notices of the libraries that travel with the Windows program: what was built, from which
# Debian source package (KORNIBELLE_MINGW_<package>_VERSION, unpacked in
# KORNIBELLE_MINGW_<package>_SOURCE, as scripts/windows.sh describes them), with which patches,
# then their licences. Written into `output` when its text changed.

# Each line of `text` indented as a quotation: five spaces.
function(kornibelle_quoted text out)
    string(REGEX REPLACE "\n$" "" text "${text}")
    string(REPLACE "\n" "\n     " text "${text}")
    set(${out} "     ${text}\n" PARENT_SCOPE)
endfunction()

# One package: its version, the command that fetches its sources, Debian's patches in the order
# applied, and the project's own in full.
function(kornibelle_package_notice package patches out)
    set(version ${KORNIBELLE_MINGW_${package}_VERSION})
    set(series ${KORNIBELLE_MINGW_${package}_SOURCE}/debian/patches/series)
    string(CONCAT text "\n-- ${package} ${version}\n"
        "   sources : apt-get source ${package}=${version}\n"
        "   correctifs de Debian (debian/patches/series, dans cet ordre) :\n")
    if(EXISTS ${series})
        file(STRINGS ${series} applied REGEX "^[ \t]*[^# \t]")
        if(applied)
            list(JOIN applied "\n" applied)
            kornibelle_quoted("${applied}" applied)
            string(APPEND text "${applied}")
        endif()
    else()
        string(APPEND text "     aucun\n")
    endif()
    file(GLOB own ${patches}/${package}-*.patch)
    foreach(patch ${own})
        get_filename_component(name ${patch} NAME)
        file(READ ${patch} diff)
        kornibelle_quoted("${diff}" diff)
        string(APPEND text "   correctif du projet (${name}, dans les sources du jeu) :\n${diff}")
    endforeach()
    set(${out} "${text}" PARENT_SCOPE)
endfunction()

# A licence's title, then its files' text, appended to the variable `text`.
macro(kornibelle_licence text title)
    string(APPEND ${text} "\n== ${title}\n")
    foreach(file ${ARGN})
        file(READ ${file} licence)
        string(APPEND ${text} "${licence}")
    endforeach()
endmacro()

function(kornibelle_library_notices patches output)
    string(CONCAT text "Kornibelle pour Windows : les bibliothèques livrées avec le programme\n\n"
        "Toutes sont construites à partir des paquets source de Debian 12 (bookworm), tels que\n"
        "Debian les publie, ses correctifs appliqués (dpkg-source -x), puis ceux du projet :\n")
    foreach(package qt6-base libsdl2 libjpeg-turbo)
        kornibelle_package_notice(${package} ${patches} notice)
        string(APPEND text "${notice}")
    endforeach()
    string(APPEND text "\nL'environnement d'exécution de MinGW-w64 vient des paquets binaires de "
        "Debian 12\n(libstdc++, libgcc, winpthreads).\n")
    set(qt ${KORNIBELLE_MINGW_qt6-base_SOURCE})
    kornibelle_licence(text "Qt 6 (Qt6Core, Qt6Gui, Qt6Widgets, plugins) : GNU LGPL version 3"
                       ${qt}/LICENSES/LGPL-3.0-only.txt)
    kornibelle_licence(text "SDL2" ${KORNIBELLE_MINGW_libsdl2_SOURCE}/LICENSE.txt)
    kornibelle_licence(text "libjpeg-turbo" ${KORNIBELLE_MINGW_libjpeg-turbo_SOURCE}/LICENSE.md)
    kornibelle_licence(text "MinGW-w64 runtime (libstdc++, libgcc, winpthreads)"
                       /usr/share/doc/gcc-mingw-w64-base/copyright
                       /usr/share/doc/mingw-w64-common/copyright)
    file(WRITE ${output}.new "${text}")
    file(COPY_FILE ${output}.new ${output} ONLY_IF_DIFFERENT)
    file(REMOVE ${output}.new)
endfunction()
