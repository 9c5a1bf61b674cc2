#include "DesignFont.h"

#include <QStringList>

using namespace Qt::StringLiterals;

namespace {

const QString DesignFamily = u"ＭＳ Ｐゴシック"_s;

void registerSubstitutes()
{
    static const bool registered = [] {
        QFont::insertSubstitutions(DesignFamily, QStringList{u"IPAPGothic"_s, u"VL PGothic"_s, u"Noto Sans CJK JP"_s,
                                                             u"TakaoPGothic"_s, u"IPAGothic"_s});
        return true;
    }();
    Q_UNUSED(registered);
}

} // namespace

QFont DesignFont::gothic(int pixelSize, QFont::Weight weight)
{
    registerSubstitutes();
    QFont font(DesignFamily);
    font.setPixelSize(pixelSize);
    font.setWeight(weight);
    return font;
}
