#pragma once

#include <QImage>

// Enlarges a die face to a size in screen pixels without smoothing, so that
// all pips of the face stay the same size and shape. Plain nearest-neighbour
// scaling by a fraction widens some pixel columns and not others: at 1.5 one
// pip of a face would be 22 pixels wide and the next 21. Here every run of
// inked columns (or rows) of equal length gets the same width and the same
// inner pattern, and the white runs between them take up what is left over.
QImage scaleFace(const QImage &face, QSize size);
