# SPDX-License-Identifier: MIT
# Run at the end of the installation of the program folder (KORNIBELLE_STRIP and
# KORNIBELLE_LICENCE_PAGE set before): strips its programs and libraries, then writes the
# installer's licence page from its notices, the game's licence first, then those of the
# pictures and sounds (the photographs' GPL among them) and of the libraries.
set(folder "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
file(GLOB_RECURSE binaries "${folder}/*.exe" "${folder}/*.dll")
execute_process(COMMAND ${KORNIBELLE_STRIP} --strip-unneeded ${binaries} COMMAND_ERROR_IS_FATAL ANY)

file(GLOB notices RELATIVE "${folder}/LICENCES" "${folder}/LICENCES/*.txt")
list(REMOVE_ITEM notices Kornibelle.txt files.txt)
string(CONCAT page
    "Kornibelle est un logiciel libre. Vous trouverez ci-dessous sa licence, puis celles\n"
    "des images et des sons, et celles des bibliothèques livrées avec lui ; elles sont\n"
    "aussi dans le dossier LICENCES du jeu.\n\n")
foreach(notice Kornibelle.txt ${notices})
    file(READ "${folder}/LICENCES/${notice}" text)
    string(REGEX REPLACE "\\.txt$" "" title "${notice}")
    string(APPEND page "==== ${title}\n${text}\n")
endforeach()
file(WRITE "${KORNIBELLE_LICENCE_PAGE}" "${page}")
