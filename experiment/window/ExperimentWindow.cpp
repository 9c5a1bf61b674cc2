#include "ExperimentWindow.h"

#include "DesignFont.h"
#include "DesignLabel.h"
#include "ExperimentLayout.h"
#include "FacePicture.h"
#include "RuleLine.h"
#include "SpokenText.h"

#include <QCloseEvent>
#include <QPushButton>

#include <stdexcept>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;
using namespace ExperimentLayout;

namespace {

std::size_t dieIndex(Die die)
{
    return die == Die::Large ? 0 : 1;
}

std::size_t timerIndex(Control control)
{
    return std::size_t(control) - std::size_t(Control::Timer1);
}

void applyLook(DesignLabel &label, LabelLook look)
{
    QPalette palette = label.palette();
    const QColor buttonText = palette.color(QPalette::ButtonText);
    const auto paint = [&](const QColor &background, const QColor &text) {
        palette.setColor(QPalette::Window, background);
        palette.setColor(QPalette::WindowText, text);
        label.setAutoFillBackground(true);
    };
    switch (look) {
    case LabelLook::Title:
        paint(QColor(192, 255, 255), palette.color(QPalette::WindowText));
        break;
    case LabelLook::Caption:
        palette.setColor(QPalette::WindowText, buttonText);
        break;
    case LabelLook::Corner:
    case LabelLook::Counter:
        paint(Qt::white, buttonText);
        break;
    case LabelLook::Header:
    case LabelLook::Cell:
        paint(Qt::white, Qt::black);
        break;
    case LabelLook::OddCell:
        paint(Qt::white, QColor(0, 0, 255));
        break;
    }
    label.setPalette(palette);
    label.setAlignment((look == LabelLook::Corner ? Qt::AlignRight : Qt::AlignHCenter) | Qt::AlignVCenter);
}

} // namespace

ExperimentWindow::ExperimentWindow(TimerFactory &timerFactory, QWidget *parent)
    : QWidget(parent)
{
    setObjectName(u"Form1"_s);
    setWindowTitle(WindowCaption);
    setWindowIcon(QIcon(u":/pictures/icon.bmp"_s));
    setFixedSize(ClientSize);

    auto *rule = new RuleLine(Line1, this);
    rule->setObjectName(u"Line1"_s);
    createLabels();
    createDice();
    createButtons();
    createTimers(timerFactory);
}

ExperimentWindow::~ExperimentWindow() = default;

void ExperimentWindow::createLabels()
{
    const QFont font = DesignFont::gothic(LabelPixelSize, QFont::Bold);
    for (const LabelDesign &design : labels()) {
        auto *label = new DesignLabel(design.look != LabelLook::Caption, this);
        label->setObjectName(design.name);
        label->setGeometry(design.geometry);
        label->setFont(font);
        label->setText(design.text);
        applyLook(*label, design.look);
        // The shown text stays the accessible name, so a screen reader reads
        // the number itself; the description says what it counts.
        label->setAccessibleDescription(design.description);
        // A tally cell is named by its outcome too, so its name is kept
        // with its count from now on.
        if (design.outcome) {
            cellOutcomes.insert(label, *design.outcome);
            nameCell(*label);
        }
        // The boxes that start empty are the ones the record writes to.
        if (design.text.isEmpty())
            valueLabels.insert(design.name, label);
    }
}

void ExperimentWindow::createDice()
{
    for (Die die : {Die::Large, Die::Small}) {
        for (int face = 1; face <= FacesPerDie; ++face) {
            auto *picture = new FacePicture(QImage(u":/pictures/face%1.bmp"_s.arg(face)), this);
            picture->setObjectName(pictureName(die, face));
            picture->setAccessibleName(pictureDescription(die, face));
            picture->setGeometry(dieGeometry(die));
            pictures.at(dieIndex(die)).at(std::size_t(face - 1)) = picture;
        }
    }
}

void ExperimentWindow::createButtons()
{
    const QFont largeFont = DesignFont::gothic(LargeButtonPixelSize, QFont::Bold);
    const QFont smallFont = DesignFont::gothic(SmallButtonPixelSize, QFont::Normal);
    for (const ButtonDesign &design : ExperimentLayout::buttons()) {
        auto *button = new QPushButton(design.text, this);
        button->setObjectName(controlName(design.control));
        button->setGeometry(design.geometry);
        button->setFont(design.large ? largeFont : smallFont);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [this, control = design.control] { emit fired(control); });
        buttons.at(std::size_t(design.control)) = button;
    }
    const QList<Control> &order = tabOrder();
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(buttons.at(std::size_t(order.at(i - 1))), buttons.at(std::size_t(order.at(i))));
}

void ExperimentWindow::createTimers(TimerFactory &timerFactory)
{
    const std::array<std::pair<Control, std::chrono::milliseconds>, 3> intervals{{
        {Control::Timer1, 50ms},
        {Control::Timer2, 50ms},
        {Control::Timer3, 100ms},
    }};
    for (const auto &[control, interval] : intervals)
        timers.at(timerIndex(control)) = timerFactory.create(interval, [this, timer = control] { emit fired(timer); });
}

void ExperimentWindow::showText(const QString &labelName, const QString &text)
{
    const auto label = valueLabels.constFind(labelName);
    if (label == valueLabels.constEnd())
        throw std::out_of_range("no such value label");
    if ((*label)->text() == text)
        return;
    (*label)->setText(text);
    if (cellOutcomes.contains(*label))
        nameCell(**label);
}

void ExperimentWindow::nameCell(DesignLabel &cell)
{
    const Outcome outcome = cellOutcomes.value(&cell);
    cell.setAccessibleName(SpokenText::tallyCell(outcome.large, outcome.small, cell.text()));
}

void ExperimentWindow::setFaceVisible(Die die, int face, bool visible)
{
    pictures.at(dieIndex(die)).at(std::size_t(face - 1))->setVisible(visible);
}

void ExperimentWindow::setControlEnabled(Control control, bool enabled)
{
    if (isTimer(control))
        timers.at(timerIndex(control))->setEnabled(enabled);
    else
        buttons.at(std::size_t(control))->setEnabled(enabled);
}

bool ExperimentWindow::isControlEnabled(Control control) const
{
    if (isTimer(control))
        return timers.at(timerIndex(control))->isEnabled();
    return buttons.at(std::size_t(control))->isEnabled();
}

void ExperimentWindow::closeEvent(QCloseEvent *event)
{
    event->accept();
    emit closedByFrame();
}
