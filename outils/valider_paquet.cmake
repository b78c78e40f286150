# Run by CPack on the files it has staged, before it packs them: a desktop entry or a software
# centre's description that its own validator refuses fails the package.
file(GLOB_RECURSE entrees "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*.desktop")
file(GLOB_RECURSE descriptions "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*.metainfo.xml")
foreach(commande IN ITEMS "desktop-file-validate;${entrees}"
                          "appstreamcli;validate;--no-net;${descriptions}")
    execute_process(COMMAND ${commande} RESULT_VARIABLE code)
    if(NOT code EQUAL 0)
        message(FATAL_ERROR "Paquet refusé : « ${commande} » a échoué (${code}).")
    endif()
endforeach()
