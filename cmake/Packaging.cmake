# The installed program as a program of the Linux desktop (menu entry, icons, AppStream
# metadata, man page, machine-wide settings) and the Debian package CPack makes from the
# install rules: `cpack -G DEB` in the build folder, or scripts/package.sh.

find_package(Qt6 REQUIRED COMPONENTS Svg)

set(VERDIMO_APP_ID com.brivex.Verdimo)
set(VERDIMO_RESOURCES ${CMAKE_SOURCE_DIR}/resources)

install(FILES ${VERDIMO_RESOURCES}/${VERDIMO_APP_ID}.desktop DESTINATION share/applications)
install(FILES ${VERDIMO_RESOURCES}/${VERDIMO_APP_ID}.metainfo.xml DESTINATION share/metainfo)

# The hicolor icons: the SVG as it is, and PNGs rendered from it at build time.
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
            DESTINATION share/icons/hicolor/${size}x${size}/apps)
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
install(FILES ${VERDIMO_ICON_SVG} DESTINATION share/icons/hicolor/scalable/apps)

# The man page, compressed as Debian keeps man pages.
find_program(GZIP_PROGRAM gzip REQUIRED)
set(VERDIMO_MAN_PAGE ${CMAKE_BINARY_DIR}/man/verdimo-cli.1.gz)
add_custom_command(
    OUTPUT ${VERDIMO_MAN_PAGE}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/man
    COMMAND ${GZIP_PROGRAM} -9 -n -c ${VERDIMO_RESOURCES}/verdimo-cli.1 > ${VERDIMO_MAN_PAGE}
    DEPENDS ${VERDIMO_RESOURCES}/verdimo-cli.1
    COMMENT "Compressing the man page")
add_custom_target(verdimo_man ALL DEPENDS ${VERDIMO_MAN_PAGE})
install(FILES ${VERDIMO_MAN_PAGE} DESTINATION share/man/man1)

# The machine-wide settings name the installed data folder, which only the install step knows.
install(CODE "
    set(VERDIMO_SETTINGS_SOURCE \"${CMAKE_SOURCE_DIR}/packaging/Tellan.conf.in\")
    set(VERDIMO_SETTINGS_BUILD \"${CMAKE_BINARY_DIR}/packaging\")
    include(\"${CMAKE_SOURCE_DIR}/packaging/InstallSettings.cmake\")")

# The Debian package. CPack installs with DESTDIR into its staging folder, so the install step
# above sees the package's own prefix /usr and writes the settings into /etc.
set(VERDIMO_PACKAGE_MAINTAINER "Brivex <packages@brivex.invalid>"
    CACHE STRING "The Maintainer field of the Debian package")
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME verdimo)
set(CPACK_PACKAGE_VENDOR Brivex)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
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
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${VERDIMO_PACKAGE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt loads these as plugins, which dpkg-shlibdeps cannot see in the programs.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6sql6-sqlite, qt6-qpa-plugins, libqt6svg6, fonts-liberation")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${CMAKE_SOURCE_DIR}/packaging/conffiles)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
add_subdirectory(tests/packaging)
