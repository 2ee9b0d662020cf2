#pragma once

#include <QWidget>

class TFormKorrektur : public QWidget
{
    Q_OBJECT
public:
    TFormKorrektur();
};
