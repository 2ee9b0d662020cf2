#include "course/Blatt9.h"

#include "app/HauptBlatt.h"
#include "course/Falsch.h"
#include "course/Kurshilfen.h"
#include "platform/Bildanzeige.h"
#include "platform/Pause.h"
#include "platform/Steuerelemente.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>

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

int feldnummer(int r, int j)
{
    return 4 * (r - 1) + j;
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
                diagonale.push_back(feldnummer(r, r + d));
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
                diagonale.push_back(feldnummer(r, s - r));
        g.push_back(diagonale);
    }
    return g;
}

bool erledigt(const QPushButton* k)
{
    return tag(k) == 1;
}
}  // namespace

TForm9::TForm9()
    : Kursseite(QStringLiteral("Form9"))
{
    Memo1 = textfeld(this, QStringLiteral("Memo1"), 30, 14, 465, 531,
                     Kurs::text(QStringLiteral(":/course/texte/blatt9_memo1.txt")));
    Start1Button = knopf(this, QStringLiteral("Start1Button"), QStringLiteral("Start"), 390, 18, 75, 25);
    D1Button = knopf(this, QStringLiteral("D1Button"), {}, 390, 161, 75, 25);
    Start2Button = knopf(this, QStringLiteral("Start2Button"), QStringLiteral("Start"), 390, 210, 75, 25);
    D2Button = knopf(this, QStringLiteral("D2Button"), {}, 390, 243, 75, 25);
    Summen1Button = knopf(this, QStringLiteral("Summen1Button"), QStringLiteral("Add"), 390, 276, 75, 25);
    ZeigeButton = knopf(this, QStringLiteral("ZeigeButton"), QStringLiteral("Show"), 390, 338, 75, 25);
    Summen2Button = knopf(this, QStringLiteral("Summen2Button"), QStringLiteral("Add"), 390, 384, 75, 25);
    FaerbeButton = knopf(this, QStringLiteral("FaerbeButton"), QStringLiteral("Gray Scale"), 390, 448, 81, 25);
    for (QPushButton* k : {D1Button, Start2Button, D2Button, Summen1Button, ZeigeButton, Summen2Button, FaerbeButton})
        k->setEnabled(false);

    Panel2 = new Panel(this, QStringLiteral("Panel2"), 480, 0, 320, 521);
    Bild1 = new Bildanzeige(Panel2, QStringLiteral("Bild1"));
    Bild1->setGeometry(30, 22, 240, 239);
    Bild2 = new Bildanzeige(Panel2, QStringLiteral("Bild2"));
    Bild2->setGeometry(5, 250, 270, 270);
    Bild2->setzeTransparent(true);
    const QPoint ortD1[8] = {{}, {277, 125}, {277, 170}, {277, 215}, {277, 260}, {228, 260}, {183, 260}, {138, 260}};
    const QPoint ortD2[8] = {{}, {153, 260}, {108, 260}, {63, 260}, {18, 260}, {18, 207}, {18, 162}, {18, 117}};
    for (int k = 1; k <= 7; ++k) {
        IntD1[k] = bezeichnung(Panel2, QStringLiteral("IntD1_%1").arg(k), QString::number(FaktorD1[k]), ortD1[k].x(),
                               ortD1[k].y(), 0, false, Qt::red);
        IntD2[k] = bezeichnung(Panel2, QStringLiteral("IntD2_%1").arg(k), QString::number(FaktorD2[k]), ortD2[k].x(),
                               ortD2[k].y(), 0, false, Qt::blue);
        IntD1[k]->hide();
        IntD2[k]->hide();
    }
    for (int n = 1; n <= 16; ++n) {
        const int r = (n - 1) / 4 + 1, j = (n - 1) % 4 + 1;
        D1[n] = eingabefeld(Panel2, QStringLiteral("D1_%1").arg(n), 75 + 45 * (j - 1), 300 + 45 * (r - 1), 15, 24);
        D2[n] = eingabefeld(Panel2, QStringLiteral("D2_%1").arg(n), 55 + 45 * (j - 1), 315 + 45 * (r - 1), 15, 24);
        Kurs::setzeSchriftfarbe(D1[n], Qt::red);
        Kurs::setzeSchriftfarbe(D2[n], Qt::blue);
        for (QLineEdit* f : {D1[n], D2[n]}) {
            f->setMaxLength(1);
            Kurs::ziffernfilter(f, QStringLiteral(",."));
            f->setReadOnly(true);
            setzeTabstop(f, false);
            f->hide();
        }
    }
    for (int n = 1; n <= 16; ++n) {
        const int r = (n - 1) / 4 + 1, j = (n - 1) % 4 + 1;
        Summe[n] = bezeichnung(Panel2, QStringLiteral("Summe%1").arg(n), {}, 70 + 45 * (j - 1), 308 + 45 * (r - 1));
        Kurs::setzeHintergrund(Summe[n], Qt::white);
    }
    Loeschen1Button = knopf(this, QStringLiteral("Loeschen1Button"), QStringLiteral("Delete"), 528, 492, 75, 25);
    Loeschen2Button = knopf(this, QStringLiteral("Loeschen2Button"), QStringLiteral("Delete"), 648, 492, 75, 25);
    Loeschen1Button->hide();
    Loeschen2Button->hide();

    seiteEinrichten();

    if (Bildschirmbreite == 1024) {
        const std::pair<QPushButton*, int> oben[] = {{Start1Button, 21},  {D1Button, 191},     {Start2Button, 248},
                                                     {D2Button, 287},      {Summen1Button, 326}, {ZeigeButton, 401},
                                                     {Summen2Button, 458}, {FaerbeButton, 534}};
        for (auto [k, y] : oben)
            k->move(k->x(), y);
    }
    Zelle = Bildschirmbreite * 45 / 800;
    X0 = Y0 = Bildschirmbreite * 25 / 800 - Zelle / 2;
    X0s = Bildschirmbreite * 245 / 800 - Zelle / 2;
    Schrittweite = Bildschirmbreite >= 1024 ? 9 : 8;
    Grundlaenge = Bildschirmbreite >= 1024 ? 13 : 10;
    gitterZeichnen();
    Phase = 0;
    Schritt = 1;
    const QString beschriftung = Lernmodus ? QStringLiteral("Korrektur") : QStringLiteral("Verteilung");
    D1Button->setText(beschriftung);
    D2Button->setText(beschriftung);

    std::vector<QWidget*> folge{WeiterButton, Start1Button};
    for (const auto& d : diagonalen())
        for (int n : d)
            folge.push_back(D1[n]);
    folge.insert(folge.end(), {D1Button, Loeschen1Button, Start2Button});
    for (const auto& d : gegendiagonalen())
        for (int n : d)
            folge.push_back(D2[n]);
    folge.insert(folge.end(), {D2Button, Loeschen2Button, Summen1Button, ZeigeButton, Summen2Button, FaerbeButton});
    Kurs::tabfolge(folge);

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

void TForm9::gitterZeichnen()
{
    FormHaupt->ImageZeichnen(Bild1, Zelle, 4, 2, Zelle / 2);
    FormHaupt->ImageZeichnen(Bild2, Zelle, 4, 0, 0);
}

void TForm9::FormShow()
{
    FormHaupt->Neu->setEnabled(true);
}

void TForm9::modusmenue(bool an)
{
    FormHaupt->Demonstration1->setEnabled(an);
    FormHaupt->Lernprogramm1->setEnabled(an);
}

void TForm9::oeffnen(const std::array<QLineEdit*, 17>& felder)
{
    for (int n = 1; n <= 16; ++n) {
        felder[n]->show();
        Kurs::oeffnen(felder[n]);
    }
}

void TForm9::schliessen(const std::array<QLineEdit*, 17>& felder)
{
    for (int n = 1; n <= 16; ++n)
        Kurs::schliessen(felder[n]);
}

bool TForm9::unterbrochen() const
{
    return Programmende() || Abbruch == 1;
}

bool TForm9::StrahlenD1()
{
    Zeichenflaeche& f = Bild1->flaeche();
    f.setzeStift(Kurs::Rot);
    for (int k = 1; k <= 7; ++k) {
        const int m = k <= 4 ? 4 - k : k - 4;
        int x = k <= 4 ? X0 + (4 - k) * Zelle : X0;
        int y = k <= 4 ? Y0 : Y0 + (k - 4) * Zelle;
        const int striche = 3 * (6 - 2 * m) + Grundlaenge + 1;
        for (int s = 1; s <= striche; ++s) {
            if (unterbrochen()) {
                f.setzeStift(Kurs::Schwarz);
                return false;
            }
            Kurs::strich(f, x, y, 4, 4);
            x += Schrittweite;
            y += Schrittweite;
            Bild1->aktualisieren();
            pause(10);
        }
        f.moveTo(x - 5, y);
        f.lineTo(x, y);
        f.lineTo(x, y - 6);
        Bild1->aktualisieren();
        IntD1[k]->show();
    }
    f.setzeStift(Kurs::Schwarz);
    return true;
}

bool TForm9::StrahlenD2()
{
    Zeichenflaeche& f = Bild1->flaeche();
    f.setzeStift(Kurs::Blau);
    for (int k = 1; k <= 7; ++k) {
        const int m = k <= 4 ? 4 - k : k - 4;
        int x = k <= 4 ? X0s : X0s - (k - 4) * Zelle;
        int y = k <= 4 ? Y0 + (4 - k) * Zelle : Y0;
        const int striche = 3 * (6 - 2 * m) + Grundlaenge;
        for (int s = 1; s <= striche; ++s) {
            if (unterbrochen()) {
                f.setzeStift(Kurs::Schwarz);
                return false;
            }
            Kurs::strich(f, x, y, -4, 4);
            x -= Schrittweite;
            y += Schrittweite;
            Bild1->aktualisieren();
            pause(10);
        }
        f.moveTo(x + 2, y - 7);
        f.lineTo(x + 2, y - 2);
        f.lineTo(x + 8, y - 2);
        Bild1->aktualisieren();
        IntD2[k]->show();
    }
    f.setzeStift(Kurs::Schwarz);
    return true;
}

int TForm9::pruefen(const std::array<QLineEdit*, 17>& felder, int (*soll)(int, int)) const
{
    bool falsch = false;
    for (int n = 1; n <= 16; ++n) {
        if (felder[n]->text().isEmpty())
            return 1;
        // A comma or a point is no share: the field counts as wrong.
        int wert = 0;
        if (!Kurs::ganzzahl(felder[n], wert) || wert != soll((n - 1) / 4 + 1, (n - 1) % 4 + 1))
            falsch = true;
    }
    return falsch ? 2 : 0;
}

void TForm9::Start1ButtonClick()
{
    if (erledigt(Start1Button))
        return;
    Phase = 1;
    modusmenue(false);
    Abbruch = 0;
    setzeTag(Start1Button, 1);
    const bool fertig = StrahlenD1();
    if (Programmende())
        return;
    if (!fertig || Abbruch == 1) {
        // The mode items stay disabled until a beam run completes.
        Start1Button->setEnabled(true);
        Start1Button->setFocus();
        Schritt = 1;
        return;
    }
    Start1Button->setEnabled(false);
    D1Button->setEnabled(true);
    if (Lernmodus) {
        Loeschen1Button->show();
        oeffnen(D1);
        D1[4]->setFocus();
        Schritt = 10;
    } else {
        D1Button->setFocus();
        Schritt = 2;
    }
    modusmenue(true);
}

void TForm9::D1ButtonClick()
{
    if (Lernmodus) {
        const int ergebnis = pruefen(D1, sollD1);
        if (ergebnis != 0) {
            Phase = 1;
            FormFalsch->Urteil(ergebnis == 1 ? FormFalsch->Falsch1 : FormFalsch->Falsch2);
            return;
        }
        if (erledigt(D1Button))
            return;
        Phase = 2;
        FormFalsch->Urteil(FormFalsch->Richtig);
        Schritt = 2;
        modusmenue(false);
        setzeTag(D1Button, 1);
    } else {
        if (erledigt(D1Button))
            return;
        Phase = 2;
        FormHaupt->Neu->setEnabled(false);
        modusmenue(false);
        setzeTag(D1Button, 1);
        D1Button->setFocus();
        Schritt = 2;
        for (int n = 1; n <= 16; ++n) {
            D1[n]->setFrame(false);
            D1[n]->show();
            D1[n]->resize(Bildschirmbreite * 17 / 800, D1[n]->height());
        }
        const auto gruppen = diagonalen();
        for (std::size_t g = 0; g < gruppen.size(); ++g) {
            for (int n : gruppen[g])
                D1[n]->setText(QString::number(sollD1((n - 1) / 4 + 1, (n - 1) % 4 + 1)));
            if (g + 1 < gruppen.size()) {
                if (Programmende())
                    return;
                pause(200);
            }
        }
        FormHaupt->Neu->setEnabled(true);
    }
    Loeschen1Button->hide();
    schliessen(D1);
    if (Abbruch == 1) {
        Start1Button->setEnabled(true);
        Start1Button->setFocus();
        Schritt = 1;
        return;
    }
    D1Button->setEnabled(false);
    Start2Button->setEnabled(true);
    Start2Button->setFocus();
    Schritt = 3;
    modusmenue(true);
}

void TForm9::Loeschen1ButtonClick()
{
    for (int n = 1; n <= 16; ++n)
        D1[n]->clear();
    D1[4]->setFocus();
    Schritt = 10;
}

void TForm9::Start2ButtonClick()
{
    if (erledigt(Start2Button))
        return;
    Phase = 3;
    modusmenue(false);
    Abbruch = 0;
    setzeTag(Start2Button, 1);
    FormHaupt->ImageZeichnen(Bild1, Zelle, 4, 2, Zelle / 2);
    for (int k = 1; k <= 7; ++k)
        IntD1[k]->hide();
    const bool fertig = StrahlenD2();
    if (Programmende())
        return;
    if (!fertig || Abbruch == 1) {
        Start1Button->setEnabled(true);
        Start1Button->setFocus();
        Schritt = 1;
        return;
    }
    Start2Button->setEnabled(false);
    D2Button->setEnabled(true);
    if (Lernmodus) {
        Loeschen2Button->show();
        oeffnen(D2);
        D2[16]->setFocus();
        Schritt = 11;
    } else {
        D2Button->setFocus();
        Schritt = 4;
    }
    modusmenue(true);
}

void TForm9::D2ButtonClick()
{
    if (Lernmodus) {
        const int ergebnis = pruefen(D2, sollD2);
        if (ergebnis != 0) {
            Phase = 3;
            FormFalsch->Urteil(ergebnis == 1 ? FormFalsch->Falsch1 : FormFalsch->Falsch2);
            return;
        }
        Phase = 4;
        FormFalsch->Urteil(FormFalsch->Richtig);
    } else {
        if (erledigt(D2Button))
            return;
        Phase = 4;
        FormHaupt->Neu->setEnabled(false);
        modusmenue(false);
        setzeTag(D2Button, 1);
        Schritt = 4;
        for (int n = 1; n <= 16; ++n) {
            D2[n]->setFrame(false);
            D2[n]->show();
            D2[n]->resize(Bildschirmbreite * 17 / 800, D2[n]->height());
        }
        const auto gruppen = gegendiagonalen();
        for (std::size_t g = 0; g < gruppen.size(); ++g) {
            for (int n : gruppen[g])
                D2[n]->setText(QString::number(sollD2((n - 1) / 4 + 1, (n - 1) % 4 + 1)));
            if (g + 1 < gruppen.size()) {
                if (Programmende())
                    return;
                pause(200);
            }
        }
        FormHaupt->Neu->setEnabled(true);
        modusmenue(true);
    }
    D2Button->setEnabled(false);
    Loeschen2Button->hide();
    Summen1Button->setEnabled(true);
    Summen1Button->setFocus();
    Schritt = 5;
    schliessen(D2);
}

void TForm9::Loeschen2ButtonClick()
{
    for (int n = 1; n <= 16; ++n)
        D2[n]->clear();
    D2[16]->setFocus();
    Schritt = 11;
}

void TForm9::Summen1ButtonClick()
{
    for (int n = 1; n <= 16; ++n) {
        D1[n]->setText(QString::number(D1[n]->text().toInt() + D2[n]->text().toInt()));
        D2[n]->hide();
    }
    Summen1Button->setEnabled(false);
    ZeigeButton->setEnabled(true);
    ZeigeButton->setFocus();
    Schritt = 6;
}

void TForm9::ZeigeButtonClick()
{
    for (int n = 1; n <= 16; ++n) {
        D2[n]->show();
        D2[n]->resize(Bildschirmbreite * 18 / 800, D2[n]->height());
        Kurs::setzeSchriftfarbe(D2[n], Qt::black);
        D2[n]->setText(QString::number(SummeHV[n]));
    }
    ZeigeButton->setEnabled(false);
    Summen2Button->setEnabled(true);
    Summen2Button->setFocus();
    Schritt = 7;
}

void TForm9::Summen2ButtonClick()
{
    for (int n = 1; n <= 16; ++n) {
        D1[n]->hide();
        D2[n]->hide();
        Summe[n]->setText(QString::number(D1[n]->text().toInt() + D2[n]->text().toInt()));
        Summe[n]->adjustSize();
    }
    Summen2Button->setEnabled(false);
    FaerbeButton->setEnabled(true);
    FaerbeButton->setFocus();
    Schritt = 8;
}

void TForm9::FaerbeButtonClick()
{
    Zeichenflaeche& f = Bild2->flaeche();
    const QRgb stufe[6] = {Kurs::Weiss, 0xCCCCCC, 0x999999, 0, 0, Kurs::Schwarz};
    for (int n = 1; n <= 16; ++n) {
        const int r = (n - 1) / 4 + 1, j = (n - 1) % 4 + 1;
        const int summe = Summe[n]->text().toInt();
        if (summe < 1 || summe > 5 || summe == 3 || summe == 4)
            continue;
        f.setzePinsel(stufe[summe]);
        f.floodFill(j * Zelle + 10, r * Zelle + 10, Kurs::Weiss, Zeichenflaeche::Fuellart::Flaeche);
        if (summe == 5) {
            Kurs::setzeHintergrund(Summe[n], Qt::black);
            Kurs::setzeSchriftfarbe(Summe[n], Qt::white);
        } else
            Kurs::setzeHintergrund(Summe[n], QColor::fromRgb(stufe[summe]));
    }
    f.setzePinsel(Kurs::Weiss);
    Bild2->aktualisieren();
    FaerbeButton->setEnabled(false);
    WeiterButton->setFocus();
    Schritt = 9;
}

QWidget* TForm9::schrittziel() const
{
    switch (Schritt) {
    case 1: return Start1Button;
    case 2: return D1Button;
    case 3: return Start2Button;
    case 4: return D2Button;
    case 5: return Summen1Button;
    case 6: return ZeigeButton;
    case 7: return Summen2Button;
    case 8: return FaerbeButton;
    case 10: return D1[4];
    case 11: return D2[16];
    default: return WeiterButton;
    }
}

void TForm9::Memo1MouseDown()
{
    Kurs::fokus(schrittziel(), WeiterButton);
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

void TForm9::Modus(bool lernen, bool aktivierung)
{
    Lernmodus = lernen;
    (lernen ? FormHaupt->Lernprogramm1 : FormHaupt->Demonstration1)->setChecked(true);
    const QString beschriftung = lernen ? QStringLiteral("Korrektur") : QStringLiteral("Verteilung");
    D1Button->setText(beschriftung);
    D2Button->setText(beschriftung);
    if (lernen) {
        switch (Phase) {
        case 1:
            oeffnen(D1);
            Loeschen1Button->show();
            D1[4]->setFocus();
            Schritt = 10;
            break;
        case 2:
            Start2Button->setFocus();
            Schritt = 3;
            break;
        case 3:
            oeffnen(D2);
            Loeschen2Button->show();
            D2[16]->setFocus();
            Schritt = 11;
            break;
        default:
            break;
        }
        return;
    }
    Loeschen1Button->hide();
    Loeschen2Button->hide();
    switch (Phase) {
    case 1:
        D1Button->setFocus();
        Schritt = 2;
        for (int n = 1; n <= 16; ++n) {
            Kurs::schliessen(D1[n]);
            D1[n]->clear();
        }
        break;
    case 2:
        Start2Button->setFocus();
        Schritt = 3;
        if (aktivierung)
            schliessen(D1);
        break;
    case 3:
        D2Button->setFocus();
        Schritt = 4;
        for (int n = 1; n <= 16; ++n) {
            Kurs::schliessen(D2[n]);
            D2[n]->clear();
        }
        break;
    default:
        break;
    }
}

void TForm9::Demonstration1()
{
    Modus(false, false);
}

void TForm9::Lernprogramm1()
{
    Modus(true, false);
}

void TForm9::FormActivate()
{
    Modus(Lernmodus, true);
}

void TForm9::NeuStart()
{
    if (!erledigt(Start1Button))
        return;
    Abbruch = 1;
    Phase = 0;
    gitterZeichnen();
    for (int k = 1; k <= 7; ++k) {
        IntD1[k]->hide();
        IntD2[k]->hide();
    }
    for (int n = 1; n <= 16; ++n) {
        for (QLineEdit* f : {D1[n], D2[n]}) {
            f->hide();
            f->clear();
            f->resize(Bildschirmbreite * 15 / 800, f->height());
            f->setFrame(true);
            f->setReadOnly(true);
            setzeTabstop(f, false);
        }
        Kurs::setzeSchriftfarbe(D1[n], Qt::red);
        Kurs::setzeSchriftfarbe(D2[n], Qt::blue);
        Summe[n]->clear();
        Kurs::setzeHintergrund(Summe[n], Qt::white);
        Kurs::setzeSchriftfarbe(Summe[n], Qt::black);
    }
    Start1Button->setEnabled(true);
    setzeTag(Start1Button, 0);
    Start1Button->setFocus();
    Schritt = 1;
    for (QPushButton* k : {D1Button, Start2Button, D2Button}) {
        k->setEnabled(false);
        setzeTag(k, 0);
    }
    Loeschen1Button->hide();
    Loeschen2Button->hide();
    for (QPushButton* k : {Summen1Button, ZeigeButton, Summen2Button, FaerbeButton})
        k->setEnabled(false);
}
