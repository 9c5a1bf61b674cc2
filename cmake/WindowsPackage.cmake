# cpack -G "NSIS;ZIP": an installer for school IT staff (silent with /S) and
# a portable zip of the same folder for PCs where installing is locked.
set(CPACK_GENERATOR NSIS ZIP)
set(CPACK_PACKAGE_FILE_NAME ${CPACK_PACKAGE_NAME}-${PROJECT_VERSION}-win64)
set(CPACK_STRIP_FILES ON)

# An ASCII folder name: some school tools still stumble over others.
set(CPACK_PACKAGE_INSTALL_DIRECTORY Zerubino)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Zerubino)
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_PACKAGE_NAME "ゼルビノ")
set(CPACK_NSIS_DISPLAY_NAME "ゼルビノ")
set(CPACK_NSIS_PUBLISHER "ゼルビノ")
# The Start-menu shortcut starts the program in its own folder, where it
# finds its cues by bare name.
set(CPACK_PACKAGE_EXECUTABLES zerubino "ゼルビノ")
set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
set(CPACK_NSIS_INSTALLED_ICON_NAME zerubino.exe)
set(CPACK_NSIS_MUI_ICON ${ZERUBINO_WINDOWS_ICON})
set(CPACK_NSIS_MUI_UNIICON ${ZERUBINO_WINDOWS_ICON})
set(CPACK_NSIS_MANIFEST_DPI_AWARE ON)
# A 64-bit installer: the default 32-bit stub needs the 32-bit subsystem,
# which a 64-bit-only Windows (or Wine) may not have.
set(CPACK_NSIS_DEFINES "Target amd64-unicode")
