#include "PageReadAloud.h"

#include "PageHook.h"
#include "ReadAloudForm.h"

#include <string>

bool PageReadAloud::offered()
{
    return !pageHook("zerubinoReadAloud").isUndefined();
}

void PageReadAloud::read(const QString &text)
{
    emscripten::val utterances = emscripten::val::array();
    for (const QString &utterance : ReadAloudForm::utterances(text))
        utterances.call<void>("push", utterance.toStdString());
    pageHook("zerubinoReadAloud")(utterances);
}

void PageReadAloud::stop()
{
    pageHook("zerubinoStopReading")();
}
