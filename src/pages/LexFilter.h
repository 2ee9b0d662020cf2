#pragma once

#include <QWidget>

class TFormLexikonFilter : public QWidget
{
    Q_OBJECT
public:
    TFormLexikonFilter();
};
