# cmake -DENTREE=Unit1.ui -DSORTIE=copie.ui -P widgets_qt.cmake
# Rewrites a .ui for stock Qt widgets: each custom class becomes the Qt class it extends, and its
# own properties (capitalised, as no Qt property is) are dropped.
file(READ "${ENTREE}" ui)
string(REGEX MATCHALL "<class>[A-Za-z0-9_]+</class>[ \t\r\n]*<extends>[A-Za-z0-9_]+</extends>"
    classes "${ui}")
foreach(classe IN LISTS classes)
    string(REGEX REPLACE "<class>([A-Za-z0-9_]+)</class>.*<extends>([A-Za-z0-9_]+)</extends>"
        "\\1" nom "${classe}")
    string(REGEX REPLACE ".*<extends>([A-Za-z0-9_]+)</extends>" "\\1" base "${classe}")
    string(REPLACE "class=\"${nom}\"" "class=\"${base}\"" ui "${ui}")
endforeach()
string(REGEX REPLACE "<customwidgets>.*</customwidgets>" "" ui "${ui}")
string(REGEX REPLACE
    "<property name=\"[A-Z][A-Za-z0-9_]*\">[^<]*<[a-z]+>[^<]*</[a-z]+>[^<]*</property>" "" ui "${ui}")
file(WRITE "${SORTIE}" "${ui}")
