# The browser build is one folder of static files that any web server can
# serve: the page and its script, Qt's loader, the program, the icons, cues
# and caption face, a web app manifest and a service worker.

# The page's Japanese faces: the design's, cut down to the characters the
# program shows (tools/subset-faces.py), from Debian's fonts-horai-umefont.
set(ZERUBINO_FACES_DIR /usr/share/fonts/truetype/horai-umefont)
find_package(Python3 REQUIRED COMPONENTS Interpreter)

# Qt's translations come with the host Qt of the same version.
find_file(ZERUBINO_QT_JAPANESE_TEXTS qtbase_ja.qm PATHS ${QT_HOST_PATH}/share/qt6/translations
          NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH REQUIRED)

# zerubino_subset_faces(<out-dir> <variable> <face file>...) sets <variable>
# to the cut-down faces, made from the texts of the program's sources.
function(zerubino_subset_faces outdir variable)
    file(GLOB_RECURSE sources CONFIGURE_DEPENDS
         ${PROJECT_SOURCE_DIR}/app/*.cpp ${PROJECT_SOURCE_DIR}/experiment/*.cpp
         ${PROJECT_SOURCE_DIR}/graph/*.cpp ${PROJECT_SOURCE_DIR}/help/*.cpp)
    set(faces)
    foreach(face ${ARGN})
        list(APPEND faces ${outdir}/${face})
    endforeach()
    list(TRANSFORM ARGN PREPEND ${ZERUBINO_FACES_DIR}/ OUTPUT_VARIABLE inputs)
    add_custom_command(OUTPUT ${faces}
        # Qt's own texts on screen: the exit question's はい(&Y) and いいえ(&N).
        COMMAND ${Python3_EXECUTABLE} ${PROJECT_SOURCE_DIR}/tools/subset-faces.py ${outdir}
                --faces ${inputs} --sources ${sources} --text "はい(&Y)いいえ(&N)"
        DEPENDS ${PROJECT_SOURCE_DIR}/tools/subset-faces.py ${inputs} ${sources}
        VERBATIM)
    set(${variable} ${faces} PARENT_SCOPE)
endfunction()

# zerubino_deploy_web_page(<target>): installs the page around the program.
function(zerubino_deploy_web_page target captionFace)
    set(web ${PROJECT_SOURCE_DIR}/app/web)
    # The download is the program: its code optimized for size, with the
    # smaller allocator (a few thousand small blocks are all it asks for).
    target_link_options(${target} PRIVATE -Oz -sMALLOC=emmalloc)
    set(built $<TARGET_FILE_DIR:${target}>)
    set(page ${CMAKE_CURRENT_BINARY_DIR}/page)
    get_filename_component(texts ${ZERUBINO_QT_JAPANESE_TEXTS} DIRECTORY)
    qt_add_resources(${target} qt_texts PREFIX /translations BASE ${texts} FILES ${ZERUBINO_QT_JAPANESE_TEXTS})
    # The page's own files, served as they are.
    set(pageFiles page.js kept-experiment.js read-aloud.js page.css manifest.webmanifest
        manifest-yomiage.webmanifest)
    list(TRANSFORM pageFiles PREPEND ${web}/ OUTPUT_VARIABLE pageSources)
    # Named as they are served, and the files they are made from.
    set(served ${pageFiles} icon-192.png icon-512.png ${target}.js ${target}.wasm qtloader.js)
    set(sources ${pageSources} ${PROJECT_SOURCE_DIR}/data/icons/192.png ${PROJECT_SOURCE_DIR}/data/icons/512.png
        ${captionFace})
    get_filename_component(captionName ${captionFace} NAME)
    list(APPEND served ${captionName})
    # Qt's link writes the module and its loader beside the program's script;
    # they are remade whenever the target is.
    set(linked ${built}/${target}.js ${built}/${target}.wasm ${built}/qtloader.js)
    # The page knows the program's size, for the progress it shows, and the
    # service worker the contents of every file, for its cache's name.
    add_custom_command(OUTPUT ${page}/index.html ${page}/service-worker.js
        COMMAND ${CMAKE_COMMAND} -DWEB=${web} -DPAGE=${page} -DWASM=${built}/${target}.wasm
                "-DSERVED=${served}" "-DSOURCES=${sources};${linked}"
                -P ${PROJECT_SOURCE_DIR}/cmake/WritePage.cmake
        DEPENDS ${target} ${sources} ${web}/index.html.in ${web}/service-worker.js.in
                ${PROJECT_SOURCE_DIR}/cmake/WritePage.cmake
        VERBATIM)
    add_custom_target(${target}_page ALL DEPENDS ${page}/index.html ${page}/service-worker.js)
    install(FILES ${page}/index.html ${page}/service-worker.js ${pageSources} ${captionFace} ${linked}
            DESTINATION .)
    install(FILES ${PROJECT_SOURCE_DIR}/data/icons/192.png DESTINATION . RENAME icon-192.png)
    install(FILES ${PROJECT_SOURCE_DIR}/data/icons/512.png DESTINATION . RENAME icon-512.png)
endfunction()
