# cpack -G DEB: a Debian package whose library dependencies are read off the
# binary by dpkg-shlibdeps.
set(CPACK_GENERATOR DEB)
# The menu entry names the install folder, so the package keeps the
# configured prefix (/usr in the presets).
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "ゼルビノ developers <zerubino@localhost>")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The program is installed stripped; its debug information goes, as in
# Debian, into a zerubino-dbgsym package of its own. (CPack's own stripping
# would come first and leave nothing to split off.)
set(CPACK_DEBIAN_DEBUGINFO_PACKAGE ON)
# Not a library dependency: the faces made to the metrics of the designs'
# fonts, without which the texts do not fit their boxes.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-horai-umefont")
# Qt's own texts (the はい / いいえ of the exit question) in Japanese.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
