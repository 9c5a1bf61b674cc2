#pragma once

#include <QFont>

// The designs ask for "ＭＳ Ｐゴシック", and for the toolkit's default font of
// a Japanese desktop. Where the first is missing (every Linux desktop),
// fontconfig answers with a face without Japanese glyphs, so the program names
// faces to stand in for both: first the ones made to the same metrics, so the
// texts fill their boxes and the help text's indents line up as designed,
// then other proportional Japanese Gothic faces.
namespace DesignFont {

QFont gothic(int pixelSize, QFont::Weight weight);

// The toolkit's default font of the designs: a Japanese UI face at 9 pt,
// 12 px at 96 dpi, which the graph's label positions are made for.
QFont userInterface();

} // namespace DesignFont
