#include "ApplicationEnd.h"

#include <QCoreApplication>

#ifdef Q_OS_WASM
#include <emscripten.h>
#endif

void endApplication()
{
    QCoreApplication::quit();
#ifdef Q_OS_WASM
    EM_ASM({
        if (Module.zerubinoEnded)
            Module.zerubinoEnded();
    });
#endif
}
