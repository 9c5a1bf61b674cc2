#pragma once

#include <QWidget>

// A one-pixel horizontal rule in the window-text colour. It lies beneath the
// controls it runs along, as a line drawn on the window itself does.
class RuleLine final : public QWidget
{
    Q_OBJECT

public:
    RuleLine(const QLine &line, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;
};
