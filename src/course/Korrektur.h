#pragma once

#include <QWidget>

class Bildanzeige;
class QLabel;
class QPushButton;

// A three-line correction message of the self-check page beside a picture.
class TFormKorrektur : public QWidget
{
    Q_OBJECT
public:
    TFormKorrektur();

    Bildanzeige* Bild1;
    QLabel* Zeile1;
    QLabel* Zeile2;
    QLabel* Zeile3;
    QPushButton* OKButton;

    // Shows the message modally with the head X-ray, or with the portrait
    // when `lob` is set; returns when the dialog is closed.
    void Meldung(const QString& z1, const QString& z2, const QString& z3, bool lob = false);

private:
    int m_breite = 0;  // the client width the layout gives
};
