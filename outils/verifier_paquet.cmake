# Run by CPack on the package it has just made, before it copies it to the build folder: Debian's
# own checker, lintian, must find neither error nor warning in it, or no package is left there.
# Its notes (I:, P:) are shown and pass.
find_program(lintian lintian)
if(NOT lintian)
    message(FATAL_ERROR "Paquet refusé : lintian est absent (sudo apt install lintian).")
endif()
foreach(paquet IN LISTS CPACK_PACKAGE_FILES)
    execute_process(COMMAND ${lintian} --fail-on error,warning --display-info --pedantic
        ${paquet} RESULT_VARIABLE code)
    if(NOT code EQUAL 0)
        get_filename_component(nom ${paquet} NAME)
        file(REMOVE ${paquet} ${CPACK_PACKAGE_DIRECTORY}/${nom})
        message(FATAL_ERROR "Paquet refusé : lintian a trouvé des erreurs ou des avertissements "
            "dans ${paquet} (${code}).")
    endif()
    message(STATUS "lintian : ni erreur ni avertissement dans ${paquet}.")
endforeach()
