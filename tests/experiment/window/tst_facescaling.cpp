#include "FaceScaling.h"
#include "InkBlobs.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QSet<QRgb> coloursOf(const QImage &image)
{
    QSet<QRgb> colours;
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < rgb.height(); ++y) {
        for (int x = 0; x < rgb.width(); ++x)
            colours.insert(rgb.pixel(x, y));
    }
    return colours;
}

} // namespace

class FaceScalingTest : public QObject
{
    Q_OBJECT

private slots:
    void pipsStayEqual_data()
    {
        QTest::addColumn<int>("face");
        QTest::addColumn<QSize>("size");
        // The large and the small die's boxes at the scale factors of
        // classroom screens.
        for (int face = 1; face <= 6; ++face) {
            for (const QSize box : {QSize(63, 65), QSize(47, 49)}) {
                for (const double factor : {1.0, 1.25, 1.5, 1.75, 2.0, 3.0}) {
                    const QSize size = box * factor;
                    QTest::addRow("face %d at %dx%d", face, size.width(), size.height()) << face << size;
                }
            }
        }
    }

    void pipsStayEqual()
    {
        QFETCH(int, face);
        QFETCH(QSize, size);
        const QImage design(u":/pictures/face%1.bmp"_s.arg(face));
        const QImage scaled = scaleFace(design, size);

        QCOMPARE(scaled.size(), size);
        QCOMPARE(coloursOf(scaled), coloursOf(design));
        const QList<InkBlob> pips = inkBlobs(scaled);
        QCOMPARE(pips.size(), face);
        for (const InkBlob &pip : pips)
            QCOMPARE(pip.shape, pips.first().shape);
        // A pip keeps its designed share of the face, to within a pixel.
        const QRect designed = inkBlobs(design).first().bounds;
        const double widthShare = double(designed.width()) / design.width();
        QVERIFY2(qAbs(pips.first().bounds.width() - widthShare * size.width()) <= 1.0,
                 qPrintable(u"%1 px wide"_s.arg(pips.first().bounds.width())));
        const double heightShare = double(designed.height()) / design.height();
        QVERIFY(qAbs(pips.first().bounds.height() - heightShare * size.height()) <= 1.0);
    }

    void theDesignSizeIsTheBitmapItself()
    {
        for (int face = 1; face <= 6; ++face) {
            const QImage design = QImage(u":/pictures/face%1.bmp"_s.arg(face)).convertToFormat(QImage::Format_RGB32);
            QCOMPARE(scaleFace(design, design.size()), design);
        }
    }
};

QTEST_GUILESS_MAIN(FaceScalingTest)
#include "tst_facescaling.moc"
