# Run by `cmake --install` (see cmake/Packaging.cmake): writes the machine-wide settings file
# with the values of the prefix being installed. Under the prefix /usr the file belongs in /etc,
# where the programs look for it; under any other prefix it stays inside the prefix.
# Expects VERDIMO_SETTINGS_SOURCE (the .in file) and VERDIMO_SETTINGS_BUILD (a scratch folder).
if(CMAKE_INSTALL_PREFIX STREQUAL "/usr")
    set(settings_folder /etc/xdg/Brivex)
else()
    set(settings_folder ${CMAKE_INSTALL_PREFIX}/etc/xdg/Brivex)
endif()
set(VERDIMO_DATA_DIR ${CMAKE_INSTALL_PREFIX}/share/verdimo)
# Installs into different places may run at once: each writes its own copy.
string(MD5 destination "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
set(settings_file ${VERDIMO_SETTINGS_BUILD}/${destination}/Tellan.conf)
configure_file(${VERDIMO_SETTINGS_SOURCE} ${settings_file} @ONLY)
file(INSTALL DESTINATION ${settings_folder} TYPE FILE FILES ${settings_file})
