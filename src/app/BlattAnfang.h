#pragma once

#include <QWidget>

class Bildanzeige;
class Panel;
class QLabel;
class QLineEdit;
class QPushButton;

// The title page: the head picture, the course title, the learner's name and
// the page curl that starts the course.
class TFormAnfang : public QWidget
{
    Q_OBJECT
public:
    TFormAnfang();

    Bildanzeige* Bild1;
    Panel* Panel1;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    Panel* Panel2;
    QLabel* LabelVersion;
    QLabel* Label5;
    QLineEdit* Namensfeld;
    Bildanzeige* SeiteWeiter;
    Bildanzeige* Pfeil;
    QLabel* Weiter;
    QPushButton* WeiterButton;

    void SeiteWeiterClick();

protected:
    void showEvent(QShowEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;
};
