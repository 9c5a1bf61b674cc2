#pragma once

class QCoreApplication;

// Every text of the program is Japanese, so the texts Qt itself puts on
// screen (the はい / いいえ of a message box) are made Japanese too, whatever
// the desktop's language. Without the translation they stay English.
void installJapaneseQtTexts(QCoreApplication &app);
