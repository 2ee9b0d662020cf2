#pragma once

#include <QWidget>

class Bildanzeige;
class Panel;
class QLabel;
class QPushButton;

// A head scanned in 1974 beside one scanned in 1996.
class TFormBilderGehirn : public QWidget
{
    Q_OBJECT
public:
    TFormBilderGehirn();

    Panel* Panel1;
    QLabel* Label1;
    Bildanzeige* BildGehirnalt;
    Bildanzeige* BildGehirnneu;
    QLabel* LabelGeraetalt;
    QLabel* LabelGeraetneu;
    QLabel* LabelJahralt;
    QLabel* LabelJahrneu;
    QPushButton* EndeButton;

protected:
    void showEvent(QShowEvent* e) override;

private:
    bool m_bilderDa = false;
};
