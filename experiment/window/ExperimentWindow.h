#pragma once

#include "Control.h"
#include "ExperimentLayout.h"
#include "FaceDisplay.h"
#include "IntervalTimer.h"
#include "LabelDisplay.h"

#include <QHash>
#include <QWidget>

#include <array>
#include <memory>

class DesignLabel;
class FacePicture;
class QPushButton;

// The experiment window (Form1): the dice, the tally grid, the counters and
// the eight buttons, laid out exactly as designed. It has no behaviour of its
// own: clicks and timer ticks leave it as fired(), and the controller answers
// through the three display seams it implements.
class ExperimentWindow final : public QWidget, public LabelDisplay, public FaceDisplay, public ControlFlags
{
    Q_OBJECT

public:
    explicit ExperimentWindow(TimerFactory &timers, QWidget *parent = nullptr);
    ~ExperimentWindow() override;

    void showText(const QString &labelName, const QString &text) override;
    void setFaceVisible(Die die, int face, bool visible) override;
    void setControlEnabled(Control control, bool enabled) override;
    bool isControlEnabled(Control control) const override;

signals:
    // A button was clicked or a timer ticked.
    void fired(Control control);
    // The window's frame asked to close it.
    void closedByFrame();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void createLabels();
    void createDice();
    void createButtons();
    void createTimers(TimerFactory &timers);
    void nameCell(DesignLabel &cell);

    QHash<QString, DesignLabel *> valueLabels;
    QHash<const DesignLabel *, ExperimentLayout::Outcome> cellOutcomes;
    std::array<QPushButton *, 8> buttons{};
    std::array<std::array<FacePicture *, FacesPerDie>, 2> pictures{};
    std::array<std::unique_ptr<IntervalTimer>, 3> timers;
};
