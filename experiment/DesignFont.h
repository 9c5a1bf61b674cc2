#pragma once

#include <QFont>

// The designs ask for "ＭＳ Ｐゴシック". Where it is missing (every Linux
// desktop), fontconfig answers with a face without Japanese glyphs, so the
// program names proportional Japanese Gothic faces to stand in for it.
namespace DesignFont {

QFont gothic(int pixelSize, QFont::Weight weight);

} // namespace DesignFont
