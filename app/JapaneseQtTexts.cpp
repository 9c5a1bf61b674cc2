#include "JapaneseQtTexts.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

using namespace Qt::StringLiterals;

void installJapaneseQtTexts(QCoreApplication &app)
{
    // Qt's own folder on a desktop; a program that brings the texts itself
    // (in the browser, where Qt has no folder) has them in its resources.
    auto *translator = new QTranslator(&app);
    for (const QString &folder : {QLibraryInfo::path(QLibraryInfo::TranslationsPath), u":/translations"_s}) {
        if (translator->load(QLocale(QLocale::Japanese), u"qtbase"_s, u"_"_s, folder)) {
            QCoreApplication::installTranslator(translator);
            return;
        }
    }
    delete translator;
}
