#pragma once

#include <QWidget>

class Bildanzeige;
class Panel;
class QLabel;
class QPushButton;

// One slice of the chest seen through the lung window and through the soft
// tissue window.
class TFormBilderLunge : public QWidget
{
    Q_OBJECT
public:
    TFormBilderLunge();

    Panel* Panel1;
    Bildanzeige* BildLunge1;
    Bildanzeige* BildLunge2;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;
    QLabel* Label6;
    QPushButton* EndeButton;

protected:
    void showEvent(QShowEvent* e) override;

private:
    bool m_bilderDa = false;
};
