#pragma once

#include <QStringList>

// The help window's text: the problem, then how to use the buttons, one entry
// a printed line, exactly as it is shown.
const QStringList &HelpText();

// The same text as a person reads it aloud: each section's heading, then its
// lines joined into the sentences they break up, without the indents.
QString HelpTextAsRead();
