#pragma once

#include <QWidget>

class TFormFalsch : public QWidget
{
    Q_OBJECT
public:
    TFormFalsch();
};
