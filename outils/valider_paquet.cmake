# Run by CPack on the files it has staged, before it packs them: a desktop entry or a software
# centre's description that its own validator refuses fails the package, and so does a pedantic
# note of AppStream's (P:), which the project can always act on; its infos (I:) pass.
file(GLOB_RECURSE entrees "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*.desktop")
file(GLOB_RECURSE descriptions "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*.metainfo.xml")
foreach(commande IN ITEMS "desktop-file-validate;${entrees}"
                          "appstreamcli;validate;--pedantic;--no-net;${descriptions}")
    execute_process(COMMAND ${commande} RESULT_VARIABLE code OUTPUT_VARIABLE sortie
        ERROR_VARIABLE sortie)
    if(sortie)
        message("${sortie}")
    endif()
    if(NOT code EQUAL 0 OR sortie MATCHES "(^|\n)P: ")
        message(FATAL_ERROR "Paquet refusé : « ${commande} » a échoué (${code}) ou a des "
            "remarques.")
    endif()
endforeach()
