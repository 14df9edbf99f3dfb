# The Debian package of the installed files (scripts/package runs cpack on a release build
# configured with the /usr prefix, so that the D-Bus service file names the packaged binary).
include(GNUInstallDirs)

set(MIRELO_MAINTAINER "Mirelo developers <dev@mirelo.org>")
set(MIRELO_SUMMARY "Focus timer with enforced breaks")

# Debian compresses documentation without a time stamp, at the highest level.
function(mirelo_gzip input output)
    add_custom_command(OUTPUT ${output} COMMAND gzip -n -9 -c ${input} > ${output} DEPENDS ${input} VERBATIM)
endfunction()

# Debian wants a copyright file and a changelog whose newest entry is this version.
execute_process(COMMAND date -u -R -d ${MIRELO_RELEASE_DATE} OUTPUT_VARIABLE MIRELO_CHANGELOG_DATE
                OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
configure_file(${PROJECT_SOURCE_DIR}/resources/debian/changelog.in ${PROJECT_BINARY_DIR}/debian/changelog.Debian @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/docs/mirelo.1 ${PROJECT_BINARY_DIR}/debian/mirelo.1 @ONLY)
mirelo_gzip(${PROJECT_BINARY_DIR}/debian/changelog.Debian ${PROJECT_BINARY_DIR}/debian/changelog.Debian.gz)
mirelo_gzip(${PROJECT_BINARY_DIR}/debian/mirelo.1 ${PROJECT_BINARY_DIR}/debian/mirelo.1.gz)
add_custom_target(mirelo_docs ALL DEPENDS ${PROJECT_BINARY_DIR}/debian/changelog.Debian.gz
                                          ${PROJECT_BINARY_DIR}/debian/mirelo.1.gz)
install(FILES ${PROJECT_SOURCE_DIR}/resources/debian/copyright ${PROJECT_BINARY_DIR}/debian/changelog.Debian.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/mirelo)
install(FILES ${PROJECT_BINARY_DIR}/debian/mirelo.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME mirelo)
set(CPACK_PACKAGE_VENDOR "Mirelo developers")
set(CPACK_PACKAGE_CONTACT "${MIRELO_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${MIRELO_SUMMARY}")
# Debian shows lines of at most 80 characters.
set(CPACK_PACKAGE_DESCRIPTION
    "Mirelo runs the Pomodoro cycle from the tray: work, then a short or long
break that covers every screen until it ends. It records every finished
interval in a local database and can be driven from its menu, the
launcher's actions, D-Bus and the command line.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_DEBIAN_PACKAGE_RELEASE ${MIRELO_BUILD_NUMBER})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${MIRELO_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://mirelo.org)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The sound theme is loaded by name through libcanberra, so the binary's libraries do not reveal
# it. The Wayland window handles come through Qt's private platform interface, which holds only
# for the Qt release it was built against. Desktop pictures in WebP (GNOME's own) and TIFF are
# read through Qt's image plugins, which are loaded at run time.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "sound-theme-freedesktop, qt6-image-formats-plugins, qt6-base-abi (= ${Qt6_VERSION})")
# Qt's Wayland platform: without it a Wayland session runs Mirelo through XWayland. libcanberra
# reaches the desktop's sound server only through its pulse driver.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, libcanberra-pulse")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
