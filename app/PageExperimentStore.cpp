#include "PageExperimentStore.h"

#include <emscripten/val.h>

#include <string>

namespace {

// The page's hooks; a page without them keeps nothing.
emscripten::val pageHook(const char *name)
{
    return emscripten::val::module_property(name);
}

} // namespace

QString PageExperimentStore::kept() const
{
    const emscripten::val kept = pageHook("zerubinoKeptExperiment");
    return kept.isString() ? QString::fromStdString(kept.as<std::string>()) : QString();
}

void PageExperimentStore::keep(const QString &keptForm)
{
    if (const emscripten::val keep = pageHook("zerubinoKeepExperiment"); !keep.isUndefined())
        keep(keptForm.toStdString());
}

void PageExperimentStore::forget()
{
    if (const emscripten::val forget = pageHook("zerubinoForgetExperiment"); !forget.isUndefined())
        forget();
}
