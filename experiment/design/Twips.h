#pragma once

#include <QRect>

#include <stdexcept>

// The designs are measured in twips, 15 to a pixel at 96 dpi. Every value is
// a whole number of pixels; a value that is not fails to compile.
consteval int twipsToPixels(int twips)
{
    if (twips % 15 != 0)
        throw std::invalid_argument("not on a whole pixel");
    return twips / 15;
}

consteval QRect fromTwips(int left, int top, int width, int height)
{
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height));
}

consteval QSize sizeFromTwips(int width, int height)
{
    return QSize(twipsToPixels(width), twipsToPixels(height));
}
