#pragma once

#include <QWidget>

class Bildanzeige;
class Panel;
class QLabel;
class QPushButton;
class QTimer;
class QToolButton;
class Simulatorzustand;

// The gray-scale window: a lower bound P (0 ... 254, in 255ths of the value
// range between Bildminimum and Bildmaximum) below which the simulator's
// picture is drawn white; the values from the bound up to the maximum spread
// over the whole ramp from white to black. P is the simulator state's
// Schieberposition. Every change of P re-colours the picture at once
// (Simulatorzustand::GraucodeAenderung) from FilterBild while a filter result
// is shown, else from CTBild. Dragging the knob re-colours only once, on
// release.
class TFormGraucode : public QWidget
{
    Q_OBJECT
public:
    explicit TFormGraucode(Simulatorzustand& zustand);

    Panel* Panel1;
    QLabel* Label2;
    QLabel* Label4;
    QLabel* Label3;
    Panel* Panel3;
    Bildanzeige* Farbe1;       // tick strip of the attenuation axis
    Bildanzeige* Untergrund;   // trapezoid of the mapping
    Bildanzeige* Farbe2;       // gray ramp
    Panel* Panel4;
    QToolButton* ButtonRunter;
    Bildanzeige* Skala;        // slider strip with the knob
    QToolButton* ButtonHoch;
    QLabel* Label1;
    QPushButton* ResetButton;
    QPushButton* EndeButton;
    QPushButton* HilfeButton;
    QTimer* Timer1Runter;
    QTimer* Timer1Hoch;
    QTimer* Timer30;

    // Where a click beside the knob asks it to travel (slider-strip x).
    int Sprungziel = 0;
    // The knob is being dragged.
    bool Ziehmodus = false;

    // Moves the knob to P and redraws the trapezoid; P becomes the state's
    // Schieberposition. A P outside 0 ... 254 is refused: nothing is drawn
    // and the position stays. Works while the window is hidden too.
    void Schieber(int P);
    int Schieberposition() const;

    // Re-colours the simulator's picture with the current position.
    void Neufaerben();

    void ButtonRunterMouseDown();
    void ButtonRunterMouseUp();
    void ButtonHochMouseDown();
    void ButtonHochMouseUp();
    void Timer1RunterTimer();
    void Timer1HochTimer();
    void Timer30Timer();
    void Farbe1MouseUp(QPoint p);
    void SkalaMouseDown(QPoint p);
    void SkalaMouseMove(QPoint p);
    void SkalaMouseUp();
    void ResetButtonClick();
    void EndeButtonClick();
    void HilfeButtonClick();

protected:
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;
    bool eventFilter(QObject* objekt, QEvent* e) override;

private:
    void FormShow();
    // Draws the knob at P and the trapezoid (whenever the state's position moves).
    void knopfZeichnen(int P);

    Simulatorzustand& m_zustand;
};
