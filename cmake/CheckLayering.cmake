# cmake -DSOURCE_DIR=... -P CheckLayering.cmake
# Fails when a file of a lower layer includes a header of a layer above it: base uses nothing of
# the program's own, db only base. The domain folders, the widgets and the programs build on
# them, never the other way round.
set(domain "db|cards|registries|reports|chart|exchange|online|demo|app|cli")
set(layers base db)
set(base_forbidden "${domain}")
string(REPLACE "db|" "" db_forbidden "${domain}")

set(broken "")
foreach(layer ${layers})
    file(GLOB files ${SOURCE_DIR}/src/${layer}/*.h ${SOURCE_DIR}/src/${layer}/*.cpp)
    foreach(file ${files})
        file(STRINGS ${file} includes REGEX "^#include \"(${${layer}_forbidden})/")
        foreach(include ${includes})
            file(RELATIVE_PATH name ${SOURCE_DIR} ${file})
            string(APPEND broken "\n  ${name}: ${include}")
        endforeach()
    endforeach()
endforeach()
if(broken)
    message(FATAL_ERROR "A lower layer includes a header of a layer above it:${broken}")
endif()
