#pragma once

#include <QStringList>

// A text as a voice should be given it: outcomes and fractions in the words
// a teacher says, cut into utterances short enough for every voice.
namespace ReadAloudForm {

// Some voices stop after about 15 seconds of one utterance; this many
// characters take well under that.
constexpr qsizetype LongestUtterance = 45;

// The text's sentences, each read as a person reads it: the outcome １・２
// as １と２ (not a date or a decimal), the fraction ９／３６ as ３６分の９,
// without the brackets that set off a heading or a button's name. A
// sentence longer than LongestUtterance is cut again after its 、.
QStringList utterances(const QString &text);

} // namespace ReadAloudForm
