#include "PageExperimentStore.h"

#include "PageHook.h"

#include <string>

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
