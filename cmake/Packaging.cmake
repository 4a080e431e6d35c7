# The installed program as a program of the Linux desktop (menu entry, MIME types of its files,
# icons, AppStream metadata, manual pages, offline manual, machine-wide settings) and the Debian
# package CPack makes from the install rules: `cpack -G DEB` in the build folder, or
# scripts/package.sh.

find_package(Qt6 REQUIRED COMPONENTS Svg)

set(VERDIMO_APP_ID com.brivex.Verdimo)
set(VERDIMO_RESOURCES ${CMAKE_SOURCE_DIR}/resources)
set(VERDIMO_HOMEPAGE https://www.brivex.it/software/verdimo.php)
set(VERDIMO_SHARE ${CMAKE_INSTALL_DATADIR}/verdimo)

install(FILES ${VERDIMO_RESOURCES}/${VERDIMO_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${VERDIMO_RESOURCES}/${VERDIMO_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# shared-mime-info's trigger rebuilds the MIME database when the package installs this.
install(FILES ${VERDIMO_RESOURCES}/${VERDIMO_APP_ID}.mime.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME ${VERDIMO_APP_ID}.xml)

# The hicolor icons: the SVG as it is, and PNGs rendered from it at build time. The toolbar's
# pictures are built into the program; only the program's own icon is installed.
set(VERDIMO_ICON_SIZES 16 22 24 32 48 64 128 256)
set(VERDIMO_ICON_SVG ${VERDIMO_RESOURCES}/icons/verdimo.svg)
set(VERDIMO_ICON_DIR ${CMAKE_BINARY_DIR}/icons/hicolor)
add_executable(verdimo-rendericon ${CMAKE_SOURCE_DIR}/packaging/RenderIcon.cpp)
target_link_libraries(verdimo-rendericon PRIVATE Qt6::Gui Qt6::Svg)
set_target_properties(verdimo-rendericon PROPERTIES RUNTIME_OUTPUT_DIRECTORY
                                                    ${CMAKE_BINARY_DIR}/tools)
set(icon_pngs)
foreach(size ${VERDIMO_ICON_SIZES})
    list(APPEND icon_pngs ${VERDIMO_ICON_DIR}/${size}x${size}/verdimo.png)
    install(FILES ${VERDIMO_ICON_DIR}/${size}x${size}/verdimo.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
add_custom_command(
    OUTPUT ${icon_pngs}
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
            $<TARGET_FILE:verdimo-rendericon> ${VERDIMO_ICON_SVG} ${VERDIMO_ICON_DIR}
            ${VERDIMO_ICON_SIZES}
    DEPENDS verdimo-rendericon ${VERDIMO_ICON_SVG}
    COMMENT "Rendering the program's icons"
    VERBATIM)
add_custom_target(verdimo_icons ALL DEPENDS ${icon_pngs})
install(FILES ${VERDIMO_ICON_SVG} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# The manual pages and the Debian changelog, compressed as Debian keeps them (no time stamp in
# the gzip header, so that two builds give the same package).
find_program(GZIP_PROGRAM gzip REQUIRED)
set(VERDIMO_GZIPPED)
foreach(source IN ITEMS resources/verdimo.1 resources/verdimo-cli.1 packaging/changelog)
    get_filename_component(name ${source} NAME)
    if(name STREQUAL "changelog")
        set(name changelog.Debian)
    endif()
    set(output ${CMAKE_BINARY_DIR}/gzipped/${name}.gz)
    add_custom_command(
        OUTPUT ${output}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/gzipped
        COMMAND ${GZIP_PROGRAM} -9 -n -c ${CMAKE_SOURCE_DIR}/${source} > ${output}
        DEPENDS ${CMAKE_SOURCE_DIR}/${source}
        COMMENT "Compressing ${name}")
    list(APPEND VERDIMO_GZIPPED ${output})
endforeach()
add_custom_target(verdimo_man ALL DEPENDS ${VERDIMO_GZIPPED})
install(FILES ${CMAKE_BINARY_DIR}/gzipped/verdimo.1.gz ${CMAKE_BINARY_DIR}/gzipped/verdimo-cli.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${CMAKE_BINARY_DIR}/gzipped/changelog.Debian.gz ${CMAKE_SOURCE_DIR}/packaging/copyright
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/verdimo)

# Why lintian's remaining findings are as they should be (see the comments in the file).
install(FILES ${CMAKE_SOURCE_DIR}/packaging/lintian-overrides
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME verdimo)

# The offline manual that Help opens: beside the programs in the stage folder for a build that
# is run in place, under share/verdimo when installed.
file(GLOB_RECURSE VERDIMO_MANUAL_FILES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/docs/manual/*)
add_custom_command(
    OUTPUT ${VERDIMO_STAGE_DIR}/manual/en/index.html
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${CMAKE_SOURCE_DIR}/docs/manual
            ${VERDIMO_STAGE_DIR}/manual
    DEPENDS ${VERDIMO_MANUAL_FILES}
    COMMENT "Copying the manual beside the programs")
add_custom_target(verdimo_manual ALL DEPENDS ${VERDIMO_STAGE_DIR}/manual/en/index.html)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/docs/manual/ DESTINATION ${VERDIMO_SHARE}/manual)
install(FILES ${CMAKE_SOURCE_DIR}/resources/screenshots/main-window.png
        DESTINATION ${VERDIMO_SHARE}/manual)
# The JSON Schema of the treatment record, for the programs that read what it exports.
install(FILES ${CMAKE_SOURCE_DIR}/docs/treatment-record.schema.json
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/verdimo)

# The machine-wide settings name the installed data folder, which only the install step knows.
# The update servers' password has a file of its own that only root and the group verdimo read.
install(CODE "
    set(VERDIMO_SETTINGS_SOURCE \"${CMAKE_SOURCE_DIR}/packaging/Tellan.conf.in\")
    set(VERDIMO_SECRETS_SOURCE \"${CMAKE_SOURCE_DIR}/packaging/Brivex.conf\")
    set(VERDIMO_SETTINGS_BUILD \"${CMAKE_BINARY_DIR}/packaging\")
    set(VERDIMO_DATA_SUBDIR \"${VERDIMO_SHARE}\")
    include(\"${CMAKE_SOURCE_DIR}/packaging/InstallSettings.cmake\")")

# The Debian package. CPack installs with DESTDIR into its staging folder, so the install step
# above sees the package's own prefix /usr and writes the settings into /etc.
set(VERDIMO_PACKAGE_MAINTAINER "Brivex <packages@brivex.it>"
    CACHE STRING "The Maintainer field of the Debian package")
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME verdimo)
set(CPACK_PACKAGE_VENDOR Brivex)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${VERDIMO_PACKAGE_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "daily work cards, cost reports and treatment register of a farm")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Verdimo keeps a farm's daily work cards (weather, absences, each worker's hours\n"
    "on operations, machines, crops and fields, and the warehouse movement of every\n"
    "work) and its registries, and turns them into yearly cost and revenue reports,\n"
    "registry lists, a weather chart and the statutory treatment register.\n"
    "verdimo-cli does the same work without the window.")
set(CPACK_SET_DESTDIR ON)
set(CPACK_INSTALL_PREFIX /usr)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The Debian revision of this packaging of the version (see packaging/changelog).
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${VERDIMO_PACKAGE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${VERDIMO_HOMEPAGE})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# What dpkg-shlibdeps cannot see in the programs: Qt loads the SQLite driver as a plugin (the
# X11 platform plugin comes with libqt6gui6 and the SVG image format with libqt6svg6, both of
# which the programs link, so dpkg-shlibdeps names them), the reports are laid out with the
# Liberation fonts, and the postinst makes the group verdimo with groupadd (passwd).
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6sql6-sqlite, fonts-liberation, passwd")
# Wayland sessions need Qt's Wayland plugin; Qt's own dialogs speak Italian with its
# translations.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${CMAKE_SOURCE_DIR}/packaging/conffiles
                                       ${CMAKE_SOURCE_DIR}/packaging/postinst
                                       ${CMAKE_SOURCE_DIR}/packaging/postrm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
add_subdirectory(tests/packaging)
