# Cross-compiling for 64-bit Windows with Debian's MinGW-w64. Qt needs the
# posix thread model (std::thread, std::mutex), hence the -posix compilers.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(ZERUBINO_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${ZERUBINO_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ZERUBINO_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${ZERUBINO_MINGW_TRIPLE}-windres)

# Look for libraries and headers among the Windows ones (and the Windows Qt
# given in CMAKE_PREFIX_PATH), and for programs such as moc on the host.
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${ZERUBINO_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
