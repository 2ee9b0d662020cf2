#pragma once

#include <QWidget>

class QLabel;

// Lies over the simulator's "Pause" button while a scan is paused; a click
// on it closes it and the scan goes on.
class TFormPause : public QWidget
{
    Q_OBJECT
public:
    TFormPause();

    QWidget* Shape1;
    QLabel* Label1;

protected:
    void mouseReleaseEvent(QMouseEvent* e) override;
};
