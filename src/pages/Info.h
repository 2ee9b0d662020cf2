#pragma once

#include <QWidget>

class Bildanzeige;
class Panel;
class QLabel;
class QPushButton;

// Where the program comes from: title, version, the chair and the author's address.
class TFormInfo : public QWidget
{
    Q_OBJECT
public:
    TFormInfo();

    Bildanzeige* Bild1;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    Panel* Panel1;
    Panel* Panel2;
    QLabel* LabelVersion;
    QLabel* TextZeile1;
    QLabel* TextZeile2;
    QLabel* TextZeile3;
    QLabel* TextZeile4;
    QLabel* TextZeile5;
    QLabel* TextZeile6;
    QLabel* TextDatum;
    QLabel* InternetLink1;
    QLabel* InternetLink2;
    QLabel* EMailLink;
    QPushButton* WeiterButton;
};
