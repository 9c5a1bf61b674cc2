#pragma once

#include <QImage>
#include <QWidget>

// A die face stretched to its box pixel for pixel, without smoothing, so the
// pips keep the hard edges they were drawn with.
class FacePicture final : public QWidget
{
    Q_OBJECT

public:
    FacePicture(const QImage &face, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    const QImage image;
};
