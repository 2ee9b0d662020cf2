#pragma once

#include <QWidget>

class TFormLexikonRoentgenstrahlung : public QWidget
{
    Q_OBJECT
public:
    TFormLexikonRoentgenstrahlung();
};
