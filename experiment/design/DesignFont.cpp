#include "DesignFont.h"

#include <QDirIterator>
#include <QFontDatabase>
#include <QStringList>

using namespace Qt::StringLiterals;

namespace {

// The faces of Japanese Windows, by the names it gives them.
const QString DesignFamily = u"ＭＳ Ｐゴシック"_s;
const QString UserInterfaceFamily = u"MS UI Gothic"_s;
constexpr int UserInterfacePixelSize = 12;

void registerSubstitutes()
{
    static const bool registered = [] {
        // Where the program brings the faces itself (in the browser, which
        // has none of them), they are known before any text is drawn.
        for (QDirIterator faces(u":/fonts"_s, QDir::Files); faces.hasNext();)
            QFontDatabase::addApplicationFont(faces.next());
        // Windows in another language knows the design face by its English
        // name; elsewhere faces made to the same metrics stand in, and where
        // those are not installed, other Japanese faces.
        const QStringList japaneseGothic{u"IPAPGothic"_s, u"VL PGothic"_s, u"Noto Sans CJK JP"_s, u"TakaoPGothic"_s,
                                         u"IPAGothic"_s};
        QFont::insertSubstitutions(DesignFamily, QStringList{u"MS PGothic"_s, u"Ume P Gothic"_s} + japaneseGothic);
        QFont::insertSubstitutions(UserInterfaceFamily, QStringList{u"Ume UI Gothic"_s} + japaneseGothic);
        return true;
    }();
    Q_UNUSED(registered);
}

QFont designFont(const QString &family, int pixelSize, QFont::Weight weight)
{
    registerSubstitutes();
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setWeight(weight);
    return font;
}

} // namespace

QFont DesignFont::gothic(int pixelSize, QFont::Weight weight)
{
    return designFont(DesignFamily, pixelSize, weight);
}

QFont DesignFont::userInterface()
{
    return designFont(UserInterfaceFamily, UserInterfacePixelSize, QFont::Normal);
}
