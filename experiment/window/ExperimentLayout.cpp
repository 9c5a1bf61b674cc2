#include "ExperimentLayout.h"

#include "LabelNames.h"
#include "Twips.h"

using namespace Qt::StringLiterals;

namespace ExperimentLayout {

namespace {

const QStringList FullWidthDigits{u"１"_s, u"２"_s, u"３"_s, u"４"_s, u"５"_s, u"６"_s};

QList<LabelDesign> designLabels()
{
    QList<LabelDesign> all{
        {u"Label15"_s, fromTwips(1920, 0, 3975, 375), u"ゼルビノ"_s, LabelLook::Title, {}},
        {u"Label1"_s, fromTwips(2040, 1800, 1575, 375), u"さいころ大"_s, LabelLook::Caption, {}},
        {u"Label2"_s, fromTwips(4320, 1800, 1575, 375), u"さいころ小"_s, LabelLook::Caption, {}},
        {u"Label3"_s, fromTwips(480, 2400, 1095, 375), u"大＼小"_s, LabelLook::Corner, {}},
    };

    // Column headers name the small die, row headers the large die.
    const QStringList columnNames{u"Label5"_s, u"Label7"_s, u"Label10"_s, u"Label11"_s, u"Label18"_s, u"Label19"_s};
    const QStringList rowNames{u"Label21"_s, u"Label22"_s, u"Label23"_s, u"Label24"_s, u"Label25"_s, u"Label26"_s};
    constexpr QRect firstColumn = fromTwips(1560, 2400, 975, 375);
    constexpr QRect firstRow = fromTwips(480, 2760, 1095, 375);
    constexpr int ColumnPitch = twipsToPixels(960);
    constexpr int RowPitch = twipsToPixels(360);
    for (int i = 0; i < FacesPerDie; ++i) {
        all.append({columnNames.at(i), firstColumn.translated(i * ColumnPitch, 0), FullWidthDigits.at(i),
                    LabelLook::Header, u"さいころ小 %1"_s.arg(i + 1)});
    }
    for (int i = 0; i < FacesPerDie; ++i) {
        all.append({rowNames.at(i), firstRow.translated(0, i * RowPitch), FullWidthDigits.at(i), LabelLook::Header,
                    u"さいころ大 %1"_s.arg(i + 1)});
    }

    constexpr QRect firstCell = fromTwips(1560, 2760, 975, 375);
    for (int large = 1; large <= FacesPerDie; ++large) {
        for (int small = 1; small <= FacesPerDie; ++small) {
            all.append({LabelNames::tallyCell(large, small),
                        firstCell.translated((small - 1) * ColumnPitch, (large - 1) * RowPitch), QString(),
                        isOddProduct(large, small) ? LabelLook::OddCell : LabelLook::Cell, QString(), Outcome{large, small}});
        }
    }

    all.append({
        {u"Label16"_s, fromTwips(480, 5040, 2535, 375), u"実　験　回　数 "_s, LabelLook::Counter, {}},
        {LabelNames::ThrowCount, fromTwips(3000, 5040, 1575, 375), QString(), LabelLook::Counter, u"実験回数"_s},
        {u"Label6"_s, fromTwips(480, 5400, 2535, 375), u"積が奇数の回数"_s, LabelLook::Counter, {}},
        {LabelNames::OddCount, fromTwips(3000, 5400, 1575, 375), QString(), LabelLook::Counter, u"積が奇数の回数"_s},
        {u"Label9"_s, fromTwips(480, 5760, 2535, 375), u"積が奇数の割合"_s, LabelLook::Counter, {}},
        {LabelNames::Ratio, fromTwips(3000, 5760, 1575, 375), QString(), LabelLook::Counter, u"積が奇数の割合"_s},
    });
    return all;
}

} // namespace

const QList<LabelDesign> &labels()
{
    static const QList<LabelDesign> all = designLabels();
    return all;
}

const QList<ButtonDesign> &buttons()
{
    static const QList<ButtonDesign> all{
        {Control::Command4, fromTwips(0, 0, 855, 375), u"終了"_s, false},
        {Control::Command7, fromTwips(6120, 0, 855, 375), u"HELP"_s, false},
        {Control::Command5, fromTwips(6960, 0, 855, 375), u"初期化"_s, false},
        {Control::Command8, fromTwips(5040, 5040, 1935, 495), u"さいころ投げる"_s, true},
        {Control::Command2, fromTwips(5040, 5640, 1935, 495), u"さいころ止まる"_s, true},
        {Control::Command6, fromTwips(720, 6360, 1575, 615), u"グラフ表示"_s, true},
        {Control::Command1, fromTwips(2760, 6360, 1935, 615), u"自　動"_s, true},
        {Control::Command3, fromTwips(4920, 6360, 1935, 615), u"停　止"_s, true},
    };
    return all;
}

const QList<Control> &tabOrder()
{
    static const QList<Control> order{Control::Command2, Control::Command4, Control::Command5, Control::Command6,
                                      Control::Command7, Control::Command8, Control::Command1, Control::Command3};
    return order;
}

QRect dieGeometry(Die die)
{
    return die == Die::Large ? fromTwips(2280, 720, 945, 975) : fromTwips(4800, 960, 705, 735);
}

QString pictureName(Die die, int face)
{
    return u"Image%1(%2)"_s.arg(die == Die::Large ? 1 : 2).arg(face);
}

QString pictureDescription(Die die, int face)
{
    return u"%1 %2"_s.arg(die == Die::Large ? u"さいころ大"_s : u"さいころ小"_s).arg(face);
}

} // namespace ExperimentLayout
