# Test programs of the Windows build run under Wine, in a prefix of the
# build's own, with the Windows Qt's DLLs and the compiler's runtime on their
# path. The offscreen platform of Windows' Qt reads its fonts from a folder:
# the faces made to the design's metrics.
find_program(WINE wine REQUIRED)
set(dll_dirs ${ZERUBINO_WINDOWS_DLL_DIRS})
list(TRANSFORM dll_dirs PREPEND "Z:")
list(JOIN dll_dirs "\\;" ZERUBINO_WINEPATH)
string(REPLACE "/" "\\\\" ZERUBINO_WINEPATH "${ZERUBINO_WINEPATH}")
set(ZERUBINO_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)
set(ZERUBINO_TEST_FONTS /usr/share/fonts/truetype/horai-umefont)
configure_file(${CMAKE_CURRENT_LIST_DIR}/wine-run.in ${CMAKE_BINARY_DIR}/wine-run @ONLY
               FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run)

# Beside the test programs, as beside the installed program: a qt.conf that
# finds the plugins in Windows' Qt and the Japanese texts in the build.
file(WRITE ${CMAKE_BINARY_DIR}/qt.conf
     "[Paths]\nPrefix = Z:${QT6_INSTALL_PREFIX}\nTranslations = Z:${CMAKE_BINARY_DIR}/translations\n")
file(COPY ${ZERUBINO_QT_JAPANESE_TEXTS} DESTINATION ${CMAKE_BINARY_DIR}/translations)
