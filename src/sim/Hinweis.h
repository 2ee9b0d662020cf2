#pragma once

#include <QWidget>

class TFormHinweis : public QWidget
{
    Q_OBJECT
public:
    TFormHinweis();
};
