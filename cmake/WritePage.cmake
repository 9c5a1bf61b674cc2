# Run after the program is linked (cmake -P): writes the page and the service
# worker from their templates. WEB: the templates' folder; PAGE: the output
# folder; WASM: the program; SERVED and SOURCES: the page's files as they are
# served and the files they are made from.
file(SIZE ${WASM} ZERUBINO_WASM_BYTES)
set(hashes)
foreach(source ${SOURCES} ${WEB}/index.html.in ${WEB}/service-worker.js.in)
    file(SHA256 ${source} hash)
    string(APPEND hashes ${hash})
endforeach()
string(SHA256 ZERUBINO_PAGE_HASH "${hashes}")
string(SUBSTRING ${ZERUBINO_PAGE_HASH} 0 16 ZERUBINO_PAGE_HASH)
list(TRANSFORM SERVED REPLACE "(.+)" "'\\1'")
list(PREPEND SERVED "'index.html'")
list(JOIN SERVED ", " ZERUBINO_PAGE_FILES)
configure_file(${WEB}/index.html.in ${PAGE}/index.html @ONLY)
configure_file(${WEB}/service-worker.js.in ${PAGE}/service-worker.js @ONLY)
