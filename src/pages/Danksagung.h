#pragma once

#include <QWidget>
#include <array>

class Panel;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTimer;

// Thanks, with the names of the thanked coming and going one after another.
class TFormDanksagung : public QWidget
{
    Q_OBJECT
public:
    TFormDanksagung();

    Panel* Panel1;
    QPlainTextEdit* Memo1;
    std::array<QLabel*, 20> Label{};  // Label1 ... Label20
    QPushButton* EndeButton;
    QTimer* Timer1;
    int Zaehler = 1;

    void Timer1Timer();

protected:
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;
};
