#include "course/Blatt6.h"

#include "app/Fenster.h"
#include "course/Kurshilfen.h"
#include "platform/Bildanzeige.h"
#include "platform/Layout.h"
#include "platform/Steuerelemente.h"

#include <QAction>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {
QPushButton* lampe(QWidget* eltern, const QString& name, int x, int y)
{
    QPushButton* k = knopf(eltern, name, {}, x, y, 25, 25);
    k->setIconSize(QSize(16, 16));
    return k;
}
}  // namespace

TForm6::TForm6()
    : Kursseite(QStringLiteral("Form6"))
{
    Memo1 = textfeld(this, QStringLiteral("Memo1"), 14, 14, 395, 315,
                     Kurs::text(QStringLiteral(":/course/texte/blatt6_memo1.txt")));
    Memo2 = textfeld(this, QStringLiteral("Memo2"), 14, 271, 409, 250,
                     Kurs::text(QStringLiteral(":/course/texte/blatt6_memo2.txt")));
    Schattenwurf1 = new Bildanzeige(this, QStringLiteral("Schattenwurf1"));
    Schattenwurf1->setGeometry(456, 22, 140, 140);
    Schattenwurf2 = new Bildanzeige(this, QStringLiteral("Schattenwurf2"));
    Schattenwurf2->setGeometry(648, 22, 140, 140);
    Lampe11 = lampe(this, QStringLiteral("Lampe11"), 421, 80);
    Lampe12 = lampe(this, QStringLiteral("Lampe12"), 514, 172);
    Lampe21 = lampe(this, QStringLiteral("Lampe21"), 613, 80);
    Lampe22 = lampe(this, QStringLiteral("Lampe22"), 706, 172);
    // Never shown: they only hold the lamps' two pictures.
    LampeAus = lampe(this, QStringLiteral("LampeAus"), 72, 552);
    LampeAus->setIcon(QIcon(Kurs::LampeAus));
    LampeAn = lampe(this, QStringLiteral("LampeAn"), 104, 552);
    LampeAn->setIcon(QIcon(Kurs::LampeAn));
    LampeAus->setAccessibleName(tr("Off"));
    LampeAn->setAccessibleName(tr("On"));
    for (QPushButton* k : {LampeAus, LampeAn}) {
        k->setFocusPolicy(Qt::NoFocus);
        k->hide();
    }
    Bild = new Bildanzeige(this, QStringLiteral("Bild"));
    Bild->setGeometry(480, 232, 275, 275);
    for (QPushButton* l : {Lampe11, Lampe12, Lampe21, Lampe22})
        l->setToolTip(tr("Lamp on / off"));
    // Numbered in reading order, the order Tab takes them in.
    Lampe11->setAccessibleName(tr("Lamp 1, left of the square"));
    Lampe21->setAccessibleName(tr("Lamp 2, left of the ellipse"));
    Lampe12->setAccessibleName(tr("Lamp 3, below the square"));
    Lampe22->setAccessibleName(tr("Lamp 4, below the ellipse"));
    Schattenwurf1->setAccessibleName(tr("Square and its shadows"));
    Schattenwurf2->setAccessibleName(tr("Ellipse and its shadows"));
    Bild->setAccessibleName(tr("Grid of volume elements"));

    seiteEinrichten();

    Halbseite = Layout::breite() * 25 / 800;
    Halbachse = Layout::breite() * 15 / 800;
    Randkorrektur = Layout::breite() == 1024 ? 1 : 0;
    for (Bildanzeige* b : {Schattenwurf1, Schattenwurf2})
        b->flaecheAnpassen();
    Schatten1Loeschen();
    Schatten2Loeschen();
    Lampe1Zustand = 0;
    Lampe2Zustand = 0;
    for (QPushButton* l : {Lampe11, Lampe12, Lampe21, Lampe22})
        leuchten(l, false);
    Kurs::tabfolge({WeiterButton, Lampe11, Lampe21, Lampe12, Lampe22});
    Kurs::gitterbild(Bild, Layout::breite() * 45 / 800, 4, 1, 0);

    for (QPlainTextEdit* m : {Memo1, Memo2})
        Kurs::beiMausdruck(m, [this] { WeiterButton->setFocus(Qt::MouseFocusReason); });
    connect(Lampe11, &QPushButton::clicked, this, &TForm6::Lampe11Click);
    connect(Lampe12, &QPushButton::clicked, this, &TForm6::Lampe12Click);
    connect(Lampe21, &QPushButton::clicked, this, &TForm6::Lampe21Click);
    connect(Lampe22, &QPushButton::clicked, this, &TForm6::Lampe22Click);
}

void TForm6::FormShow()
{
    kurs().neuAnbieten(false);
    // A learner at the keyboard starts at the first lamp.
    Kurs::fokus(Lampe11, WeiterButton);
}

void TForm6::leuchten(QPushButton* lampe, bool an)
{
    lampe->setIcon((an ? LampeAn : LampeAus)->icon());
    // A screen reader tells the state with the name.
    lampe->setAccessibleDescription(an ? tr("On") : tr("Off"));
}

void TForm6::Lampe11Click()
{
    Lampe1Zustand = Lampe1Zustand == Lampe11An ? Lampen1Aus : Lampe11An;
    Lampen1Check();
}

void TForm6::Lampe12Click()
{
    Lampe1Zustand = Lampe1Zustand == Lampe12An ? Lampen1Aus : Lampe12An;
    Lampen1Check();
}

void TForm6::Lampe21Click()
{
    Lampe2Zustand = Lampe2Zustand == Lampe21An ? Lampen2Aus : Lampe21An;
    Lampen2Check();
}

void TForm6::Lampe22Click()
{
    Lampe2Zustand = Lampe2Zustand == Lampe22An ? Lampen2Aus : Lampe22An;
    Lampen2Check();
}

void TForm6::Lampen1Check()
{
    Schatten1Loeschen();
    if (Lampe1Zustand == Lampe11An || Lampe1Zustand == Lampe12An) {
        Schatten(Lampe1Zustand);
        leuchten(Lampe1Zustand == Lampe11An ? Lampe11 : Lampe12, true);
    }
}

void TForm6::Lampen2Check()
{
    Schatten2Loeschen();
    if (Lampe2Zustand == Lampe21An || Lampe2Zustand == Lampe22An) {
        Schatten(Lampe2Zustand);
        leuchten(Lampe2Zustand == Lampe21An ? Lampe21 : Lampe22, true);
    }
}

void TForm6::Schatten1Loeschen()
{
    Zeichenflaeche& f = Schattenwurf1->flaeche();
    const int w = f.breite(), cx = w / 2, s = Halbseite;
    f.setzePinsel(Kurs::Weiss);
    f.fillRect(0, 0, w, f.hoehe());
    f.setzeStift(Kurs::Schwarz);
    f.polyline({{0, 0}, {w - 1, 0}, {w - 1, w - 1}, {0, w - 1}, {0, 0}});
    f.setzePinsel(Kurs::Schwarz);
    f.rectangle(cx - s, cx - s, cx + s, cx + s);
    f.setzePinsel(Kurs::Weiss);
    Schattenwurf1->aktualisieren();
    leuchten(Lampe11, false);
    leuchten(Lampe12, false);
}

void TForm6::Schatten2Loeschen()
{
    Zeichenflaeche& f = Schattenwurf2->flaeche();
    const int w = f.breite(), cx = w / 2, s = Halbseite, e = Halbachse;
    f.setzePinsel(Kurs::Weiss);
    f.fillRect(0, 0, w, f.hoehe());
    f.setzeStift(Kurs::Schwarz);
    f.polyline({{0, 0}, {w - 1, 0}, {w - 1, w - 2}, {0, w - 2}, {0, 0}});
    f.setzePinsel(Kurs::Schwarz);
    f.ellipse(cx - e, cx - s, cx + e, cx + s);
    f.setzePinsel(Kurs::Weiss);
    Schattenwurf2->aktualisieren();
    leuchten(Lampe21, false);
    leuchten(Lampe22, false);
}

void TForm6::Schatten(int lampe)
{
    Bildanzeige* bild = lampe < Lampen2Aus ? Schattenwurf1 : Schattenwurf2;
    Zeichenflaeche& f = bild->flaeche();
    const int w = f.breite(), cx = w / 2, cy = f.hoehe() / 2;
    const int s = Halbseite, e = Halbachse, k = Randkorrektur;
    f.setzeStift(Kurs::Grau);
    f.setzePinsel(Kurs::Grau);
    switch (lampe) {
    case Lampe11An:
        f.polygon({{cx + s, cy - s}, {w - 2, cy - s}, {w - 2, cy + s - 1}, {cx + s, cy + s - 1}});
        break;
    case Lampe12An:
        f.polygon({{cx - s, cy - s - 1}, {cx - s, 1}, {cx + s - 1, 1}, {cx + s - 1, cy - s - 1}});
        break;
    case Lampe21An:
        f.polygon({{cx, cy - s}, {w - 2, cy - s}, {w - 2, cy + s + k - 1}, {cx, cy + s + k - 1}});
        break;
    case Lampe22An:
        f.polygon({{cx - e, cy - 1}, {cx - e, 1}, {cx + e - 1, 1}, {cx + e - 1, cy - 1}});
        break;
    default:
        return;
    }
    if (lampe < Lampen2Aus) {
        f.setzePinsel(Kurs::Weiss);
        f.setzeStift(Kurs::Schwarz);
    } else {
        // The shadow starts at the ellipse's centre: the figure is drawn again over it.
        f.setzeStift(Kurs::Schwarz);
        f.setzePinsel(Kurs::Schwarz);
        f.ellipse(cx - e, cx - s, cx + e, cx + s);
        f.setzePinsel(Kurs::Weiss);
    }
    bild->aktualisieren();
}
