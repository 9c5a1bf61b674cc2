#include "ScreenReaderAnnouncer.h"

#include <QAccessible>
#include <QApplication>
#include <QMessageBox>
#include <QWidget>

#include <emscripten/val.h>

#include <string>

using namespace Qt::StringLiterals;

namespace {

// Speaks through the page's own live region, which the browser's reader
// reads out as its text changes. Qt's elements for readers follow no focus,
// so the widget that takes the focus is told there too, as a desktop reader
// would say it.
class LiveRegionAnnouncer final : public Announcer
{
public:
    LiveRegionAnnouncer()
    {
        QObject::connect(qApp, &QApplication::focusChanged, qApp, [this](QWidget *, QWidget *now) {
            if (now)
                announce(focusLine(*now));
        });
    }

    void announce(const QString &sentence) override
    {
        const emscripten::val document = emscripten::val::global("document");
        emscripten::val region = document.call<emscripten::val>("getElementById", std::string("spoken"));
        if (region.isNull() || sentence.isEmpty())
            return;
        // A new text node each time, so that a sentence said again is heard
        // again.
        region.call<void>("replaceChildren",
                          document.call<emscripten::val>("createTextNode", sentence.toStdString()));
    }

private:
    static QString focusLine(QWidget &widget)
    {
        const QAccessibleInterface *object = QAccessible::queryAccessibleInterface(&widget);
        if (!object)
            return {};
        QString line = object->text(QAccessible::Name);
        if (object->role() == QAccessible::Button)
            line += u" ボタン"_s;
        // A question is read with its answers, as a desktop reader reads it.
        if (const auto *question = qobject_cast<const QMessageBox *>(widget.window()))
            line = question->text() + u" "_s + line;
        const QString description = object->text(QAccessible::Description);
        if (!description.isEmpty())
            line += u"。"_s + description;
        return line;
    }
};

} // namespace

std::unique_ptr<Announcer> screenReaderAnnouncer(QWidget &)
{
    return std::make_unique<LiveRegionAnnouncer>();
}
