#pragma once

#include <QWidget>

class QRadioButton;

class TFormFilter : public QWidget
{
    Q_OBJECT
public:
    TFormFilter();

    // "No filter", selected at start; deleting the CT picture selects it again.
    QRadioButton* keinFilter;
};
