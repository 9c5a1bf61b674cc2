#include "PageScreen.h"

#include <QAccessible>
#include <QApplication>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWidget>

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

namespace {

// Qt places a window's elements for readers where its widgets lie when it
// builds them or a widget is shown, and not again when the window moves; a
// window placed after it is shown, as every one of ours is, and the exit
// question, left them off their widgets. Once a window has moved or been
// shown, its shown widgets are announced as shown again, which places them.
class ReaderElementPlacer final : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *object, QEvent *event) override
    {
        const auto type = event->type();
        if ((type == QEvent::Show || type == QEvent::Move || type == QEvent::Resize) && object->isWidgetType()) {
            auto *widget = static_cast<QWidget *>(object);
            if (widget->isWindow())
                placeSoon(widget);
        }
        return false;
    }

private:
    // Once per window and turn of the event loop, after every move of it.
    void placeSoon(QWidget *window)
    {
        if (pending.contains(window))
            return;
        pending.append(window);
        QTimer::singleShot(0, this, [this, window, shown = QPointer(window)] {
            pending.removeAll(window);
            if (shown && shown->isVisible())
                place(*shown);
        });
    }

    static void place(QWidget &window)
    {
        QList<QWidget *> widgets = window.findChildren<QWidget *>();
        widgets.prepend(&window);
        for (QWidget *widget : std::as_const(widgets)) {
            if (!widget->isVisible())
                continue;
            QAccessibleEvent shown(widget, QAccessible::ObjectShow);
            QAccessible::updateAccessibility(&shown);
        }
    }

    QList<QWidget *> pending;
};

} // namespace

void PageScreen::keepReaderElementsOnWidgets()
{
    qApp->installEventFilter(new ReaderElementPlacer(qApp));
}
