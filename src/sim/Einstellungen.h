#pragma once

#include <QWidget>

class TFormEinstellungen : public QWidget
{
    Q_OBJECT
public:
    TFormEinstellungen();
};
