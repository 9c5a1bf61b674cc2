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
# which a 64-bit-only Windows (or Wine) may not have. The licence page only
# informs: the GPL need not be accepted to install or run the program. The
# branding line is set here, as CPack's own setting always trims it, which
# makensis refuses outside Windows. (Single quotes: CPack passes double
# ones on unescaped.)
set(CPACK_NSIS_DEFINES "Target amd64-unicode
!define MUI_HEADERIMAGE_RIGHT
!define MUI_LICENSEPAGE_BUTTON $(^NextBtn)
!define MUI_LICENSEPAGE_TEXT_BOTTOM '使うだけなら、この許諾書に同意する必要はありません。'
BrandingText 'ゼルビノ ${PROJECT_VERSION}'")

# Every page is the program's own: its name and version at the foot, its
# pictures (drawn from its icon by tools/draw-pictures.py) and its licence,
# headed by what the licence allows; NSIS reads a text file as UTF-8 only
# after a byte-order mark.
set(CPACK_NSIS_MUI_HEADERIMAGE ${PROJECT_SOURCE_DIR}/app/windows/installer-header.bmp)
set(CPACK_NSIS_MUI_WELCOMEFINISHPAGE_BITMAP ${PROJECT_SOURCE_DIR}/app/windows/installer-welcome.bmp)
file(READ ${PROJECT_SOURCE_DIR}/LICENSE licence)
string(ASCII 239 187 191 byte_order_mark)
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_BINARY_DIR}/installer-licence.txt)
file(WRITE ${CPACK_RESOURCE_FILE_LICENSE} "${byte_order_mark}\
ゼルビノは自由なソフトウェアです。GNU一般公衆利用許諾書（第３版以降）のもとで、\
だれでも使い、複製し、改変し、再配布できます。\n\n${licence}")
# Apps & features has the uninstaller: no English "Uninstall" shortcut
# beside ゼルビノ in the Start menu (the template always makes one).
set(CPACK_NSIS_EXTRA_INSTALL_COMMANDS "Delete '$SMPROGRAMS\\$STARTMENU_FOLDER\\Uninstall.lnk'")

# The MSI for deployment tools (cmake --build --preset windows --target msi),
# from the same files as the installer, stripped as CPack strips them.
add_custom_target(msi
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${CMAKE_BINARY_DIR}/msi-files
    COMMAND ${CMAKE_COMMAND} --install ${CMAKE_BINARY_DIR} --prefix ${CMAKE_BINARY_DIR}/msi-files --strip
    COMMAND ${CMAKE_COMMAND} -DFILES=${CMAKE_BINARY_DIR}/msi-files -DVERSION=${PROJECT_VERSION}
            -DICON=${ZERUBINO_WINDOWS_ICON} -DOUTPUT=${CMAKE_BINARY_DIR}/${CPACK_PACKAGE_FILE_NAME}.msi
            -P ${PROJECT_SOURCE_DIR}/cmake/BuildMsi.cmake
    VERBATIM)
add_dependencies(msi zerubino)
