#include "PageScreen.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

#include <emscripten.h>

void PageScreen::frameWindows()
{
    EM_ASM({
        if (Module.zerubinoFrameWindows)
            Module.zerubinoFrameWindows();
    });
}

void PageScreen::follow(QObject *context, std::function<void()> refit)
{
    // A turn changes the size and the scale one after the other: one refit
    // serves both, after the windows have had their new pixel ratio.
    auto *pending = new QTimer(context);
    pending->setSingleShot(true);
    pending->setInterval(0);
    QObject::connect(pending, &QTimer::timeout, context, std::move(refit));
    QObject::connect(QGuiApplication::primaryScreen(), &QScreen::geometryChanged, pending,
                     qOverload<>(&QTimer::start));
}
