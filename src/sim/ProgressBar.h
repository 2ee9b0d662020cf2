#pragma once

#include <QWidget>

class QProgressBar;

// Shown while a scan runs that draws nothing but its result.
class TFormProgressBar : public QWidget
{
    Q_OBJECT
public:
    TFormProgressBar();

    QProgressBar* ProgressBar1;
};
