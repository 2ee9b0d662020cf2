#pragma once

#include "app/Kursseite.h"

class Bildanzeige;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

// Page 1: the discoverer of X-rays greets the learner by name and tells the
// story of X-rays and of computer tomography.
class TForm0 : public Kursseite
{
    Q_OBJECT
public:
    TForm0();

    QLabel* Label1;
    QLineEdit* Namensfeld;
    QPlainTextEdit* Memo1;
    Bildanzeige* Bild1;

protected:
    void FormActivate() override;
};
