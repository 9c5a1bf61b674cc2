#include <QFile>
#include <QImage>
#include <QPoint>
#include <QTest>
#include <QtEndian>

using namespace Qt::StringLiterals;

namespace {

// A 7 x 7 pip drawn in whole pixels: every row but the first and last is
// wider than a plain square's corners allow.
constexpr int PipPixels7 = 37;
constexpr int PipPixels8 = 52;

int countColour(const QImage &image, QColor colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            count += image.pixelColor(x, y) == colour ? 1 : 0;
    }
    return count;
}

} // namespace

class FacePicturesTest : public QObject
{
    Q_OBJECT

private slots:
    void facesFollowThePixelDesign_data()
    {
        QTest::addColumn<int>("face");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QList<QPoint>>("pips"); // top-left corners of 7 x 7 black pips

        QTest::newRow("face 2") << 2 << QSize(31, 31) << QList<QPoint>{{20, 4}, {4, 20}};
        QTest::newRow("face 3") << 3 << QSize(31, 31) << QList<QPoint>{{4, 20}, {12, 12}, {20, 4}};
        QTest::newRow("face 4") << 4 << QSize(31, 31) << QList<QPoint>{{4, 4}, {20, 4}, {4, 20}, {20, 20}};
        QTest::newRow("face 5") << 5 << QSize(31, 31) << QList<QPoint>{{4, 4}, {20, 4}, {12, 12}, {4, 20}, {20, 20}};
        QTest::newRow("face 6") << 6 << QSize(32, 33)
                                << QList<QPoint>{{6, 4}, {19, 4}, {6, 13}, {19, 13}, {6, 22}, {19, 22}};
    }

    void facesFollowThePixelDesign()
    {
        QFETCH(int, face);
        QFETCH(QSize, size);
        QFETCH(QList<QPoint>, pips);

        const QImage image(u":/pictures/face%1.bmp"_s.arg(face));
        QCOMPARE(image.size(), size);
        QCOMPARE(countColour(image, Qt::black), PipPixels7 * pips.size());
        QCOMPARE(countColour(image, Qt::white), size.width() * size.height() - PipPixels7 * pips.size());
        for (const QPoint &corner : pips) {
            // Each pip fills its 7 x 7 cell but for rounded corners.
            QCOMPARE(image.pixelColor(corner + QPoint(3, 3)), Qt::black);
            QCOMPARE(image.pixelColor(corner + QPoint(0, 3)), Qt::black);
            QCOMPARE(image.pixelColor(corner + QPoint(3, 0)), Qt::black);
            QCOMPARE(image.pixelColor(corner + QPoint(6, 3)), Qt::black);
            QCOMPARE(image.pixelColor(corner), Qt::white);
            QCOMPARE(image.pixelColor(corner + QPoint(6, 6)), Qt::white);
        }
    }

    void faceOneHasARedPipInTheMiddle()
    {
        const QImage image(u":/pictures/face1.bmp"_s);
        QCOMPARE(image.size(), QSize(32, 32));
        QCOMPARE(countColour(image, QColor(255, 0, 0)), PipPixels8);
        QCOMPARE(image.pixelColor(12, 15), QColor(255, 0, 0));
        QCOMPARE(image.pixelColor(19, 16), QColor(255, 0, 0));
        QCOMPARE(image.pixelColor(11, 15), Qt::white);
        QCOMPARE(image.pixelColor(20, 16), Qt::white);
    }

    void picturesAreUncompressed24BitBitmaps_data()
    {
        QTest::addColumn<QString>("file");
        for (int face = 1; face <= 6; ++face)
            QTest::addRow("face %d", face) << u":/pictures/face%1.bmp"_s.arg(face);
        QTest::newRow("icon") << u":/pictures/icon.bmp"_s;
    }

    void picturesAreUncompressed24BitBitmaps()
    {
        QFETCH(QString, file);
        QFile bitmap(file);
        QVERIFY(bitmap.open(QIODevice::ReadOnly));
        const QByteArray header = bitmap.read(54);
        QCOMPARE(header.left(2), "BM");
        QCOMPARE(qFromLittleEndian<quint16>(header.constData() + 28), 24); // bits per pixel
        QCOMPARE(qFromLittleEndian<quint32>(header.constData() + 30), 0U); // no compression
    }

    void iconIsADieFaceWithThreePipsRisingToTheRight()
    {
        const QImage icon(u":/pictures/icon.bmp"_s);
        QCOMPARE(icon.size(), QSize(32, 32));
        QVERIFY(!icon.hasAlphaChannel());
        QCOMPARE(icon.pixelColor(6, 25), Qt::black);  // lower left
        QCOMPARE(icon.pixelColor(15, 16), Qt::black); // centre
        QCOMPARE(icon.pixelColor(25, 6), Qt::black);  // upper right
        QCOMPARE(icon.pixelColor(6, 6), Qt::white);   // upper left stays white
        QCOMPARE(icon.pixelColor(25, 25), Qt::white); // lower right too
    }
};

QTEST_GUILESS_MAIN(FacePicturesTest)
#include "tst_facepictures.moc"
