#pragma once

#include <QWidget>

class ExperimentRecord;

// The graph window (Form2): how the relative frequency of an odd product has
// developed over the throws. It reads the record and changes nothing. Closing
// it, by its button or its frame, discards it.
class GraphWindow final : public QWidget
{
    Q_OBJECT

public:
    explicit GraphWindow(const ExperimentRecord &record, QWidget *parent = nullptr);

signals:
    // The window is closing and will be discarded.
    void closed();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    const ExperimentRecord &record;
};
