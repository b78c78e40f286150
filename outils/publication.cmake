# Included before project(): reads the releases from NEWS and the licence from LICENSE, the one
# place each is written, and makes from them what the package and the software centres show.
# Sets version_publiee (the newest release, the program's version), epoque_publiee (its date, in
# seconds since 1970), licence (an SPDX identifier) and releases_appstream (the <release> elements);
# writes changelog.gz and copyright in the build folder, for /usr/share/doc/ombrelin.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
    ${CMAKE_SOURCE_DIR}/NEWS ${CMAKE_SOURCE_DIR}/LICENSE)

# The lines of a file as a list. Semicolons and brackets, which lists would take as their own,
# stand as @PV@, @CO@ and @CF@ until texte_de_lignes puts them back.
function(lire_lignes fichier variable)
    file(READ ${fichier} texte)
    string(REPLACE ";" "@PV@" texte "${texte}")
    string(REPLACE "[" "@CO@" texte "${texte}")
    string(REPLACE "]" "@CF@" texte "${texte}")
    string(REPLACE "\n" ";" texte "${texte}")
    set(${variable} "${texte}" PARENT_SCOPE)
endfunction()
function(texte_de_lignes variable)
    string(REPLACE "@PV@" ";" texte "${${variable}}")
    string(REPLACE "@CO@" "[" texte "${texte}")
    string(REPLACE "@CF@" "]" texte "${texte}")
    set(${variable} "${texte}" PARENT_SCOPE)
endfunction()

# NEWS: lines before the first release are its own preamble. A release is "Ombrelin VERSION
# (YYYY-MM-DD)", then its items, each from "- ", continued on lines indented by two spaces.
lire_lignes(${CMAKE_SOURCE_DIR}/NEWS lignes)
set(changelog "")
set(releases_appstream "")
unset(version_publiee)
set(fin_de_publication "")
set(fin_de_release "")
foreach(ligne IN LISTS lignes)
    string(REPLACE "&" "&amp;" xml "${ligne}")
    string(REPLACE "<" "&lt;" xml "${xml}")
    string(REPLACE ">" "&gt;" xml "${xml}")
    if(ligne MATCHES "^Ombrelin ([0-9]+(\\.[0-9]+)+) \\(([0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9])\\)$")
        set(version ${CMAKE_MATCH_1})
        set(date ${CMAKE_MATCH_3})
        execute_process(COMMAND env LC_ALL=C date -u -d ${date} "+%a, %d %b %Y %H:%M:%S +0000|%s"
            OUTPUT_VARIABLE date_debian OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
        string(REPLACE "|" ";" date_debian "${date_debian}")
        list(GET date_debian 1 epoque)
        list(GET date_debian 0 date_debian)
        if(NOT DEFINED version_publiee)
            set(version_publiee ${version})
            set(epoque_publiee ${epoque})
        endif()
        string(APPEND changelog
            "${fin_de_publication}ombrelin (${version}) unstable; urgency=medium\n\n")
        string(APPEND releases_appstream "${fin_de_release}    <release version=\"${version}\" "
            "date=\"${date}\">\n      <description>\n        <ul>\n")
        set(fin_de_publication "\n -- ${CPACK_PACKAGE_CONTACT}  ${date_debian}\n\n")
        set(fin_de_release "</li>\n        </ul>\n      </description>\n    </release>\n")
        set(fin_d_element "")
    elseif(DEFINED version AND ligne MATCHES "^- (.+)$")
        string(APPEND changelog "  * ${CMAKE_MATCH_1}\n")
        string(SUBSTRING "${xml}" 2 -1 xml)
        string(APPEND releases_appstream "${fin_d_element}          <li>${xml}")
        set(fin_d_element "</li>\n")
    elseif(DEFINED version AND ligne MATCHES "^  (.+)$")
        string(APPEND changelog "    ${CMAKE_MATCH_1}\n")
        string(STRIP "${xml}" xml)
        string(APPEND releases_appstream " ${xml}")
    elseif(DEFINED version AND NOT ligne STREQUAL "")
        message(FATAL_ERROR "NEWS : ligne hors de la forme d'une version : « ${ligne} »")
    endif()
endforeach()
if(NOT DEFINED version_publiee)
    message(FATAL_ERROR "NEWS : aucune version « Ombrelin VERSION (AAAA-MM-JJ) ».")
endif()
string(APPEND changelog "${fin_de_publication}")
string(REGEX REPLACE "\n+$" "\n" changelog "${changelog}")
string(APPEND releases_appstream "${fin_de_release}")
texte_de_lignes(changelog)
texte_de_lignes(releases_appstream)
file(WRITE ${CMAKE_BINARY_DIR}/changelog "${changelog}")

# LICENSE: an "SPDX-License-Identifier:" line, then the text, whose "Copyright" lines name the
# holders. The copyright file is in Debian's machine-readable format.
lire_lignes(${CMAKE_SOURCE_DIR}/LICENSE lignes)
set(texte_licence "")
set(droits "")
foreach(ligne IN LISTS lignes)
    if(ligne MATCHES "^SPDX-License-Identifier: (.+)$")
        set(licence ${CMAKE_MATCH_1})
    elseif(ligne MATCHES "^Copyright (.+)$")
        string(APPEND droits " ${CMAKE_MATCH_1}\n")
        string(APPEND texte_licence " ${ligne}\n")
    elseif(ligne STREQUAL "")
        string(APPEND texte_licence " .\n")
    else()
        string(APPEND texte_licence " ${ligne}\n")
    endif()
endforeach()
if(NOT DEFINED licence OR droits STREQUAL "")
    message(FATAL_ERROR "LICENSE : il faut une ligne « SPDX-License-Identifier: » et une ligne "
        "« Copyright ».")
endif()
# The text without the blank lines around it.
string(REGEX REPLACE "^( \\.\n)+" "" texte_licence "${texte_licence}")
string(REGEX REPLACE "( \\.\n)+$" "" texte_licence "${texte_licence}")
string(STRIP "${droits}" droits)
set(copyright "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/
Upstream-Name: Ombrelin
Upstream-Contact: ${CPACK_PACKAGE_CONTACT}

Files: *
Copyright: ${droits}
License: ${licence}
${texte_licence}")
texte_de_lignes(copyright)
file(WRITE ${CMAKE_BINARY_DIR}/copyright "${copyright}")

execute_process(COMMAND gzip -9nkf changelog WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
    COMMAND_ERROR_IS_FATAL ANY)
