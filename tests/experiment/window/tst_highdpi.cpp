#include "ExperimentWindow.h"
#include "LabelNames.h"
#include "ManualTimerFactory.h"

#include <QLabel>
#include <QTest>

using namespace Qt::StringLiterals;

// Run with QT_SCALE_FACTOR=2, as on a projector: the whole design doubles.
class HighDpiTest : public QObject
{
    Q_OBJECT

private slots:
    void theDesignDoublesWithoutClipping()
    {
        QCOMPARE(qgetenv("QT_SCALE_FACTOR"), QByteArray("2"));
        ManualTimerFactory timers;
        ExperimentWindow window(timers);
        for (int face = 2; face <= 6; ++face) {
            window.setFaceVisible(Die::Large, face, false);
            window.setFaceVisible(Die::Small, face, false);
        }
        window.showText(LabelNames::ThrowCount, u"1000"_s);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        const QImage shot = window.grab().toImage();
        QCOMPARE(shot.devicePixelRatio(), 2.0);
        QCOMPARE(shot.size(), QSize(1042, 960));

        // The large die's red pip at twice its place.
        QCOMPARE(shot.pixelColor(2 * QPoint(183, 80)), QColor(255, 0, 0));
        // The shared frame line of d11 and d12 at x = 168, now two pixels wide.
        QCOMPARE(shot.pixelColor(2 * 168, 2 * 190), QColor(Qt::black));
        QCOMPARE(shot.pixelColor(2 * 168 + 1, 2 * 190), QColor(Qt::black));
        QCOMPARE(shot.pixelColor(2 * 168 + 2, 2 * 190), QColor(Qt::white));
        QCOMPARE(shot.pixelColor(2 * 168 - 1, 2 * 190), QColor(Qt::white));

        // Texts still fit their boxes.
        for (const QLabel *label : window.findChildren<QLabel *>()) {
            const QSize text = label->fontMetrics().size(0, label->text());
            QVERIFY2(text.width() <= label->contentsRect().width(), qPrintable(label->objectName()));
            QVERIFY2(text.height() <= label->height(), qPrintable(label->objectName()));
        }
    }
};

QTEST_MAIN(HighDpiTest)
#include "tst_highdpi.moc"
