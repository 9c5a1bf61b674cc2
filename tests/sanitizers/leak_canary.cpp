// Leaks on purpose inside an event handler, as a slip in our own code would.
// The sanitizer build checks that LeakSanitizer, with the project's
// suppressions, still reports such a leak.
#include <QCoreApplication>
#include <QTimer>

namespace {
int *forgotten = nullptr;
}

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTimer::singleShot(0, &app, [] {
        forgotten = new int[100];
        forgotten[0] = 1;
        forgotten = nullptr; // the only pointer to it is gone
        QCoreApplication::quit();
    });
    return QCoreApplication::exec();
}
