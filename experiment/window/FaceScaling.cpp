#include "FaceScaling.h"

#include <QList>

namespace {

// For each screen pixel along one axis, the face pixel it shows. inked tells
// for each face pixel whether its column (or row) holds any ink.
QList<int> axisMapping(const QList<bool> &inked, int size)
{
    const qsizetype count = inked.size();
    const double scale = double(size) / double(count);
    const qsizetype inkedCount = inked.count(true);
    const qsizetype whiteCount = count - inkedCount;

    // The runs of equal kind and their screen lengths: inked runs scaled and
    // rounded on their own, white runs sharing the rest by their lengths.
    struct Run {
        qsizetype length;
        int screenLength;
    };
    QList<Run> runs;
    for (qsizetype start = 0; start < count;) {
        qsizetype end = start;
        while (end < count && inked.at(end) == inked.at(start))
            ++end;
        runs.append({end - start, inked.at(start) ? int(qRound(double(end - start) * scale)) : 0});
        start = end;
    }
    int inkedScreen = 0;
    for (const Run &run : runs)
        inkedScreen += run.screenLength;
    const double whiteScale = whiteCount > 0 ? double(size - inkedScreen) / double(whiteCount) : 0.0;
    qsizetype whiteSeen = 0;
    qsizetype position = 0;
    for (Run &run : runs) {
        if (!inked.at(position)) {
            run.screenLength = qRound(double(whiteSeen + run.length) * whiteScale) - qRound(double(whiteSeen) * whiteScale);
            whiteSeen += run.length;
        }
        position += run.length;
    }

    QList<int> mapping;
    mapping.reserve(size);
    qsizetype first = 0;
    for (const Run &run : runs) {
        for (int pixel = 0; pixel < run.screenLength; ++pixel)
            mapping.append(int(first + pixel * run.length / run.screenLength));
        first += run.length;
    }
    Q_ASSERT(mapping.size() == size);
    return mapping;
}

} // namespace

QImage scaleFace(const QImage &face, QSize size)
{
    const QImage source = face.convertToFormat(QImage::Format_RGB32);
    const QRgb white = qRgb(255, 255, 255);
    QList<bool> inkedColumns(source.width(), false);
    QList<bool> inkedRows(source.height(), false);
    for (int y = 0; y < source.height(); ++y) {
        for (int x = 0; x < source.width(); ++x) {
            if (source.pixel(x, y) != white) {
                inkedColumns[x] = true;
                inkedRows[y] = true;
            }
        }
    }
    const QList<int> columns = axisMapping(inkedColumns, size.width());
    const QList<int> rows = axisMapping(inkedRows, size.height());

    QImage scaled(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        const auto *from = reinterpret_cast<const QRgb *>(source.constScanLine(rows.at(y)));
        auto *to = reinterpret_cast<QRgb *>(scaled.scanLine(y));
        for (int x = 0; x < size.width(); ++x)
            to[x] = from[columns.at(x)];
    }
    return scaled;
}
