#include "DesignFont.h"

#include <QStringList>

using namespace Qt::StringLiterals;

namespace {

const QString DesignFamily = u"ＭＳ Ｐゴシック"_s;
const QString UserInterfaceFamily = u"Ume UI Gothic"_s;
constexpr int UserInterfacePixelSize = 12;

void registerSubstitutes()
{
    static const bool registered = [] {
        // Where the faces of the same metrics are not installed.
        const QStringList japaneseGothic{u"IPAPGothic"_s, u"VL PGothic"_s, u"Noto Sans CJK JP"_s, u"TakaoPGothic"_s,
                                         u"IPAGothic"_s};
        QFont::insertSubstitutions(DesignFamily, QStringList{u"Ume P Gothic"_s} + japaneseGothic);
        QFont::insertSubstitutions(UserInterfaceFamily, japaneseGothic);
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
