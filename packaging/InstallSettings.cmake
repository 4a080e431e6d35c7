# Run by `cmake --install` (see cmake/Packaging.cmake): writes the machine-wide settings files
# with the values of the prefix being installed. Under the prefix /usr they belong in /etc,
# where the programs look for them; under any other prefix they stay inside the prefix.
# Expects VERDIMO_SETTINGS_SOURCE (the .in file), VERDIMO_SECRETS_SOURCE (the update servers'
# file), VERDIMO_SETTINGS_BUILD (a scratch folder) and VERDIMO_DATA_SUBDIR (share/verdimo).
if(CMAKE_INSTALL_PREFIX STREQUAL "/usr")
    set(xdg_folder /etc/xdg)
else()
    set(xdg_folder ${CMAKE_INSTALL_PREFIX}/etc/xdg)
endif()
set(VERDIMO_DATA_DIR ${CMAKE_INSTALL_PREFIX}/${VERDIMO_DATA_SUBDIR})
# Installs into different places may run at once: each writes its own copy.
string(MD5 destination "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
set(settings_file ${VERDIMO_SETTINGS_BUILD}/${destination}/Tellan.conf)
configure_file(${VERDIMO_SETTINGS_SOURCE} ${settings_file} @ONLY)
file(INSTALL DESTINATION ${xdg_folder}/Brivex TYPE FILE FILES ${settings_file})
# The password is no business of the other users of the machine: owner root, group verdimo
# (the package's postinst sets the group), no world read.
file(INSTALL DESTINATION ${xdg_folder} TYPE FILE FILES ${VERDIMO_SECRETS_SOURCE}
     PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ)
