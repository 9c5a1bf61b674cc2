#include "DrawingSurface.h"
#include "ExperimentRecord.h"
#include "GraphCanvas.h"
#include "GraphDrawing.h"
#include "GraphWindow.h"
#include "RecordingLabelDisplay.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QColor Blue(0, 0, 255);
const QColor Black(0, 0, 0);

// A record after `throws` throws of which the first `odd` had an odd product.
void fill(ExperimentRecord &record, int throws, int odd)
{
    for (int n = 1; n <= throws; ++n) {
        const qint16 face = n <= odd ? 1 : 2;
        record.storeFace(Die::Large, face);
        record.storeFace(Die::Small, face);
        record.CountThrow();
        record.RecordThrow();
    }
}

QList<QPoint> pixelsOf(const QImage &image, const QColor &colour)
{
    QList<QPoint> found;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y) == colour)
                found.append({x, y});
        }
    }
    return found;
}

} // namespace

class GraphWindowTest : public QObject
{
    Q_OBJECT

private:
    RecordingLabelDisplay labels;
    std::unique_ptr<ExperimentRecord> record;
    std::unique_ptr<GraphWindow> window;

    const QImage &picture() const { return window->surface().image(); }

    // Where a user point lands on this window's surface.
    QPoint at(double x, double y)
    {
        QImage scratch(picture().size(), QImage::Format_RGB32);
        return GraphCanvas(scratch, QFont(), Qt::black).toPixels({x, y});
    }

private slots:
    void init()
    {
        record = std::make_unique<ExperimentRecord>(labels);
        window = std::make_unique<GraphWindow>(*record);
    }

    void cleanup()
    {
        window.reset();
        record.reset();
    }

    void theWindowAsDesigned()
    {
        QCOMPARE(window->windowTitle(), u" グラフ"_s);
        QCOMPARE(window->size(), QSize(650, 378));
        const auto *close = window->findChild<QPushButton *>(u"Command1"_s);
        QCOMPARE(close->text(), u"閉じる"_s);
        QCOMPARE(close->geometry(), QRect(584, 0, 65, 25));
        const auto *surface = window->findChild<QWidget *>(u"Picture1"_s);
        QCOMPARE(surface->geometry(), QRect(8, 40, 633, 321));
        QCOMPARE(picture().size(), QSize(629, 317));
        QCOMPARE(window->surface().contentsRect(), QRect(2, 2, 629, 317));
        QCOMPARE(pixelsOf(picture(), Qt::white).size(), 629 * 317); // a new window starts white
        QCOMPARE(surface->nextInFocusChain(), close);
    }

    void textsAreInTheJapaneseUserInterfaceFace()
    {
        const QFont font = window->surface().font();
        QCOMPARE(QFontInfo(font).family(), u"Ume UI Gothic"_s);
        QCOMPARE(font.pixelSize(), 12);
        const auto *close = window->findChild<QPushButton *>(u"Command1"_s);
        QCOMPARE(close->font(), font);
        QVERIFY(close->fontMetrics().horizontalAdvance(close->text()) < close->width() - 8);
    }

    void ratioLabelsEndLeftOfTheAxis_data()
    {
        QTest::addColumn<QString>("label");
        QTest::newRow("0.00") << u"0.00"_s;
        QTest::newRow("0.25") << u"0.25"_s;
        QTest::newRow("1.00") << u"1.00"_s;
    }

    void ratioLabelsEndLeftOfTheAxis()
    {
        QFETCH(QString, label);
        const qreal end = at(60, 0).x() + QFontMetricsF(window->surface().font()).horizontalAdvance(label);
        QVERIFY2(end < at(100, 0).x(), qPrintable(u"ends at %1, the axis is at %2"_s.arg(end).arg(at(100, 0).x())));
    }

    void graphPointFloorsTheStoredRatio_data()
    {
        QTest::addColumn<int>("throws");
        QTest::addColumn<int>("odd");
        QTest::addColumn<double>("y");

        QTest::newRow("ratio 1") << 1 << 1 << 10.0;
        QTest::newRow("ratio 0") << 1 << 0 << 110.0;
        QTest::newRow("a quarter on the reference line") << 4 << 1 << 85.0;
        QTest::newRow("7/10 plots at 41, not 40") << 10 << 7 << 41.0;
        QTest::newRow("29/100 plots at 82, not 81") << 100 << 29 << 82.0;
        QTest::newRow("57/100 plots at 54, not 53") << 100 << 57 << 54.0;
        QTest::newRow("1/16") << 16 << 1 << 104.0;
    }

    void graphPointFloorsTheStoredRatio()
    {
        QFETCH(int, throws);
        QFETCH(int, odd);
        QFETCH(double, y);
        fill(*record, throws, odd);
        QCOMPARE(Graph::GraphPoint(*record, throws), QPointF(throws + 100, y));
    }

    void anEmptyRecordPlotsOnePointOnTheAxis()
    {
        window->DrawGraph();
        QCOMPARE(pixelsOf(picture(), Blue), QList<QPoint>{at(101, 110)});
    }

    void oneThrowPlotsOnePoint_data()
    {
        QTest::addColumn<int>("odd");
        QTest::addColumn<double>("y");
        QTest::newRow("odd product") << 1 << 10.0;
        QTest::newRow("even product") << 0 << 110.0;
    }

    void oneThrowPlotsOnePoint()
    {
        QFETCH(int, odd);
        QFETCH(double, y);
        fill(*record, 1, odd);
        window->DrawGraph();
        QCOMPARE(pixelsOf(picture(), Blue), QList<QPoint>{at(101, y)});
    }

    void theFixedElementsAreBlack()
    {
        window->DrawGraph();
        const QImage &image = picture();
        QCOMPARE(image.pixelColor(at(100, 50)), Black);   // vertical axis
        QCOMPARE(image.pixelColor(at(100, 5)), Black);    // its top end
        QCOMPARE(image.pixelColor(at(600, 110)), Black);  // horizontal axis
        QCOMPARE(image.pixelColor(at(1099, 110)), Black); // up to the right edge
        QCOMPARE(image.pixelColor(at(96, 50)), Black);    // a tick at ratio 0.6
        QCOMPARE(image.pixelColor(at(96, 55)), Qt::white);
        QCOMPARE(image.pixelColor(at(505, 85)), Black);  // a dash
        QCOMPARE(image.pixelColor(at(515, 85)), Qt::white); // a gap
        QCOMPARE(image.pixelColor(at(1095, 85)), Qt::white); // the last dash ends at 1090
        QCOMPARE(image.pixelColor(at(500, 111)), Black); // a tick at 400 throws
        QCOMPARE(image.pixelColor(at(1100, 111) - QPoint(1, 0)), Qt::white); // none at 1000 throws

        // Every text is there: some ink where each one starts.
        const auto hasInk = [&](double x, double y, double width) {
            const QRect box(at(x, y), at(x + width, y + 4));
            for (int py = box.top(); py <= box.bottom(); ++py) {
                for (int px = box.left(); px <= box.right(); ++px) {
                    const QColor colour = image.pixelColor(px, py);
                    if (colour != Qt::white && colour != Blue)
                        return true;
                }
            }
            return false;
        };
        QVERIFY(hasInk(60, 110, 30));  // "0.00"
        QVERIFY(hasInk(60, 83, 30));   // "0.25"
        QVERIFY(hasInk(60, 8, 30));    // "1.00"
        QVERIFY(hasInk(930, 100, 150)); // "(横軸は実験回数)"
        QVERIFY(hasInk(120, 10, 150)); // "(縦軸は積が奇数の割合)"
        for (int label = 0; label < 9; ++label)
            QVERIFY(hasInk(185 + 100 * label, 112, 30));
        QVERIFY(!hasInk(1085, 112, 14)); // no label for 1000 throws
    }

    void aQuarterPlotsOnTheReferenceLine()
    {
        fill(*record, 4, 1);
        window->DrawGraph();
        QCOMPARE(picture().pixelColor(at(104, 85)), Blue);
        QCOMPARE(picture().pixelColor(at(101, 10)), Blue);
    }

    void aFullRunEndsAtTheRightEdge()
    {
        fill(*record, 1000, 250);
        window->DrawGraph();
        QCOMPARE(Graph::GraphPoint(*record, 1000).x(), 1100.0);
        const auto blue = pixelsOf(picture(), Blue);
        const auto rightmost = std::max_element(blue.begin(), blue.end(),
                                                [](QPoint a, QPoint b) { return a.x() < b.x(); });
        QCOMPARE(rightmost->x(), picture().width() - 1);
        QCOMPARE(rightmost->y(), at(1100, 85).y());
    }

    void drawingAgainOverTheSameRecordChangesNothing()
    {
        fill(*record, 37, 9);
        window->DrawGraph();
        const QImage first = picture().copy();
        window->DrawGraph();
        QCOMPARE(picture(), first);
    }

    void aChangedRecordIsLaidOverTheOldPicture()
    {
        fill(*record, 10, 10); // a line along ratio 1
        window->DrawGraph();
        record->ResetExperiment();
        fill(*record, 10, 0); // and now along ratio 0
        window->DrawGraph();
        QCOMPARE(picture().pixelColor(at(108, 10)), Blue);
        QCOMPARE(picture().pixelColor(at(108, 110)), Blue);
    }

    void theSurfaceShowsItsImage()
    {
        fill(*record, 10, 10);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        window->DrawGraph();
        const QImage shown = window->findChild<QWidget *>(u"Picture1"_s)->grab().toImage();
        QCOMPARE(shown.pixelColor(at(105, 10) + QPoint(2, 2)), Blue);
        QCOMPARE(shown.copy(2, 2, 629, 317).convertToFormat(QImage::Format_RGB32), picture());
    }
};

QTEST_MAIN(GraphWindowTest)
#include "tst_graphwindow.moc"
