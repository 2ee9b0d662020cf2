#pragma once

#include "course/Modusseite.h"

class QPlainTextEdit;
class QPushButton;

// Page 9 of the course: horizontal and vertical beams through a 4 x 4 body
// with two tumours on a diagonal. In demonstration mode the page distributes
// the beams' factors itself; in instruction mode the learner types the share
// of every pixel and the page checks it.
class TForm8 : public Modusseite, public Kreuzuebung
{
    Q_OBJECT
public:
    TForm8();

    QPlainTextEdit* Memo2;
    QPlainTextEdit* Memo3;

protected:
    // The page leaves "&New" as it finds it when it appears.
    void FormShow() override { schrittFokussieren(); }
    void FormActivate() override;
    void seiteZuruecksetzen() override;

private:
    void HorizontalButtonClick();
    void VertikalButtonClick();
    void SummenButtonClick();
    void FaerbeButtonClick();
    bool StrahlenHorizontal();
    bool StrahlenVertikal();
};
