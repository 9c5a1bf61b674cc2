#include "CueAtOnce.h"
#include "ManualTimerFactory.h"
#include "LabelNames.h"
#include "WavBytes.h"
#include "MixingRandomGenerator.h"
#include "Program.h"
#include "ScriptedClock.h"
#include "ScriptedExitQuestion.h"
#include "CueOutput.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

using namespace Qt::StringLiterals;

namespace {

// A WAV of `dataBytes` bytes of silence.
QByteArray wav(int dataBytes)
{
    return monoWav16(22050, QByteArray(dataBytes, '\0'));
}

QByteArray randomBytes(int size)
{
    QByteArray bytes(size, '\0');
    QRandomGenerator generator(7);
    generator.fillRange(reinterpret_cast<quint32 *>(bytes.data()), size / 4);
    return bytes;
}

void writeFile(const QString &name, const QByteArray &contents)
{
    QFile file(name);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(contents), contents.size());
}

// Makes both cue files of the working directory what the row says.
using Setup = std::function<void()>;

void forBothCues(const std::function<void(const QString &)> &make)
{
    make(u"pinpon.wav"_s);
    make(u"endpinpon.wav"_s);
}

} // namespace

Q_DECLARE_METATYPE(Setup)

// Whatever lies in the working directory under the cues' names, and with no
// audio output on this machine at all, a cue returns at once and its button
// does everything else it does.
class CueFilesTest : public QObject
{
    Q_OBJECT

private slots:
    void buttonsWorkWhateverTheCueFiles_data()
    {
        QTest::addColumn<Setup>("setup");
        QTest::addColumn<Setup>("betweenCues");

        const Setup nothing = [] {};
        QTest::newRow("missing") << nothing << nothing;
        QTest::newRow("a directory named pinpon.wav")
            << Setup([] { forBothCues([](const QString &name) { QDir().mkdir(name); }); }) << nothing;
        QTest::newRow("empty file")
            << Setup([] { forBothCues([](const QString &name) { writeFile(name, {}); }); }) << nothing;
        QTest::newRow("truncated WAV")
            << Setup([] { forBothCues([](const QString &name) { writeFile(name, wav(20000).left(30)); }); })
            << nothing;
        QTest::newRow("random bytes")
            << Setup([] { forBothCues([](const QString &name) { writeFile(name, randomBytes(8192)); }); })
            << nothing;
        QTest::newRow("a 50 MB WAV")
            << Setup([] { forBothCues([](const QString &name) { writeFile(name, wav(50 * 1024 * 1024)); }); })
            << nothing;
        QTest::newRow("no read permission") << Setup([] {
            forBothCues([](const QString &name) {
                writeFile(name, wav(4000));
                QFile::setPermissions(name, QFileDevice::Permissions());
            });
        }) << nothing;
        QTest::newRow("replaced between two cues")
            << Setup([] { forBothCues([](const QString &name) { writeFile(name, wav(4000)); }); })
            << Setup([] { forBothCues([](const QString &name) { writeFile(name, randomBytes(6000)); }); });
    }

    void buttonsWorkWhateverTheCueFiles()
    {
        QFETCH(Setup, setup);
        QFETCH(Setup, betweenCues);

        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QString previous = QDir::currentPath();
        QVERIFY(QDir::setCurrent(folder.path()));
        setup();

        ScriptedClock clock;
        MixingRandomGenerator random(5);
        const auto media = makeCueOutput();
        ManualTimerFactory timers;
        ScriptedExitQuestion exitQuestion;
        Program program({clock, random, *media, timers, exitQuestion});
        program.start();
        ExperimentWindow &window = program.experimentWindow();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const auto click = [&](const QString &button) {
            QElapsedTimer elapsed;
            elapsed.start();
            QTest::mouseClick(window.findChild<QPushButton *>(button), Qt::LeftButton);
            return elapsed.elapsed();
        };
        const auto withinBudget = [](qint64 milliseconds) {
            if (milliseconds >= CueAtOnceMs)
                qWarning("a cue took %lld ms", milliseconds);
            return milliseconds < CueAtOnceMs;
        };

        for (int round = 0; round < 2; ++round) {
            QVERIFY(withinBudget(click(controlName(Control::Command5)))); // reset still resets
            QCOMPARE(window.findChild<QLabel *>(LabelNames::ThrowCount)->text(), u"0"_s);
            QVERIFY(withinBudget(click(controlName(Control::Command7)))); // help still opens
            QVERIFY(QApplication::activeWindow() != &window || QApplication::topLevelWidgets().size() > 1);
            QVERIFY(withinBudget(click(controlName(Control::Command4)))); // the question is still asked
            QCOMPARE(exitQuestion.asked, round + 1);
            // Let the background decoder meet the file, then change it.
            QTest::qWait(300);
            betweenCues();
        }
        // Nothing was said to the user: no window but the program's own.
        for (const QWidget *widget : QApplication::topLevelWidgets())
            QVERIFY2(!qobject_cast<const QMessageBox *>(widget) || !widget->isVisible(), "a message appeared");

        QVERIFY(QDir::setCurrent(previous));
    }
};

QTEST_MAIN(CueFilesTest)
#include "tst_cuefiles.moc"
