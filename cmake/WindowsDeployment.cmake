# Windows has no package manager to bring Qt and the compiler's runtime, so
# they travel in the program's folder: the DLLs it loads, the platform and
# style plugins, Qt's Japanese texts and a qt.conf that points Qt at them.
# (Qt's own windeployqt is not built for a cross-compiled Qt.)

# Where the DLLs of Qt and of the compiler's runtime lie.
set(ZERUBINO_WINDOWS_DLL_DIRS ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS})
foreach(runtime libstdc++-6.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${runtime}
                    OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    get_filename_component(folder ${path} REALPATH)
    get_filename_component(folder ${folder} DIRECTORY)
    list(APPEND ZERUBINO_WINDOWS_DLL_DIRS ${folder})
endforeach()

# Qt's translations are the same files on every platform: the host's.
find_file(ZERUBINO_QT_JAPANESE_TEXTS qtbase_ja.qm PATHS ${QT_HOST_PATH}/share/qt6/translations
          NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH REQUIRED)

# zerubino_windows_icon(<ico> <png>...): an .ico of the menu entry's PNGs;
# the largest is stored as PNG, as Windows expects of a 256-pixel icon.
function(zerubino_windows_icon ico)
    find_program(ICOTOOL icotool REQUIRED)
    list(POP_BACK ARGN largest)
    add_custom_command(OUTPUT ${ico}
        COMMAND ${ICOTOOL} --create --output=${ico} ${ARGN} --raw=${largest}
        DEPENDS ${ARGN} ${largest}
        VERBATIM)
endfunction()

# zerubino_deploy_windows_runtime(<target>)
function(zerubino_deploy_windows_runtime target)
    # Folder and file of each plugin, as Qt looks for them beside the program.
    set(plugins
        platforms $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin>
        styles $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin>)

    install(FILES ${ZERUBINO_QT_JAPANESE_TEXTS} DESTINATION translations)
    install(FILES ${PROJECT_SOURCE_DIR}/app/windows/qt.conf DESTINATION .)
    install(FILES /usr/share/common-licenses/LGPL-3 RENAME LGPL-3.0.txt DESTINATION licenses)
    install(FILES ${PROJECT_SOURCE_DIR}/LICENSE RENAME GPL-3.0.txt DESTINATION licenses)
    install(FILES ${PROJECT_SOURCE_DIR}/data/doc/copyright RENAME zerubino.txt DESTINATION licenses)
    install(FILES /usr/share/doc/libqt6core6/copyright RENAME qt6-base.txt DESTINATION licenses)
    install(FILES /usr/share/doc/mingw-w64-x86-64-dev/copyright RENAME mingw-w64.txt DESTINATION licenses)
    configure_file(${PROJECT_SOURCE_DIR}/app/windows/licenses.txt.in licenses.txt @ONLY)
    install(FILES ${CMAKE_CURRENT_BINARY_DIR}/licenses.txt DESTINATION licenses RENAME README.txt)

    install(CODE "
        set(ZERUBINO_EXECUTABLE \"$<TARGET_FILE:${target}>\")
        set(ZERUBINO_PLUGINS \"${plugins}\")
        set(ZERUBINO_DLL_DIRECTORIES \"${ZERUBINO_WINDOWS_DLL_DIRS}\")
        set(ZERUBINO_DLL_LINKS \"${CMAKE_BINARY_DIR}/dll-links\")
        set(ZERUBINO_OBJDUMP \"${CMAKE_OBJDUMP}\")
        set(ZERUBINO_STRIP \"${CMAKE_STRIP}\")")
    install(SCRIPT ${PROJECT_SOURCE_DIR}/cmake/DeployRuntimeDlls.cmake)
endfunction()
