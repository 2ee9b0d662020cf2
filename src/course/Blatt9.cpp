#include "course/Blatt9.h"

#include "app/Fenster.h"
#include "course/Kurshilfen.h"
#include "platform/Bildanzeige.h"
#include "platform/Layout.h"
#include "platform/Steuerelemente.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include <cstdlib>

namespace {
// Beam factors: D1 beam 4 is the main diagonal through both tumours; D2 beams
// 3 and 5 each cross one tumour.
constexpr int FaktorD1[8] = {0, 0, 0, 0, 2, 0, 0, 0};
constexpr int FaktorD2[8] = {0, 0, 0, 1, 0, 1, 0, 0};
// The horizontal + vertical sums of the page before, row by row.
constexpr int SummeHV[17] = {0, 0, 1, 1, 0, 1, 2, 2, 1, 1, 2, 2, 1, 0, 1, 1, 0};

int sollD1(int r, int j)
{
    return r == j ? 2 : 0;
}

int sollD2(int r, int j)
{
    return r + j == 4 || r + j == 6 ? 1 : 0;
}

// The fields along the diagonals from the top-right corner (D1), or along
// the anti-diagonals from the bottom-right corner (D2), one group per beam.
std::vector<std::vector<int>> diagonalen()
{
    std::vector<std::vector<int>> g;
    for (int d = 3; d >= -3; --d) {
        std::vector<int> diagonale;
        for (int r = 1; r <= 4; ++r)
            if (r + d >= 1 && r + d <= 4)
                diagonale.push_back(4 * (r - 1) + r + d);
        g.push_back(diagonale);
    }
    return g;
}

std::vector<std::vector<int>> gegendiagonalen()
{
    std::vector<std::vector<int>> g;
    for (int s = 8; s >= 2; --s) {
        std::vector<int> diagonale;
        for (int r = 1; r <= 4; ++r)
            if (s - r >= 1 && s - r <= 4)
                diagonale.push_back(4 * (r - 1) + s - r);
        g.push_back(diagonale);
    }
    return g;
}
}  // namespace

TForm9::TForm9()
    : Modusseite(QStringLiteral("Form9"))
{
    Memo1 = textfeld(this, QStringLiteral("Memo1"), 30, 14, 465, 531,
                     Kurs::text(QStringLiteral(":/course/texte/blatt9_memo1.txt")));
    Start1Button = knopf(this, QStringLiteral("Start1Button"), tr("Start"), 390, 18, 75, 25);
    D1Button = knopf(this, QStringLiteral("D1Button"), {}, 390, 161, 75, 25);
    Start2Button = knopf(this, QStringLiteral("Start2Button"), tr("Start"), 390, 210, 75, 25);
    D2Button = knopf(this, QStringLiteral("D2Button"), {}, 390, 243, 75, 25);
    Summen1Button = knopf(this, QStringLiteral("Summen1Button"), tr("Add"), 390, 276, 75, 25);
    ZeigeButton = knopf(this, QStringLiteral("ZeigeButton"), tr("Show"), 390, 338, 75, 25);
    Summen2Button = knopf(this, QStringLiteral("Summen2Button"), tr("Add"), 390, 384, 75, 25);
    FaerbeButton = knopf(this, QStringLiteral("FaerbeButton"), tr("Gray Scale"), 390, 448, 81, 25);
    for (QPushButton* k : {D1Button, Start2Button, D2Button, Summen1Button, ZeigeButton, Summen2Button, FaerbeButton})
        k->setEnabled(false);

    bilderAnlegen({480, 0, 320, 521}, {30, 22, 240, 239}, {5, 250, 270, 270}, true);
    const QPoint ortD1[8] = {{}, {277, 125}, {277, 170}, {277, 215}, {277, 260}, {228, 260}, {183, 260}, {138, 260}};
    const QPoint ortD2[8] = {{}, {153, 260}, {108, 260}, {63, 260}, {18, 260}, {18, 207}, {18, 162}, {18, 117}};
    for (int k = 1; k <= 7; ++k) {
        IntD1[k] = strahlbeschriftung(QStringLiteral("IntD1_%1").arg(k), QString::number(FaktorD1[k]), ortD1[k],
                                      Qt::red);
        IntD2[k] = strahlbeschriftung(QStringLiteral("IntD2_%1").arg(k), QString::number(FaktorD2[k]), ortD2[k],
                                      Qt::blue);
    }
    anteilfelder(D1, QStringLiteral("D1_%1"), D2, QStringLiteral("D2_%1"), [](int) { return 15; });
    summenfelder(Summe, 4, {70, 308}, 45, false);
    loeschknoepfe();
    Durchgaenge = {Durchgang{.start = Start1Button, .knopf = D1Button, .loeschen = Loeschen1Button,
                             .weiter = Start2Button, .felder = &D1, .erstesFeld = D1[1], .feldschritt = 10,
                             .gruppen = diagonalen(), .soll = sollD1, .strahlen = [this] { return StrahlenD1(); }, .name = tr("beams D1")},
                   Durchgang{.start = Start2Button, .knopf = D2Button, .loeschen = Loeschen2Button,
                             .weiter = Summen1Button, .felder = &D2, .erstesFeld = D2[1], .feldschritt = 11,
                             .gruppen = gegendiagonalen(), .soll = sollD2,
                             .strahlen = [this] { return StrahlenD2(); }, .name = tr("beams D2")}};
    anteilfelderEinrichten(QStringLiteral(",."));
    anteilnamen();
    Summen1Button->setAccessibleName(tr("Add the shares of D1 and D2"));
    ZeigeButton->setAccessibleName(tr("Show the sums of the horizontal and vertical beams"));
    Summen2Button->setAccessibleName(tr("Add all shares"));

    seiteEinrichten();

    hoehenBei1024({{Start1Button, 21},
                   {D1Button, 191},
                   {Start2Button, 248},
                   {D2Button, 287},
                   {Summen1Button, 326},
                   {ZeigeButton, 401},
                   {Summen2Button, 458},
                   {FaerbeButton, 534}});
    Zelle = skaliert(45);
    X0 = Y0 = skaliert(25) - Zelle / 2;
    X0s = skaliert(245) - Zelle / 2;
    Schrittweite = Layout::breite() >= 1024 ? 9 : 8;
    Grundlaenge = Layout::breite() >= 1024 ? 13 : 10;
    gitterZeichnen(2, Zelle / 2);
    Phase = 0;
    Schritt = 1;
    Schrittziele = {nullptr,       Start1Button,  D1Button,     Start2Button, D2Button, Summen1Button,
                    ZeigeButton,   Summen2Button, FaerbeButton, WeiterButton, D1[1],    D2[1]};
    beschriften();
    BreiteVorfuehrung = 17;
    tabfolge({Summen1Button, ZeigeButton, Summen2Button, FaerbeButton});

    Kurs::beiMausdruck(Memo1, [this] { Memo1MouseDown(); });
    for (int n = 1; n <= 16; ++n) {
        QLineEdit* d1 = D1[n];
        QLineEdit* d2 = D2[n];
        Kurs::beiFokus(d1, [this, d1] { D1_1Enter(d1); });
        Kurs::beiFokus(d2, [this, d2] { D2_1Enter(d2); });
    }
    connect(Start1Button, &QPushButton::clicked, this, &TForm9::Start1ButtonClick);
    connect(D1Button, &QPushButton::clicked, this, &TForm9::D1ButtonClick);
    connect(Loeschen1Button, &QPushButton::clicked, this, &TForm9::Loeschen1ButtonClick);
    connect(Start2Button, &QPushButton::clicked, this, &TForm9::Start2ButtonClick);
    connect(D2Button, &QPushButton::clicked, this, &TForm9::D2ButtonClick);
    connect(Loeschen2Button, &QPushButton::clicked, this, &TForm9::Loeschen2ButtonClick);
    connect(Summen1Button, &QPushButton::clicked, this, &TForm9::Summen1ButtonClick);
    connect(ZeigeButton, &QPushButton::clicked, this, &TForm9::ZeigeButtonClick);
    connect(Summen2Button, &QPushButton::clicked, this, &TForm9::Summen2ButtonClick);
    connect(FaerbeButton, &QPushButton::clicked, this, &TForm9::FaerbeButtonClick);
}

// Beam k of seven starts at the top edge (k <= 4) or the side edge (k > 4);
// the middle beam (k = 4) crosses four cells, and each step away from it one
// cell, three dashes, less.
bool TForm9::StrahlenD1()
{
    const Strahlrichtung richtung{Kurs::Rot, {4, 4}, {Schrittweite, Schrittweite}, {{{-5, 0}, {0, 0}, {0, -6}}}};
    std::vector<Strahl> folge;
    for (int k = 1; k <= 7; ++k) {
        const int m = std::abs(k - 4);
        const QPoint anfang = k <= 4 ? QPoint(X0 + (4 - k) * Zelle, Y0) : QPoint(X0, Y0 + (k - 4) * Zelle);
        folge.push_back({anfang, 3 * (6 - 2 * m) + Grundlaenge + 1, IntD1[k]});
    }
    return strahlenfolge(richtung, folge);
}

bool TForm9::StrahlenD2()
{
    // The D2 beams take the place of the D1 beams and their labels.
    Kurs::gitterbild(Bild1, Zelle, 4, 2, Zelle / 2);
    for (int k = 1; k <= 7; ++k)
        IntD1[k]->hide();
    const Strahlrichtung richtung{Kurs::Blau, {-4, 4}, {-Schrittweite, Schrittweite}, {{{2, -7}, {2, -2}, {8, -2}}}};
    std::vector<Strahl> folge;
    for (int k = 1; k <= 7; ++k) {
        const int m = std::abs(k - 4);
        const QPoint anfang = k <= 4 ? QPoint(X0s, Y0 + (4 - k) * Zelle) : QPoint(X0s - (k - 4) * Zelle, Y0);
        folge.push_back({anfang, 3 * (6 - 2 * m) + Grundlaenge, IntD2[k]});
    }
    return strahlenfolge(richtung, folge);
}

void TForm9::D1ButtonClick()
{
    // From the check or distribution on, the mode items stay disabled until
    // the page moves on to the second pass.
    if (kurs().lernmodus()) {
        if (!anteileRichtig(0) || erledigt(D1Button))
            return;
        bestaetigen(0);
        Schritt = 2;
        kurs().modiAnbieten(false);
        markieren(D1Button, true);
    } else if (!vorfuehren(0))
        return;
    Loeschen1Button->hide();
    anteileSchliessen(0);
    if (Abbruch == 1) {
        schrittSetzen(1, Start1Button);
        return;
    }
    schrittWeiter(D1Button, 3, Start2Button);
    kurs().modiAnbieten(true);
}

void TForm9::D2ButtonClick()
{
    if (kurs().lernmodus()) {
        if (!anteileRichtig(1))
            return;
        bestaetigen(1);
    } else {
        if (!vorfuehren(1))
            return;
        kurs().modiAnbieten(true);
    }
    Loeschen2Button->hide();
    anteileSchliessen(1);
    schrittWeiter(D2Button, 5, Summen1Button);
}

void TForm9::Summen1ButtonClick()
{
    for (int n = 1; n <= 16; ++n) {
        D1[n]->setText(QString::number(D1[n]->text().toInt() + D2[n]->text().toInt()));
        D1[n]->setCursorPosition(0);
        D2[n]->hide();
    }
    // From here on the fields hold sums; a screen reader says so.
    zellennamen(D1, 4, tr("sum of the shares of D1 and D2"));
    schrittWeiter(Summen1Button, 6, ZeigeButton);
}

void TForm9::ZeigeButtonClick()
{
    for (int n = 1; n <= 16; ++n) {
        D2[n]->show();
        D2[n]->resize(skaliert(18), D2[n]->height());
        Kurs::setzeSchriftfarbe(D2[n], Qt::black);
        D2[n]->setText(QString::number(SummeHV[n]));
        D2[n]->setCursorPosition(0);
    }
    zellennamen(D2, 4, tr("sum of the horizontal and vertical shares"));
    schrittWeiter(ZeigeButton, 7, Summen2Button);
}

void TForm9::Summen2ButtonClick()
{
    summieren(D1, D2, Summe);
    schrittWeiter(Summen2Button, 8, FaerbeButton);
}

void TForm9::FaerbeButtonClick()
{
    Zeichenflaeche& f = Bild2->flaeche();
    const QRgb stufe[6] = {Kurs::Weiss, 0xCCCCCC, 0x999999, 0, 0, Kurs::Schwarz};
    for (int n = 1; n <= 16; ++n) {
        const int summe = Summe[n]->text().toInt();
        if (summe < 1 || summe > 5 || summe == 3 || summe == 4)
            continue;
        f.setzePinsel(stufe[summe]);
        f.floodFill(spalte(n) * Zelle + 10, zeile(n) * Zelle + 10, Kurs::Weiss, Zeichenflaeche::Fuellart::Flaeche);
        if (summe == 5) {
            Kurs::setzeHintergrund(Summe[n], Qt::black);
            Kurs::setzeSchriftfarbe(Summe[n], Qt::white);
        } else
            Kurs::setzeHintergrund(Summe[n], QColor::fromRgb(stufe[summe]));
    }
    f.setzePinsel(Kurs::Weiss);
    Bild2->aktualisieren();
    schrittWeiter(FaerbeButton, 9, WeiterButton);
}

void TForm9::D1_1Enter(QLineEdit* feld)
{
    if (feld->isReadOnly() && ((Schritt >= 2 && Schritt <= 9) || Schritt == 11))
        Kurs::fokus(schrittziel(), WeiterButton);
}

void TForm9::D2_1Enter(QLineEdit* feld)
{
    if (feld->isReadOnly() && Schritt >= 4 && Schritt <= 10)
        Kurs::fokus(schrittziel(), WeiterButton);
}

void TForm9::anteilnamen()
{
    zellennamen(D1, 4, tr("share of beam D1"));
    zellennamen(D2, 4, tr("share of beam D2"));
}

void TForm9::seiteZuruecksetzen()
{
    anteilnamen();
    gitterZeichnen(2, Zelle / 2);
    for (int k = 1; k <= 7; ++k) {
        IntD1[k]->hide();
        IntD2[k]->hide();
    }
    for (int n = 1; n <= 16; ++n) {
        Kurs::setzeSchriftfarbe(D1[n], Qt::red);
        Kurs::setzeSchriftfarbe(D2[n], Qt::blue);
        Summe[n]->clear();
        Kurs::setzeHintergrund(Summe[n], Qt::white);
        Kurs::setzeSchriftfarbe(Summe[n], Qt::black);
    }
    for (QPushButton* k : {Summen1Button, ZeigeButton, Summen2Button, FaerbeButton})
        k->setEnabled(false);
}
