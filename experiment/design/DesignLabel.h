#pragma once

#include <QLabel>

// A label box of the designs: an optional one-pixel black frame drawn on the
// box's own edge, so that neighbours placed one pixel apart share a line.
class DesignLabel final : public QLabel
{
    Q_OBJECT

public:
    DesignLabel(bool framed, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    const bool framed;
};
