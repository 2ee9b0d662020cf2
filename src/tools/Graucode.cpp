#include "tools/Graucode.h"

#include "app/Fenster.h"
#include "pages/Hilfe.h"
#include "platform/Bildanzeige.h"
#include "platform/Fensterart.h"
#include "platform/Steuerelemente.h"
#include "platform/Farbtabelle.h"
#include "sim/Simulatorzustand.h"

#include <QIcon>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QShowEvent>
#include <QKeyEvent>
#include <QTimer>
#include <QToolButton>

namespace {

using Farben::Schwarz;
using Farben::Weiss;
constexpr QRgb Skalengrund = 0xE0E0E0;      // slider strip, and the trapezoid's first fill
constexpr QRgb Trapezgrund = 0xF0F0F0;
constexpr QRgb Trapezfarbe = 0xD0D0D0;
constexpr int Sprungweite = 30;             // knob travel per tick of Timer30

Bildanzeige* streifen(QWidget* eltern, const QString& name, int x, int y, int breite, int hoehe)
{
    auto* b = new Bildanzeige(eltern, name);
    b->setGeometry(x, y, breite, hoehe);
    b->flaecheAnpassen();
    return b;
}

QToolButton* pfeilknopf(QWidget* eltern, const QString& name, const QString& bild, int x)
{
    auto* k = new QToolButton(eltern);
    k->setObjectName(name);
    k->setGeometry(x, 2, 15, 20);
    k->setIcon(QIcon(bild));
    k->setIconSize(QSize(10, 16));
    // Reached with Tab; Space steps the window once (held, it repeats).
    k->setFocusPolicy(Qt::TabFocus);
    k->setAutoRaise(false);
    return k;
}

QTimer* zeitgeber(QObject* eltern, const QString& name, int ms)
{
    auto* t = new QTimer(eltern);
    t->setObjectName(name);
    t->setInterval(ms);
    return t;
}

}  // namespace

TFormGraucode::TFormGraucode(Simulatorzustand& zustand)
    : m_zustand(zustand)
{
    fensterAnlegen(this, QStringLiteral("FormGraucode"), tr("Gray scaling"), Rahmen::NurSchliessen, Lage::Feld);
    setzeClientgroesse(this, 332, 215);

    Panel1 = new Panel(this, QStringLiteral("Panel1"), 8, 8, 313, 161);
    Panel1->setzeEinfacherRahmen(true);
    Label2 = bezeichnung(Panel1, QStringLiteral("Label2"), tr("Attenuation value"), 98, 10);
    Label4 = bezeichnung(Panel1, QStringLiteral("Label4"), tr("Low"), 24, 22);
    Label3 = bezeichnung(Panel1, QStringLiteral("Label3"), tr("High"), 256, 22);
    Label3->setProperty("autoSize", false);
    Label3->setGeometry(256, 22, 28, Label3->height());
    Label3->setAlignment(Qt::AlignRight | Qt::AlignTop);

    Panel3 = new Panel(Panel1, QStringLiteral("Panel3"), 24, 38, 260, 86);
    Panel3->setzeKanten(Panel::Kante::Keine, Panel::Kante::Vertieft);
    Farbe1 = streifen(Panel3, QStringLiteral("Farbe1"), 2, 2, 256, 10);
    Untergrund = streifen(Panel3, QStringLiteral("Untergrund"), 2, 34, 256, 32);
    Farbe2 = streifen(Panel3, QStringLiteral("Farbe2"), 2, 65, 256, 20);

    // The slider bar lies over the strips' panel, between the tick strip and
    // the trapezoid.
    Panel4 = new Panel(Panel1, QStringLiteral("Panel4"), 6, 48, 296, 24);
    Panel4->setzeKanten(Panel::Kante::Keine, Panel::Kante::Vertieft);
    ButtonRunter = pfeilknopf(Panel4, QStringLiteral("ButtonRunter"), QStringLiteral(":/tools/pfeil_links.svg"), 3);
    Skala = streifen(Panel4, QStringLiteral("Skala"), 18, 2, 260, 20);
    ButtonHoch = pfeilknopf(Panel4, QStringLiteral("ButtonHoch"), QStringLiteral(":/tools/pfeil_rechts.svg"), 279);
    ButtonRunter->setAccessibleName(tr("Gray scale window down"));
    ButtonHoch->setAccessibleName(tr("Gray scale window up"));

    Label1 = bezeichnung(Panel1, QStringLiteral("Label1"), tr("Represented gray shade"), 68, 134);

    ResetButton = knopf(this, QStringLiteral("ResetButton"), tr("Reset"), 25, 180, 75, 25);
    EndeButton = knopf(this, QStringLiteral("EndeButton"), tr("Close"), 125, 180, 75, 25);
    HilfeButton = knopf(this, QStringLiteral("HilfeButton"), tr("Help"), 224, 180, 75, 25);

    Timer1Runter = zeitgeber(this, QStringLiteral("Timer1Runter"), 50);
    Timer1Hoch = zeitgeber(this, QStringLiteral("Timer1Hoch"), 50);
    Timer30 = zeitgeber(this, QStringLiteral("Timer30"), 100);

    // The repeat buttons act on press and release of the mouse, not on a click.
    ButtonRunter->installEventFilter(this);
    ButtonHoch->installEventFilter(this);
    connect(Timer1Runter, &QTimer::timeout, this, &TFormGraucode::Timer1RunterTimer);
    connect(Timer1Hoch, &QTimer::timeout, this, &TFormGraucode::Timer1HochTimer);
    connect(Timer30, &QTimer::timeout, this, &TFormGraucode::Timer30Timer);
    connect(Farbe1, &Bildanzeige::mausLosgelassen, this,
            [this](Qt::MouseButton, Qt::MouseButtons, Qt::KeyboardModifiers, QPoint p) { Farbe1MouseUp(p); });
    connect(Skala, &Bildanzeige::mausGedrueckt, this,
            [this](Qt::MouseButton, Qt::MouseButtons, Qt::KeyboardModifiers, QPoint p) { SkalaMouseDown(p); });
    connect(Skala, &Bildanzeige::mausBewegt, this,
            [this](Qt::MouseButtons, Qt::KeyboardModifiers, QPoint p) { SkalaMouseMove(p); });
    connect(Skala, &Bildanzeige::mausLosgelassen, this,
            [this](Qt::MouseButton, Qt::MouseButtons, Qt::KeyboardModifiers, QPoint) { SkalaMouseUp(); });
    connect(ResetButton, &QPushButton::clicked, this, &TFormGraucode::ResetButtonClick);
    connect(EndeButton, &QPushButton::clicked, this, &TFormGraucode::EndeButtonClick);
    connect(HilfeButton, &QPushButton::clicked, this, &TFormGraucode::HilfeButtonClick);
    connect(&m_zustand, &Simulatorzustand::schieberGesetzt, this, &TFormGraucode::knopfZeichnen);
    // Deleting the CT picture closes the window (the knob is drawn at its
    // position when the window is shown again).
    connect(&m_zustand, &Simulatorzustand::ctBildGeloescht, this, &QWidget::close);
}

void TFormGraucode::showEvent(QShowEvent* e)
{
    QWidget::showEvent(e);
    if (!e->spontaneous())
        FormShow();
}

void TFormGraucode::hideEvent(QHideEvent* e)
{
    QWidget::hideEvent(e);
    if (e->spontaneous())
        return;
    // A hidden window neither steps nor travels.
    Timer1Runter->stop();
    Timer1Hoch->stop();
    Timer30->stop();
    Ziehmodus = false;
}

void TFormGraucode::FormShow()
{
    // The tick strip: 45 lines crowding towards "High".
    Zeichenflaeche& ticks = Farbe1->flaeche();
    ticks.setzePinsel(Weiss);
    ticks.fillRect(0, 0, ticks.breite(), ticks.hoehe());
    ticks.setzeStift(Schwarz);
    for (int i = 1; i <= 45; ++i) {
        const int x = 256 - (i * i / 8);
        ticks.moveTo(x, 0);
        ticks.lineTo(x, ticks.hoehe());
    }
    Farbe1->aktualisieren();

    // The gray ramp, white at the left, black at the right.
    Zeichenflaeche& rampe = Farbe2->flaeche();
    for (int x = 0; x <= 255; ++x)
        for (int y = 0; y <= 20; ++y)
            rampe.setPixel(x, y, qRgb(255 - x, 255 - x, 255 - x));
    Farbe2->aktualisieren();

    Zeichenflaeche& skala = Skala->flaeche();
    skala.setzePinsel(Weiss);
    skala.fillRect(0, 0, skala.breite(), skala.hoehe());
    Zeichenflaeche& grund = Untergrund->flaeche();
    grund.setzePinsel(Skalengrund);
    grund.fillRect(0, 0, grund.breite(), grund.hoehe());
    grund.setzePinsel(Weiss);
    knopfZeichnen(Schieberposition());
    Skala->aktualisieren();
    Untergrund->aktualisieren();
    Ziehmodus = false;

    // Bottom-centred over the simulator.
    platzieren(this, untenMittig(Fenstersatz::simulator(), this));
}

void TFormGraucode::Schieber(int P)
{
    m_zustand.SchieberSetzen(P);
}

int TFormGraucode::Schieberposition() const
{
    return m_zustand.Schieberposition();
}

void TFormGraucode::knopfZeichnen(int P)
{
    Zeichenflaeche& skala = Skala->flaeche();
    skala.setzePinsel(Skalengrund);
    skala.fillRect(0, 0, skala.breite(), skala.hoehe());
    skala.setzePinsel(Schwarz);
    skala.setzeStift(Schwarz);
    skala.polygon({{P + 2, 0}, {P + 5, 5}, {P + 5, 14}, {P + 2, 19}, {P - 1, 14}, {P - 1, 5}});
    skala.setzePinsel(Weiss);
    Skala->aktualisieren();

    Zeichenflaeche& grund = Untergrund->flaeche();
    const int H = grund.hoehe();
    grund.setzePinsel(Trapezgrund);
    grund.fillRect(0, 0, grund.breite(), H);
    grund.setzePinsel(Trapezfarbe);
    grund.setzeStift(Trapezfarbe);
    grund.polygon({{255, 0}, {P, 0}, {0, H}, {255, H}});
    grund.setzePinsel(Weiss);
    grund.setzeStift(Schwarz);
    Untergrund->aktualisieren();
}

void TFormGraucode::Neufaerben()
{
    m_zustand.GraucodeAenderung();
}

bool TFormGraucode::eventFilter(QObject* objekt, QEvent* e)
{
    if (objekt == ButtonRunter || objekt == ButtonHoch) {
        if (e->type() == QEvent::MouseButtonPress || e->type() == QEvent::MouseButtonDblClick) {
            objekt == ButtonRunter ? ButtonRunterMouseDown() : ButtonHochMouseDown();
        } else if (e->type() == QEvent::MouseButtonRelease) {
            objekt == ButtonRunter ? ButtonRunterMouseUp() : ButtonHochMouseUp();
        } else if ((e->type() == QEvent::KeyPress || e->type() == QEvent::KeyRelease)
                   && static_cast<QKeyEvent*>(e)->key() == Qt::Key_Space) {
            // One step per key press, as one tick of the held mouse button.
            if (e->type() == QEvent::KeyPress)
                objekt == ButtonRunter ? Timer1RunterTimer() : Timer1HochTimer();
            return true;
        }
    }
    return QWidget::eventFilter(objekt, e);
}

// The first step comes one interval after the press.
void TFormGraucode::ButtonRunterMouseDown()
{
    Timer1Runter->start();
}

void TFormGraucode::ButtonRunterMouseUp()
{
    Timer1Runter->stop();
}

void TFormGraucode::ButtonHochMouseDown()
{
    Timer1Hoch->start();
}

void TFormGraucode::ButtonHochMouseUp()
{
    Timer1Hoch->stop();
}

// A refused step at either end still re-colours with the unchanged position.
void TFormGraucode::Timer1RunterTimer()
{
    Schieber(Schieberposition() - 1);
    Neufaerben();
}

void TFormGraucode::Timer1HochTimer()
{
    Schieber(Schieberposition() + 1);
    Neufaerben();
}

void TFormGraucode::Timer30Timer()
{
    const int d = Sprungziel - Schieberposition();
    if (d > Sprungweite)
        Schieber(Schieberposition() + Sprungweite);
    else if (d < -Sprungweite)
        Schieber(Schieberposition() - Sprungweite);
    else {
        Timer30->stop();
        Schieber(Sprungziel);
    }
    Neufaerben();
}

void TFormGraucode::Farbe1MouseUp(QPoint p)
{
    Schieber(p.x());
    Neufaerben();
}

void TFormGraucode::SkalaMouseDown(QPoint p)
{
    const QRgb farbe = Skala->flaeche().pixel(p.x(), p.y()) & 0xFFFFFF;
    if (farbe == Skalengrund) {
        Sprungziel = p.x();
        Timer30->start();
    } else if (farbe == Schwarz) {
        Ziehmodus = true;
    }
}

void TFormGraucode::SkalaMouseMove(QPoint p)
{
    if (Ziehmodus)
        Schieber(p.x());
}

void TFormGraucode::SkalaMouseUp()
{
    Timer30->stop();
    if (Ziehmodus) {
        Neufaerben();
        Ziehmodus = false;
    }
}

void TFormGraucode::ResetButtonClick()
{
    Schieber(0);
    Neufaerben();
    EndeButton->setFocus();
}

void TFormGraucode::EndeButtonClick()
{
    close();
}

void TFormGraucode::HilfeButtonClick()
{
    FormHilfe->HilfeZeigen(TFormHilfe::Computertomographie, 830);
}
