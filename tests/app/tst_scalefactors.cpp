#include "DrawingSurface.h"
#include "ExperimentRecord.h"
#include "ExperimentWindow.h"
#include "GraphCanvas.h"
#include "GraphWindow.h"
#include "HelpWindow.h"
#include "InkBlobs.h"
#include "ManualTimerFactory.h"
#include "RecordingLabelDisplay.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

// Run at the scale factors of classroom screens (QT_SCALE_FACTOR 1, 1.25,
// 1.5, 2): the pictures are drawn in the screen's own pixels.
class ScaleFactorsTest : public QObject
{
    Q_OBJECT

private:
    qreal factor = 1.0;
    int line = 1; // one design pixel in screen pixels
    RecordingLabelDisplay labels;
    ExperimentRecord record{labels};
    ManualTimerFactory timers;
    std::unique_ptr<ExperimentWindow> experiment;
    std::unique_ptr<GraphWindow> graph;
    std::unique_ptr<HelpWindow> help;

    const DrawingSurface &surfaceOf(const QString &window) const
    {
        return window == u"graph"_s ? graph->surface() : help->surface();
    }

    void draw(const QString &window)
    {
        if (window == u"graph"_s)
            graph->DrawGraph();
        else
            help->showHelpText();
    }

    static void addSurfaceRows()
    {
        QTest::addColumn<QString>("window");
        QTest::newRow("graph") << u"graph"_s;
        QTest::newRow("help") << u"help"_s;
    }

private slots:
    void initTestCase()
    {
        factor = QGuiApplication::primaryScreen()->devicePixelRatio();
        line = qMax(1, qRound(factor));
        qInfo("scale factor %g: one design pixel is %d screen pixels", factor, line);
        QCOMPARE(factor, qEnvironmentVariable("QT_SCALE_FACTOR", u"1"_s).toDouble());

        for (int n = 1; n <= 40; ++n) {
            const qint16 face = n % 3 == 0 ? 1 : 2;
            record.storeFace(Die::Large, face);
            record.storeFace(Die::Small, face);
            record.CountThrow();
            record.RecordThrow();
        }
        experiment = std::make_unique<ExperimentWindow>(timers);
        graph = std::make_unique<GraphWindow>(record);
        help = std::make_unique<HelpWindow>();
        for (QWidget *window : QList<QWidget *>{experiment.get(), graph.get(), help.get()}) {
            window->show();
            QVERIFY(QTest::qWaitForWindowExposed(window));
        }
        graph->DrawGraph();
        help->showHelpText();
    }

    void cleanupTestCase()
    {
        help.reset();
        graph.reset();
        experiment.reset();
    }

    void imagesHoldScreenPixels_data() { addSurfaceRows(); }

    void imagesHoldScreenPixels()
    {
        QFETCH(QString, window);
        const DrawingSurface &surface = surfaceOf(window);
        QCOMPARE(surface.image().devicePixelRatio(), factor);
        QCOMPARE(surface.image().size(), surface.contentsRect().size() * factor);
    }

    void theScreenShowsTheImageInsideItsEdge_data() { addSurfaceRows(); }

    void theScreenShowsTheImageInsideItsEdge()
    {
        QFETCH(QString, window);
        const DrawingSurface &surface = surfaceOf(window);
        const QImage shown = const_cast<DrawingSurface &>(surface).grab().toImage().convertToFormat(
            QImage::Format_RGB32);
        QCOMPARE(shown.size(), surface.size() * factor);

        // The picture pixel for pixel, where the design's two-pixel edge ends.
        const int edge = qRound(surface.frameWidth() * factor);
        const QRect inside(QPoint(edge, edge), surface.image().size());
        QCOMPARE(shown.copy(inside), surface.image().convertToFormat(QImage::Format_RGB32).copy());

        // Around it, only the edge's own colours: no band of window colour.
        const QPalette palette = surface.palette();
        const QSet<QRgb> edgeColours{palette.color(QPalette::Dark).rgb(), palette.color(QPalette::Light).rgb(),
                                     palette.color(QPalette::Shadow).rgb(), palette.color(QPalette::Midlight).rgb()};
        QVERIFY(!edgeColours.contains(palette.color(QPalette::Window).rgb()));
        for (int y = 0; y < shown.height(); ++y) {
            for (int x = 0; x < shown.width(); ++x) {
                if (!inside.contains(x, y))
                    QVERIFY2(edgeColours.contains(shown.pixel(x, y)), qPrintable(u"at %1, %2"_s.arg(x).arg(y)));
            }
        }
    }

    void drawingAgainChangesNothing_data() { addSurfaceRows(); }

    void drawingAgainChangesNothing()
    {
        QFETCH(QString, window);
        const QImage before = surfaceOf(window).image().copy();
        draw(window);
        QCOMPARE(surfaceOf(window).image(), before);
    }

    void theHelpTextEndsInsideTheDrawingArea()
    {
        const QImage &image = help->surface().image();
        int rightmost = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = rightmost; x < image.width(); ++x) {
                if (image.pixelColor(x, y) != Qt::white)
                    rightmost = x;
            }
        }
        qInfo("the help text's ink ends at x = %d of %d", rightmost, image.width());
        QVERIFY(rightmost < image.width() - line);
    }

    void aHorizontalLineIsOneDesignPixelThickEverywhere()
    {
        QImage image(graph->surface().image().size(), QImage::Format_RGB32);
        image.setDevicePixelRatio(factor);
        image.fill(Qt::white);
        {
            GraphCanvas canvas(image, graph->font(), Qt::black);
            canvas.line({100, 110}, {1100, 110}, Qt::black);
        }
        const int axisStart = GraphCanvas(image, graph->font(), Qt::black).toPixels({100, 110}).x();
        for (int x = 0; x < image.width(); ++x) {
            int black = 0;
            for (int y = 0; y < image.height(); ++y)
                black += image.pixelColor(x, y) == Qt::black ? 1 : 0;
            if (x >= axisStart)
                QVERIFY2(black == line, qPrintable(u"%1 pixels at x = %2"_s.arg(black).arg(x)));
        }
    }

    void theGraphsAxisIsOneDesignPixelThickBetweenItsTicks()
    {
        // Before any throw, only the point of throw 1 lies on the axis.
        RecordingLabelDisplay noLabels;
        const ExperimentRecord empty(noLabels);
        GraphWindow emptyGraph(empty);
        emptyGraph.show();
        QVERIFY(QTest::qWaitForWindowExposed(&emptyGraph));
        emptyGraph.DrawGraph();
        const QImage &image = emptyGraph.surface().image();
        QImage scratch(image.size(), QImage::Format_RGB32);
        scratch.setDevicePixelRatio(factor);
        const GraphCanvas map(scratch, graph->font(), Qt::black);
        const QPoint axis = map.toPixels({100, 110});
        QList<int> ticks;
        for (int x = 100; x <= 1000; x += 100)
            ticks.append(map.toPixels({double(x), 110}).x());
        // Below the axis the 0.00 label and the throw labels begin further down.
        const int from = map.toPixels({100, 105}).y();
        const int to = map.toPixels({100, 111.5}).y();
        for (int x = axis.x() + line; x < image.width(); ++x) {
            if (std::any_of(ticks.cbegin(), ticks.cend(), [&](int tick) { return qAbs(x - tick) <= line; }))
                continue;
            int inked = 0;
            for (int y = from; y <= to; ++y)
                inked += image.pixelColor(x, y) != Qt::white ? 1 : 0;
            QVERIFY2(inked == line, qPrintable(u"%1 pixels at x = %2"_s.arg(inked).arg(x)));
        }
    }

    void allPipsOfAFaceAreEqual_data()
    {
        QTest::addColumn<int>("die");
        QTest::addColumn<int>("face");
        for (int face = 1; face <= 6; ++face) {
            QTest::addRow("large die, face %d", face) << 1 << face;
            QTest::addRow("small die, face %d", face) << 2 << face;
        }
    }

    void allPipsOfAFaceAreEqual()
    {
        QFETCH(int, die);
        QFETCH(int, face);
        auto *picture = experiment->findChild<QWidget *>(u"Image%1(%2)"_s.arg(die).arg(face));
        QVERIFY(picture);
        const QImage shown = picture->grab().toImage();
        QCOMPARE(shown.size(), picture->size() * factor);
        const QList<InkBlob> pips = inkBlobs(shown);
        QCOMPARE(pips.size(), face);
        for (const InkBlob &pip : pips)
            QCOMPARE(pip.shape, pips.first().shape);
    }

    void textsFitTheirBoxes_data()
    {
        QTest::addColumn<QString>("window");
        QTest::newRow("experiment") << u"experiment"_s;
        QTest::newRow("graph") << u"graph"_s;
        QTest::newRow("help") << u"help"_s;
    }

    void textsFitTheirBoxes()
    {
        QFETCH(QString, window);
        const QWidget *shown = window == u"experiment"_s ? static_cast<QWidget *>(experiment.get())
                               : window == u"graph"_s    ? static_cast<QWidget *>(graph.get())
                                                         : static_cast<QWidget *>(help.get());
        for (const QPushButton *button : shown->findChildren<QPushButton *>()) {
            QVERIFY2(button->fontMetrics().horizontalAdvance(button->text()) < button->width() - 8,
                     qPrintable(button->objectName()));
            QVERIFY2(button->fontMetrics().height() < button->height(), qPrintable(button->objectName()));
        }
        for (const QLabel *label : shown->findChildren<QLabel *>()) {
            const QSize text = label->fontMetrics().size(0, label->text());
            QVERIFY2(text.width() <= label->contentsRect().width(), qPrintable(label->objectName()));
            QVERIFY2(text.height() <= label->height(), qPrintable(label->objectName()));
        }
    }
};

QTEST_MAIN(ScaleFactorsTest)
#include "tst_scalefactors.moc"
