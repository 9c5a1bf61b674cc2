#pragma once

#include "Control.h"
#include "Die.h"

#include <QLine>
#include <QList>
#include <QRect>
#include <QString>

#include <optional>

// The experiment window's design: every control's name, place, size and
// text, in pixels at 96 dpi. Qt's high-DPI scaling enlarges it as a whole.
namespace ExperimentLayout {

inline const QString WindowCaption = QStringLiteral(" ゼルビノ");
inline constexpr QSize ClientSize(521, 480);
// Where the client area goes on the screen, where the screen has room.
inline constexpr QPoint ClientPosition(257, 124);

// How a label box looks.
enum class LabelLook {
    Title,   // light cyan box, window-text colour
    Caption, // no box: the dice captions on the window's own colour
    Corner,  // grid corner, right-aligned, button-text colour
    Header,  // row and column headers, black
    Counter, // the counter panel, button-text colour
    Cell,    // a tally cell with an even product, black
    OddCell, // a tally cell with an odd product, pure blue
};

// The throw a tally cell counts.
struct Outcome {
    int large;
    int small;
};

struct LabelDesign {
    QString name;
    QRect geometry;
    QString text;
    LabelLook look;
    QString description; // for screen readers; empty where the text says it all
    std::optional<Outcome> outcome = std::nullopt; // a tally cell's
};

struct ButtonDesign {
    Control control; // named by controlName()
    QRect geometry;
    QString text;
    bool large; // 16 px bold; the small ones are 15 px normal
};

// Every label, in the order they are stacked.
const QList<LabelDesign> &labels();
// The eight buttons, in the order they are stacked.
const QList<ButtonDesign> &buttons();
// The keyboard order.
const QList<Control> &tabOrder();

QRect dieGeometry(Die die);
QString pictureName(Die die, int face);
QString pictureDescription(Die die, int face);

inline constexpr QLine Line1(-16, 24, 528, 24);

inline constexpr int LabelPixelSize = 21;
inline constexpr int LargeButtonPixelSize = 16;
inline constexpr int SmallButtonPixelSize = 15;

} // namespace ExperimentLayout
