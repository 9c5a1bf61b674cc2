# Test programs of the browser build are Emscripten modules: Node.js runs
# them (run-module.mjs), with no page and no window.
find_program(NODE node REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR ${NODE} ${CMAKE_CURRENT_LIST_DIR}/run-module.mjs)
