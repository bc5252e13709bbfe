# SPDX-License-Identifier: MIT
# What Parlino needs on Windows besides parlino.exe, all in the one folder it is installed into:
# the icon and version inside the program, the Qt, OpenSSL, miniupnpc, libnatpmp and compiler
# runtime DLLs it loads, the platform and style plugins, Qt's own translations for the languages
# Parlino speaks, and qt.conf, which tells Qt to look for them there.

enable_language(RC)

# The icon, in every size of the hicolor PNGs; the largest stays PNG inside the .ico.
find_program(ICOTOOL icotool REQUIRED)
mark_as_advanced(ICOTOOL)
set(PARLINO_ICO ${PROJECT_BINARY_DIR}/parlino.ico)
set(icon_sizes ${PARLINO_ICON_SIZES})
list(REMOVE_ITEM icon_sizes 256)
list(TRANSFORM icon_sizes REPLACE "(.+)"
    "${PROJECT_SOURCE_DIR}/data/icons/hicolor/\\1x\\1/apps/org.parlino.Parlino.png"
    OUTPUT_VARIABLE icon_pngs)
set(icon_256 ${PROJECT_SOURCE_DIR}/data/icons/hicolor/256x256/apps/org.parlino.Parlino.png)
add_custom_command(OUTPUT ${PARLINO_ICO}
    COMMAND ${ICOTOOL} --create --output=${PARLINO_ICO} ${icon_pngs} --raw=${icon_256}
    DEPENDS ${icon_pngs} ${icon_256} VERBATIM)
configure_file(${PROJECT_SOURCE_DIR}/data/windows/parlino.rc.in ${PROJECT_BINARY_DIR}/parlino.rc
    @ONLY)
add_custom_target(parlino_icon DEPENDS ${PARLINO_ICO})
add_dependencies(parlino parlino_icon)
target_sources(parlino PRIVATE ${PROJECT_BINARY_DIR}/parlino.rc)

# Plugins: the windows platform and the native look (windowsvista).
set(qt_plugins ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_PLUGINS})
install(FILES ${qt_plugins}/platforms/qwindows.dll DESTINATION platforms)
install(FILES ${qt_plugins}/styles/qwindowsvistastyle.dll DESTINATION styles)
install(FILES ${PROJECT_SOURCE_DIR}/data/windows/qt.conf DESTINATION .)

# Qt's own texts (Yes, No, OK) for each language Parlino has a translation for; they are the same
# on every system, so the build host's Qt provides them (qt6-translations-l10n).
file(GLOB ts_files ${PROJECT_SOURCE_DIR}/translations/parlino_*.ts)
foreach(ts IN LISTS ts_files)
    string(REGEX REPLACE ".*/parlino_(.+)\\.ts$" "\\1" language ${ts})
    find_file(QTBASE_QM_${language} qtbase_${language}.qm
        PATHS ${QT_HOST_PATH}/share/qt6/translations NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
    if(NOT QTBASE_QM_${language})
        message(FATAL_ERROR "qtbase_${language}.qm not found: apt-get install qt6-translations-l10n")
    endif()
    install(FILES ${QTBASE_QM_${language}} DESTINATION translations)
endforeach()

# The DLLs, found by what the program and the plugins import (file(GET_RUNTIME_DEPENDENCIES)).
foreach(dll libstdc++-6.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
        OUTPUT_VARIABLE found OUTPUT_STRIP_TRAILING_WHITESPACE)
    get_filename_component(found ${found} DIRECTORY)
    get_filename_component(found ${found} REALPATH)
    list(APPEND runtime_folders ${found})
endforeach()
list(REMOVE_DUPLICATES runtime_folders)
# OpenSSL's DLLs are in the bin folder beside the lib folder of its import libraries.
if(OPENSSL_CRYPTO_LIBRARY)
    cmake_path(GET OPENSSL_CRYPTO_LIBRARY PARENT_PATH openssl_lib)
    cmake_path(GET openssl_lib PARENT_PATH openssl_root)
    list(APPEND runtime_folders ${openssl_root}/bin)
    # Its licence (Apache 2.0) goes with them, where scripts/build-openssl-windows.sh keeps it.
    if(EXISTS ${openssl_root}/LICENSE.txt)
        install(FILES ${openssl_root}/LICENSE.txt DESTINATION licenses RENAME OpenSSL.txt)
    endif()
endif()
# So are miniupnpc's and libnatpmp's, which the router module (Open Port on Router) loads, with
# their licences (BSD), where scripts/build-portmap-windows.sh keeps them.
set(portmap_libraries MINIUPNPC_LIBRARY NATPMP_LIBRARY)
set(portmap_licences miniupnpc libnatpmp)
foreach(library licence IN ZIP_LISTS portmap_libraries portmap_licences)
    if(${library})
        cmake_path(GET ${library} PARENT_PATH library_lib)
        cmake_path(GET library_lib PARENT_PATH library_root)
        list(APPEND runtime_folders ${library_root}/bin)
        if(EXISTS ${library_root}/licenses/${licence}.txt)
            install(FILES ${library_root}/licenses/${licence}.txt DESTINATION licenses)
        endif()
    endif()
endforeach()
list(REMOVE_DUPLICATES runtime_folders)
set(PARLINO_RUNTIME_FOLDERS ${QT6_INSTALL_PREFIX}/bin ${runtime_folders})
# What loads those DLLs: the program, its two modules and Qt's plugins.
set(PARLINO_WINDOWS_PROGRAMS parlino.exe parlino_tls.dll parlino_router.dll
    platforms/qwindows.dll styles/qwindowsvistastyle.dll)
install(CODE "if(CMAKE_INSTALL_DO_STRIP)
        set(strip ${CMAKE_STRIP})
    endif()
    execute_process(COMMAND \"${CMAKE_COMMAND}\"
        -DOBJDUMP=${CMAKE_OBJDUMP} -DSTRIP=\${strip}
        \"-DFOLDER=\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}\"
        \"-DPROGRAMS=${PARLINO_WINDOWS_PROGRAMS}\"
        \"-DSEARCH=${PARLINO_RUNTIME_FOLDERS}\"
        \"-DLINKS=${PROJECT_BINARY_DIR}/runtime-dll-names\"
        -P \"${CMAKE_CURRENT_LIST_DIR}/WindowsRuntime.cmake\"
    COMMAND_ERROR_IS_FATAL ANY)")
