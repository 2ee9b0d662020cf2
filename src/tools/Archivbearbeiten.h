#pragma once

#include <QWidget>

class TFormArchivbearbeiten : public QWidget
{
    Q_OBJECT
public:
    TFormArchivbearbeiten();
};
