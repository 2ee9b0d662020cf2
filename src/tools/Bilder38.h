#pragma once

#include <QWidget>

class TFormBilder38 : public QWidget
{
    Q_OBJECT
public:
    TFormBilder38();
};
