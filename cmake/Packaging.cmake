# SPDX-License-Identifier: MIT
# CPack settings. On Linux `cmake --build build --target package` makes a Debian package,
# parlino_<version>_<arch>.deb, whose library dependencies dpkg-shlibdeps works out; for Windows
# an installer (NSIS) and a portable zip, Parlino-<version>-win64.exe and .zip.

set(CPACK_PACKAGE_NAME parlino)
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_VENDOR "Parlino developers")
set(CPACK_PACKAGE_CONTACT "Parlino developers <parlino@parlino.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Chat with another computer over a direct TCP connection")
set(CPACK_PACKAGE_DESCRIPTION
    "Parlino is a simple text chat between two computers. One side listens on a\n"
    "port, the other connects to its IP address, and the two exchange lines of\n"
    "text over that one connection, with no server in between.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGE_HOMEPAGE_URL "${PROJECT_HOMEPAGE_URL}")
set(CPACK_PACKAGE_INSTALL_DIRECTORY Parlino)
set(CPACK_STRIP_FILES ON)
set(CPACK_SOURCE_IGNORE_FILES "/\\\\.git/" "/build.*/" "/\\\\.cache/")

if(UNIX AND NOT APPLE)
    set(CPACK_GENERATOR DEB)
    set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
    set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
    set(CPACK_DEBIAN_PACKAGE_SECTION net)
    set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
    # Plugins are not linked, so dpkg-shlibdeps cannot see them: Qt needs its platform plugins
    # to open a window at all.
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
    # The windows are drawn in Liberation Sans, and the product name in the About box in Comic
    # Neue where Comic Sans MS is missing. Qt's own buttons (Yes, No, OK) follow the user's
    # language with Qt's translations. On a Wayland desktop Qt needs its Wayland plugin, or it
    # goes through XWayland.
    set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
        "fonts-liberation2, fonts-comic-neue, qt6-translations-l10n, qt6-wayland")
elseif(WIN32)
    set(CPACK_GENERATOR NSIS ZIP)
    set(CPACK_PACKAGE_FILE_NAME "Parlino-${PROJECT_VERSION}-win64")
    # NSIS shows the licence, and takes it only as a .txt file.
    configure_file(${PROJECT_SOURCE_DIR}/LICENSE ${PROJECT_BINARY_DIR}/LICENSE.txt COPYONLY)
    set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_BINARY_DIR}/LICENSE.txt)
    # A 64-bit installer for a 64-bit program: it writes to the 64-bit Program Files and registry
    # and needs no 32-bit layer to run.
    set(CPACK_NSIS_DEFINES "Target amd64-unicode")
    set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
    set(CPACK_NSIS_PACKAGE_NAME Parlino)
    set(CPACK_NSIS_DISPLAY_NAME Parlino)
    set(CPACK_NSIS_MUI_ICON ${PARLINO_ICO})
    set(CPACK_NSIS_MUI_UNIICON ${PARLINO_ICO})
    set(CPACK_NSIS_INSTALLED_ICON_NAME parlino.exe)
    set(CPACK_NSIS_URL_INFO_ABOUT "${PROJECT_HOMEPAGE_URL}")
    set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
    set(CPACK_NSIS_MANIFEST_DPI_AWARE ON)
    # The Start-menu entry, with the program's own icon.
    set(CPACK_PACKAGE_EXECUTABLES parlino Parlino)
    set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
endif()

include(CPack)
