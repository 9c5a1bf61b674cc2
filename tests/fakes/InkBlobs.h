#pragma once

#include <QImage>
#include <QList>
#include <QRect>

#include <utility>

// A patch of connected non-white pixels: a pip of a die face, for example.
struct InkBlob {
    QRect bounds;
    int pixels = 0;
    QList<QPoint> shape; // its pixels, relative to the top-left of its bounds, in scan order

    bool operator==(const InkBlob &) const = default;
};

// Every patch of connected non-white pixels of an image, in scan order of
// their first pixel; pixels touching by a side belong together.
inline QList<InkBlob> inkBlobs(const QImage &image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    const QRgb white = qRgb(255, 255, 255);
    QList<bool> seen(qsizetype(rgb.width()) * rgb.height(), false);
    const auto index = [&](QPoint p) { return qsizetype(p.y()) * rgb.width() + p.x(); };
    QList<InkBlob> blobs;
    for (int y = 0; y < rgb.height(); ++y) {
        for (int x = 0; x < rgb.width(); ++x) {
            if (seen.at(index({x, y})) || rgb.pixel(x, y) == white)
                continue;
            QList<QPoint> pixels;
            QList<QPoint> pending{{x, y}};
            seen[index({x, y})] = true;
            while (!pending.isEmpty()) {
                const QPoint p = pending.takeLast();
                pixels.append(p);
                for (const QPoint step : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
                    const QPoint next = p + step;
                    if (rgb.rect().contains(next) && !seen.at(index(next)) && rgb.pixel(next) != white) {
                        seen[index(next)] = true;
                        pending.append(next);
                    }
                }
            }
            InkBlob blob;
            for (const QPoint p : std::as_const(pixels))
                blob.bounds |= QRect(p, QSize(1, 1));
            std::sort(pixels.begin(), pixels.end(),
                      [](QPoint a, QPoint b) { return std::pair(a.y(), a.x()) < std::pair(b.y(), b.x()); });
            for (const QPoint p : std::as_const(pixels))
                blob.shape.append(p - blob.bounds.topLeft());
            blob.pixels = int(pixels.size());
            blobs.append(blob);
        }
    }
    return blobs;
}
