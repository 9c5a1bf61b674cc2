#include "ManualTimerFactory.h"
#include "LabelNames.h"
#include "RealSeams.h"
#include "ScriptedExitQuestion.h"

#include <QApplication>
#include <QDirIterator>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// A home of its own for the whole test process, set before Qt starts.
QTemporaryDir *home = nullptr;

QStringList filesUnder(const QString &folder)
{
    QStringList files;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext())
        files.append(it.next());
    return files;
}

} // namespace

// A whole session in an empty working directory changes nothing on disk: the
// program reads its two cues and writes nothing, no settings either.
class WritesNothingTest : public QObject
{
    Q_OBJECT

private slots:
    void aWholeSessionLeavesNoTrace()
    {
        QTemporaryDir workingDirectory;
        QVERIFY(QDir::setCurrent(workingDirectory.path()));
        const QStringList homeBefore = filesUnder(home->path());

        RealSeams real;
        ManualTimerFactory timers; // the real timers would make this a minute long
        ScriptedExitQuestion exitQuestion;
        Program program({real.clock, real.random, real.media, timers, exitQuestion});
        prepareApplication(*qApp);
        program.start();
        ExperimentWindow &window = program.experimentWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        const auto click = [&](const QString &name) {
            if (window.isVisible())
                QTest::mouseClick(window.findChild<QPushButton *>(name), Qt::LeftButton);
            QCoreApplication::processEvents();
        };
        const auto tick = [&](int timer) { timers.created.at(timer)->tick(); };

        click(controlName(Control::Command8)); // a manual throw
        tick(0);
        tick(1);
        click(controlName(Control::Command2));
        click(controlName(Control::Command1)); // an automatic run
        for (int n = 0; n < 50; ++n)
            tick(2);
        click(controlName(Control::Command3));
        click(controlName(Control::Command6)); // the graph
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (widget->objectName() == u"Form2"_s && widget->isVisible())
                widget->close();
        }
        QVERIFY(QTest::qWaitForWindowActive(&window));
        click(controlName(Control::Command7)); // help
        click(controlName(Control::Command5)); // reset
        exitQuestion.answerYes = true;
        click(controlName(Control::Command4)); // exit
        QVERIFY(!window.isVisible());
        QCOMPARE(window.findChild<QLabel *>(LabelNames::ThrowCount)->text(), u"0"_s);

        QCOMPARE(filesUnder(workingDirectory.path()), QStringList());
        // Font caches and the like belong to the libraries; nothing may be ours.
        for (const QString &file : filesUnder(home->path())) {
            if (!homeBefore.contains(file))
                QVERIFY2(!file.contains(u"zerubino"_s, Qt::CaseInsensitive) && !file.contains(u"ゼルビノ"_s)
                             && !file.endsWith(u".conf"_s) && !file.endsWith(u".ini"_s),
                         qPrintable(file));
        }
    }
};

int main(int argc, char *argv[])
{
    QTemporaryDir processHome;
    home = &processHome;
    for (const char *variable : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_STATE_HOME"})
        qputenv(variable, processHome.path().toLocal8Bit());
    QApplication app(argc, argv);
    WritesNothingTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_writesnothing.moc"
