#pragma once

#include <QStringList>

// The help window's text: the problem, then how to use the buttons, one entry
// a printed line, exactly as it is shown.
const QStringList &HelpText();
