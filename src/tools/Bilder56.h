#pragma once

#include <QWidget>

class TFormBilder56 : public QWidget
{
    Q_OBJECT
public:
    TFormBilder56();
};
