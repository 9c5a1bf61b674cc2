# What a teacher or a school's IT staff download: a Debian package, or for
# Windows an installer and a portable folder.
set(CPACK_PACKAGE_NAME zerubino)
set(CPACK_PACKAGE_VENDOR "ゼルビノ")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "dice probability experiment for the classroom")
set(CPACK_PACKAGE_DESCRIPTION "A pupil throws a large and a small die, by hand or automatically until
1000 throws are recorded, and watches how often the product of the two
faces is odd, with a graph of the relative frequency beside the
theoretical value 1/4.")
if(WIN32)
    include(cmake/WindowsPackage.cmake)
elseif(EMSCRIPTEN)
    include(cmake/WebPackage.cmake)
else()
    include(cmake/DebianPackage.cmake)
endif()
include(CPack)
