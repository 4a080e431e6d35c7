# verdimo_folder_sources(LOGIC target [UI target])
# Adds the calling folder's sources to their libraries: the files of the folder itself to the
# LOGIC target, those of its ui/ subfolder to the UI target; a program's main.cpp stays out.
# The folders are read again at every build, so a new class needs no list to be kept in step.
function(verdimo_folder_sources)
    cmake_parse_arguments(ARG "" "LOGIC;UI" "" ${ARGN})
    file(GLOB logic CONFIGURE_DEPENDS
         ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
    list(FILTER logic EXCLUDE REGEX "/main\\.cpp$")
    target_sources(${ARG_LOGIC} PRIVATE ${logic})
    if(ARG_UI)
        file(GLOB ui CONFIGURE_DEPENDS
             ${CMAKE_CURRENT_SOURCE_DIR}/ui/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/ui/*.h)
        target_sources(${ARG_UI} PRIVATE ${ui})
    endif()
endfunction()
