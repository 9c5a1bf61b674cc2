#pragma once

#include <emscripten/val.h>

// What the page hands the program with its loading (page.js), by name:
// undefined where this page offers none.
inline emscripten::val pageHook(const char *name)
{
    return emscripten::val::module_property(name);
}
