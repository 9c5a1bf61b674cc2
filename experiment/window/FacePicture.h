#pragma once

#include <QImage>
#include <QWidget>

// A die face stretched to its box without smoothing, so the pips keep the
// hard edges they were drawn with. It is enlarged for the screen's own
// pixels, so that at any scale factor all pips of a face stay equal.
class FacePicture final : public QWidget
{
    Q_OBJECT

public:
    FacePicture(const QImage &face, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    const QImage image;
    QImage scaled; // the face at the size it was last shown
};
