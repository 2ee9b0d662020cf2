#pragma once

#include <QWidget>

class TFormLexikonComputertomograph : public QWidget
{
    Q_OBJECT
public:
    TFormLexikonComputertomograph();
};
