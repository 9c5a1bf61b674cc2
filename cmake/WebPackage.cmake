# cpack -G ZIP: the folder a school puts on its web server, index.html at
# its top.
set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_FILE_NAME ${CPACK_PACKAGE_NAME}-${PROJECT_VERSION}-web)
